// What lies below the port layer's operations: one backend per open port. OpenPort picks the
// backend by the port's name; ReadComm, WriteComm, ClearInput, ChangeSpeed and ClosePorts
// dispatch to it. A backend only moves bytes and reports failures; the time-outs, the polls,
// the draining rules and the serious-error path stay above it, the same for every backend.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace lw {

// How a line behaves, for the layers above: what they must do differently.
struct TLineTraits {
    // A serial line: it has a speed (ChangeSpeed applies), read time-outs and one queue pair
    // the driver can purge; timing profiles follow its speed.
    bool HasSpeed = true;
    // Bytes arrive in packets of up to 64 bytes, each polled for at most 80 ms (the USB
    // pipes): reads and the idle wait follow that rhythm, and a long silence is a failure.
    bool PacketReads = false;
};

class IPortBackend {
public:
    virtual ~IPortBackend() = default;

    // The port's name, for messages.
    virtual std::string Name() const = 0;
    virtual TLineTraits Traits() const = 0;

    // Waits at most waitMs for bytes and takes what has arrived, up to n (a packet backend:
    // one packet of up to n bytes; a request that is not answered in time stays
    // outstanding for the next call). Returns the count (0: nothing came in time), -1 when
    // the line failed.
    virtual long Read(char* buf, size_t n, uint32_t waitMs) = 0;
    // Takes what it can of the bytes within waitMs without blocking longer; returns the
    // count taken (may be 0), -1 when the line failed.
    virtual long Write(const char* data, size_t n, uint32_t waitMs) = 0;
    // Drops what waits in the input queue.
    virtual void Purge() = 0;
    // False when the line refused the speed (a line without speed accepts any).
    virtual bool SetSpeed(int speed) = 0;
    // The device is still there (a USB device that was unplugged is not).
    virtual bool Present() = 0;
    // The last failure of Read or Write in words, for the trace.
    virtual std::string LastError() const = 0;
};

// Backends over the system's devices, made by OpenPort. Each returns null on failure, with
// `failure` saying why when the cause is worth telling the user (missing device, in use,
// permission), else "".
// A serial device: a path, a symlink to one or "COMn".
std::unique_ptr<IPortBackend> OpenSerialBackend(const std::string& name, int speed,
                                                std::string& failure);
// The calculator's USB device ("ZQlink", "ZQlink_1" ..).
std::unique_ptr<IPortBackend> OpenUsbBackend(const std::string& name, std::string& failure);

// Ports that live in this process (the in-memory link): OpenPort asks this provider first.
// It returns null for a name it does not know.
class IPortProvider {
public:
    virtual ~IPortProvider() = default;
    virtual std::unique_ptr<IPortBackend> OpenByName(const std::string& name) = 0;
    // Whether it has a port of that name, and what that port is like.
    virtual bool Knows(const std::string& name, TLineTraits& traits) = 0;
};
// Registers (or with null, unregisters) the provider of in-process ports.
void SetPortProvider(IPortProvider* provider);
// What the in-process port of that name is like; false when there is none.
bool InProcessPort(const std::string& name, TLineTraits& traits);

} // namespace lw
