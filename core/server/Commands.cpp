// The main window's transfer operations, shared by the front ends.
#include "server/Commands.h"

#include "link/CalcNames.h"
#include "link/UiHooks.h"
#include "objects/DecompLength.h"
#include "objects/FileKinds.h"
#include "server/XModemServer.h"
#include "util/Files.h"
#include "util/MessageTexts.h"
#include "util/ScopeExit.h"

namespace lw {
namespace {

constexpr const char* RestoreRefusedCaption = msg::RestoreCaption.Text;

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

// A file's refusal by `refusal(head, size)`, or the reason its head cannot be read.
template <class F> std::string HeadRefusal(const std::string& path, F refusal) {
    std::string head;
    uint64_t size = 0;
    try {
        head = ReadFileHead(path, FileKindHeadSize, &size);
    } catch (const EFileError& e) {
        return e.what();
    }
    return refusal(head, size);
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
        // The main window is no longer busy afterwards, whatever happens meanwhile.
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
    return HeadRefusal(path, [&](const std::string& head, uint64_t size) {
        return BackupArchiveRefusal(path, head, size, server.State().ModelCode);
    });
}

std::string RomFileRefusal(const std::string& path) {
    return HeadRefusal(path, [&](const std::string& head, uint64_t size) {
        return RomImageRefusal(path, head, size);
    });
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
    const ScopeExit disconnected([] { UiHooks().Main->SetConnected(false); });
    return server.SendFile(path);
}

} // namespace lw
