// The steps of the screen-capture loop that every front end shares; what happens to each
// picture (shown in a window, saved to a file) is the front end's.
#include "link/Port.h"
#include "link/PromptTexts.h"
#include "link/UiHooks.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "util/MessageTexts.h"
#include "util/ScopeExit.h"

namespace lw {

namespace {

constexpr int CaptureSpeed = 115200;

} // namespace

int CaptureRequiredSpeed(const std::string& port, int lineSpeed) {
    return IsSerialPortName(port) && lineSpeed != CaptureSpeed ? CaptureSpeed : 0;
}

std::string CaptureSpeedQuestion(const std::string& modelName) {
    return msg::Fill(msg::CaptureSpeedQuestion, {modelName});
}

TScreenCapture ReceiveCapture(TXModemServer& server, bool first,
                              const std::function<void()>& prompted) {
    // The front end ends disconnected even when the receive throws: the port served no server.
    const ScopeExit disconnected([] { UiHooks().Main->SetConnected(false); });
    const TUiHooks& ui = UiHooks();
    if (first)
        ui.Prompt->ShowPrompt(TPromptKind::CaptureFirst, "");
    else
        ui.Prompt->ShowPrompt(TPromptKind::CaptureNext, PromptText(TPromptKind::CaptureNext, true));
    if (prompted) prompted();
    TScreenCapture capture;
    capture.Outcome = server.CaptureScreen(capture.Image);
    ui.Prompt->Hide();
    return capture;
}

} // namespace lw
