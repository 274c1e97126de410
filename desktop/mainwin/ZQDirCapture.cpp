// The main window's screen-capture loop: the port is opened without the calculator's server,
// each picture the calculator sends is shown in the capture window, and the loop waits for the
// next one until the user cancels the prompt, closes the capture window, or the port cannot be
// opened again.
#include "mainwin/ZQDir.h"

#include "capture/ScreenCapt.h"
#include "server/Commands.h"
#include "server/XModemServer.h"

#include <QCoreApplication>
#include <QToolButton>

namespace lw::gui {

void TFZQDir::mnuCaptureScreenClick() {
    if (Connected()) FServer->Disconnect();
    const std::string port = cmboPort->currentText().toStdString();
    State.RequiredSpeed = CaptureRequiredSpeed(port, cmboSpeed->currentText().toInt());
    if (State.RequiredSpeed != 0) {
        Beep();
        if (!UiHooks().Prompt->ShowCustomPrompt(
                CaptureSpeedQuestion(State.ModelName),
                QCoreApplication::translate("TFZQDir", "Set the calculator").toStdString()))
            return;
    }
    TScreenCapture capture;
    for (bool first = true;;) {
        try {
            FServer->OpenComm(port);
        } catch (...) {
            // After a failed capture the receiver has told the user already: the port that
            // is gone since then ends the loop without a second message.
            if (capture.Outcome == TCaptureOutcome::Failed) return;
            throw;
        }
        capture = ReceiveCapture(*FServer, first, [this, first] {
            if (!first && TFCapture::Current()) TFCapture::Current()->activateWindow();
            UpdateControls();
        });
        UpdateControls();
        // Not shown: the next capture is awaited.
        if (capture.Outcome == TCaptureOutcome::Failed) continue;
        if (capture.Image.empty()) return; // cancelled, or the capture window was closed
        TFCapture::Obtain().ShowCapture(capture.Image);
        first = false;
    }
}

} // namespace lw::gui
