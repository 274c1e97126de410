// A link inside the process: the PC's end opens by name through OpenPort like any port, the
// far end is played by whoever stands for the calculator in this process (the simulator, a
// test's script). Bytes move through two queues; every wait reads the link's clock, so on a
// simulated clock an exchange full of time-outs runs in no time at all.
#pragma once
#include "link/Clock.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lw {

struct TMemoryLinkOptions {
    // The name OpenPort knows the PC's end by.
    std::string Name = "memory";
    // Behave as the calculator's USB device (packet reads, no speed) instead of a serial line.
    bool Usb = false;
};

class TMemoryLink {
public:
    explicit TMemoryLink(TMemoryLinkOptions options = {}, IClock& clock = RealClock());
    // Hangs up; a PC end still open then fails its reads and writes.
    ~TMemoryLink();
    TMemoryLink(const TMemoryLink&) = delete;
    TMemoryLink& operator=(const TMemoryLink&) = delete;

    const std::string& Name() const;
    bool IsUsb() const;
    IClock& LinkClock() const;

    // The far end -------------------------------------------------------------------------
    // Takes up to n bytes the PC sent, without waiting.
    std::string Take(size_t n);
    // Waits until `more()` holds (evaluated with the clock's lock held; change what it reads
    // through the clock's Change), the PC sent bytes or the line hung up (both only when
    // forBytes), or `deadline` passed; true unless the time ran out.
    bool Wait(TClockPoint deadline, bool forBytes, const std::function<bool()>& more = {});
    // Queues bytes for the PC.
    void Send(std::string_view data);
    // Ends the line: the PC's end fails from now on, and no longer opens.
    void HangUp();
    bool IsHungUp() const;
    // Whether the PC holds its end open, and how often it closed it.
    bool PcHasOpen() const;
    uint64_t PcCloses() const;
    // The line speed the PC set last (0: none, or a USB link).
    uint32_t PcBaud() const;

    struct TState;

private:
    std::shared_ptr<TState> FState;
};

} // namespace lw
