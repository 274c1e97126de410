#include "objects/BadFile.h"
#include "objects/FileHeaders.h"

#include <gtest/gtest.h>

using namespace lw;

TEST(ClassifyHeader, BinaryOfTheConnectedModelMatches) {
    const auto c = ClassifyHeader("ZQZQKB-C\x2C\x2A", "KB", "x.zq");
    EXPECT_TRUE(c.Matches);
    EXPECT_FALSE(c.IsText);
    // Before the first identification every binary header matches.
    EXPECT_TRUE(ClassifyHeader("ZQZQKA-R", "", "x.zq").Matches);
    EXPECT_TRUE(ClassifyHeader("ZQZQ", "", "x.zq").Matches);
}

TEST(ClassifyHeader, BinaryOfAnotherModelAsksYesNo) {
    const auto c = ClassifyHeader("ZQZQKA-R", "KB", "prog.zq");
    EXPECT_FALSE(c.Matches);
    EXPECT_EQ(c.Kind, "ZQKA");
    EXPECT_FALSE(c.AllowText);
    // A short file is padded with zero bytes: the kind keeps them.
    const auto s = ClassifyHeader("ZQZQK", "KB", "p");
    EXPECT_FALSE(s.Matches);
    EXPECT_EQ(s.Kind, std::string("ZQK\0", 4));
}

TEST(ClassifyHeader, TextPrefixes) {
    for (const char* head : {"%%ZQ: T(3)A(D)F(.);", "%ZQZQ: T", "%%ZQ: "}) {
        const auto c = ClassifyHeader(head, "KB", "a.txt");
        EXPECT_TRUE(c.Matches) << head;
        EXPECT_TRUE(c.IsText) << head;
    }
    // Near misses are no text header.
    EXPECT_FALSE(ClassifyHeader("%%ZQ:T(3", "KB", "a.txt").Matches);
    EXPECT_FALSE(ClassifyHeader("%ZQZQ:", "KB", "a.txt").Matches);
}

TEST(ClassifyHeader, HeaderlessFilesNameTheirExtension) {
    auto c = ClassifyHeader("<< 1 2 + >>", "KB", "/home/u/prog.src");
    EXPECT_FALSE(c.Matches);
    EXPECT_TRUE(c.AllowText);
    EXPECT_EQ(c.Kind, ".src");
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

TEST(TextHeaderLine, Fields) {
    EXPECT_EQ(TextHeaderLine(3, 'D', '.'), "%%ZQ: T(3)A(D)F(.);");
    EXPECT_EQ(TextHeaderLine(1, 'G', ','), "%%ZQ: T(1)A(G)F(,);");
}
