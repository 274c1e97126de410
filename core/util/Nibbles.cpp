#include "util/Nibbles.h"

namespace lw {

std::string UnpackNibbles(std::string_view bytes) {
    std::string out(bytes.size() * 2, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[2 * i] = static_cast<char>(b & 0x0F);
        out[2 * i + 1] = static_cast<char>(b >> 4);
    }
    return out;
}

std::string PackNibbles(std::string_view nibbles) {
    std::string out((nibbles.size() + 1) / 2, '\0');
    for (size_t i = 0; i < nibbles.size(); ++i) {
        const auto n = static_cast<unsigned char>(nibbles[i]) & 0x0F;
        auto& b = reinterpret_cast<unsigned char&>(out[i / 2]);
        b = static_cast<unsigned char>(b | (i % 2 ? n << 4 : n));
    }
    return out;
}

} // namespace lw
