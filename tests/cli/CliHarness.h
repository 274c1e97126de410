// End-to-end harness: linkwell-cli as a process of its own against the simulated calculator of a
// TSimSession (its pseudo-terminal, or its USB pipes under $LINKWELL_USB_ROOT, which the CLI
// inherits), every run bounded by a time-out.
#pragma once
#include "Process.h"
#include "support/SimSession.h"

#include <memory>
#include <string>
#include <vector>

namespace lw::test {

// linkwell-cli with these arguments against the simulator (no simulator: as given).
TRunResult Cli(const TSimSession* sim, const std::vector<std::string>& args,
               std::chrono::milliseconds timeout = std::chrono::seconds(90));
// The same, started and left running (for commands that wait for the calculator).
// `env`: variables set for it besides.
std::unique_ptr<TProcess> StartCli(const TSimSession* sim, const std::vector<std::string>& args,
                                   const std::string& stdinPath = "",
                                   const std::map<std::string, std::string>& env = {});

// The failure lines of a run: stderr lines beginning with "linkwell-cli: ".
std::vector<std::string> ErrorLines(const std::string& err);
// A run that ended with `status` and one message ("linkwell-cli: ...") containing `message`,
// nothing on stdout.
void ExpectOneMessage(const TRunResult& r, int status, const std::string& message);
// Whether a line of `text` begins with `prefix`.
bool HasLine(const std::string& text, const std::string& prefix);
// Waits (bounded) until the running CLI has printed `text` on stderr at or after `from`.
bool Printed(TProcess& cli, const std::string& text, size_t from = 0);

// The full path of a program found on $PATH, "" when there is none.
std::string FindProgram(const std::string& name);

} // namespace lw::test
