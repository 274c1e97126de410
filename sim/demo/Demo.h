// The built-in demo device: the simulated calculator with its sample memory, running in this
// process on the far end of an in-memory link (a serial line, or the USB device) on the real
// clock, for a front end's --demo: no pseudo-terminal and no device folder needed. It also plays
// the user's part on the calculator: when a prompt says what to do there, OnPrompt does it.
#pragma once
#include "link/UiHooks.h"

#include <functional>
#include <memory>
#include <string>

namespace lw {
class TMemoryLink;
}

namespace lw::sim {

class TSimulator;

struct TDemoConfig {
    bool Usb = false; // the link behaves as the USB calculator instead of a serial line
    std::function<void(const std::string&)> Log; // the simulator's exchange log; empty: none
};

class TDemo {
public:
    // Starts the simulator; throws std::runtime_error when it cannot.
    explicit TDemo(TDemoConfig config = {});
    ~TDemo(); // Stop()
    TDemo(const TDemo&) = delete;
    TDemo& operator=(const TDemo&) = delete;

    // The port the front end opens: the in-memory link's name.
    const std::string& Port() const { return FPort; }
    // Stops the simulator and hangs the link up; safe to call twice.
    void Stop();
    // A prompt of `kind` is shown: start the calculator-side work it asks for (a capture, an
    // XRECV of `putName`, an XSEND of HOME's first variable, ROM loading).
    void OnPrompt(TPromptKind kind, const std::string& putName);

private:
    std::unique_ptr<TMemoryLink> FLink;
    std::unique_ptr<TSimulator> FSim;
    std::string FPort;
};

} // namespace lw::sim
