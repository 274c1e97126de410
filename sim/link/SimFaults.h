// Misbehaviour on demand: what the simulated calculator is told to get wrong, and when. Every
// fault is armed by a control command (or a start option) and counts from that moment.
#pragma once
#include <cstdint>
#include <string>

namespace lw::sim {

struct TSimFaults {
    // Byte faults, by the index of the byte on the way out (1-based from the start of the
    // run; 0 = not armed).
    uint64_t DropByteAt = 0;
    uint64_t CorruptByteAt = 0;
    uint64_t DelayByteAt = 0;
    uint32_t DelayByteMs = 0;
    // Block faults, by the index of the XModem block the calculator sends (1-based from the
    // start of the run, resends included; 0 = not armed).
    uint64_t DropBlockAt = 0;
    uint64_t CorruptBlockAt = 0;
    uint64_t DelayBlockAt = 0;
    uint32_t DelayBlockMs = 0;
    // NAK this many of the next good command packets and XModem blocks received.
    uint32_t NakNext = 0;
    // Send CAN instead of the next block or block reply of a transfer.
    bool CancelNext = false;
    // Send a 0x00 before this many of the next packet ACKs.
    uint32_t ZeroBeforeAck = 0;
    // The next command packet sent carries a wrong checksum.
    bool BadChecksumNext = false;
    // Write in pieces of this many bytes (0 = whole writes).
    uint32_t SplitWrites = 0;
    // Wire-time emulation: ~10 bits per byte at this rate (0 = off; UINT32_MAX = the speed
    // the PC set on the line).
    uint32_t ThrottleBaud = 0;
};

// Applies one fault command ("drop-byte 5", "nak 2", "throttle 9600", "clear-faults" ...;
// see TSimulator::HelpText) to `faults`. `bytesOut` and `blocksOut` are the counts so far,
// from which the n-th next byte or block is reckoned. Returns "" when the words are not a
// fault command, otherwise the reply ("OK ..." or "ERROR: ...").
std::string ApplyFaultCommand(const std::string& line, TSimFaults& faults, uint64_t bytesOut,
                              uint64_t blocksOut);

} // namespace lw::sim
