#include "sim/calc/CalcObjects.h"

#include <array>

namespace lw::sim {

namespace {

enum class TRule { Fixed, Prefixed, Name, Composite, Tagged, Directory, TwoLen, FourLen };

struct TRow {
    uint32_t Prolog;
    TRule Rule;
    uint32_t Size; // for Fixed
};

// The object-type table in its order; rows 29 and up exist only on the newer family.
constexpr std::array<TRow, 36> Rows = {{
    {0x02BAA, TRule::Fixed, 15},    {0x029E8, TRule::Prefixed, 0},  {0x02B62, TRule::Prefixed, 0},
    {0x02911, TRule::Fixed, 10},    {0x029BF, TRule::Fixed, 7},     {0x02977, TRule::Fixed, 37},
    {0x02DCC, TRule::Prefixed, 0},  {0x02D9D, TRule::Composite, 0}, {0x02A2C, TRule::Prefixed, 0},
    {0x0299D, TRule::Fixed, 47},    {0x02955, TRule::Fixed, 26},    {0x02ADA, TRule::Composite, 0},
    {0x02B88, TRule::Prefixed, 0},  {0x02BCC, TRule::Prefixed, 0},  {0x02BEE, TRule::Prefixed, 0},
    {0x02C10, TRule::Prefixed, 0},  {0x02B1E, TRule::Prefixed, 0},  {0x02A4E, TRule::Prefixed, 0},
    {0x02E48, TRule::Name, 0},      {0x02E6D, TRule::Name, 0},      {0x02B40, TRule::Prefixed, 0},
    {0x02A74, TRule::Composite, 0}, {0x02A0A, TRule::Prefixed, 0},  {0x02933, TRule::Fixed, 21},
    {0x02E92, TRule::Fixed, 11},    {0x02A96, TRule::Directory, 0}, {0x02AB8, TRule::Composite, 0},
    {0x02AFC, TRule::Tagged, 0},    {0x0312B, TRule::Fixed, 5},     {0x026D5, TRule::Fixed, 5},
    {0x026AC, TRule::Fixed, 12},    {0x02614, TRule::Prefixed, 0},  {0x02660, TRule::FourLen, 0},
    {0x0263A, TRule::TwoLen, 0},    {0x02686, TRule::Composite, 0}, {0x026FE, TRule::Fixed, 5},
}};

const TRow* FindRow(uint32_t prolog, bool allRows) {
    const size_t rows = allRows ? Rows.size() : 29;
    for (size_t i = 0; i < rows; ++i)
        if (Rows[i].Prolog == prolog) return &Rows[i];
    return nullptr;
}

void Need(std::string_view nibs, size_t end) {
    if (end > nibs.size()) throw EBadObject("object runs past the end of the data");
}

// Objects nest; a bound on the depth keeps hostile data from exhausting the stack.
constexpr int MaxNesting = 200;

size_t Walk(std::string_view nibs, size_t pos, bool allRows, int depth) {
    if (depth > MaxNesting) throw EBadObject("objects nested too deeply");
    const uint32_t prolog = ReadField(nibs, pos, 5);
    const TRow* row = FindRow(prolog, allRows);
    size_t end = pos + 5;
    if (!row) return end;
    switch (row->Rule) {
    case TRule::Fixed:
        end = pos + row->Size;
        break;
    case TRule::Prefixed:
        end = pos + 5 + ReadField(nibs, pos + 5, 5);
        break;
    case TRule::Name:
        end = pos + 7 + 2 * size_t(ReadField(nibs, pos + 5, 2));
        break;
    case TRule::Composite: {
        size_t p = pos + 5;
        while (ReadField(nibs, p, 5) != PrologSemi) p = Walk(nibs, p, allRows, depth + 1);
        end = p + 5;
        break;
    }
    case TRule::Tagged:
        end = Walk(nibs, pos + 7 + 2 * size_t(ReadField(nibs, pos + 5, 2)), allRows, depth + 1);
        break;
    case TRule::Directory: {
        const uint32_t f = ReadField(nibs, pos + 8, 5);
        if (f == 0) {
            end = pos + 13;
            break;
        }
        const size_t q = pos + 8 + f;
        const size_t n = ReadField(nibs, q, 2);
        end = Walk(nibs, q + 4 + 2 * n, allRows, depth + 1);
        break;
    }
    case TRule::TwoLen: {
        const size_t end1 = pos + 5 + ReadField(nibs, pos + 5, 5);
        end = end1 + ReadField(nibs, end1, 5);
        break;
    }
    case TRule::FourLen: {
        size_t p = pos;
        for (int group = 0; group < 2; ++group) {
            const size_t end1 = p + 5 + ReadField(nibs, p + 5, 5);
            p = end1 + ReadField(nibs, end1, 5) - 5;
        }
        end = p + 5;
        break;
    }
    }
    if (end <= pos) throw EBadObject("object of impossible size");
    Need(nibs, end);
    return end;
}

} // namespace

uint32_t ReadField(std::string_view nibs, size_t pos, int count) {
    Need(nibs, pos + size_t(count));
    uint32_t v = 0;
    for (int i = count - 1; i >= 0; --i) v = (v << 4) | (uint8_t(nibs[pos + size_t(i)]) & 0x0F);
    return v;
}

void AppendField(TNibs& nibs, uint32_t value, int count) {
    for (int i = 0; i < count; ++i, value >>= 4) nibs += char(value & 0x0F);
}

void WriteField(TNibs& nibs, size_t pos, uint32_t value, int count) {
    for (int i = 0; i < count; ++i, value >>= 4) nibs.at(pos + size_t(i)) = char(value & 0x0F);
}

TNibs BytesToNibs(std::string_view bytes) {
    TNibs out;
    out.reserve(bytes.size() * 2);
    for (unsigned char b : bytes) {
        out += char(b & 0x0F);
        out += char(b >> 4);
    }
    return out;
}

std::string NibsToBytes(std::string_view nibs) {
    std::string out((nibs.size() + 1) / 2, '\0');
    for (size_t i = 0; i < nibs.size(); ++i) {
        const auto n = static_cast<unsigned char>(nibs[i] & 0x0F);
        auto& b = reinterpret_cast<unsigned char&>(out[i / 2]);
        b = static_cast<unsigned char>(b | (i % 2 ? n << 4 : n));
    }
    return out;
}

bool IsKnownProlog(uint32_t prolog, bool allRows) {
    return FindRow(prolog, allRows) != nullptr;
}

TNibs MakeString(std::string_view bytes) {
    TNibs o;
    AppendField(o, PrologString, 5);
    AppendField(o, uint32_t(5 + 2 * bytes.size()), 5);
    return o + BytesToNibs(bytes);
}

TNibs MakeGlobal(std::string_view name) {
    TNibs o;
    AppendField(o, PrologGlobal, 5);
    AppendField(o, uint32_t(name.size()), 2);
    return o + BytesToNibs(name);
}

TNibs MakeLocal(std::string_view name) {
    TNibs o = MakeGlobal(name);
    WriteField(o, 0, PrologLocal, 5);
    return o;
}

TNibs MakeBinInt(uint32_t value) {
    TNibs o;
    AppendField(o, PrologBinInt, 5);
    AppendField(o, value & 0xFFFFF, 5);
    return o;
}

TNibs MakeComposite(uint32_t prolog, const std::vector<TNibs>& items) {
    TNibs o;
    AppendField(o, prolog, 5);
    for (const auto& item : items) o += item;
    AppendField(o, PrologSemi, 5);
    return o;
}

TNibs MakeTagged(std::string_view tag, const TNibs& obj) {
    TNibs o;
    AppendField(o, PrologTagged, 5);
    AppendField(o, uint32_t(tag.size()), 2);
    return o + BytesToNibs(tag) + obj;
}

uint32_t GrobRowNibbles(uint32_t width) {
    return ((width + 7) / 8) * 2;
}

TNibs MakeGrob(uint32_t width, uint32_t height, const TNibs& rows) {
    TNibs data = rows;
    data.resize(size_t(GrobRowNibbles(width)) * height, '\0');
    TNibs o;
    AppendField(o, PrologGrob, 5);
    AppendField(o, uint32_t(15 + data.size()), 5);
    AppendField(o, height, 5);
    AppendField(o, width, 5);
    return o + data;
}

TNibs MakeBackup(const TNibs& homeDirectory) {
    TNibs o;
    AppendField(o, PrologBackup, 5);
    AppendField(o, uint32_t(5 + homeDirectory.size()), 5);
    return o + homeDirectory;
}

TNibs MakeWord(uint32_t address) {
    TNibs o;
    AppendField(o, address, 5);
    return o;
}

std::string StringChars(const TNibs& obj) {
    const size_t len = ReadField(obj, 5, 5);
    if (len < 5) throw EBadObject("string shorter than its length field");
    Need(obj, 5 + len);
    return NibsToBytes(std::string_view(obj).substr(10, len - 5));
}

std::string GlobalName(const TNibs& obj) {
    const size_t n = ReadField(obj, 5, 2);
    Need(obj, 7 + 2 * n);
    return NibsToBytes(std::string_view(obj).substr(7, 2 * n));
}

uint32_t BinIntValue(const TNibs& obj) {
    return ReadField(obj, 5, 5);
}

std::string TagOf(const TNibs& obj) {
    return GlobalName(obj);
}

TNibs TaggedObject(const TNibs& obj) {
    const size_t start = 7 + 2 * size_t(ReadField(obj, 5, 2));
    return obj.substr(start, ObjectEnd(obj, start) - start);
}

size_t ObjectEnd(std::string_view nibs, size_t pos, bool allRows) {
    return Walk(nibs, pos, allRows, 0);
}

bool IsComposite(uint32_t prolog) {
    return prolog == PrologList || prolog == PrologProgram || prolog == PrologAlgebraic;
}

std::vector<TNibs> CompositeItems(const TNibs& obj) {
    std::vector<TNibs> items;
    size_t p = 5;
    while (ReadField(obj, p, 5) != PrologSemi) {
        const size_t end = ObjectEnd(obj, p);
        items.push_back(obj.substr(p, end - p));
        p = end;
    }
    return items;
}

bool IsQuotedName(const TNibs& obj) {
    if (PrologOf(obj) != PrologAlgebraic) return false;
    const auto items = CompositeItems(obj);
    return items.size() == 1 && PrologOf(items[0]) == PrologGlobal;
}

std::string ObjectFile(std::string_view header, const TNibs& obj) {
    return std::string(header) + NibsToBytes(obj);
}

bool ObjectOfFile(std::string_view file, TNibs& obj) {
    if (file.size() < 11 || file.substr(0, 4) != "ZQZQ") return false;
    const TNibs nibs = BytesToNibs(file.substr(8));
    try {
        const size_t end = ObjectEnd(nibs, 0, file[5] == 'B');
        obj = nibs.substr(0, end);
        return true;
    } catch (const EBadObject&) {
        return false;
    }
}

} // namespace lw::sim
