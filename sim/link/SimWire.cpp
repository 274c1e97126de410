#include "sim/link/SimWire.h"

#include "link/MemoryLink.h"

#include <algorithm>
#include <climits>

namespace lw::sim {

using namespace std::chrono;

TSimWire::TSimWire(TSimFaults& faults, TStatsBox& stats, TLog log)
    : Faults(faults), Stats(stats), LogLine(std::move(log)) {}

TSimWire::~TSimWire() = default;

void TSimWire::Attach(std::unique_ptr<ISimTransport> transport) {
    Line = std::move(transport);
    InBuf.clear();
}

void TSimWire::HangUp() {
    if (Line) Line->HangUp();
    InBuf.clear();
}

bool TSimWire::PcHasOpen() {
    if (!IsUp()) return false;
    ServiceNotify();
    return Line->PcHasOpen();
}

void TSimWire::ServiceNotify() {
    const bool wasOpen = Line->PcHasOpen();
    Line->ServiceNotify();
    if (wasOpen && !Line->PcHasOpen()) Stats.Update([](TSimStats& s) { ++s.PcCloses; });
}

TClockPoint TSimWire::Now() const {
    return Line ? Line->LineClock().Now() : TClock::now();
}

void TSimWire::Wake() {
    if (TMemoryLink* link = Memory()) link->LinkClock().Change([this] { WakeAsked = true; });
    WakeUp.Raise();
}

bool TSimWire::WaitMemory(TMemoryLink& link, bool forBytes, TClockPoint deadline) {
    for (;;) {
        if (forBytes && !IsUp()) throw TSimInterrupt{TSimInterrupt::HangUp};
        bool woken = false;
        const bool ready = link.Wait(deadline, forBytes, [&] {
            if (WakeAsked) WakeAsked = false, woken = true;
            return woken;
        });
        if (woken) {
            TSimInterrupt::TKind kind = TSimInterrupt::Abort;
            if (OnWake && OnWake(kind)) throw TSimInterrupt{kind};
            continue;
        }
        if (!ready) return false;
        if (!IsUp()) throw TSimInterrupt{TSimInterrupt::HangUp};
        return true;
    }
}

void TSimWire::PauseUntil(TClockPoint t) {
    if (TMemoryLink* link = Memory()) {
        WaitMemory(*link, false, t);
        return;
    }
    WaitFor(-1, false, t);
}

bool TSimWire::WaitFor(int fd, bool forWrite, TClock::time_point deadline) {
    for (;;) {
        if (fd >= 0 && !IsUp()) throw TSimInterrupt{TSimInterrupt::HangUp};
        const int notify = IsUp() ? Line->NotifyFd() : -1;
        auto now = TClock::now();
        auto left = duration_cast<milliseconds>(deadline - now).count();
        const TDeviceWait seen = TDeviceWait::For(WakeUp, notify, fd, forWrite,
                                                  int(std::clamp<long long>(left, 0, 100)));
        if (seen.Failed) throw TSimInterrupt{TSimInterrupt::HangUp};
        now = TClock::now();
        if (IsUp() && now - LastKeepRaw > milliseconds(100)) {
            LastKeepRaw = now;
            Line->KeepRaw();
        }
        if (seen.Woken) {
            TSimInterrupt::TKind kind = TSimInterrupt::Abort;
            if (OnWake && OnWake(kind)) throw TSimInterrupt{kind};
            if (fd >= 0 && !IsUp()) throw TSimInterrupt{TSimInterrupt::HangUp};
        }
        if (seen.Notified) ServiceNotify();
        if (seen.Ready) return true;
        if (now >= deadline) return false;
    }
}

int TSimWire::ReadByte(uint32_t timeoutMs) {
    std::string b = Read(1, timeoutMs);
    return b.empty() ? -1 : uint8_t(b[0]);
}

std::string TSimWire::Read(size_t n, uint32_t timeoutMs) {
    auto deadline = Now() + milliseconds(timeoutMs);
    while (InBuf.size() < n) {
        if (!IsUp()) throw TSimInterrupt{TSimInterrupt::HangUp};
        if (TMemoryLink* link = Memory()) {
            const std::string got = link->Take(4096);
            if (!got.empty()) {
                InBuf += got;
                Stats.Update([&](TSimStats& s) { s.BytesReceived += got.size(); });
            } else if (!WaitMemory(*link, true, deadline)) {
                break;
            }
            continue;
        }
        if (!WaitFor(Line->ReadFd(), false, deadline)) break;
        char buf[4096];
        const long got = ReadDevice(Line->ReadFd(), buf, sizeof buf);
        if (got > 0) {
            InBuf.append(buf, size_t(got));
            Stats.Update([&](TSimStats& s) { s.BytesReceived += uint64_t(got); });
        } else if (got < 0) {
            Log("line lost while reading");
            HangUp();
            throw TSimInterrupt{TSimInterrupt::HangUp};
        }
    }
    size_t take = std::min(n, InBuf.size());
    std::string result = InBuf.substr(0, take);
    InBuf.erase(0, take);
    return result;
}

void TSimWire::Drain(uint32_t quietMs, uint32_t maxMs) {
    auto end = Now() + milliseconds(maxMs);
    InBuf.clear();
    while (Now() < end) {
        if (Read(4096, quietMs).empty()) return;
    }
}

void TSimWire::Discard(uint32_t ms) {
    InBuf.clear();
    if (!IsUp()) throw TSimInterrupt{TSimInterrupt::HangUp};
    if (TMemoryLink* link = Memory()) {
        if (!WaitMemory(*link, true, Now() + milliseconds(ms))) return;
        const size_t got = link->Take(4096).size();
        Stats.Update([&](TSimStats& s) { s.BytesReceived += got; });
        return;
    }
    if (!WaitFor(Line->ReadFd(), false, TClock::now() + milliseconds(ms))) return;
    char buf[4096];
    const long got = ReadDevice(Line->ReadFd(), buf, sizeof buf);
    if (got > 0) Stats.Update([&](TSimStats& s) { s.BytesReceived += uint64_t(got); });
}

void TSimWire::Pause(uint32_t ms) {
    PauseUntil(Now() + milliseconds(ms));
}

void TSimWire::Write(std::string_view data) {
    std::string pending;
    for (char c : data) {
        uint64_t index = ++Out;
        if (index == Faults.DelayByteAt) {
            Faults.DelayByteAt = 0;
            WritePiece(pending);
            pending.clear();
            Log("fault: delaying byte " + std::to_string(index));
            Pause(Faults.DelayByteMs);
        }
        if (index == Faults.DropByteAt) {
            Faults.DropByteAt = 0;
            Log("fault: dropping byte " + std::to_string(index));
            continue;
        }
        if (index == Faults.CorruptByteAt) {
            Faults.CorruptByteAt = 0;
            Log("fault: corrupting byte " + std::to_string(index));
            c = char(uint8_t(c) ^ 0xFF);
        }
        pending += c;
    }
    WritePiece(pending);
}

uint32_t TSimWire::ThrottleBaud() const {
    if (Faults.ThrottleBaud != UINT32_MAX) return Faults.ThrottleBaud;
    return IsUp() ? Line->PcBaud() : 0;
}

void TSimWire::WritePiece(std::string_view data) {
    size_t piece = Faults.SplitWrites ? Faults.SplitWrites : data.size();
    for (size_t pos = 0; pos < data.size(); pos += piece) {
        if (pos > 0) Pause(1);
        WriteAll(data.substr(pos, piece));
    }
}

void TSimWire::WriteAll(std::string_view data) {
    if (data.empty()) return;
    if (!IsUp()) throw TSimInterrupt{TSimInterrupt::HangUp};
    // An open or close of the PC's end that happened before these bytes must be taken into
    // account first (an open drops what was sent while nobody listened, never these bytes).
    ServiceNotify();
    uint32_t baud = ThrottleBaud();
    // Throttled: 10 ms of wire time per write, each written when the previous one has left.
    size_t chunk = baud ? std::max<size_t>(1, baud / 1000) : data.size();
    size_t pos = 0;
    auto deadline = Now() + seconds(3);
    while (pos < data.size()) {
        if (baud && WireFreeAt > Now()) PauseUntil(WireFreeAt);
        size_t want = std::min(chunk, data.size() - pos);
        long n;
        if (TMemoryLink* link = Memory()) {
            link->Send(data.substr(pos, want));
            n = long(want);
        } else {
            n = WriteDevice(Line->WriteFd(), data.data() + pos, want);
        }
        if (n > 0) {
            pos += size_t(n);
            Stats.Update([&](TSimStats& s) { s.BytesSent += uint64_t(n); });
            deadline = Now() + seconds(3);
            if (baud) {
                // The line stays busy for the bytes' wire time; a wake-up that came a little
                // late is made up on the next bytes, so the average rate holds.
                auto now = Now();
                auto from = now - WireFreeAt > milliseconds(50) ? now : WireFreeAt;
                WireFreeAt = from + microseconds(uint64_t(n) * 10'000'000 / baud);
            }
            continue;
        }
        if (n < 0) {
            Log("line lost while writing");
            HangUp();
            throw TSimInterrupt{TSimInterrupt::HangUp};
        }
        if (!WaitFor(Line->WriteFd(), true, deadline)) {
            Log("the PC takes nothing: " + std::to_string(data.size() - pos) + " bytes dropped");
            return;
        }
    }
}

} // namespace lw::sim
