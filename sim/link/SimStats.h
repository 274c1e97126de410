// What the simulated calculator has seen and done, for tests and the status command.
#pragma once
#include <cstdint>
#include <mutex>
#include <string>

namespace lw::sim {

struct TSimStats {
    uint64_t BytesSent = 0, BytesReceived = 0;
    uint32_t PacketsSent = 0;       // command packets written (resends included)
    uint32_t PacketsReceived = 0;   // good command packets received
    uint32_t PacketResends = 0;     // own packets written again after a NAK
    uint32_t NaksSent = 0;          // NAKs to packets and blocks (start bytes not counted)
    uint32_t NaksReceived = 0;      // NAKs to own packets and blocks
    uint32_t BlocksSent = 0;        // XModem blocks written (resends included)
    uint32_t BlocksReceived = 0;    // good XModem blocks received (repeats not counted)
    uint32_t BlockResends = 0;      // own blocks written again
    uint32_t PollsIgnored = 0;      // M polls dropped while a script ran
    uint32_t KermitPackets = 0;     // Kermit packets sent
    uint32_t KermitPacketsHeld = 0; // Kermit packets not sent: the PC had the port closed
    uint32_t PcCloses = 0;          // times the PC let go of its end (where the line tells)
    std::string Commands;           // command bytes the server took, in order (the last 4096)
    std::string StartBytes;         // start bytes of transfers, in order, sent or received (ditto)
    // ROM-loading mode: the length announced, the image bytes received, and whether both
    // agreed.
    uint32_t RomLength = 0;
    std::string RomImage;
    bool RomComplete = false;
};

// The statistics with their lock: written on the simulator's thread, read from any thread.
class TStatsBox {
public:
    template <class F> void Update(F f) {
        std::lock_guard<std::mutex> lock(M);
        f(S);
        for (std::string* log : {&S.Commands, &S.StartBytes})
            if (log->size() > 8192) log->erase(0, log->size() - 4096);
    }
    TSimStats Get() const {
        std::lock_guard<std::mutex> lock(M);
        return S;
    }

private:
    mutable std::mutex M;
    TSimStats S;
};

} // namespace lw::sim
