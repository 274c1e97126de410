// Calculator objects as they lie in memory: nibble strings (one nibble value 0..15 per char)
// that begin with a 5-nibble prolog. Builders for each kind the calculator model uses, field
// access and the walk that finds where an object ends.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lw::sim {

using TNibs = std::string;

enum : uint32_t {
    PrologBinInt = 0x02911,
    PrologReal = 0x02933,
    PrologComplex = 0x02977,
    PrologString = 0x02A2C,
    PrologList = 0x02A74,
    PrologDirectory = 0x02A96,
    PrologAlgebraic = 0x02AB8,
    PrologTagged = 0x02AFC,
    PrologGrob = 0x02B1E,
    PrologBackup = 0x02B62,
    PrologProgram = 0x02D9D,
    PrologGlobal = 0x02E48,
    PrologLocal = 0x02E6D,
    PrologSemi = 0x0312B,
};

// A malformed object: a field beyond the end of the data or an impossible size.
class EBadObject : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A `count`-nibble field at `pos`, least significant nibble first.
uint32_t ReadField(std::string_view nibs, size_t pos, int count);
void AppendField(TNibs& nibs, uint32_t value, int count);
void WriteField(TNibs& nibs, size_t pos, uint32_t value, int count);
// Bytes as nibbles (low nibble first) and back.
TNibs BytesToNibs(std::string_view bytes);
std::string NibsToBytes(std::string_view nibs);

inline uint32_t PrologOf(std::string_view obj) {
    return ReadField(obj, 0, 5);
}
// True for the prologs of data objects (rows of the object-type table); a built-in word is
// a 5-nibble address that is none of them.
bool IsKnownProlog(uint32_t prolog, bool allRows = true);

TNibs MakeString(std::string_view bytes);
TNibs MakeGlobal(std::string_view name);
TNibs MakeLocal(std::string_view name);
TNibs MakeBinInt(uint32_t value); // 20-bit value
TNibs MakeComposite(uint32_t prolog, const std::vector<TNibs>& items);
TNibs MakeTagged(std::string_view tag, const TNibs& obj);
// A graphic of width x height pixels; `rows` holds the pixel nibbles in memory order
// (RowNibbles(width) per row), padded with 0 or cut to size.
TNibs MakeGrob(uint32_t width, uint32_t height, const TNibs& rows);
uint32_t GrobRowNibbles(uint32_t width);
TNibs MakeBackup(const TNibs& homeDirectory);
TNibs MakeWord(uint32_t address);

// The characters of a string object, the name of a global or local, the tag and object of a tagged.
std::string StringChars(const TNibs& obj);
std::string GlobalName(const TNibs& obj);
uint32_t BinIntValue(const TNibs& obj);
std::string TagOf(const TNibs& obj);
TNibs TaggedObject(const TNibs& obj);

// The nibble position just after the object that starts at `pos`. Follows the size rules of
// the object-type table (only rows 0 to 28 when `allRows` is false); a prolog that is in no
// searched row is a 5-nibble pointer. Throws EBadObject when the object runs past the end.
size_t ObjectEnd(std::string_view nibs, size_t pos, bool allRows = true);
// The objects inside a composite (list, program, algebraic), in order.
std::vector<TNibs> CompositeItems(const TNibs& obj);
bool IsComposite(uint32_t prolog);
// A quoted name: an algebraic that holds one global name and nothing else.
bool IsQuotedName(const TNibs& obj);

// An object file: the 8-byte header followed by the object's nibbles packed low first.
std::string ObjectFile(std::string_view header, const TNibs& obj);
// The object of an object file, cut to its walked length (trailing padding dropped). False
// when the data is no object file or its object runs past the end.
bool ObjectOfFile(std::string_view file, TNibs& obj);

} // namespace lw::sim
