// Command packets, both directions: 2 length bytes (high first), the data, and the 8-bit sum
// of the data.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace lw {

constexpr size_t MaxCommandPacketData = 0xFFFF;
// How long the program waits for each part of the calculator's answer to a command (ms).
constexpr uint32_t ReplyTimeout = 2500;

// The packet for `data` (calculator bytes, at most MaxCommandPacketData of them).
std::string BuildCommandPacket(std::string_view data);

} // namespace lw
