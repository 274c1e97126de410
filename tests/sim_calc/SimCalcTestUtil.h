// Helpers shared by the calculator model's tests: an independent object length walk and
// small builders, written from the object size rules rather than from the model's code.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace simtest {

// Nibble n of packed bytes (low nibble first).
inline int Nib(const std::string& bytes, size_t n) {
    if (n / 2 >= bytes.size()) throw std::out_of_range("past the end");
    const auto b = static_cast<unsigned char>(bytes[n / 2]);
    return n % 2 ? b >> 4 : b & 15;
}

inline uint32_t Field(const std::string& bytes, size_t n, int count) {
    uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i) v = v * 16 + uint32_t(Nib(bytes, n + size_t(i)));
    return v;
}

// Walks one object at nibble p of packed bytes; returns the nibble after it.
inline size_t WalkObject(const std::string& b, size_t p) {
    const uint32_t prolog = Field(b, p, 5);
    switch (prolog) {
    case 0x02933:
        return p + 21; // real
    case 0x02977:
        return p + 37; // complex
    case 0x02911:
        return p + 10; // binary integer
    case 0x02A2C:
    case 0x02B1E:
    case 0x02B62: // string, graphic, backup
        return p + 5 + Field(b, p + 5, 5);
    case 0x02E48:
    case 0x02E6D: // global and local names
        return p + 7 + 2 * Field(b, p + 5, 2);
    case 0x02A74:
    case 0x02AB8:
    case 0x02D9D: { // list, algebraic, program
        size_t q = p + 5;
        while (Field(b, q, 5) != 0x0312B) q = WalkObject(b, q);
        return q + 5;
    }
    case 0x02AFC:
        return WalkObject(b, p + 7 + 2 * Field(b, p + 5, 2)); // tagged
    case 0x02A96: {                                           // directory
        const uint32_t f = Field(b, p + 8, 5);
        if (f == 0) return p + 13;
        const size_t q = p + 8 + f;
        return WalkObject(b, q + 4 + 2 * Field(b, q, 2));
    }
    default:
        return p + 5; // a built-in word
    }
}

// The object's length in nibbles when the object file's object starts at byte 8.
inline size_t ObjectNibbles(const std::string& objectFile) {
    return WalkObject(objectFile, 16) - 16;
}

struct TEntry {
    std::vector<std::string> Path; // directories from HOME
    std::string Name;
    uint32_t Prolog;
    uint32_t Nibbles;
};

// Reads the listing (count, name, 2-byte prolog, 5-byte size; a directory's entries follow
// it up to a 0) into a flat list of entries.
inline void ParseListing(const std::string& l, size_t& pos, std::vector<std::string> path,
                         std::vector<TEntry>& out) {
    while (pos < l.size()) {
        const size_t n = uint8_t(l[pos]);
        if (n == 0) {
            ++pos;
            return;
        }
        TEntry e{path, l.substr(pos + 1, n), 0, 0};
        pos += n + 1;
        e.Prolog = uint32_t(Field(l, 2 * pos, 4));
        e.Nibbles = Field(l, 2 * pos + 4, 5);
        pos += 7;
        out.push_back(e);
        if (e.Prolog == 0x2A96) {
            auto sub = path;
            sub.push_back(e.Name);
            ParseListing(l, pos, sub, out);
        }
    }
}

inline std::vector<TEntry> Entries(const std::string& listing) {
    std::vector<TEntry> out;
    size_t pos = 0;
    ParseListing(listing, pos, {}, out);
    return out;
}

inline std::string Hex(const std::string& bytes) {
    static const char* H = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        out += H[c >> 4];
        out += H[c & 15];
    }
    return out;
}

} // namespace simtest
