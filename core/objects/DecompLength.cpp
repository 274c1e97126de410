#include "objects/DecompLength.h"

#include "objects/ObjectTypes.h"

#include <array>
#include <cstdint>

namespace lw {
namespace {

// Every prolog of the table lies in this window, so a row is found by one table look-up.
constexpr uint32_t PrologWindowStart = 0x02600;
constexpr uint32_t PrologWindowSize = 0x00C00;

struct TRowTable {
    std::array<int8_t, PrologWindowSize> Row;
    TRowTable() {
        Row.fill(-1);
        for (size_t i = 0; i < ObjectTypeCount; ++i)
            Row[ObjectTypes[i].Prolog - PrologWindowStart] = static_cast<int8_t>(i);
    }
};

const TRowTable& RowTable() {
    static const TRowTable table;
    return table;
}

// What stepping over one object's own fields leaves to do.
enum class TStep {
    Failed, // a field lies beyond the data
    Done,   // p is behind the object (or at the first element of a composite)
    Inner,  // p is at an inner object whose end is the end of this one
};

// One walk. Nested composites are counted rather than recursed into, so deeply nested data
// cannot exhaust the stack.
class TWalk {
public:
    TWalk(const std::string& data, std::chrono::milliseconds limit)
        : FData(reinterpret_cast<const unsigned char*>(data.data())), FNibbles(data.size() * 2),
          FDeadline(std::chrono::steady_clock::now() + limit) {
        // The second letter of the model code tells the family: only KB knows every row.
        FRows = data.size() > 5 && data[5] == 'B' ? ObjectTypeCount : OlderFamilyTypeCount;
    }

    // Walks the object at `p` and leaves `p` behind it; false when given up.
    bool Object(size_t& p) {
        size_t open = 0; // composites whose closing "Semi" is still to come
        for (;;) {
            if (FSteps++ % 64 == 0 && std::chrono::steady_clock::now() >= FDeadline) return false;
            uint32_t prolog;
            if (!Read(p, 5, prolog)) return false;
            const TStep step = Step(p, Row(prolog), open);
            if (step == TStep::Failed) return false;
            if (step == TStep::Inner) continue;
            while (open > 0) {
                uint32_t next;
                if (!Read(p, 5, next)) return false;
                if (next != SemiProlog) break;
                p += 5;
                --open;
            }
            if (open == 0) return true;
        }
    }

private:
    int Row(uint32_t prolog) const {
        if (prolog < PrologWindowStart || prolog >= PrologWindowStart + PrologWindowSize) return -1;
        const int row = RowTable().Row[prolog - PrologWindowStart];
        return row < static_cast<int>(FRows) ? row : -1;
    }

    // Reads a little-endian field of `count` nibbles at nibble `pos`.
    bool Read(size_t pos, size_t count, uint32_t& value) const {
        if (pos > FNibbles || FNibbles - pos < count) return false;
        value = 0;
        for (size_t i = count; i-- > 0;) {
            const size_t n = pos + i;
            const unsigned char byte = FData[n / 2];
            value = value << 4 | ((n & 1) ? byte >> 4 : byte & 0x0F);
        }
        return true;
    }

    // Skips one length-prefixed field at `p`: its 5-nibble length counts itself and the data.
    bool Field(size_t& p) const {
        uint32_t length;
        if (!Read(p, 5, length)) return false;
        p += length;
        return true;
    }

    // Skips a 2-nibble character count at `p` and the characters.
    bool Chars(size_t& p) const {
        uint32_t count;
        if (!Read(p, 2, count)) return false;
        p += 2 + 2 * size_t{count};
        return true;
    }

    TStep Step(size_t& p, int row, size_t& open) const {
        if (row < 0) { // not a type of this family: a pointer
            p += 5;
            return TStep::Done;
        }
        const TObjectType& type = ObjectTypes[static_cast<size_t>(row)];
        const auto done = [](bool ok) { return ok ? TStep::Done : TStep::Failed; };
        switch (type.Rule) {
        case TSizeRule::Fixed:
            p += type.Nibbles;
            return TStep::Done;
        case TSizeRule::LengthPrefixed:
            p += 5;
            return done(Field(p));
        case TSizeRule::Name:
            p += 5;
            return done(Chars(p));
        case TSizeRule::Composite:
            p += 5;
            ++open;
            return TStep::Done;
        case TSizeRule::Tagged:
            p += 5;
            return Chars(p) ? TStep::Inner : TStep::Failed;
        case TSizeRule::Directory:
            return Directory(p);
        case TSizeRule::TwoLengths:
            p += 5;
            return done(Field(p) && Field(p));
        case TSizeRule::FourLengths:
            p += 5;
            return done(Field(p) && Field(p) && Field(p) && Field(p));
        }
        return TStep::Failed;
    }

    // Prolog, three nibbles, then at p + 8 the offset from there to the last entry's name
    // count (0: no entries). Each entry is [back link] count, name, count, object; the
    // directory ends where its last entry's object ends.
    TStep Directory(size_t& p) const {
        uint32_t offset;
        if (!Read(p + 8, 5, offset)) return TStep::Failed;
        if (offset == 0) {
            p += 13;
            return TStep::Done;
        }
        p += 8 + offset;
        if (!Chars(p)) return TStep::Failed;
        p += 2; // the count repeated behind the name
        return TStep::Inner;
    }

    const unsigned char* FData;
    size_t FNibbles;
    size_t FRows;
    std::chrono::steady_clock::time_point FDeadline;
    uint64_t FSteps = 0;
};

constexpr size_t HeaderNibbles = 16;

} // namespace

bool DecompLength(std::string& data, bool& oddNibble, std::chrono::milliseconds limit) {
    oddNibble = false;
    if (data.compare(0, 4, "ZQZQ") != 0) return false;
    size_t end = HeaderNibbles;
    TWalk walk(data, limit);
    if (!walk.Object(end)) return false;
    // A fixed-size object may claim more than arrived: that is no object of this data.
    if (end > data.size() * 2) return false;
    data.resize((end + 1) / 2);
    oddNibble = (end & 1) != 0;
    if (oddNibble) data.back() = static_cast<char>(data.back() & 0x0F);
    return true;
}

std::string DecompErrorText(const std::string& fileName) {
    return msg::Fill(msg::DecompError, {fileName});
}

} // namespace lw
