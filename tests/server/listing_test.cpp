#include "objects/ObjectTypes.h"
#include "server/XModemServer.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

namespace {

class Listing : public ::testing::Test {
protected:
    // Parses `list` into the root; returns the position left.
    size_t Parse(const std::string& list) {
        size_t pos = 0;
        Server.Root().ClearChildren();
        Server.ParseDirList(Server.Root(), list, pos);
        return pos;
    }
    TXPObject& Root() { return Server.Root(); }

    TCalcState State;
    TXModemServer Server{State};
};

} // namespace

// server_sim's WholeSampleMemory checks types, sizes, odd nibbles, display names, empty
// directories and the root's size on the simulated calculator's listing.
TEST_F(Listing, TreeLinksAndLookups) {
    const std::string list =
        ListEntry("X", 0x2933, 21) + ListEntry("S", 0x2A2C, 0x0005) +
        ListDir("GAMES", ListEntry("X", 0x2AB8, 0x12345) + ListDir("EMPTY", "") +
                             ListEntry("\x8DNUM", 0x2614, 10)) +
        ListEntry("L", 0x2A74, 40) + std::string(1, '\0') + "trailing";
    const size_t end = Parse(list);
    EXPECT_EQ(end, list.size() - 8); // stops after HOME's closing 0
    auto& home = Root().GetChildren();
    ASSERT_EQ(home.size(), 4u);
    TXPObject& games = *home[2];
    ASSERT_EQ(games.Children.size(), 3u);
    EXPECT_EQ(games.Children[0]->GetPath(), "HOME GAMES X");
    TXPObject& empty = *games.Children[1];
    EXPECT_EQ(games.Children[2]->TypeName, "Integer");
    EXPECT_EQ(games.Children[2]->Parent, &games);
    EXPECT_EQ(games.Children[2]->Server, &Server);
    EXPECT_EQ(home[3]->Name, "L");
    EXPECT_EQ(home[3]->Parent, &Root());
    // A child directory's size is its own entry's.
    EXPECT_EQ(games.GetSize(), 0);
    // Lookups by name and by path.
    EXPECT_EQ(games.FindChild("\\->NUM"), games.Children[2].get());
    EXPECT_EQ(games.FindChild("NUM"), nullptr);
    EXPECT_EQ(Root().FindDir("HOME"), &Root());
    EXPECT_EQ(Root().FindDir("HOME GAMES EMPTY"), &empty);
    EXPECT_EQ(Root().FindDir("HOME GAMES X"), nullptr); // not a directory
    EXPECT_EQ(Root().FindDir("HOME NONE"), nullptr);
    EXPECT_EQ(Root().FindDir("GAMES"), nullptr); // paths begin at HOME
}

TEST(CalcState, ObserversLearnOfEachChangeUntilRemoved) {
    TCalcState state;
    int told = 0;
    const int id = state.AddObserver([&](const TCalcState& s) { told += s.Connected ? 10 : 1; });
    state.SetConnected(true);
    state.SetConnected(true); // no change, nobody told
    state.SetBusy(true);
    EXPECT_EQ(told, 20);
    state.RemoveObserver(id);
    state.SetConnected(false);
    EXPECT_EQ(told, 20);
}

TEST_F(Listing, SizeFieldUsesTwentyBits) {
    std::string entry = ListEntry("V", 0x2933, 0);
    // Size bytes after the 1 + 1 + 2 bytes of count, name and prolog: only the low nibble of
    // the third byte counts, the last two bytes not at all.
    entry.replace(4, 5, std::string("\x01\x02\xF3\xFF\xFF", 5));
    Parse(entry);
    ASSERT_EQ(Root().Children.size(), 1u);
    EXPECT_EQ(Root().Children[0]->SizeBytes, (0x30201 + 1) / 2);
    EXPECT_TRUE(Root().Children[0]->OddNibble);
}

TEST_F(Listing, UnknownPrologGetsNeutralType) {
    Parse(ListEntry("D", 0x2A96, 0) + ListEntry("Q", 0x1111, 4) + std::string(1, '\0') +
          ListEntry("R", 0x2222, 4));
    // Q follows a directory entry (so it lies inside it) and must not inherit its type.
    ASSERT_EQ(Root().Children.size(), 2u);
    const TXPObject& q = *Root().Children[0]->Children.at(0);
    EXPECT_EQ(q.TypeIndex, UnknownTypeIndex);
    EXPECT_EQ(q.TypeName, "");
    EXPECT_FALSE(q.IsDirectory());
    EXPECT_EQ(Root().Children[1]->TypeIndex, UnknownTypeIndex);
}

TEST_F(Listing, TruncatedDataEndsTheParse) {
    const std::string full =
        ListDir("A", ListEntry("LONGNAME", 0x2933, 21) + ListEntry("B", 0x2933, 21));
    // Every cut: no crash, only whole entries, position at the end.
    for (size_t cut = 0; cut <= full.size(); ++cut) {
        const std::string part = full.substr(0, cut);
        EXPECT_EQ(Parse(part), part.size()) << cut;
        size_t count = 0;
        for (const auto& c : Root().Children) count += 1 + c->Children.size();
        EXPECT_LE(count, 3u);
    }
    Parse(full.substr(0, 9 + 16 - 1)); // A whole, LONGNAME without its last size byte
    ASSERT_EQ(Root().Children.size(), 1u);
    EXPECT_TRUE(Root().Children[0]->Children.empty());
}

TEST_F(Listing, DirectoryClosedByEndOfDataAndDeepNesting) {
    // Directories left open at the end of the data are simply ended.
    std::string list;
    const int depth = 20000;
    for (int i = 0; i < depth; ++i) list += ListEntry("D", 0x2A96, 0);
    list += ListEntry("LEAF", 0x2933, 21);
    EXPECT_EQ(Parse(list), list.size());
    const TXPObject* o = &Root();
    int levels = 0;
    while (!o->Children.empty()) o = o->Children.back().get(), ++levels;
    EXPECT_EQ(levels, depth + 1);
    EXPECT_EQ(o->Name, "LEAF");
    EXPECT_EQ(o->GetPath().size(), 4 + 2 * depth + 5u);
    Root().ClearChildren(); // and freeing it needs no deep recursion either
    EXPECT_FALSE(Root().Listed);
}

TEST_F(Listing, ParsingIntoASubdirectoryStopsAtItsEnd) {
    TXPObject sub;
    sub.Name = "";
    const std::string list =
        ListEntry("A", 0x2933, 21) + std::string(1, '\0') + ListEntry("B", 0x2933, 21);
    size_t pos = 0;
    Server.ParseDirList(sub, list, pos);
    EXPECT_EQ(pos, 10u);
    ASSERT_EQ(sub.Children.size(), 1u);
    EXPECT_EQ(sub.Children[0]->GetPath(), "A"); // an empty parent path adds no blank
    sub.Name = "SUB";
    EXPECT_EQ(sub.Children[0]->GetPath(), "SUB A");
    EXPECT_FALSE(sub.Listed);
    EXPECT_EQ(sub.GetChildren().size(), 1u); // reading the children marks it listed
    EXPECT_TRUE(sub.Listed);
}
