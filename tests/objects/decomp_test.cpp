#include "objects/DecompLength.h"
#include "objects/ObjectTypes.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

namespace {

// Walks `file` + `padding` bytes of XModem padding; returns the cut length or -1.
long Walk(std::string file, bool& odd, size_t padding = 40) {
    file += std::string(padding, '\x1A');
    return DecompLength(file, odd) ? static_cast<long>(file.size()) : -1;
}

long Walk(const std::string& file) {
    bool odd = false;
    return Walk(file, odd);
}

} // namespace

// The listing reads the directory, string and algebraic rows through PrologName (server_sim
// WholeSampleMemory) and the unknown one (listing_test UnknownPrologGetsNeutralType).
TEST(ObjectTypes, TableRowsAndPrologName) {
    int index = -7;
    std::string name;
    EXPECT_TRUE(PrologName(0x026FE, index, name)); // the last row is searched too
    EXPECT_EQ(index, 35);
    EXPECT_EQ(name, "Mini Font");
    // A miss empties the name and keeps the index.
    EXPECT_FALSE(PrologName(0x12345, index, name));
    EXPECT_EQ(index, 35);
    EXPECT_EQ(name, "");
    // Prologs are unique, and the neutral index is no row's.
    for (size_t i = 0; i < ObjectTypeCount; ++i)
        EXPECT_EQ(FindObjectType(ObjectTypes[i].Prolog), static_cast<int>(i));
    EXPECT_LT(UnknownTypeIndex, TypeIndexOffset);
}

TEST(DecompLength, RealEndsOnHalfByteAndClearsHighNibble) {
    std::string file = ObjectFile(RealObj()) + std::string(100, '\xFF');
    bool odd = false;
    ASSERT_TRUE(DecompLength(file, odd));
    EXPECT_EQ(file.size(), 19u); // E = 16 + 21 = 37
    EXPECT_TRUE(odd);
    EXPECT_EQ(static_cast<unsigned char>(file.back()) >> 4, 0);
}

TEST(DecompLength, ListOfTwoBinaryIntegers) {
    bool odd = true;
    EXPECT_EQ(Walk(ObjectFile(ListObj({BinIntObj(1), BinIntObj(2)})), odd), 23); // E = 46
    EXPECT_FALSE(odd);
}

TEST(DecompLength, SizeRules) {
    // Fixed sizes, length-prefixed, names, tagged, nested composites, unit and algebraic.
    const std::string cases[] = {
        StringObj("HELLO"),
        StringObj(""),
        GlobalObj("ABC"),
        TaggedObj("Tag", RealObj()),
        ListObj({}),
        ListObj({ListObj({RealObj(), ListObj({})}), StringObj("x"), BinIntObj()}),
        Composite(0x02ADA, {RealObj(), GlobalObj("m")}),
        Composite(0x02AB8, {GlobalObj("X"), RealObj(), NibProlog(0x1234A)}),
        NibProlog(0x029BF) + "AB",                                         // Character, 7
        NibProlog(0x02977) + std::string(32, '\0'),                        // Complex, 37
        NibProlog(0x02E92) + std::string(6, '\0'),                         // XLib, 11
        NibProlog(0x0263A) + NibField(7, 5) + "ab" + NibField(6, 5) + "c", // InfP Real
        NibProlog(0x02660) + NibField(5, 5) + NibField(6, 5) + "x" + NibField(5, 5) +
            NibField(8, 5) + "xyz",                   // InfP Complex
        NibProlog(0x026AC) + std::string(7, '\0'),    // Flash Pointer, 12
        NibProlog(0x02614) + NibField(9, 5) + "abcd", // Integer
        NibProlog(0x12345),                           // a pointer
    };
    for (const auto& obj : cases) {
        bool odd = false;
        const long expect = static_cast<long>(8 + (obj.size() + 1) / 2);
        EXPECT_EQ(Walk(ObjectFile(obj, "KB"), odd), expect) << obj.size();
        EXPECT_EQ(odd, obj.size() % 2 == 1);
    }
}

