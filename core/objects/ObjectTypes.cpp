#include "objects/ObjectTypes.h"

namespace lw {

using enum TSizeRule;

const std::array<TObjectType, ObjectTypeCount> ObjectTypes{{
    {0x02BAA, LW_UI_TEXT("CoreTexts", "Access Pointer", "TypeAccessPointer"), Fixed, 15},
    {0x029E8, LW_UI_TEXT("CoreTexts", "Array", "TypeArray"), LengthPrefixed, 0},
    {0x02B62, LW_UI_TEXT("CoreTexts", "Backup", "TypeBackup"), LengthPrefixed, 0},
    {0x02911, LW_UI_TEXT("CoreTexts", "Binary Integer", "TypeBinaryInteger"), Fixed, 10},
    {0x029BF, LW_UI_TEXT("CoreTexts", "Character", "TypeCharacter"), Fixed, 7},
    {0x02977, LW_UI_TEXT("CoreTexts", "Complex", "TypeComplex"), Fixed, 37},
    {0x02DCC, LW_UI_TEXT("CoreTexts", "Code", "TypeCode"), LengthPrefixed, 0},
    {0x02D9D, LW_UI_TEXT("CoreTexts", "Vorl", "TypeVorl"), Composite, 0},
    {0x02A2C, LW_UI_TEXT("CoreTexts", "String", "TypeString"), LengthPrefixed, 0},
    {0x0299D, LW_UI_TEXT("CoreTexts", "Long Complex", "TypeLongComplex"), Fixed, 47},
    {0x02955, LW_UI_TEXT("CoreTexts", "Long Real", "TypeLongReal"), Fixed, 26},
    {0x02ADA, LW_UI_TEXT("CoreTexts", "Unit", "TypeUnit"), Composite, 0},
    {0x02B88, LW_UI_TEXT("CoreTexts", "Library Data Object", "TypeLibraryDataObject"),
     LengthPrefixed, 0},
    {0x02BCC, LW_UI_TEXT("CoreTexts", "Font", "TypeFont"), LengthPrefixed, 0},
    {0x02BEE, LW_UI_TEXT("CoreTexts", "Ext3", "TypeExt3"), LengthPrefixed, 0},
    {0x02C10, LW_UI_TEXT("CoreTexts", "Ext4", "TypeExt4"), LengthPrefixed, 0},
    {0x02B1E, LW_UI_TEXT("CoreTexts", "Graphical Object", "TypeGraphicalObject"), LengthPrefixed,
     0},
    {0x02A4E, LW_UI_TEXT("CoreTexts", "Hex String", "TypeHexString"), LengthPrefixed, 0},
    {0x02E48, LW_UI_TEXT("CoreTexts", "Global", "TypeGlobal"), Name, 0},
    {0x02E6D, LW_UI_TEXT("CoreTexts", "Local", "TypeLocal"), Name, 0},
    {0x02B40, LW_UI_TEXT("CoreTexts", "Library", "TypeLibrary"), LengthPrefixed, 0},
    {0x02A74, LW_UI_TEXT("CoreTexts", "List", "TypeList"), Composite, 0},
    {0x02A0A, LW_UI_TEXT("CoreTexts", "Linked Array", "TypeLinkedArray"), LengthPrefixed, 0},
    {0x02933, LW_UI_TEXT("CoreTexts", "Real", "TypeReal"), Fixed, 21},
    {0x02E92, LW_UI_TEXT("CoreTexts", "XLib", "TypeXLib"), Fixed, 11},
    {0x02A96, LW_UI_TEXT("CoreTexts", "Directory", "TypeDirectory"), Directory, 0},
    {0x02AB8, LW_UI_TEXT("CoreTexts", "Algebraic", "TypeAlgebraic"), Composite, 0},
    {0x02AFC, LW_UI_TEXT("CoreTexts", "Tagged", "TypeTagged"), Tagged, 0},
    {0x0312B, LW_UI_TEXT("CoreTexts", "Semi", "TypeSemi"), Fixed, 5},
    {0x026D5, LW_UI_TEXT("CoreTexts", "Aplet", "TypeAplet"), Fixed, 5},
    {0x026AC, LW_UI_TEXT("CoreTexts", "Flash Pointer", "TypeFlashPointer"), Fixed, 12},
    {0x02614, LW_UI_TEXT("CoreTexts", "Integer", "TypeInteger"), LengthPrefixed, 0},
    {0x02660, LW_UI_TEXT("CoreTexts", "InfP Complex", "TypeInfPComplex"), FourLengths, 0},
    {0x0263A, LW_UI_TEXT("CoreTexts", "InfP Real", "TypeInfPReal"), TwoLengths, 0},
    {0x02686, LW_UI_TEXT("CoreTexts", "Matrix", "TypeMatrix"), Composite, 0},
    {0x026FE, LW_UI_TEXT("CoreTexts", "Mini Font", "TypeMiniFont"), Fixed, 5},
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
    name = ObjectTypes[static_cast<size_t>(row)].Name.Text;
    return true;
}

} // namespace lw
