// Conversion between packed bytes and nibble strings (one nibble value 0..15 per byte,
// low nibble of each byte first).
#pragma once
#include <string>
#include <string_view>

namespace lw {

std::string UnpackNibbles(std::string_view bytes);
std::string PackNibbles(std::string_view nibbles);

} // namespace lw
