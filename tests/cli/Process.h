// A child process for the end-to-end tests: its stdout and stderr collected, its stdin
// /dev/null (or a given file), and every wait bounded: a child still running at the deadline
// is killed.
#pragma once
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <sys/types.h>

namespace lw::test {

class TProcess {
public:
    // `stdinPath`, when given, is opened as the child's stdin (for example a pseudo-terminal).
    TProcess(const std::vector<std::string>& argv,
             const std::map<std::string, std::string>& env = {}, const std::string& stdinPath = "");
    ~TProcess(); // kills the child if it still runs
    TProcess(const TProcess&) = delete;
    TProcess& operator=(const TProcess&) = delete;

    // Collects output until `done()` holds or `timeout` passed; returns done().
    bool WaitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Waits for the end; kills the child at the deadline. Returns its exit status, 128 + the
    // signal when killed by one, -1 when it had to be killed for the time-out.
    int Wait(std::chrono::milliseconds timeout);
    void Kill(int signal);

    const std::string& Out() const { return FOut; }
    const std::string& Err() const { return FErr; }

private:
    void Pump(int timeoutMs);

    pid_t FPid = -1;
    int FOutFd = -1, FErrFd = -1;
    std::string FOut, FErr;
    int FStatus = -1;
    bool FExited = false;
};

struct TRunResult {
    int Status;
    std::string Out, Err;
};

// Runs a program to its end (killed after `timeout`).
TRunResult Run(const std::vector<std::string>& argv,
               const std::map<std::string, std::string>& env = {},
               std::chrono::milliseconds timeout = std::chrono::seconds(60));

} // namespace lw::test
