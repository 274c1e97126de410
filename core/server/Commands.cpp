// The main window's transfer operations, shared by the front ends.
#include "server/Commands.h"

#include "link/CalcNames.h"
#include "link/UiHooks.h"
#include "objects/DecompLength.h"
#include "objects/FileKinds.h"
#include "server/XModemServer.h"
#include "util/Files.h"
#include "util/ScopeExit.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

constexpr const char* RestoreRefusedCaption = "Restore";

// Writes the object the server received last (its Data) to `path`, cut to its true length;
// a walk that fails is reported and the data written as received. Data is emptied in every
// case. False when nothing was received.
bool WriteReceivedObject(TXModemServer& server, const std::string& path) {
    std::string data;
    data.swap(server.Data);
    if (data.empty()) return false;
    bool oddNibble = false;
    if (!DecompLength(data, oddNibble))
        UiHooks().Main->ShowMessage(DecompErrorText(path), DecompErrorCaption);
    WriteStringToFile(data, path);
    return true;
}

// The first `count` bytes of a file (all of a shorter one) and its size; false with `why`
// set when it cannot be read.
bool ReadFileHead(const std::string& path, size_t count, std::string& head, uint64_t& size,
                  std::string& why) {
    const TFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.Get(), &st) != 0 || S_ISDIR(st.st_mode)) {
        why = UnableToOpenText(path, !fd ? errno : EISDIR);
        return false;
    }
    size = static_cast<uint64_t>(st.st_size);
    head.assign(count, '\0');
    size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd.Get(), head.data() + got, count - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<size_t>(n);
    }
    head.resize(got);
    return true;
}

} // namespace

std::string CopyEntryToFolder(TXModemServer& server, const std::string& displayName, int typeIndex,
                              int size, const std::string& folder) {
    const TCalcState& state = server.State();
    std::string path = folder.empty() ? std::string(".") : folder;
    if (path.back() != '/') path += '/';
    path += CopyFileNameFor(displayName, state.TextMode, state.AddExtension);
    const std::string fileForm = NameToFile(FileToName(displayName, false), true);
    if (!server.CopyFromCalc(fileForm, path, typeIndex, size)) return {};
    return path;
}

TPutOutcome PutFileToCalc(TXModemServer& server, const std::string& path, bool& replaceAll,
                          int count, bool exists) {
    if (IsBackupArchive(path)) return TPutOutcome::Refused;
    return server.PutVarOutcome(PutNameForFile(path), path, count, replaceAll, exists, "");
}

bool BackupToFile(TXModemServer& server, const std::string& path) {
    const int estimate = server.Root().GetSize();
    // Data may still hold an earlier object: only this backup's data may reach the file.
    server.Data.clear();
    bool ok = false;
    {
        const ScopeExit notBusy([] { UiHooks().Main->SetBusy(false); });
        try {
            ok = server.Backup(path, estimate);
        } catch (...) {
            server.Data.clear();
            throw;
        }
    }
    if (!ok) {
        server.Data.clear();
        return false;
    }
    return WriteReceivedObject(server, path);
}

std::string RestoreFileRefusal(TXModemServer& server, const std::string& path) {
    std::string head, why;
    uint64_t size = 0;
    if (!ReadFileHead(path, FileKindHeadSize, head, size, why)) return why;
    return BackupArchiveRefusal(path, head, size, server.State().ModelCode);
}

std::string RomFileRefusal(const std::string& path) {
    std::string head, why;
    uint64_t size = 0;
    if (!ReadFileHead(path, FileKindHeadSize, head, size, why)) return why;
    return RomImageRefusal(path, head, size);
}

bool RestoreFromFile(TXModemServer& server, const std::string& path) {
    const TUiHooks& ui = UiHooks();
    ui.Thread->ProcessMessages();
    ui.Main->SetBusy(false);
    // Whatever is sent here replaces the calculator's memory: only a backup archive of its
    // own model goes.
    if (const std::string refusal = RestoreFileRefusal(server, path); !refusal.empty()) {
        ui.Main->ShowMessage(refusal, RestoreRefusedCaption);
        return false;
    }
    if (!server.Restore(path)) return false;
    ui.Main->SetConnected(false);
    return true;
}

bool ReceiveXSendToFile(TXModemServer& server, const std::string& path) {
    const TUiHooks& ui = UiHooks();
    const ScopeExit after([&server] {
        server.Data.clear();
        UiHooks().Main->SetConnected(false);
        UiHooks().Main->SetBusy(false);
    });
    ui.Main->SetBusy(true);
    ui.Thread->ProcessMessages();
    server.Data.clear();
    if (!server.ReceiveFile(path, 0)) return false;
    return WriteReceivedObject(server, path);
}

bool SendToXRecv(TXModemServer& server, const std::string& path) {
    const ScopeExit after([] { UiHooks().Main->SetConnected(false); });
    return server.SendFile(path);
}

} // namespace lw
