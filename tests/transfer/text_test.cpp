// Text files: the header, the literal or object form of a put, the file a get makes.
#include "server/CalcState.h"
#include "server/TextTransfer.h"
#include "server/XPObject.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

TEST(TextPut, HeaderSetsAngleAndFractionModes) {
    const TTextPut put = PrepareTextPut("%%ZQ: T(3)A(R)F(,);\n1.5");
    EXPECT_EQ(put.Modes, "RAD -51 SF ");
    EXPECT_EQ(put.Text, "1.5");
    EXPECT_TRUE(put.Short);
    EXPECT_EQ(PrepareTextPut("%%ZQ: T(3)A(D)F(.);\r\nX").Modes, "DEG -51 CF ");
    EXPECT_EQ(PrepareTextPut("%%ZQ: T(3)A(G)F(.);\nX").Modes, "GRAD -51 CF ");
}

TEST(TextPut, BlanksAfterTheHeaderLineAreSkipped) {
    EXPECT_EQ(PrepareTextPut("%%ZQ: T(3)A(D)F(.);\r\n  \n\t\"AB\"").Text, "\\\"AB\\\"");
    EXPECT_EQ(PrepareTextPut("%%ZQ: T(3)A(D)F(.);").Text, "");
    EXPECT_EQ(PrepareTextPut("%%ZQ: T(3)A(D)F(.);\n   ").Text, "");
}

TEST(TextPut, SemicolonAtPosition22MeansNoHeader) {
    // 21 characters before the ";": it stands at position 22.
    const std::string text = "ABCDEFGHIJKLMNOPQRSTU; A(R)";
    ASSERT_EQ(text.find(';'), 21u);
    const TTextPut put = PrepareTextPut(text);
    EXPECT_EQ(put.Modes, "");
    EXPECT_EQ(put.Text, text);
    // At position 21 it is a header.
    const TTextPut header = PrepareTextPut("A(R)EFGHIJKLMNOPQRST;\nBODY");
    EXPECT_EQ(header.Modes, "RAD ");
    EXPECT_EQ(header.Text, "BODY");
}

TEST(TextPut, FieldsCountOnlyInsideTheHeader) {
    EXPECT_EQ(PrepareTextPut("1234567890123456A(R);\nX").Modes, "RAD ");
    // A field after the header's ";" is text, not a mode.
    EXPECT_EQ(PrepareTextPut("%%ZQ: T(3);\nA(R)F(,)").Modes, "");
}

TEST(TextPut, LiteralQuotesTheTextObjectFormDoesNot) {
    EXPECT_EQ(PrepareTextPut("\"A\\B\"").Text, "\\\"A\\\\B\\\"");
    const std::string longText = "\"" + std::string(300, 'a') + "\"";
    EXPECT_EQ(PrepareTextPut(longText).Text, longText);
}

TEST(TextPut, TranslatesEscapesIntoCalculatorCharacters) {
    EXPECT_EQ(PrepareTextPut("%%ZQ: T(3)A(D)F(.);\n\\<< 1 \\->X \\>>").Text, "\xAB 1 \x8DX \xBB");
}

TEST(TextPut, StringObjectFileHasStringPrologAndNibbleLength) {
    const std::string file = StringObjectFile("KB", "ABC");
    // n = 2 * 3 + 5 = 11 nibbles: prolog C2A20, then 0xB, 0, 0, 0, 0.
    EXPECT_EQ(file, std::string("ZQZQKB-C,*\xB0\x00\x00"
                                "ABC",
                                16));
    const std::string big(70000, 'q'); // n = 140005 = 0x222E5
    const std::string bigFile = StringObjectFile("KA", big);
    EXPECT_EQ(bigFile.substr(0, 13), "ZQZQKA-C,*\x50\x2E\x22");
    EXPECT_EQ(bigFile.size(), 13 + big.size());
    // A text whose length field would overflow 20 bits is refused.
    EXPECT_EQ(StringObjectFile("KB", std::string(524286, 'z')), "");
}

