// The console on Windows: Ctrl-C, Ctrl-Break and the close, log-off and shut-down events come
// from a console control handler into a queue; the wake flag is an event object. Standard
// input is watched in slices, since a pipe cannot be waited on together with an event.
#include "util/Console.h"

#include "util/WinText.h"

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <deque>
#include <direct.h>
#include <io.h>
#include <mutex>
#include <windows.h>

namespace lw::sys {

namespace {

struct TSignalQueue {
    std::mutex Lock;
    std::condition_variable Changed;
    std::deque<TConsoleSignal> Pending;
};

TSignalQueue& Signals() {
    static TSignalQueue queue;
    return queue;
}

void Post(TConsoleSignal signal) {
    TSignalQueue& q = Signals();
    {
        const std::lock_guard lock(q.Lock);
        q.Pending.push_back(signal);
    }
    q.Changed.notify_all();
}

BOOL WINAPI OnConsoleControl(DWORD event) {
    Post(event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT ? TConsoleSignal::Interrupt
                                                            : TConsoleSignal::End);
    return TRUE;
}

bool IsConsole(HANDLE h) {
    DWORD mode = 0;
    return h != INVALID_HANDLE_VALUE && ::GetConsoleMode(h, &mode) != 0;
}

// Standard input has something to read (or its end, or a failure that a read then reports).
bool StdinReadable() {
    const HANDLE in = ::GetStdHandle(STD_INPUT_HANDLE);
    switch (::GetFileType(in)) {
    case FILE_TYPE_PIPE: {
        DWORD available = 0;
        if (!::PeekNamedPipe(in, nullptr, 0, nullptr, &available, nullptr)) return true;
        return available > 0;
    }
    case FILE_TYPE_CHAR:
        if (IsConsole(in)) {
            // Key presses: a line read then waits for the Enter that ends the line.
            INPUT_RECORD records[16];
            DWORD count = 0;
            if (!::PeekConsoleInputW(in, records, 16, &count)) return true;
            for (DWORD i = 0; i < count; ++i)
                if (records[i].EventType == KEY_EVENT && records[i].Event.KeyEvent.bKeyDown)
                    return true;
            if (count > 0) ::ReadConsoleInputW(in, records, count, &count); // mouse, focus
            return false;
        }
        return true;
    default:
        return true;
    }
}

} // namespace

bool StdinIsTerminal() {
    return IsConsole(::GetStdHandle(STD_INPUT_HANDLE));
}

bool StderrIsTerminal() {
    return IsConsole(::GetStdHandle(STD_ERROR_HANDLE));
}

long ReadStdin(char* buf, size_t n) {
    DWORD got = 0;
    const DWORD want = static_cast<DWORD>(n > 0x10000 ? 0x10000 : n);
    if (!::ReadFile(::GetStdHandle(STD_INPUT_HANDLE), buf, want, &got, nullptr))
        return ::GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
    return static_cast<long>(got);
}

void WriteStderr(const char* text, size_t n) {
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text, static_cast<DWORD>(n), &written, nullptr);
}

void ExitAtOnce(int status) {
    ::_exit(status);
}

std::string HomeFolder() {
    const wchar_t* home = ::_wgetenv(L"USERPROFILE");
    return home ? PortablePath(Utf8Text(home)) : "";
}

int ChangeFolder(const std::string& folder) {
    return ::_wchdir(WidePath(folder).c_str()) != 0 ? errno : 0;
}

void CatchConsoleSignals() {
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
}

TConsoleSignal WaitConsoleSignal(int timeoutMs, int& number) {
    TSignalQueue& q = Signals();
    std::unique_lock lock(q.Lock);
    const auto ready = [&q] { return !q.Pending.empty(); };
    if (timeoutMs < 0)
        q.Changed.wait(lock, ready);
    else if (!q.Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready))
        return TConsoleSignal::TimedOut;
    const TConsoleSignal signal = q.Pending.front();
    q.Pending.pop_front();
    // The exit status of a program ended by the console: 128 + 2, as after Ctrl-C elsewhere.
    number = 2;
    return signal;
}

void StopConsoleSignalWait(std::thread&) {
    Post(TConsoleSignal::Stopped);
}

struct TWakeFlag::TImpl {
    HANDLE Event = nullptr;
};

TWakeFlag::TWakeFlag() : FImpl(new TImpl) {
    FImpl->Event = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
}

TWakeFlag::~TWakeFlag() {
    if (FImpl->Event) ::CloseHandle(FImpl->Event);
    delete FImpl;
}

void TWakeFlag::Set() {
    ::SetEvent(FImpl->Event);
}

void TWakeFlag::Clear() {
    ::ResetEvent(FImpl->Event);
}

bool TWakeFlag::Wait(int timeoutMs) {
    return ::WaitForSingleObject(FImpl->Event, timeoutMs < 0 ? INFINITE : DWORD(timeoutMs)) ==
           WAIT_OBJECT_0;
}

TWakeFlag::TWoken TWakeFlag::WaitWithInput(int timeoutMs) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::milliseconds(timeoutMs < 0 ? 0 : timeoutMs);
    for (;;) {
        if (StdinReadable()) return TWoken::Input;
        if (Wait(20)) return TWoken::Flag;
        if (timeoutMs >= 0 && clock::now() >= deadline) return TWoken::TimedOut;
    }
}

} // namespace lw::sys
