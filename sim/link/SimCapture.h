// What the calculator sends on its own that is not XModem: screen captures in each layout the
// PC understands, and the idle packet of its Kermit server.
#pragma once
#include <cstdint>
#include <string>

namespace lw::sim {

enum class TCaptureLayout {
    Band,      // ESC + 1080 bytes: eight bands of 8 pixel rows, one byte per column
    W,         // a first byte, "W", then 64 rows of 17 bytes
    G,         // the same with "G"
    Header,    // a first byte, 2 bytes, planes 1, height 64, width 131, then the rows
    TwoPlanes, // the same with 2 planes: 2176 body bytes, the most the PC accepts
    Oversize,  // 2 planes of 80 rows: 2720 body bytes, more than the PC accepts
};

// Layout by its control-command name: band, w, g, header, planes2, oversize.
bool ParseCaptureLayout(const std::string& name, TCaptureLayout& layout);

// The byte stream of a capture of `rows` (64 rows of 17 bytes, bit 0 = leftmost pixel; a
// shorter text counts as blank rows).
std::string CaptureStream(TCaptureLayout layout, const std::string& rows);

// The Kermit server's idle packet (a NAK packet with sequence number seq mod 64): SOH, length,
// sequence, type, check, CR.
std::string KermitIdlePacket(uint32_t seq);

} // namespace lw::sim
