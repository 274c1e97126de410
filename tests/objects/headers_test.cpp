#include "objects/BadFile.h"
#include "objects/FileHeaders.h"
#include "objects/ReplaceFile.h"

#include <gtest/gtest.h>

using namespace lw;

// The common cases (this model's binary header, another model's, both text prefixes, a .src
// and a bare name) go through matchcheck_test's file check; here the edges.
TEST(ClassifyHeader, EdgesOfTheRules) {
    // Before the first identification every binary header matches, even a bare one.
    EXPECT_TRUE(ClassifyHeader("ZQZQ", "", "x.zq").Matches);
    // A short file is padded with zero bytes: the kind keeps them.
    const auto s = ClassifyHeader("ZQZQK", "KB", "p");
    EXPECT_FALSE(s.Matches);
    EXPECT_EQ(s.Kind, std::string("ZQK\0", 4));
    const auto bare = ClassifyHeader("%%ZQ: ", "KB", "a.txt");
    EXPECT_TRUE(bare.Matches && bare.IsText);
    // Near misses are no text header.
    EXPECT_FALSE(ClassifyHeader("%%ZQ:T(3", "KB", "a.txt").Matches);
    EXPECT_FALSE(ClassifyHeader("%ZQZQ:", "KB", "a.txt").Matches);
    // The extension is the name's last one; a dot in a folder is none.
    EXPECT_EQ(ClassifyHeader("abc", "KB", "/home/u.d/prog").Kind, "Unknown");
    EXPECT_EQ(ClassifyHeader("", "KB", "x.tar.gz").Kind, ".gz");
}

TEST(BadFileQuestion, BothForms) {
    EXPECT_EQ(BadFileQuestion("p.src", ".src", true),
              "p.src\r\n\r\nis a .src file and does not match the calculator.\r\nThis may "
              "damage the calculator contents.\r\n\r\nHow should this file be downloaded?");
    EXPECT_EQ(BadFileQuestion("a.zq", "ZQKA", false),
              "a.zq\r\n\r\nis a ZQKA file and does not match the calculator.\r\nThis may "
              "damage the calculator contents.\r\n\r\nDo you wish to continue?");
}

TEST(BadFileQuestion, NamesHoldingPlaceholdersStayAsTheyAre) {
    // The file name fills %1 before the kind fills %2: a "%2" in the name is not replaced.
    EXPECT_EQ(BadFileQuestion("100%2.zq", "ZQKA", false).substr(0, 21),
              "100%2.zq\r\n\r\nis a ZQKA");
    EXPECT_EQ(ReplaceFileQuestion("A%1B"),
              "\r\nThis folder already contains a file named A%1B.\r\n\r\nWould you like to "
              "replace the existing file?\r\n\r\n");
    EXPECT_EQ(FillUiText("%1%", {"x"}), "x%");
    EXPECT_EQ(FillUiText("%3 %1", {"a"}), "%3 a");
}

TEST(TextHeaderLine, Fields) {
    EXPECT_EQ(TextHeaderLine(3, 'D', '.'), "%%ZQ: T(3)A(D)F(.);");
    EXPECT_EQ(TextHeaderLine(1, 'G', ','), "%%ZQ: T(1)A(G)F(,);");
}
