// Windows: the line is a COM port whose handle serves as the descriptor (SimDevicesWin32.cpp).
// A COM handle cannot be waited on for input together with the wake-up event, so a wait for
// input looks at the port's input queue every few milliseconds and waits on the event between.
#include "sim/link/SimDeviceIo.h"

#include <algorithm>
#include <chrono>
#include <windows.h>

namespace lw::sim {

namespace {

constexpr int InputPollMs = 5;

HANDLE LineHandle(int fd) {
    return LongToHandle(fd);
}

// Bytes wait in the port's input queue, or the port failed (the read then tells).
bool InputOrFailure(int fd) {
    DWORD errors = 0;
    COMSTAT status{};
    return !::ClearCommError(LineHandle(fd), &errors, &status) || status.cbInQue > 0;
}

} // namespace

TWakeSignal::TWakeSignal()
    : Handle(reinterpret_cast<intptr_t>(::CreateEventW(nullptr, FALSE, FALSE, nullptr))) {}

TWakeSignal::~TWakeSignal() {
    if (Handle) ::CloseHandle(reinterpret_cast<HANDLE>(Handle));
}

void TWakeSignal::Raise() {
    ::SetEvent(reinterpret_cast<HANDLE>(Handle));
}

TDeviceWait TDeviceWait::For(TWakeSignal& wake, int, int fd, bool forWrite, int timeoutMs) {
    using clock = std::chrono::steady_clock;
    const HANDLE event = reinterpret_cast<HANDLE>(wake.Handle);
    const auto deadline = clock::now() + std::chrono::milliseconds(std::max(timeoutMs, 0));
    TDeviceWait seen;
    for (;;) {
        // A write goes out at once or within its own time-out: the line counts as ready.
        if (fd >= 0 && (forWrite || InputOrFailure(fd))) seen.Ready = true;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - clock::now()).count();
        DWORD slice = DWORD(std::max<long long>(left, 0));
        if (timeoutMs < 0) slice = INFINITE;
        if (fd >= 0) slice = seen.Ready ? 0 : std::min<DWORD>(slice, InputPollMs);
        const DWORD rc = ::WaitForSingleObject(event, slice);
        seen.Woken = rc == WAIT_OBJECT_0;
        seen.Failed = rc == WAIT_FAILED;
        if (seen.Woken || seen.Failed || seen.Ready) return seen;
        if (timeoutMs >= 0 && clock::now() >= deadline) return seen;
    }
}

long ReadDevice(int fd, char* buf, size_t n) {
    DWORD got = 0;
    if (!::ReadFile(LineHandle(fd), buf, DWORD(n), &got, nullptr)) return -1;
    return long(got);
}

long WriteDevice(int fd, const char* data, size_t n) {
    DWORD put = 0;
    if (!::WriteFile(LineHandle(fd), data, DWORD(n), &put, nullptr) &&
        ::GetLastError() != ERROR_TIMEOUT)
        return -1;
    return long(put);
}

} // namespace lw::sim
