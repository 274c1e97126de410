// The commands on the whole calculator and the transfers the calculator starts itself:
// backup, restore, screen capture, the manual XRECV/XSEND transfers and the ROM download.
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "objects/CaptureImage.h"
#include "server/Commands.h"
#include "util/Files.h"
#include "util/ScopeExit.h"

namespace lw::cli {

namespace {

// FILE for one capture; FILE-1.ext, FILE-2.ext ... for several.
std::string CaptureFileName(const std::string& file, int index, int count) {
    if (count == 1) return file;
    const std::string ext = ExtractFileExt(file);
    return file.substr(0, file.size() - ext.size()) + "-" + std::to_string(index) + ext;
}

// Ends the port-only work as the desktop program does: the port is not a server connection.
auto DisconnectedAfter(TSession& s) {
    return ScopeExit([&s] { s.Ui.Main.SetConnected(false); });
}

} // namespace

int CmdBackup(TSession& s) {
    const std::string& file = s.Options.Args.at(0);
    s.Connect();
    s.Server.GetFileList(); // the size estimate comes from the listing
    const int declinedBefore = s.Ui.Prompt.Declined();
    if (!BackupToFile(s.Server, file)) {
        if (s.Ui.Prompt.Declined() > declinedBefore)
            throw ECommandFailed(SpeedChangeDeclinedText());
        throw ECommandFailed(BackupFailedText(file));
    }
    s.Output(file);
    return 0;
}

int CmdRestore(TSession& s) {
    const std::string& file = s.Options.Args.at(0);
    s.CheckReadable(file);
    s.Connect();
    if (const std::string refusal = RestoreFileRefusal(s.Server, file); !refusal.empty())
        throw ECommandFailed(refusal);
    if (!s.Term.AskYesNo(RestoreQuestionText(file))) throw ECommandFailed(CancelledText());
    if (!RestoreFromFile(s.Server, file)) throw ECommandFailed(RestoreFailedText(file));
    s.Term.Print(RestoredNoteText() + "\n");
    return 0;
}

int CmdCapture(TSession& s) {
    const int count = s.Options.Count;
    s.State.RequiredSpeed = CaptureRequiredSpeed(s.PortName, s.Options.Speed);
    if (s.State.RequiredSpeed != 0 &&
        !s.Ui.Prompt.ShowCustomPrompt(CaptureSpeedQuestion(s.State.ModelName),
                                      "Set the calculator"))
        throw ECommandFailed(SpeedChangeDeclinedText());
    s.Server.SetSpeed(std::to_string(s.Options.Speed));
    const TCaptureBorder border; // the capture window's defaults: frame 2, space 1
    // As in the desktop program's capture loop, a capture that failed is reported and the next
    // one awaited; only pictures saved count.
    for (int saved = 0; saved < count;) {
        const auto disconnected = DisconnectedAfter(s);
        s.OpenPortOnly();
        const TScreenCapture capture = ReceiveCapture(s.Server, saved == 0);
        if (capture.Outcome == TCaptureOutcome::Failed) {
            s.Term.Report(CaptureFailedText() + "; waiting for the next capture");
            continue;
        }
        if (capture.Image.empty())
            throw ECommandFailed(s.Term.Interrupted() ? CancelledText() : NoCaptureText());
        const std::string file = CaptureFileName(s.Options.OutFile, ++saved, count);
        try {
            SaveImageToFile(RenderCapture(capture.Image, border), file);
        } catch (const std::exception& e) {
            throw ECommandFailed(ImageWriteFailedText(file, e.what()));
        }
        s.Output(file);
    }
    return 0;
}

int CmdXModemSend(TSession& s) {
    const std::string& file = s.Options.Args.at(0);
    s.CheckReadable(file);
    const auto disconnected = DisconnectedAfter(s);
    s.OpenPortOnly();
    s.Ui.Prompt.ShowPrompt(TPromptKind::FileXRecv, "");
    const bool ok = SendToXRecv(s.Server, file);
    s.Ui.Prompt.Hide();
    if (!ok)
        throw ECommandFailed(s.Term.Interrupted() ? CancelledText() : XModemSendFailedText(file));
    s.Ui.Prompt.ShowPrompt(TPromptKind::FileSent, "");
    return 0;
}

int CmdXModemReceive(TSession& s) {
    const std::string& file = s.Options.Args.at(0);
    if (!s.Ui.Prompt.ShowPrompt(TPromptKind::FileXSend, "")) throw ECommandFailed(CancelledText());
    const auto disconnected = DisconnectedAfter(s);
    s.OpenPortOnly();
    if (!ReceiveXSendToFile(s.Server, file))
        throw ECommandFailed(s.Term.Interrupted() ? CancelledText()
                                                  : XModemReceiveFailedText(file));
    s.Output(file);
    return 0;
}

int CmdRom(TSession& s) {
    const std::string& file = s.Options.Args.at(0);
    s.CheckReadable(file);
    if (const std::string refusal = RomFileRefusal(file); !refusal.empty())
        throw ECommandFailed(refusal);
    if (!s.Ui.Prompt.ShowPrompt(TPromptKind::RomDownload, ""))
        throw ECommandFailed(CancelledText());
    const auto disconnected = DisconnectedAfter(s);
    s.OpenPortOnly();
    if (!s.Server.SendRom(file)) throw ECommandFailed(RomFailedText(file));
    return 0;
}

} // namespace lw::cli
