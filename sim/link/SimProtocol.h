// The calculator's half of the two wire protocols: command packets (length, data, additive
// checksum, ACK/NAK with resends) and XModem transfers in both directions.
#pragma once
#include "sim/link/SimFaults.h"
#include "sim/link/SimStats.h"
#include "sim/link/SimWire.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lw::sim {

// What the protocol pieces share on the simulator's thread.
struct TSimSession {
    TSimWire& Wire;
    TSimFaults& Faults;
    TStatsBox& Stats;
    uint64_t BlocksOut = 0; // XModem blocks written so far (the block faults count these)
};

// Time limits of the calculator's side (generous: the PC's own limits decide).
struct TSimLimits {
    static constexpr uint32_t PacketByteMs = 3000;   // between the bytes of a packet
    static constexpr uint32_t PacketAckMs = 8000;    // for the PC's ACK/NAK to a packet
    static constexpr uint32_t PacketResends = 5;     // own packet written again after NAK
    static constexpr uint32_t PacketTries = 6;       // reads of a packet the PC sends
    static constexpr uint32_t BlockReplyMs = 6000;   // for the PC's reply to a block
    static constexpr uint32_t BlockResends = 10;     // own block written again
    static constexpr uint32_t BlockWaitMs = 6000;    // for the PC's next block
    static constexpr uint32_t BlockErrors = 10;      // bad blocks and time-outs in a row
    static constexpr uint32_t ServerStartMs = 10000; // for the PC's start byte after G
};

// Writes `data` as a command packet and waits for the PC's ACK; writes it again after each
// NAK (at most PacketResends times). False when the PC never accepted it.
bool SendPacket(TSimSession& s, std::string_view data);
// Reads a command packet: ACK when good, NAK (after draining the line) when not, until a good
// one came or PacketTries reads failed. False also when nothing came for firstByteMs.
bool ReceivePacket(TSimSession& s, std::string& data, uint32_t firstByteMs);

// Sends `data` by XModem: waits (up to waitMs) for the receiver's start byte unless `start`
// already holds it (-1: none yet), then 1024-byte STX blocks while at least 1024 bytes remain
// and 128-byte SOH blocks after, each until ACK, then EOT until ACK. `why` tells a failure.
bool XModemSend(TSimSession& s, const std::string& data, int start, uint32_t waitMs,
                std::string& why);
// Receives by XModem: sends `startByte` (NAK, 'C' or 'D') every repeatMs until the first
// block comes (giving up after waitMs), checks each block, ACKs good ones and repeats of the
// previous one, NAKs the rest; EOT ends it. `data` gets every block's data bytes.
bool XModemReceive(TSimSession& s, uint8_t startByte, uint32_t repeatMs, uint32_t waitMs,
                   std::string& data, std::string& why);

} // namespace lw::sim
