// --demo: the built-in simulated calculator (sample memory) running in this process on a
// pseudo-terminal, or on USB pipes in a private folder for rom. It plays the user's part on
// the calculator too: when a prompt says what to do there, the demo does it.
#pragma once
#include "cli/CliOptions.h"
#include "link/UiHooks.h"

#include <memory>
#include <string>

namespace lw::sim {
class TSimulator;
}

namespace lw::cli {

class TDemo {
public:
    // Starts the simulator; `usb` attaches it as the USB calculator (LINKWELL_USB_ROOT is set
    // to its private folder). Throws std::runtime_error when it cannot start.
    TDemo(bool usb, bool verbose);
    ~TDemo();
    TDemo(const TDemo&) = delete;
    TDemo& operator=(const TDemo&) = delete;

    // The port to use, as -p takes it.
    const std::string& Port() const { return FPort; }
    // A prompt of `kind` was shown (or confirmed): start the calculator-side work it asks for.
    void OnPrompt(TPromptKind kind, const TCliOptions& options);

private:
    std::unique_ptr<sim::TSimulator> FSim;
    std::string FPort;
    std::string FUsbRoot;
};

} // namespace lw::cli
