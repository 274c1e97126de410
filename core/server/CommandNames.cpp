// The names PC files and calculator variables get on the way across, and where the
// calculator-side program files live.
#include "link/CalcNames.h"
#include "server/Commands.h"
#include "util/Files.h"
#include "util/SysFiles.h"

#include <mutex>

namespace lw {
namespace {

std::mutex FolderMutex;
std::string FolderOverride;

} // namespace

bool IsBackupArchive(const std::string& path) {
    return LowerFileExt(path) == ".zqbackup";
}

std::string PutNameForFile(const std::string& path) {
    std::string name = ExtractFileName(path);
    const std::string ext = LowerFileExt(path);
    if (ext == ".zq" || ext == ".txt" || ext == ".zqbackup") name.resize(name.size() - ext.size());
    return NameToFile(FileToName(name, true), false);
}

std::string CopyFileNameFor(const std::string& displayName, bool textMode, bool addExtension) {
    std::string name = NameToFile(FileToName(displayName, false), true);
    // "." and ".." would name the folder itself or its parent: escape the dots, which the
    // way back (FileToName in caret mode) turns into dots again.
    if (!name.empty() && name.find_first_not_of('.') == std::string::npos) {
        std::string escaped;
        for (size_t i = 0; i < name.size(); ++i) escaped += "^046";
        name = escaped;
    }
    if (textMode) return name + ".txt";
    return addExtension ? name + ".zq" : name;
}

std::string DefaultArchiveName(const std::string& modelCode, std::time_t when) {
    static const char* const Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::tm t = sys::LocalTime(when);
    return modelCode + "_" + std::to_string(t.tm_mday) + "-" + Months[t.tm_mon % 12] + "-" +
           std::to_string(t.tm_year + 1900) + ".zqbackup";
}

int BackupExpectedSize(int size) {
    if (size < 0) size = 0;
    return (size / 1024) * 1024 + ((size % 1024 + 127) / 128) * 128;
}

std::string CalcFilesFolder() {
    {
        std::lock_guard<std::mutex> lock(FolderMutex);
        if (!FolderOverride.empty()) return FolderOverride;
    }
    return ProgramDataFolder("ArchKA.zq");
}

void SetCalcFilesFolder(const std::string& folder) {
    std::lock_guard<std::mutex> lock(FolderMutex);
    FolderOverride = folder;
    while (FolderOverride.size() > 1 && FolderOverride.back() == '/') FolderOverride.pop_back();
}

std::string ArchiveProgramFile(const std::string& modelCode) {
    std::string folder = CalcFilesFolder();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder + "Arch" + modelCode + ".zq";
}

std::string ServerProgramFile() {
    std::string folder = CalcFilesFolder();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder + "XSrvrKA.zq";
}

} // namespace lw
