// Backing the calculator's whole memory up and restoring it, by scripts and the archive
// program the calculator runs.
#include "link/Port.h"
#include "link/UiHooks.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "util/Files.h"
#include "util/MessageTexts.h"

#include <cstdlib>

namespace lw {
namespace {

const char* const BackupScript =
    "'fLaG' PURGE '$$$r' DUP RCL SWAP PURGE HOME \" \\<< 'fLaG' PURGE \" RCLF DUP 64 STWS "
    "\\->STR SWAP STOF + \" STOF \\>>\" + STR\\-> 'fLaG' STO RCLF -55 SF SWAP MEM DROP NEWOB ";

constexpr int BackupSpeed = 115200;

// Switches a serial port to the backup speed for the lifetime of the object and back to the
// server's speed afterwards, whatever happens meanwhile.
class TBackupSpeed {
public:
    TBackupSpeed(int serverSpeed) : FServerSpeed(serverSpeed) {
        if (CalcPort.Traits().HasSpeed) ChangeSpeed(CalcPort, BackupSpeed), FChanged = true;
    }
    ~TBackupSpeed() {
        if (!FChanged || FServerSpeed <= 0) return;
        try {
            ChangeSpeed(CalcPort, FServerSpeed);
        } catch (...) {
            // The failure was reported through the connection error already.
        }
    }
    TBackupSpeed(const TBackupSpeed&) = delete;
    TBackupSpeed& operator=(const TBackupSpeed&) = delete;

private:
    int FServerSpeed;
    bool FChanged = false;
};

} // namespace

bool TXModemServer::Backup(const std::string& fileName, int size) {
    const TUiHooks& ui = UiHooks();
    if (FState.RequiredSpeed != 0) {
        ui.Main->Beep();
        const std::string text = msg::Fill(msg::BackupSpeedQuestion, {FState.ModelName});
        if (!ui.Prompt->ShowCustomPrompt(text, msg::SetCalculatorCaption.Text)) return false;
    }
    SetStatus(msg::SendingArchiveProgram.Text);
    ChangeDir("");
    bool replaceAll = false;
    // Without the archive program on the calculator there is nothing to wait for.
    if (!PutVar("$$$r", ArchiveProgramFile(FState.ModelCode), 1, replaceAll, false, ""))
        return false;
    Execute(BackupScript, true, true);
    SetStatus(msg::GettingBackup.Text);
    Execute("EVAL STOF", false, false);
    bool ok = false;
    {
        const TBackupSpeed speed(std::atoi(GetSpeed().c_str()));
        SleepMs(LinkTiming.BeforeBackupReceive);
        ok = ReceiveFile(fileName, BackupExpectedSize(size));
    }
    if (ok) {
        Execute("", true, true);
        Execute("'fLaG' PURGE ", true, true);
    }
    return ok;
}

bool TXModemServer::Restore(const std::string& fileName) {
    const TUiHooks& ui = UiHooks();
    Purge("$$$t", false);
    bool replaceAll = false;
    bool result = false;
    if (PutVar("$$$t", fileName, 1, replaceAll, false, "")) {
        ui.Main->SetBusy(true);
        ui.Status->ClearCancel();
        Pulse();
        SetStatus(msg::Fill(msg::RestoringFrom, {ExtractFileName(fileName)}));
        Execute("$$$t '$$$t' PURGE RESTORE", false, false);
        result = true;
    }
    ui.Main->SetBusy(false);
    return result;
}

} // namespace lw
