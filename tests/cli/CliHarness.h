// End-to-end harness: linkwell-sim as a separate process on a pseudo-terminal or on USB FIFOs,
// and linkwell-cli runs against it, every one bounded by a time-out.
#pragma once
#include "Process.h"
#include "support/TempDir.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace lw::test {

class TSimProcess {
public:
    // `usb`: attach to FIFOs under a private root instead of a pseudo-terminal.
    TSimProcess(bool usb, const std::vector<std::string>& extraArgs = {});
    ~TSimProcess(); // EOF on stdin ends it; killed if it does not end in time

    bool Started() const { return !FPort.empty(); }
    // The -p value and the environment the CLI needs to reach this simulator.
    const std::string& CliPort() const { return FCliPort; }
    std::map<std::string, std::string> CliEnv() const;
    // A control command; returns the simulator's reply line ("OK ..." or "ERROR: ...").
    std::string Control(const std::string& line);
    // Waits (bounded) for an event line "event: <prefix>..."; false when none came.
    bool WaitEvent(const std::string& prefix);
    const std::string& Log() const { return FProc->Err(); }

private:
    TTempDir FDir;
    std::unique_ptr<TProcess> FProc;
    std::string FPort, FCliPort, FUsbRoot;
    size_t FSeen = 0;
};

// linkwell-cli with these arguments against the simulator (no simulator: as given).
TRunResult Cli(const TSimProcess* sim, const std::vector<std::string>& args,
               std::chrono::milliseconds timeout = std::chrono::seconds(90));
// The same, started and left running (for commands that wait for the calculator).
std::unique_ptr<TProcess> StartCli(const TSimProcess* sim, const std::vector<std::string>& args,
                                   int stdinFd = -1);

// The failure lines of a run: stderr lines beginning with "linkwell-cli: ".
std::vector<std::string> ErrorLines(const std::string& err);
// A run that ended with `status` and the one message "linkwell-cli: <message>...", nothing
// on stdout.
void ExpectOneMessage(const TRunResult& r, int status, const std::string& message);
// Whether a line of `text` begins with `prefix`.
bool HasLine(const std::string& text, const std::string& prefix);
// Waits (bounded) until the running CLI has printed `text` on stderr at or after `from`.
bool Printed(TProcess& cli, const std::string& text, size_t from = 0);

// The full path of a program found on $PATH, "" when there is none.
std::string FindProgram(const std::string& name);

} // namespace lw::test
