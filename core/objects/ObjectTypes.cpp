#include "objects/ObjectTypes.h"

namespace lw {

using enum TSizeRule;

const std::array<TObjectType, ObjectTypeCount> ObjectTypes{{
    {0x02BAA, "Access Pointer", Fixed, 15},
    {0x029E8, "Array", LengthPrefixed, 0},
    {0x02B62, "Backup", LengthPrefixed, 0},
    {0x02911, "Binary Integer", Fixed, 10},
    {0x029BF, "Character", Fixed, 7},
    {0x02977, "Complex", Fixed, 37},
    {0x02DCC, "Code", LengthPrefixed, 0},
    {0x02D9D, "Vorl", Composite, 0},
    {0x02A2C, "String", LengthPrefixed, 0},
    {0x0299D, "Long Complex", Fixed, 47},
    {0x02955, "Long Real", Fixed, 26},
    {0x02ADA, "Unit", Composite, 0},
    {0x02B88, "Library Data Object", LengthPrefixed, 0},
    {0x02BCC, "Font", LengthPrefixed, 0},
    {0x02BEE, "Ext3", LengthPrefixed, 0},
    {0x02C10, "Ext4", LengthPrefixed, 0},
    {0x02B1E, "Graphical Object", LengthPrefixed, 0},
    {0x02A4E, "Hex String", LengthPrefixed, 0},
    {0x02E48, "Global", Name, 0},
    {0x02E6D, "Local", Name, 0},
    {0x02B40, "Library", LengthPrefixed, 0},
    {0x02A74, "List", Composite, 0},
    {0x02A0A, "Linked Array", LengthPrefixed, 0},
    {0x02933, "Real", Fixed, 21},
    {0x02E92, "XLib", Fixed, 11},
    {0x02A96, "Directory", Directory, 0},
    {0x02AB8, "Algebraic", Composite, 0},
    {0x02AFC, "Tagged", Tagged, 0},
    {0x0312B, "Semi", Fixed, 5},
    {0x026D5, "Aplet", Fixed, 5},
    {0x026AC, "Flash Pointer", Fixed, 12},
    {0x02614, "Integer", LengthPrefixed, 0},
    {0x02660, "InfP Complex", FourLengths, 0},
    {0x0263A, "InfP Real", TwoLengths, 0},
    {0x02686, "Matrix", Composite, 0},
    {0x026FE, "Mini Font", Fixed, 5},
}};

int FindObjectType(uint32_t prolog, size_t rowCount) {
    if (rowCount > ObjectTypeCount) rowCount = ObjectTypeCount;
    for (size_t row = 0; row < rowCount; ++row)
        if (ObjectTypes[row].Prolog == prolog) return static_cast<int>(row);
    return -1;
}

bool PrologName(uint32_t prolog, int& index, std::string& name) {
    const int row = FindObjectType(prolog);
    if (row < 0) {
        name.clear();
        return false;
    }
    index = row;
    name = ObjectTypes[static_cast<size_t>(row)].Name;
    return true;
}

} // namespace lw
