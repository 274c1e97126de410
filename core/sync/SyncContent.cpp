// Content hashes and fetching into memory for the sync.
#include "sync/SyncContent.h"

#include "link/CalcNames.h"
#include "link/Port.h"
#include "objects/DecompLength.h"
#include "objects/FileHeaders.h"
#include "server/TextTransfer.h"
#include "server/XModemServer.h"
#include "sync/SyncState.h"
#include "util/Files.h"
#include "util/ScopeExit.h"
#include "util/SysFiles.h"

#include <cerrno>
#include <cstdlib>
#include <string_view>

namespace lw {

std::string SyncContentHash(const std::string& bytes, bool textMode, const std::string& modelCode,
                            const std::string& fileName, std::string& why) {
    const std::string_view head = std::string_view(bytes).substr(0, ObjectHeaderSize);
    const THeaderCheck check = ClassifyHeader(head, modelCode, fileName);
    if (textMode) {
        const TTextPut put = check.Matches && check.IsText ? PrepareTextPut(bytes) : TTextPut{};
        if (put.Text.empty()) {
            why = "not a text file with a calculator header";
            return {};
        }
        return SyncHash(put.Text);
    }
    if (!check.Matches || check.IsText) {
        why = "not an object file of this calculator";
        return {};
    }
    std::string object = bytes;
    bool oddNibble = false;
    DecompLength(object, oddNibble); // cuts any padding behind the object; a failed walk keeps all
    return SyncHash(std::string_view(object).substr(ObjectHeaderSize));
}

bool FetchCalcFile(TXModemServer& server, const std::string& displayName, int typeIndex, int size,
                   std::string& bytes) {
    std::string path = TempFolder() + "sync-XXXXXX";
    if (!TFd(sys::CreateTempFile(path))) RaiseLinkError(UnableToOpenText(path, errno));
    const ScopeExit remove([&path] { sys::RemoveFile(path); });
    const std::string fileForm = NameToFile(FileToName(displayName, false), true);
    if (!server.CopyFromCalc(fileForm, path, typeIndex, size)) return false;
    bytes = ReadFileToString(path);
    return true;
}

} // namespace lw
