#include "link/CalcNames.h"
#include "support/FakeUi.h"

#include <gtest/gtest.h>

#include <random>

using namespace lw;

namespace {
std::string B(std::initializer_list<int> v) {
    std::string s;
    for (int b : v) s += static_cast<char>(b);
    return s;
}
std::string RandomBytes(std::mt19937& rng, size_t maxLen) {
    std::string s(rng() % (maxLen + 1), '\0');
    for (auto& c : s) c = static_cast<char>(rng());
    return s;
}
} // namespace

TEST(NameToFile, DisplayAndFileNameForms) {
    EXPECT_EQ(NameToFile(B({0x80}), false), "\\<)");
    EXPECT_EQ(NameToFile(B({0x80}), true), "^128");
    EXPECT_EQ(NameToFile(B({0x8C}), false), "\\Ga");
    EXPECT_EQ(NameToFile(B({0x8C}), true), "^Ga");
    EXPECT_EQ(NameToFile(":", false), ":");
    EXPECT_EQ(NameToFile(":", true), "^058");
    EXPECT_EQ(NameToFile("\\", false), "\\\\");
    EXPECT_EQ(NameToFile("\\", true), "^092");
    EXPECT_EQ(NameToFile("^", true), "^094");
    EXPECT_EQ(NameToFile(B({0x8D, 'X'}), false), "\\->X");
    EXPECT_EQ(NameToFile(B({0}), false), "\\000");
    EXPECT_EQ(NameToFile("ABC123xyz", true), "ABC123xyz");
    EXPECT_EQ(NameToFile("", true), "");
}

TEST(FileToName, EscapesAndTheirLimits) {
    EXPECT_EQ(FileToName("\\GS", false), B({0x85}));
    EXPECT_EQ(FileToName("^133", true), B({0x85}));
    EXPECT_EQ(FileToName("^300", true), B({300 % 256}));
    EXPECT_EQ(FileToName("\\\\", false), "\\\\"); // escape among the last two: copied
    EXPECT_EQ(FileToName("\\\\A", false), "\\A");
    EXPECT_EQ(FileToName("^000", true), "000");
    EXPECT_EQ(FileToName("AB^", true), "AB^");
    EXPECT_EQ(FileToName("A^G", true), "A^G");
    EXPECT_EQ(FileToName("\\Zz", false), "Zz"); // no such mnemonic: escape dropped
    EXPECT_EQ(FileToName("", false), "");
}

// Round trips over every single byte and random strings, both modes, with the two
// documented exceptions: a 0 byte, and (display form) a trailing backslash.
TEST(NameRoundTrip, EveryByteAndRandomStrings) {
    for (bool caret : {false, true}) {
        for (int c = 1; c < 256; ++c) {
            const std::string name = "A" + B({c}) + "Z";
            ASSERT_EQ(FileToName(NameToFile(name, caret), caret), name) << c << " " << caret;
        }
        EXPECT_NE(FileToName(NameToFile(B({'A', 0, 'B'}), caret), caret), B({'A', 0, 'B'}));
    }
    EXPECT_NE(FileToName(NameToFile("AB\\", false), false), "AB\\");
    EXPECT_EQ(FileToName(NameToFile("AB\\", true), true), "AB\\");

    std::mt19937 rng(42);
    for (int round = 0; round < 5000; ++round) {
        std::string name = RandomBytes(rng, 24);
        for (auto& c : name)
            if (c == 0) c = 1;
        const bool caret = round % 2;
        if (!caret && !name.empty() && name.back() == '\\') name.back() = 'x';
        const std::string escaped = NameToFile(name, caret);
        ASSERT_EQ(FileToName(escaped, caret), name);
        if (caret) { // a file name never holds an unsafe character or a non-ASCII byte
            for (unsigned char c : escaped) {
                ASSERT_TRUE(c >= 32 && c <= 126);
                ASSERT_TRUE(c == '^' || FileNameUnsafeChars.find(c) == std::string_view::npos);
            }
        }
    }
}

