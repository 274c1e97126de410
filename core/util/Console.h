// The console the command-line program runs in, behind one small interface whose units differ
// by platform (ConsolePosix.cpp, ConsoleWin32.cpp): the standard streams, the user's
// interrupts and the requests to end, and a flag that a wait on input can be woken by.
#pragma once
#include <cstddef>
#include <string>
#include <thread>

namespace lw::sys {

bool StdinIsTerminal();
bool StderrIsTerminal();
// Reads up to n bytes of standard input: the count, 0 at its end, -1 on failure.
long ReadStdin(char* buf, size_t n);
// Writes to standard error at once, unbuffered (safe where the program is about to end).
void WriteStderr(const char* text, size_t n);
// Ends the process at once with `status`, running no destructors.
[[noreturn]] void ExitAtOnce(int status);

// The user's home folder ($HOME; on Windows %USERPROFILE%), "" when unknown.
std::string HomeFolder();
// Makes `folder` the working folder; 0 or errno.
int ChangeFolder(const std::string& folder);

// What a console signal wait ended with.
enum class TConsoleSignal {
    Interrupt, // Ctrl-C (or Ctrl-Break)
    End,       // a request to end the program: SIGTERM, SIGHUP; a closed console window
    Stopped,   // StopConsoleSignalWait
    TimedOut,
};
// Takes the console signals away from their default actions so that only
// WaitConsoleSignal sees them. On POSIX they are blocked in the calling thread and in every
// thread it starts later, so this comes before any other thread is started.
void CatchConsoleSignals();
// Waits for the next console signal, at most timeoutMs (-1: no limit). `number` receives
// the exit status offset of a signal that ends the program (the signal number on POSIX).
TConsoleSignal WaitConsoleSignal(int timeoutMs, int& number);
// Wakes the thread `waiter`, blocked in WaitConsoleSignal, with Stopped.
void StopConsoleSignalWait(std::thread& waiter);

// A flag that is set from one thread and waited on in another, also together with standard
// input.
class TWakeFlag {
public:
    TWakeFlag();
    ~TWakeFlag();
    TWakeFlag(const TWakeFlag&) = delete;
    TWakeFlag& operator=(const TWakeFlag&) = delete;

    void Set();
    void Clear();
    // Waits up to timeoutMs (-1: no limit); true when the flag is set.
    bool Wait(int timeoutMs);

    enum class TWoken { TimedOut, Input, Flag, Failed };
    // Waits up to timeoutMs (-1: no limit) for the flag or for standard input to be readable.
    TWoken WaitWithInput(int timeoutMs);

private:
    struct TImpl;
    TImpl* FImpl;
};

} // namespace lw::sys
