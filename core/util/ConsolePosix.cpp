// The console on POSIX systems: signals through sigwait, the wake flag an eventfd that poll
// watches beside standard input.
#include "util/Console.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace lw::sys {

namespace {

// SIGINT is the user's Ctrl-C; SIGTERM (a `timeout`, a shutdown) and SIGHUP (the terminal
// closed) ask the program to end. SIGUSR1 only wakes the waiter to stop it.
sigset_t ConsoleSignals() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : {SIGINT, SIGTERM, SIGHUP, SIGUSR1}) sigaddset(&set, s);
    return set;
}

} // namespace

bool StdinIsTerminal() {
    return ::isatty(STDIN_FILENO) == 1;
}

bool StderrIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

long ReadStdin(char* buf, size_t n) {
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, buf, n);
        if (got >= 0 || (errno != EINTR && errno != EAGAIN)) return static_cast<long>(got);
    }
}

void WriteStderr(const char* text, size_t n) {
    [[maybe_unused]] auto written = ::write(STDERR_FILENO, text, n);
}

void ExitAtOnce(int status) {
    ::_exit(status);
}

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    return home ? home : "";
}

int ChangeFolder(const std::string& folder) {
    return ::chdir(folder.c_str()) != 0 ? errno : 0;
}

void CatchConsoleSignals() {
    const sigset_t set = ConsoleSignals();
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

TConsoleSignal WaitConsoleSignal(int timeoutMs, int& number) {
    const sigset_t set = ConsoleSignals();
    int signal = 0;
    for (;;) {
        if (timeoutMs < 0) {
            if (sigwait(&set, &signal) != 0) return TConsoleSignal::Stopped;
        } else {
            const timespec limit{timeoutMs / 1000, (timeoutMs % 1000) * 1000000L};
            signal = sigtimedwait(&set, nullptr, &limit);
            if (signal < 0 && errno == EINTR) continue;
            if (signal < 0) return TConsoleSignal::TimedOut;
        }
        break;
    }
    number = signal;
    if (signal == SIGUSR1) return TConsoleSignal::Stopped;
    return signal == SIGINT ? TConsoleSignal::Interrupt : TConsoleSignal::End;
}

void StopConsoleSignalWait(std::thread& waiter) {
    pthread_kill(waiter.native_handle(), SIGUSR1);
}

struct TWakeFlag::TImpl {
    int Fd = -1;
};

TWakeFlag::TWakeFlag() : FImpl(new TImpl) {
    FImpl->Fd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
}

TWakeFlag::~TWakeFlag() {
    if (FImpl->Fd >= 0) ::close(FImpl->Fd);
    delete FImpl;
}

void TWakeFlag::Set() {
    const uint64_t one = 1;
    [[maybe_unused]] auto written = ::write(FImpl->Fd, &one, sizeof one);
}

void TWakeFlag::Clear() {
    uint64_t count = 0;
    [[maybe_unused]] auto ignored = ::read(FImpl->Fd, &count, sizeof count);
}

bool TWakeFlag::Wait(int timeoutMs) {
    pollfd p{FImpl->Fd, POLLIN, 0};
    return ::poll(&p, 1, timeoutMs) > 0;
}

TWakeFlag::TWoken TWakeFlag::WaitWithInput(int timeoutMs) {
    for (;;) {
        pollfd p[2] = {{STDIN_FILENO, POLLIN, 0}, {FImpl->Fd, POLLIN, 0}};
        const int ready = ::poll(p, 2, timeoutMs);
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return TWoken::Failed;
        if (ready == 0) return TWoken::TimedOut;
        if (p[1].revents & POLLIN) return TWoken::Flag;
        return TWoken::Input;
    }
}

} // namespace lw::sys
