// The calculator's end of the cable: a pseudo-terminal pair (serial) or the two FIFOs of the
// USB device folder. A transport only moves bytes; timing, faults and time-outs live above it.
#pragma once
#include "link/Clock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace lw {
class TMemoryLink;
}

namespace lw::sim {

class ISimTransport {
public:
    virtual ~ISimTransport() = default;

    // Descriptors to poll and use (non-blocking); -1 once hung up.
    virtual int ReadFd() const = 0;
    virtual int WriteFd() const = 0;
    // Descriptor that becomes readable when the PC opens or closes its end (-1: none).
    virtual int NotifyFd() const = 0;
    // Handles what NotifyFd reported: counts the PC's opens and closes and, when the PC has
    // let go of its end, drops what it left unread. (An exclusive claim the PC made is
    // the PC's to release, as with a real calculator.)
    virtual void ServiceNotify() = 0;
    // Whether the PC holds its end open (true when that cannot be known).
    virtual bool PcHasOpen() const = 0;

    // What the PC opens: the pseudo-terminal path (or the symlink made to it) / the device
    // folder.
    virtual std::string PcPath() const = 0;
    virtual bool IsUsb() const = 0;
    // The line speed the PC last set (0 when it has none, as on the USB pipes).
    virtual uint32_t PcBaud() const = 0;
    // Keeps the line raw whatever the PC did to its settings (no echo, no line editing, no
    // output processing), so that every byte passes unchanged both ways.
    virtual void KeepRaw() = 0;

    // Closes the calculator's end and removes what was made for the PC (symlink, folder).
    virtual void HangUp() = 0;
    virtual bool IsHungUp() const { return ReadFd() < 0; }

    // The in-memory link behind the transport (null for a device: its descriptors are used).
    virtual TMemoryLink* Memory() const { return nullptr; }
    // The clock the line's time runs on.
    virtual IClock& LineClock() const { return RealClock(); }
};

// Reads the inotify events waiting on `notifyFd` and reports each open (true) and close
// (false) of the watched file, in order.
void ReadOpenCloseEvents(int notifyFd, const std::function<void(bool opened)>& onEvent);
// Throws std::runtime_error naming what failed and the system's reason for it (errno).
[[noreturn]] void FailWithErrno(const std::string& what);

// Creates a pseudo-terminal pair, holds both ends and, when linkPath is not empty, makes a
// symlink there to the PC's end (replacing an earlier symlink, never another kind of file).
// Throws std::runtime_error on failure.
std::unique_ptr<ISimTransport> CreatePtyTransport(const std::string& linkPath);

// Creates <root>/ZQlink<suffix>/ with the FIFOs PIPE0 (calculator -> PC) and PIPE1
// (PC -> calculator) and holds both open for reading and writing, so the PC never sees an
// end of file and can open either without blocking. Throws std::runtime_error on failure.
std::unique_ptr<ISimTransport> CreateFifoTransport(const std::string& root,
                                                   const std::string& suffix);

// Serves on the COM port `port` (Windows: one end of a null-modem pair, the PC on the other),
// raw 8N1 at 9600 baud. Throws std::runtime_error on failure, and on POSIX, whose serial mode
// makes a pseudo-terminal instead.
std::unique_ptr<ISimTransport> CreateComTransport(const std::string& port);

// The far end of an in-memory link in this process (serial or USB as the link is made).
// The link must outlive the transport.
std::unique_ptr<ISimTransport> CreateMemoryTransport(TMemoryLink& link);

} // namespace lw::sim
