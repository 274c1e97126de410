// Harness of the CLI's tests against the simulated calculator of a TSimSession. On the
// in-memory link (the default of this test program) linkwell-cli's entry function runs in the
// test's process, on simulated time; on a real line (RealLine: its pseudo-terminal, or its USB
// pipes under $LINKWELL_USB_ROOT, which the CLI inherits) linkwell-cli runs as a process of its
// own, end to end, every run bounded by a time-out.
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
// The same with standard input read from the file `stdinPath` (no terminal).
TRunResult CliWithInput(const TSimSession* sim, const std::vector<std::string>& args,
                        const std::string& stdinPath);
// The same as a process, started and left running (for commands that wait for the
// calculator, signals, terminals); the calculator must be on a real line.
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
