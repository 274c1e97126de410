// The built-in demo device: the simulated calculator with its sample memory, running in this
// process on a pseudo-terminal (or on USB pipes in a private folder), for a front end's
// --demo. It also plays the user's part on the calculator: when a prompt says what to do
// there, OnPrompt does it.
#pragma once
#include "link/UiHooks.h"

#include <functional>
#include <memory>
#include <string>

namespace lw::sim {

class TSimulator;

struct TDemoConfig {
    bool Usb = false; // attach as the USB calculator (LINKWELL_USB_ROOT is set to its folder)
    std::function<void(const std::string&)> Log; // the simulator's exchange log; empty: none
};

class TDemo {
public:
    // Starts the simulator; throws std::runtime_error when it cannot.
    explicit TDemo(TDemoConfig config = {});
    ~TDemo(); // Stop()
    TDemo(const TDemo&) = delete;
    TDemo& operator=(const TDemo&) = delete;

    // The port the front end opens: the pseudo-terminal's path, or "usb".
    const std::string& Port() const { return FPort; }
    // Stops the simulator and removes its USB folder; safe to call twice.
    void Stop();
    // A prompt of `kind` is shown: start the calculator-side work it asks for (a capture, an
    // XRECV of `putName`, an XSEND of HOME's first variable, ROM loading).
    void OnPrompt(TPromptKind kind, const std::string& putName);

private:
    std::unique_ptr<TSimulator> FSim;
    std::string FPort;
    std::string FUsbRoot;
};

} // namespace lw::sim
