// Builders of calculator objects (as nibble strings, one nibble per char), object files and
// directory listings, for tests, benchmarks and fuzz corpora.
#pragma once
#include "util/Nibbles.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lw::test {

// A little-endian field of `count` nibbles.
inline std::string NibField(uint32_t value, int count) {
    std::string out;
    for (int i = 0; i < count; ++i, value >>= 4) out += static_cast<char>(value & 0x0F);
    return out;
}
// Characters as nibbles, low nibble first.
inline std::string NibChars(std::string_view text) {
    return UnpackNibbles(text);
}
inline std::string NibProlog(uint32_t prolog) {
    return NibField(prolog, 5);
}

inline std::string RealObj() { // 21 nibbles
    return NibProlog(0x02933) + std::string(16, '\x01');
}
inline std::string BinIntObj(uint32_t v = 0) { // 10 nibbles
    return NibProlog(0x02911) + NibField(v, 5);
}
inline std::string StringObj(std::string_view text) {
    return NibProlog(0x02A2C) + NibField(static_cast<uint32_t>(5 + 2 * text.size()), 5) +
           NibChars(text);
}
inline std::string GlobalObj(std::string_view name) {
    return NibProlog(0x02E48) + NibField(static_cast<uint32_t>(name.size()), 2) + NibChars(name);
}
inline std::string Composite(uint32_t prolog, const std::vector<std::string>& items) {
    std::string out = NibProlog(prolog);
    for (const auto& i : items) out += i;
    return out + NibProlog(0x0312B);
}
inline std::string ListObj(const std::vector<std::string>& items) {
    return Composite(0x02A74, items);
}
inline std::string TaggedObj(std::string_view tag, const std::string& inner) {
    return NibProlog(0x02AFC) + NibField(static_cast<uint32_t>(tag.size()), 2) + NibChars(tag) +
           inner;
}

// A directory object: prolog, three zero nibbles, the offset from p + 8 to the last entry's
// name count (0 when empty), then the entries in memory order, each [back link] N name N
// object.
inline std::string DirObj(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string body;
    size_t lastCount = 0; // position of the last entry's leading count, from p + 8
    size_t previous = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        const auto& [name, obj] = entries[i];
        const size_t here = 5 + body.size() + (i ? 5 : 0);
        if (i) body += NibField(static_cast<uint32_t>(here - previous), 5);
        const std::string count = NibField(static_cast<uint32_t>(name.size()), 2);
        body += count + NibChars(name) + count + obj;
        previous = lastCount = here;
    }
    return NibProlog(0x02A96) + std::string(3, '\0') +
           NibField(static_cast<uint32_t>(lastCount), 5) + body;
}

// A backup of the whole memory: prolog, length, the HOME directory object.
inline std::string BackupObj(const std::string& home) {
    return NibProlog(0x02B62) + NibField(static_cast<uint32_t>(5 + home.size()), 5) + home;
}

// An object file of model `model` ("KA"/"KB") around an object given as nibbles.
inline std::string ObjectFile(const std::string& nibbles, const std::string& model = "KB") {
    return "ZQZQ" + model + "-C" + PackNibbles(nibbles);
}

// Listing entries: name, prolog (16 bits, little-endian), 5 bytes of size (nibbles).
inline std::string ListEntry(std::string_view name, uint16_t prolog, uint32_t nibbles) {
    std::string out(1, static_cast<char>(name.size()));
    out += name;
    out += static_cast<char>(prolog & 0xFF);
    out += static_cast<char>(prolog >> 8);
    out += static_cast<char>(nibbles & 0xFF);
    out += static_cast<char>((nibbles >> 8) & 0xFF);
    out += static_cast<char>((nibbles >> 16) & 0x0F);
    out += '\0';
    out += '\0';
    return out;
}
// A directory entry followed by its own entries and their closing 0.
inline std::string ListDir(std::string_view name, const std::string& entries,
                           uint32_t nibbles = 0) {
    return ListEntry(name, 0x2A96, nibbles) + entries + std::string(1, '\0');
}

} // namespace lw::test