TEST(TextPut, ScriptByModel) {
    EXPECT_EQ(TextPutScript("X", "KB", "RAD ", "\"1\" "),
              "'X' RCLF RAD -55 CF \"1\" IFERR OBJ\\-> THEN SWAP STOF #26067h SYSEVAL CLLCD "
              "\"Syntax Error\" 4 DISP 5 WAIT ELSE SWAP STOF OVER IFERR PURGE THEN PGDIR END "
              "SWAP STO END ");
    EXPECT_NE(TextPutScript("X", "KA", "", "$$$a '$$$a' PURGE ").find("#141E5h SYSEVAL "),
              std::string::npos);
    EXPECT_EQ(TextGetScript("A\\Ga"),
              "RCLF 64 STWS STD -17 FS? -18 FS? -51 FS? IOPAR 6 GET 4 \\->LIST \\->STR "
              "'A\\Ga' RCL \\->STR + '$$$t' STO STOF");
}

// A fetched "$$$t" file: header, 10 nibbles of string prolog and length, then the text.
std::string Fetched(const std::string& text) {
    return std::string("ZQZQKB-C,*\0\0\0", 13) + text;
}

TEST(TextGet, ModeListAndHeaderLine) {
    const std::string data = Fetched("{ 1. 0. 1. 3. }1.5");
    const std::string list = TextGetModeList(data);
    EXPECT_EQ(list, "{ 1. 0. 1. 3. }");
    TCalcState state;
    state.TransIO = 3;
    EXPECT_EQ(BuildTextFile(data, list, 23 + 9, state), "%%ZQ: T(3)A(R)F(,);\n1.5\n");
    state.AddCR = true;
    state.TransIO = 2;
    EXPECT_EQ(BuildTextFile(Fetched("{ 0. 1. 0. 3. }X"), "{ 0. 1. 0. 3. }", 0, state),
              "%%ZQ: T(2)A(G)F(.);\r\nX\r\n");
    EXPECT_EQ(BuildTextFile(Fetched("{ 1. 1. 0. 3. }X"), "{ 1. 1. 0. 3. }", 0, state).substr(0, 20),
              "%%ZQ: T(2)A(D)F(.);\r");
}

TEST(TextGet, StringsGetDoubleQuotesAlgebraicsOnlyWhenMissing) {
    TCalcState state;
    const std::string list = "{ 0. 0. 0. 3. }";
    EXPECT_EQ(BuildTextFile(Fetched(list + "A\"B"), list, StringTypeIndex, state),
              "%%ZQ: T(3)A(D)F(.);\n\"A\\\"B\"\n");
    EXPECT_EQ(BuildTextFile(Fetched(list + "'X+1'"), list, AlgebraicTypeIndex, state),
              "%%ZQ: T(3)A(D)F(.);\n'X+1'\n");
    EXPECT_EQ(BuildTextFile(Fetched(list + "X+1"), list, AlgebraicTypeIndex, state),
              "%%ZQ: T(3)A(D)F(.);\n'X+1'\n");
}

TEST(TextGet, TranslatesCalculatorCharactersByLevel) {
    TCalcState state;
    const std::string list = "{ 0. 0. 0. 3. }";
    state.TransIO = 3;
    EXPECT_EQ(BuildTextFile(Fetched(list + "\xAB \x8D \xBB"), list, 0, state),
              "%%ZQ: T(3)A(D)F(.);\n\\<< \\-> \\>>\n");
    state.TransIO = 0;
    EXPECT_EQ(BuildTextFile(Fetched(list + "\x8D"), list, 0, state), "%%ZQ: T(0)A(D)F(.);\n\x8D\n");
}

TEST(TextGet, ShortOrListlessDataGivesNoModeList) {
    EXPECT_EQ(TextGetModeList(""), "");
    EXPECT_EQ(TextGetModeList(Fetched("")), "");
    EXPECT_EQ(TextGetModeList(Fetched("no list here")), "");
    EXPECT_EQ(TextGetModeList(Fetched(std::string(150, 'x') + "}")), "");
    EXPECT_EQ(TextGetModeList(Fetched(std::string(149, 'x') + "}")).size(), 150u);
}

} // namespace
} // namespace lw
