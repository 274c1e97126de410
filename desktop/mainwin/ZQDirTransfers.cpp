// The main window's commands on the whole calculator and the transfers the calculator starts
// itself: backup to an archive file, restore from one, the operating-system download over USB,
// and the manual transfers with the calculator's XRECV and XSEND. Each asks for its file,
// tells the user how to prepare the calculator, runs the core's operation and leaves the
// window disconnected, or connected and refreshed after a backup or a restore that failed.
// A failure ends in one message (the command's exception, shown by RunCommand); a prompt or a
// wait the person cancelled ends quietly; no PC file is written unless the whole object arrived.
#include "link/Port.h"
#include "mainwin/WindowTexts.h"
#include "mainwin/ZQDir.h"
#include "prompts/DownLd.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "settings/FileChooser.h"
#include "util/Files.h"
#include "util/ScopeExit.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>

#include <ctime>
#include <stdexcept>

namespace lw::gui {
namespace {

QString ArchiveTitle() {
    return QCoreApplication::translate("TFZQDir", "Archive Calculator to PC");
}

// Qt's "*" rather than "*.*": on this system many files have no extension.
QString AllFilesFilter() {
    return QCoreApplication::translate("TFZQDir", "All Files (*)");
}

QStringList ArchiveFilters() {
    return {QCoreApplication::translate("TFZQDir", "ZQ Archives (*.zqbackup)"), AllFilesFilter()};
}

// The calculator object files: "ZQ Files" only while binary files get their extension.
QStringList ObjectFileFilters(bool addExtension) {
    if (!addExtension) return {AllFilesFilter()};
    return {QCoreApplication::translate("TFZQDir", "ZQ Files (*.zq)"), AllFilesFilter()};
}

// A failure to show: the window's message box reads it in the local encoding.
std::runtime_error Failure(const QString& text) {
    return std::runtime_error(LocalString(text));
}

// The port-only work never leaves a connection behind, whatever happened meanwhile.
auto DisconnectedAfter(TFZQDir& w) {
    return ScopeExit([&w] {
        w.SetConnected(false);
        w.SetBusy(false);
    });
}

// A modeless waiting prompt still up when the transfer ended (it failed) goes too.
auto HidePromptAfter() {
    return ScopeExit([] {
        if (UiHooks().Prompt->IsVisible()) UiHooks().Prompt->Hide();
    });
}

// Whether the person dismissed the prompt dialog (Cancel, Esc, its close button) while this
// object lived; hiding it from the program does not count.
class TPromptCancelWatch {
public:
    explicit TPromptCancelWatch(TFDownLd* prompt) : FPrompt(prompt) {
        if (prompt)
            FConnection =
                QObject::connect(prompt, &QDialog::rejected, [this] { FCanceled = true; });
    }
    ~TPromptCancelWatch() { QObject::disconnect(FConnection); }
    TPromptCancelWatch(const TPromptCancelWatch&) = delete;
    TPromptCancelWatch& operator=(const TPromptCancelWatch&) = delete;
    bool Canceled() const { return FCanceled; }

private:
    QPointer<TFDownLd> FPrompt;
    QMetaObject::Connection FConnection;
    bool FCanceled = false;
};

} // namespace

// --- backup and restore

void TFZQDir::mnuBackupClick() {
    if (!Connected() || Busy()) return;
    const QString path =
        ChooseFile(this, {TFileRequest::Save, ArchiveTitle(), ArchiveFilters(),
                          LocalText(DefaultArchiveName(State.ModelCode, std::time(nullptr)))});
    if (path.isEmpty()) return;
    SetBusy(true);
    UiHooks().Thread->ProcessMessages();
    BackupToFile(LocalString(path));
}

void TFZQDir::BackupToFile(const std::string& path) {
    // The calculator keeps its server through a backup: the listing is read again.
    const ScopeExit refresh([this] {
        SetBusy(false);
        if (Connected()) RequestRefresh();
    });
    if (!lw::BackupToFile(*FServer, path))
        throw Failure(
            QCoreApplication::translate("TFZQDir", "Backup to %1 failed; the file was not written.")
                .arg(LocalText(path)));
}

void TFZQDir::mnuRestoreClick() {
    if (!Connected() || Busy()) return;
    const QString path =
        ChooseFile(this, {TFileRequest::Open, ArchiveTitle(), ArchiveFilters(), {}});
    if (!path.isEmpty()) RestoreFromFile(LocalString(path));
}

void TFZQDir::RestoreFromFile(const std::string& path) {
    bool restored = false;
    {
        // A restore that failed leaves the calculator's server running: show what it holds.
        const ScopeExit refresh([this, &restored] {
            if (!restored && Connected()) RequestRefresh();
        });
        if (const std::string refusal = RestoreFileRefusal(*FServer, path); !refusal.empty())
            throw std::runtime_error(refusal);
        restored = lw::RestoreFromFile(*FServer, path);
        if (!restored)
            throw Failure(QCoreApplication::translate("TFZQDir", "Restore from %1 failed.")
                              .arg(LocalText(path)));
    }
    // The calculator reorganises its memory and stops its server: the user restarts it and
    // may connect again from the prompt.
    SetConnected(false);
    if (UiHooks().Prompt->ShowPrompt(TPromptKind::Reconnect, "")) tbtnConnectClick(false);
}

// --- operating-system download

void TFZQDir::mnuDownloadRomClick() {
    const QString port = cmboPort->currentText();
    if (!port.contains(UsbCalculatorText)) {
        Beep();
        return;
    }
    // The calculator leaves its server for the loader: no connection may stay open.
    if (Connected()) FServer->Disconnect();
    const QString chosen = ChooseFile(
        this, {TFileRequest::Open,
               QCoreApplication::translate("TFZQDir", "Download ROM"),
               {QCoreApplication::translate("TFZQDir", "ROM Files (*.bin)"), AllFilesFilter()},
               {}});
    if (chosen.isEmpty()) return;
    const std::string path = LocalString(chosen);
    const auto disconnected = DisconnectedAfter(*this);
    if (const std::string refusal = RomFileRefusal(path); !refusal.empty())
        throw std::runtime_error(refusal);
    // The person cancelled: nothing to report.
    if (!UiHooks().Prompt->ShowPrompt(TPromptKind::RomDownload, "")) return;
    if (!FServer->OpenComm(LocalString(port))) return;
    if (!FServer->SendRom(path))
        QMessageBox::information(
            this, QCoreApplication::translate("TFZQDir", "Download Error"),
            QCoreApplication::translate("TFZQDir", "Download of ROM file \n%1\nfailed.")
                .arg(LocalText(path)));
}

// --- the calculator's XRECV and XSEND

void TFZQDir::mnuDownLoadServerClick() {
    ManualSend(ServerProgramFile(), TPromptKind::ServerXRecv, TPromptKind::ServerSent);
}

void TFZQDir::mnuDownLoadFileClick() {
    const QString path =
        ChooseFile(this, {TFileRequest::Open,
                          QCoreApplication::translate("TFZQDir", "Download File to Calculator"),
                          ObjectFileFilters(State.AddExtension),
                          {}});
    if (!path.isEmpty())
        ManualSend(LocalString(path), TPromptKind::FileXRecv, TPromptKind::FileSent);
}

void TFZQDir::ManualSend(const std::string& path, TPromptKind before, TPromptKind after) {
    if (Connected()) FServer->Disconnect();
    // A file that cannot be read is reported before the calculator is asked for anything.
    ReadFileToString(path);
    const TUiHooks& ui = UiHooks();
    bool sent = false;
    const TPromptCancelWatch watch(DownLd);
    {
        const auto disconnected = DisconnectedAfter(*this);
        if (!FServer->OpenComm(LocalString(cmboPort->currentText()))) return;
        const auto hidePrompt = HidePromptAfter();
        ui.Prompt->ShowPrompt(before, "");
        UpdateControls();
        ui.Thread->ProcessMessages();
        sent = SendToXRecv(*FServer, path);
    }
    // A wait the person cancelled ends quietly; a transfer that failed is reported.
    if (!sent && watch.Canceled()) return;
    if (!sent)
        throw Failure(QCoreApplication::translate("TFZQDir", "%1 was not sent to the calculator.")
                          .arg(LocalText(path)));
    ui.Prompt->ShowPrompt(after, "");
}

void TFZQDir::mnuUploadFileClick() {
    if (Connected()) FServer->Disconnect();
    const QString chosen =
        ChooseFile(this, {TFileRequest::Save,
                          QCoreApplication::translate("TFZQDir", "Upload File to PC"),
                          ObjectFileFilters(State.AddExtension),
                          {}});
    if (chosen.isEmpty()) return;
    const std::string path = LocalString(chosen);
    if (!UiHooks().Prompt->ShowPrompt(TPromptKind::FileXSend, "")) return;
    const auto disconnected = DisconnectedAfter(*this);
    if (!FServer->OpenComm(LocalString(cmboPort->currentText()))) return;
    SetConnected(FServer->IsConnected());
    if (!ReceiveXSendToFile(*FServer, path))
        throw Failure(
            QCoreApplication::translate(
                "TFZQDir", "Nothing was received from the calculator; %1 was not written.")
                .arg(LocalText(path)));
}

} // namespace lw::gui