TEST(DecompLength, FamilyDecidesTheRowsSearched) {
    // On a KA the Integer prolog is a pointer (5 nibbles); on a KB it has a length.
    const std::string integer = NibProlog(0x02614) + NibField(9, 5) + "abcd";
    EXPECT_EQ(Walk(ObjectFile(integer, "KA")), 8 + 3);
    EXPECT_EQ(Walk(ObjectFile(integer, "KB")), 8 + 7);
    // Mini Font occupies 5 nibbles in both.
    EXPECT_EQ(Walk(ObjectFile(NibProlog(0x026FE), "KB")), 8 + 3);
    // Semi is known to both; a lone Semi is 5 nibbles.
    EXPECT_EQ(Walk(ObjectFile(ListObj({NibProlog(0x02686)}), "KA")), 8 + 8);
}

TEST(DecompLength, Directories) {
    const std::string empty = DirObj({});
    EXPECT_EQ(empty.size(), 13u);
    EXPECT_EQ(Walk(ObjectFile(empty)), 8 + 7);
    const std::string one = DirObj({{"A", RealObj()}});
    EXPECT_EQ(Walk(ObjectFile(one)), static_cast<long>(8 + (one.size() + 1) / 2));
    const std::string nested =
        DirObj({{"X", StringObj("hi")},
                {"SUB", DirObj({{"E", DirObj({})}, {"Y", ListObj({RealObj()})}})},
                {"LAST", DirObj({})}});
    EXPECT_EQ(Walk(ObjectFile(nested)), static_cast<long>(8 + (nested.size() + 1) / 2));
    // A backup object holding a directory, as the archive program sends it.
    const std::string backup = NibProlog(0x02B62) + NibField(5 + nested.size(), 5) + nested;
    EXPECT_EQ(Walk(ObjectFile(backup)), static_cast<long>(8 + (backup.size() + 1) / 2));
}

TEST(DecompLength, GivenUpLeavesDataAsItIs) {
    const auto refuses = [](std::string file) {
        const std::string before = file;
        bool odd = true;
        EXPECT_FALSE(DecompLength(file, odd));
        EXPECT_FALSE(odd);
        EXPECT_EQ(file, before);
    };
    // No closing Semi before the data ends (no padding behind it).
    const std::string list = ListObj({RealObj(), RealObj()});
    refuses(ObjectFile(list.substr(0, list.size() - 5)));
    // Not an object file, too short, empty.
    refuses("XQZQKB-C" + PackNibbles(RealObj()) + "pad");
    refuses("ZQZQ");
    refuses("");
    refuses("ZQZQKB-C");
    // A fixed-size object that claims more than arrived.
    refuses(ObjectFile(RealObj().substr(0, 12)));
    // A length field pointing far beyond the data.
    refuses(ObjectFile(NibProlog(0x02A2C) + NibField(0xFFFFF, 5) + "ab"));
    // A directory offset beyond the data.
    refuses(ObjectFile(NibProlog(0x02A96) + "000" + NibField(0x80000, 5)));
}

TEST(DecompLength, TimeLimitGivesUp) {
    std::string file = ObjectFile(RealObj()) + "pad";
    const std::string before = file;
    bool odd = true;
    EXPECT_FALSE(DecompLength(file, odd, std::chrono::milliseconds(0)));
    EXPECT_EQ(file, before);
}

TEST(DecompLength, DeepNestingNeedsNoStack) {
    // 200000 nested lists: counted, not recursed into.
    std::string nibbles;
    const int depth = 200000;
    for (int i = 0; i < depth; ++i) nibbles += NibProlog(0x02A74);
    for (int i = 0; i < depth; ++i) nibbles += NibProlog(0x0312B);
    EXPECT_EQ(Walk(ObjectFile(nibbles)), static_cast<long>(8 + (nibbles.size() + 1) / 2));
    // The same without the closing Semis runs off the end.
    std::string open = ObjectFile(nibbles.substr(0, nibbles.size() / 2));
    bool odd;
    EXPECT_FALSE(DecompLength(open, odd));
}

TEST(DecompErrorText, NamesTheFile) {
    EXPECT_EQ(DecompErrorText("a.zq"), "a.zq\r\nCannot decompile this file.\r\nLength has been "
                                       "left with padding.\r\nFile may still be ok.");
}
