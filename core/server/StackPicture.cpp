#include "server/StackPicture.h"

#include "link/CalcNames.h"
#include "server/XModemServer.h"

#include <algorithm>

namespace lw {

namespace {

constexpr const char* StackVariable = "$$$t";
constexpr size_t SkippedNibbles = 21; // the 8-byte file header and the 5-nibble list prologue
constexpr size_t MaxLevels = 7;

uint8_t Lo(uint8_t b) {
    return b & 0x0F;
}
uint8_t Hi(uint8_t b) {
    return b >> 4;
}

} // namespace

std::string StackScript() {
    return std::string("DEPTH IF 0. == THEN { } ELSE DEPTH DUPN DEPTH 2. / \\->LIST 1. \\<< IF "
                       "DUP TYPE 2. == THEN \"") +
           std::string("\x01\x03\x02", 3) + "\" SWAP + END \\->STR \\>> DOSUBS END '$$$t' STO";
}

std::vector<std::string> DecodeStackPicture(const std::string& objectFile) {
    // The object's nibbles, low nibble first, without the header and the list prologue,
    // packed again two to a byte: B.
    std::vector<uint8_t> nibbles;
    nibbles.reserve(objectFile.size() * 2);
    for (unsigned char c : objectFile) {
        nibbles.push_back(Lo(c));
        nibbles.push_back(Hi(c));
    }
    if (nibbles.size() <= 26) return {};
    std::vector<uint8_t> b;
    for (size_t n = SkippedNibbles; n + 1 < nibbles.size(); n += 2)
        b.push_back(uint8_t(nibbles[n] | nibbles[n + 1] << 4));

    // Walk the string objects of the list (prologue 02A2C) until anything else.
    std::vector<std::string> items;
    size_t i = 0;
    while (b.size() > i + 5 && b[i] == 0x2C && b[i + 1] == 0x2A) {
        const uint32_t size = uint32_t(Hi(b[i + 2])) | uint32_t(Lo(b[i + 3])) << 4 |
                              uint32_t(Hi(b[i + 3])) << 8 | uint32_t(Lo(b[i + 4])) << 12 |
                              uint32_t(Hi(b[i + 4])) << 16;
        if (size < 5) break;
        const size_t chars = (size - 5) / 2;
        const bool isString =
            chars >= 3 && b.size() >= i + 8 && b[i + 5] == 1 && b[i + 6] == 3 && b[i + 7] == 2;
        const size_t skip = isString ? 3 : 0;
        const size_t from = i + 5 + skip;
        if (from + (chars - skip) > b.size()) break; // the item reaches past the data
        const std::string raw(b.begin() + std::ptrdiff_t(from),
                              b.begin() + std::ptrdiff_t(from + chars - skip));
        const std::string text = TranslateOut(raw, 3, true, isString, true);
        const std::string quote = isString ? "\"" : "";
        items.push_back(": " + quote + text + quote);
        i += chars + 5;
    }

    std::vector<std::string> lines;
    const size_t count = items.size();
    for (size_t k = count - std::min(count, MaxLevels); k < count; ++k)
        lines.push_back(std::to_string(count - k) + items[k]);
    return lines;
}

std::vector<std::string> ReadStackPicture(TXModemServer& server, bool& ok) {
    server.Execute(StackScript(), false, true);
    ok = server.GetVar(StackVariable, "", false, 0);
    std::vector<std::string> lines;
    if (ok) lines = DecodeStackPicture(server.Data);
    server.Data.clear();
    server.Purge(StackVariable, false);
    return lines;
}

} // namespace lw
