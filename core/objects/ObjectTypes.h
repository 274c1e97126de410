// The calculator's object types: each prolog value, its type name and how far an object of
// that type reaches. The directory listing names and draws variables from this table; the
// object length walk sizes objects by it.
#pragma once
#include "util/UiText.h"

#include <array>
#include <cstdint>
#include <string>

namespace lw {

// How the length of an object is found, starting at its prolog.
enum class TSizeRule : uint8_t {
    Fixed,          // a fixed number of nibbles
    LengthPrefixed, // prolog, then a 5-nibble length counting itself and the data after it
    Name,           // prolog, a 2-nibble character count, the characters
    Composite,      // prolog, objects, closing "Semi"
    Tagged,         // prolog, a tag name (as Name), one object
    Directory,      // prolog, entries; the last entry's object ends it
    TwoLengths,     // prolog, two length-prefixed fields
    FourLengths,    // prolog, four length-prefixed fields
};

struct TObjectType {
    uint32_t Prolog;
    TUiText Name; // shown in the desktop program in the user's language
    TSizeRule Rule;
    uint8_t Nibbles; // the size of a Fixed object, prolog included
};

constexpr size_t ObjectTypeCount = 36;
// Objects of the older family (model code KA) know only the first rows.
constexpr size_t OlderFamilyTypeCount = 29;
extern const std::array<TObjectType, ObjectTypeCount> ObjectTypes;

constexpr uint32_t SemiProlog = 0x0312B;
constexpr uint32_t DirectoryProlog = 0x02A96;
constexpr int DirectoryRow = 25;
constexpr int BackupRow = 2; // the whole memory, as a backup archive holds it

// The image index of a variable is its row plus this; directories get 34.
constexpr int TypeIndexOffset = 9;
// The index given to a prolog that no row has: below the first row's, never a directory.
constexpr int UnknownTypeIndex = TypeIndexOffset - 1;

// Looks a prolog up among all rows. On a hit sets `index` to the row and `name` to the type
// name and returns true; on a miss empties `name`, leaves `index` as it was, returns false.
bool PrologName(uint32_t prolog, int& index, std::string& name);

// The row of a prolog among the first `rowCount` rows, or -1.
int FindObjectType(uint32_t prolog, size_t rowCount = ObjectTypeCount);

} // namespace lw
