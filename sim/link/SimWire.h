// The simulator's byte I/O on top of a transport: reads with time-outs, bounded writes with
// the output faults, write splitting and wire-time throttling, and waits that keep serving the
// control channel. Used on the simulator's thread only.
#pragma once
#include "sim/link/SimDeviceIo.h"
#include "sim/link/SimFaults.h"
#include "sim/link/SimStats.h"
#include "sim/link/SimTransport.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace lw::sim {

// Thrown out of a wait to unwind the current exchange.
struct TSimInterrupt {
    enum TKind { Stop, HangUp, Abort, Reconsider } Kind;
};

class TSimWire {
public:
    // The wake handler serves the control queue; it returns true when the current wait is
    // to be interrupted (Interrupt() then tells why).
    using TWakeHandler = std::function<bool(TSimInterrupt::TKind&)>;
    using TLog = std::function<void(const std::string&)>;

    TSimWire(TSimFaults& faults, TStatsBox& stats, TLog log);
    ~TSimWire();
    TSimWire(const TSimWire&) = delete;
    TSimWire& operator=(const TSimWire&) = delete;

    void Attach(std::unique_ptr<ISimTransport> transport);
    ISimTransport* Transport() const { return Line.get(); }
    bool IsUp() const { return Line && !Line->IsHungUp(); }
    void HangUp();
    // Whether the PC holds its end open now.
    bool PcHasOpen();

    void SetWakeHandler(TWakeHandler handler) { OnWake = std::move(handler); }
    // Any thread: makes the current or next wait call the wake handler.
    void Wake();

    // One byte, or -1 when none came within timeoutMs.
    int ReadByte(uint32_t timeoutMs);
    // Up to n bytes; returns when all came or timeoutMs passed.
    std::string Read(size_t n, uint32_t timeoutMs);
    // Waits up to ms for input and drops what came (a line nobody answers).
    void Discard(uint32_t ms);
    // Reads and discards until the line was quiet for quietMs (at most maxMs in all).
    void Drain(uint32_t quietMs, uint32_t maxMs);
    // Writes with the output faults, splitting and throttling. Gives up (dropping the rest)
    // when the PC takes nothing for a few seconds.
    void Write(std::string_view data);
    // Sleeps, serving the control channel.
    void Pause(uint32_t ms);
    // The line's time (the simulated time on a simulated in-memory link).
    TClockPoint Now() const;

    uint64_t BytesOut() const { return Out; }
    void Log(const std::string& line) const {
        if (LogLine) LogLine(line);
    }

private:
    // Takes the PC's opens and closes of its end into account and counts the closes.
    void ServiceNotify();
    using TClock = std::chrono::steady_clock;
    // Waits until fd (-1: none) is readable, or writable with forWrite (true), or the
    // deadline passed (false).
    bool WaitFor(int fd, bool forWrite, TClock::time_point deadline);
    // The same on an in-memory link: for bytes from the PC (forBytes) or only the time.
    bool WaitMemory(TMemoryLink& link, bool forBytes, TClockPoint deadline);
    void PauseUntil(TClockPoint t);
    TMemoryLink* Memory() const { return Line ? Line->Memory() : nullptr; }
    void WriteAll(std::string_view data);
    void WritePiece(std::string_view data);
    uint32_t ThrottleBaud() const;

    TSimFaults& Faults;
    TStatsBox& Stats;
    TLog LogLine;
    std::unique_ptr<ISimTransport> Line;
    TWakeSignal WakeUp;
    TWakeHandler OnWake;
    std::string InBuf;
    uint64_t Out = 0;
    TClock::time_point WireFreeAt{};
    TClock::time_point LastKeepRaw{};
    bool WakeAsked = false; // in-memory link: guarded by its clock
};

} // namespace lw::sim
