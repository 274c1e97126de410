// Windows: no pseudo-terminals and no FIFOs, so no device transport reaches the byte moves;
// the wake-up is an event, and a wait without a line is a timed wait on it.
#include "sim/link/SimDeviceIo.h"

#include <windows.h>

namespace lw::sim {

TWakeSignal::TWakeSignal()
    : Handle(reinterpret_cast<intptr_t>(::CreateEventW(nullptr, FALSE, FALSE, nullptr))) {}

TWakeSignal::~TWakeSignal() {
    if (Handle) ::CloseHandle(reinterpret_cast<HANDLE>(Handle));
}

void TWakeSignal::Raise() {
    ::SetEvent(reinterpret_cast<HANDLE>(Handle));
}

TDeviceWait TDeviceWait::For(TWakeSignal& wake, int, int fd, bool, int timeoutMs) {
    TDeviceWait seen;
    const DWORD rc = ::WaitForSingleObject(reinterpret_cast<HANDLE>(wake.Handle),
                                           timeoutMs < 0 ? INFINITE : DWORD(timeoutMs));
    seen.Woken = rc == WAIT_OBJECT_0;
    seen.Failed = rc == WAIT_FAILED;
    // A descriptor is never a device here: report it at once, the byte move then fails.
    seen.Ready = fd >= 0;
    return seen;
}

long ReadDevice(int, char*, size_t) {
    return -1;
}

long WriteDevice(int, const char*, size_t) {
    return -1;
}

} // namespace lw::sim