TEST(TranslateOut, Levels) {
    std::string all;
    for (int c = 128; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(TranslateOut(all, 1, false, false, false), all);
    EXPECT_EQ(TranslateOut(all, 0, false, false, false), all);
    const std::string two = TranslateOut(all, 2, false, false, false);
    EXPECT_EQ(two.substr(0, 3), "\\<)");
    EXPECT_NE(two.find(B({160})), std::string::npos);
    EXPECT_EQ(two.find(B({159})), std::string::npos);
    const std::string three = TranslateOut(all, 3, false, false, false);
    for (unsigned char c : three) EXPECT_LT(c, 128);
    EXPECT_NE(three.find("\\160"), std::string::npos);
    EXPECT_NE(three.find("\\:-"), std::string::npos);
}

TEST(TranslateOut, Options) {
    const std::string text = B({'a', 9, '\n', 127, '"', '\\', 'b'});
    EXPECT_EQ(TranslateOut(text, 3, false, false, false), text);
    EXPECT_EQ(TranslateOut(text, 3, true, false, false), "a\\009\n\\127\"\\b");
    EXPECT_EQ(TranslateOut(text, 3, false, true, false), B({'a', 9, '\n', 127}) + "\\\"\\\\b");
    EXPECT_EQ(TranslateOut("a\nb\n", 1, false, false, true), "a\r\nb\r\n");
}

TEST(TranslateIn, EscapesQuotesAndLineEnds) {
    EXPECT_EQ(TranslateIn("\\GS", false), B({0x85}));
    EXPECT_EQ(TranslateIn("\\133", false), B({0x85}));
    EXPECT_EQ(TranslateIn("\\000", false), B({0}));
    EXPECT_EQ(TranslateIn("\\Zz", false), "\\Zz");
    EXPECT_EQ(TranslateIn("\\Zz", true), "\\\\Zz");
    EXPECT_EQ(TranslateIn("say \"hi\"", false), "say \"hi\"");
    EXPECT_EQ(TranslateIn("a\r\nb\r\n  \t\r\n", false), "a\nb");
    EXPECT_EQ(TranslateIn("x\\", false), "x\\"); // trailing escape character
    EXPECT_EQ(TranslateIn("", true), "");
}

// TranslateOut at level 3 with control escapes, read back by TranslateIn, gives the bytes
// back for any text that does not end in blanks or controls.
TEST(TranslateRoundTrip, RandomText) {
    std::mt19937 rng(3);
    for (int round = 0; round < 3000; ++round) {
        std::string text = RandomBytes(rng, 40) + "x";
        for (auto& c : text)
            if (c == '\\' || c == '\r') c = 'b';
        ASSERT_EQ(TranslateIn(TranslateOut(text, 3, true, false, false), false), text);
    }
}

TEST(CheckCalcName, ProperAndImproperNames) {
    test::TFakeUi ui;
    bool proper = false;
    EXPECT_TRUE(CheckCalcName("X", &proper));
    EXPECT_TRUE(proper);
    EXPECT_TRUE(CheckCalcName("ABC1", &proper));
    EXPECT_TRUE(CheckCalcName("", &proper));
    EXPECT_TRUE(CheckCalcName("\\Ga\\->B", &proper));
    EXPECT_TRUE(proper);
    EXPECT_TRUE(ui.Prompt.Texts.empty());
    EXPECT_EQ(ui.Main.Beeps, 0);

    for (const char* bad : {"1A", "A B", "A_B", "A:B", "\\<<X", "x\\v/"}) {
        ui.Prompt.Answers = {false};
        EXPECT_FALSE(CheckCalcName(bad, &proper)) << bad;
        EXPECT_FALSE(proper);
        ui.Prompt.Answers = {true};
        EXPECT_TRUE(CheckCalcName(bad, &proper)) << bad;
        EXPECT_FALSE(proper);
    }
    EXPECT_EQ(ui.Main.Beeps, 12);
    EXPECT_EQ(ui.Prompt.Texts[0],
              "1A\r\nis an improper variable name on the calculator.\r\nThis may result in "
              "failure of the command or connection.\r\n\r\nContinue with the command?");
    EXPECT_EQ(ui.Prompt.Titles[0], "Improper Variable Name");
}

TEST(ParseFlags, Separators) {
    EXPECT_EQ(ParseFlags("{ 1. 0. 1. }", 3), "101");
    EXPECT_EQ(ParseFlags("{ 1, 0, }", 2), "10");
    EXPECT_EQ(ParseFlags("{ 1 0 }", 2), "10");
    EXPECT_EQ(ParseFlags("{ 1. 0. 1. }", 2), "10");
    EXPECT_EQ(ParseFlags("{ 1. }", 3), "100");
    EXPECT_EQ(ParseFlags("1. 1.", 2), "11"); // no "{": from the start
    EXPECT_EQ(ParseFlags("{ 0. 1. }\"rest. more.", 4), "0100");
    EXPECT_EQ(ParseFlags("", 2), "00");
    EXPECT_EQ(ParseFlags("}", 2), "00");
}

// Every conversion takes any byte string; under the sanitizers this proves no out-of-bounds
// read.
TEST(Conversions, AnyInputIsSafe) {
    std::mt19937 rng(99);
    test::TFakeUi ui;
    const char* edge[] = {"\\", "^", "\\9", "^99", "\\999", "^999", "\\\\\\", "{", "{.", "}{,"};
    for (int round = 0; round < 4000; ++round) {
        std::string s = round < 10 ? std::string(edge[round]) : RandomBytes(rng, 12);
        if (round % 3 == 0) s += (round % 2 ? '\\' : '^');
        for (bool mode : {false, true}) {
            (void)NameToFile(s, mode);
            (void)FileToName(s, mode);
            (void)TranslateIn(s, mode);
            (void)TranslateOut(s, 3, mode, mode, mode);
        }
        (void)ParseFlags(s, 4);
        (void)CheckCalcName(s);
    }
}
