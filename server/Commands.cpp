// The main window's transfer operations, shared by the front ends.
#include "server/Commands.h"

#include "link/CalcNames.h"
#include "link/UiHooks.h"
#include "objects/DecompLength.h"
#include "server/XModemServer.h"
#include "util/Files.h"

namespace lw {
namespace {

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

// Clears the main window's busy state when it goes, whatever happens meanwhile.
struct TNotBusyAfter {
    ~TNotBusyAfter() { UiHooks().Main->SetBusy(false); }
};

} // namespace

bool HasEntry(const TXPObject& dir, const std::string& displayName) {
    for (const auto& child : dir.Children)
        if (child && child->Name == displayName) return true;
    return false;
}

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

bool PutFileToCalc(TXModemServer& server, const std::string& path, bool& replaceAll, int count,
                   bool exists) {
    if (IsBackupArchive(path)) return false;
    return server.PutVar(PutNameForFile(path), path, count, replaceAll, exists, "");
}

bool BackupToFile(TXModemServer& server, const std::string& path) {
    const int estimate = server.Root().GetSize();
    // Data may still hold an earlier object: only this backup's data may reach the file.
    server.Data.clear();
    bool ok = false;
    {
        const TNotBusyAfter notBusy;
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

bool RestoreFromFile(TXModemServer& server, const std::string& path) {
    const TUiHooks& ui = UiHooks();
    ui.Thread->ProcessMessages();
    ui.Main->SetBusy(false);
    if (!server.Restore(path)) return false;
    ui.Main->SetConnected(false);
    return true;
}

bool ReceiveXSendToFile(TXModemServer& server, const std::string& path) {
    const TUiHooks& ui = UiHooks();
    struct TAfter {
        TXModemServer& Server;
        ~TAfter() {
            Server.Data.clear();
            UiHooks().Main->SetConnected(false);
            UiHooks().Main->SetBusy(false);
        }
    } after{server};
    ui.Main->SetBusy(true);
    ui.Thread->ProcessMessages();
    server.Data.clear();
    if (!server.ReceiveFile(path, 0)) return false;
    return WriteReceivedObject(server, path);
}

bool SendToXRecv(TXModemServer& server, const std::string& path) {
    struct TAfter {
        ~TAfter() { UiHooks().Main->SetConnected(false); }
    } after;
    return server.SendFile(path);
}

} // namespace lw
