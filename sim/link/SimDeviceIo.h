// The simulator thread's waits and byte moves on a device transport, and the signal that ends
// such a wait early. POSIX (SimDeviceIoPosix.cpp): a pseudo-terminal or the USB FIFOs, with
// poll and an eventfd. Windows (SimDeviceIoWin32.cpp): a COM port, whose handle serves as the
// descriptor, and an event.
#pragma once
#include <cstddef>
#include <cstdint>

namespace lw::sim {

// A wake-up that any thread raises and the simulator thread's waits notice.
class TWakeSignal {
public:
    TWakeSignal();
    ~TWakeSignal();
    TWakeSignal(const TWakeSignal&) = delete;
    TWakeSignal& operator=(const TWakeSignal&) = delete;

    void Raise();

private:
    friend struct TDeviceWait;
    intptr_t Handle = -1;
};

// What one wait saw.
struct TDeviceWait {
    bool Woken = false;    // the wake signal was raised (and is cleared now)
    bool Notified = false; // the notify descriptor is readable
    bool Ready = false;    // the line descriptor is ready, hung up or failed
    bool Failed = false;   // the wait itself failed

    // Waits at most timeoutMs for the wake signal, the notify descriptor (-1: none) and the
    // line descriptor fd (-1: none) to become ready: for reading, or for writing with
    // forWrite.
    static TDeviceWait For(TWakeSignal& wake, int notifyFd, int fd, bool forWrite, int timeoutMs);
};

// Moves bytes without blocking: the count, 0 when none can move now, -1 when the line is lost
// (an end of file on reading counts as lost).
long ReadDevice(int fd, char* buf, size_t n);
long WriteDevice(int fd, const char* data, size_t n);

} // namespace lw::sim
