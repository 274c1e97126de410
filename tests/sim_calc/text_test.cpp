// The language's text forms: reals, the decompiler and compiler, and the PC's text get
// followed by its text put giving back the very same object.
#include "SimCalcTestUtil.h"
#include "link/CalcNames.h"
#include "sim/calc/CalcReal.h"
#include "sim/calc/SimCalculator.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

using namespace lw::sim;

namespace {

std::string StackAfter(ISimCalculator& c, const std::string& display) {
    c.RunScript(lw::FileToName(display, false));
    return c.StackText();
}

// The text get of the PC for a variable of the current directory: the file's body text.
std::string TextGet(ISimCalculator& c, const std::string& name) {
    std::string f;
    EXPECT_TRUE(c.GetVariable(name, f));
    const uint32_t prolog = simtest::Field(f, 16, 5);
    c.RunScript("RCLF 64 STWS STD -17 FS? -18 FS? -51 FS? IOPAR 6 GET 4 \x8DLIST \x8DSTR '" + name +
                "' RCL \x8DSTR + '$$$t' STO STOF");
    std::string r;
    EXPECT_TRUE(c.GetVariable("$$$t", r));
    c.RunScript("'$$$t' PURGE");
    const std::string chars = r.substr(13);
    const size_t close = chars.find('}');
    EXPECT_LT(close, 150u);
    const std::string body = chars.substr(close + 1);
    std::string q;
    if (prolog == 0x02A2C) q = "\"";
    if (prolog == 0x02AB8 && body[0] != '\'') q = "'";
    return q + lw::TranslateOut(body, 3, false, prolog == 0x02A2C, false) + q;
}

// The text put of the PC, short or long form, as it builds the script.
TScriptOutcome TextPut(ISimCalculator& c, const std::string& name, const std::string& text) {
    std::string t = lw::TranslateIn(text, text.size() <= 300);
    if (text.size() > 300) {
        EXPECT_TRUE(c.PutVariable("$$$a", lw::test::ObjectFile(lw::test::StringObj(t))));
        t = "$$$a '$$$a' PURGE ";
    } else {
        t = "\"" + lw::NameToFile(t, false) + "\" ";
    }
    const std::string script =
        "'" + lw::NameToFile(name, false) + "' RCLF -55 CF " + t +
        "IFERR OBJ\\-> THEN SWAP STOF #26067h SYSEVAL CLLCD \"Syntax Error\" 4 DISP 5 WAIT ELSE "
        "SWAP STOF OVER IFERR PURGE THEN PGDIR END SWAP STO END ";
    return c.RunScript(lw::FileToName(script, false));
}

} // namespace

TEST(Text, RealsKeepTheirDigits) {
    for (const char* t : {"0.", "1.", ".5", "-.5", "-42.", "3.14159265359", "123456789012.",
                          "1.E12", "1.5E-13", ".00001", "-9.99999999999E499", "6.02214076E23"}) {
        const auto r = ParseReal(t, '.');
        ASSERT_TRUE(r) << t;
        EXPECT_EQ(FormatReal(RealOf(MakeReal(*r)), '.'), t);
    }
    EXPECT_EQ(FormatReal(*ParseReal("2,5", ','), ','), "2,5");
    EXPECT_EQ(FormatReal(*ParseReal("0.1234567890129", '.'), '.'), ".123456789013");
    EXPECT_EQ(FormatReal(*ParseReal("9.999999999999", '.'), '.'), "10.");
    EXPECT_FALSE(ParseReal("1E", '.'));
    EXPECT_FALSE(ParseReal("1.2.3", '.'));
    // Memory order: prolog, exponent 997, mantissa 150000000000 (low digit first), sign 9.
    EXPECT_EQ(MakeReal(*ParseReal("-1.5E-3", '.')),
              std::string("\x3\x3\x9\x2\x0\x7\x9\x9", 8) + std::string(10, '\0') + "\x5\x1\x9");
}

TEST(Text, DecompilerForms) {
    auto c = CreateEmptyCalculator(TModel::KB);
    // (In the display form a backslash of the calculator text is written twice.)
    EXPECT_EQ(StackAfter(*c, "(1.,-2.) # 255d { } \\<< \\>> 'X' :T:'Y' \"a\\\\\"b\""),
              "(1.,-2.)\n# FFh\n{ }\n\xAB \xBB\n'X'\n:T:'Y'\n\"a\\\"b\"");
    // A command line is compiled whole before it runs: with flag -51 set the comma is the
    // fraction mark.
    c->SetFlag(-51, true);
    EXPECT_EQ(StackAfter(*c, "CLEAR (1,5;2) 2,5 { 1, }"), "(1,5;2,)\n2,5\n{ 1, }");
    c->SetFlag(-51, false);
    EXPECT_EQ(StackAfter(*c, "CLEAR 'A-(B-C)' 'A-B-C' '(A^B)^C' 'A^B^C' '-A^2' '(-A)^2' 'A*-B'"),
              "'A-(B-C)'\n'A-B-C'\n'(A^B)^C'\n'A^B^C'\n'-A^2.'\n'(-A)^2.'\n'A*-B'");
    EXPECT_EQ(StackAfter(*c, "CLEAR 'A' 2 * 'B' + 'SQ(X)'"), "'A*2.+B'\n'SQ(X)'");
    for (const char* bad : {"'F(X)'", "'A+'", "'(A'", "'A B'", "\"open", "\\<< 1", "{ 1 }}", "(1.)",
                            "# 12x", ":T:", "GROB 8 1 F", "1.2.3"}) {
        StackAfter(*c, "CLEAR");
        EXPECT_EQ(StackAfter(*c, std::string("7 ") + bad), "") << bad; // nothing of the line runs
        EXPECT_EQ(c->LastError(), "Invalid Syntax") << bad;
    }
    EXPECT_EQ(StackAfter(*c, "CLEAR 4 STWS # 1Fh"), "# Fh");
    EXPECT_EQ(StackAfter(*c, "64 STWS"), "# 1Fh");
    EXPECT_EQ(StackAfter(*c, "CLEAR GROB 9 2 0F010F01"), "GROB 9 2 0F010F01");
}

TEST(Text, EvaluatorBasics) {
    auto c = CreateSampleCalculator(TModel::KB);
    EXPECT_EQ(StackAfter(*c, "1 2 + 3 * 4 - 2 /"), "2.5");
    EXPECT_EQ(StackAfter(*c, "CLEAR \"ab\" \"cd\" + 1 2 SWAP DROP DUP"), "\"abcd\"\n2.\n2.");
    EXPECT_EQ(StackAfter(*c, "CLEAR 5 SQR SIGN 0 SIGN"), "\"nonzero\"\n\"zero\"");
    EXPECT_EQ(StackAfter(*c, "CLEAR SAFE"), "1.\n0.\n\"caught\"\n'SQR'");
    EXPECT_EQ(StackAfter(*c, "CLEAR 3 'A\\->B' RCL EVAL A\\->B"), "5.");
    // An unknown word leaves the stack as it was; an error keeps the failing word's
    // arguments and ends the line.
    EXPECT_EQ(StackAfter(*c, "CLEAR 1 NOSUCHWORD"), "1.");
    EXPECT_EQ(StackAfter(*c, "CLEAR 1 0 / 7"), "1.\n0.");
    EXPECT_EQ(c->LastError(), "Infinite Result");
    EXPECT_EQ(StackAfter(*c, "CLEAR DROP 9"), "");
    EXPECT_EQ(c->LastError(), "Too Few Arguments");
    EXPECT_EQ(StackAfter(*c, "CLEAR { 1 2 \"x\" } 1 \\<< DUP TYPE \\>> DOSUBS DEPTH"),
              "{ 1. 0. 2. 0. \"x\" 2. }\n1.");
    EXPECT_EQ(StackAfter(*c, "CLEAR 'A' 'B' STO B 1 +"), "'A+1.'");
    EXPECT_EQ(StackAfter(*c, "CLEAR { 1 } \\<< 1 \\>> +"), "{ 1. \xAB 1. \xBB }");
    EXPECT_EQ(StackAfter(*c, "CLEAR 'X' 'Y' STO Y 'Y' PURGE PATH"), "'X'\n{ HOME }");
    EXPECT_EQ(StackAfter(*c, "CLEAR \"1 2 +\" STR\\-> \"{ 1\" OBJ\\->"), "3.\n\"{ 1\"");
    EXPECT_EQ(c->LastError(), "Invalid Syntax");
    // A runaway recursion is stopped.
    EXPECT_EQ(StackAfter(*c, "CLEAR \\<< R \\>> 'R' STO R 5"), "");
    EXPECT_EQ(c->LastError(), "Insufficient Memory");
    // Unbalanced text is refused whole.
    EXPECT_EQ(StackAfter(*c, "CLEAR 1 { 2"), "");
    EXPECT_EQ(StackAfter(*c, "CLEAR 1 IF 1 THEN 2"), "1.");
    EXPECT_EQ(c->LastError(), "Invalid Syntax");
}

// Text get then text put of every sample variable but the directories gives back the
// same object, with and without flag -51.
TEST(Text, TextGetAndPutRoundTrip) {
    for (bool comma : {false, true}) {
        auto c = CreateSampleCalculator(TModel::KB);
        c->SetFlag(-51, comma);
        size_t checked = 0;
        for (const auto& e : simtest::Entries(c->Listing())) {
            if (!e.Path.empty() || e.Prolog == 0x2A96) continue;
            const std::string& name = e.Name;
            std::string before, after;
            ASSERT_TRUE(c->GetVariable(name, before));
            const std::string text = TextGet(*c, name);
            const auto out = TextPut(*c, "COPY", text);
            EXPECT_EQ(out.RunMs, 30u) << name << ": " << text;
            ASSERT_TRUE(c->GetVariable("COPY", after)) << name;
            EXPECT_EQ(simtest::Hex(after), simtest::Hex(before)) << name << ": " << text;
            EXPECT_EQ(c->StackText(), "") << name;
            ++checked;
        }
        EXPECT_GE(checked, 20u);
    }
}

// Command lines that would grow without end stop with "Insufficient Memory" or
// "Interrupted" and leave the calculator usable.
TEST(Text, RunawayLinesAreStopped) {
    auto c = CreateSampleCalculator(TModel::KA);
    StackAfter(*c, "BIG 1 DUPN 2 DUPN 4 DUPN 8 DUPN");
    EXPECT_EQ(c->LastError(), "Insufficient Memory");
    StackAfter(
        *c, "CLEAR \\<< DUP DUP + \\>> 'G' STO \"x\" G G G G G G G G G G G G G G G G G G G G G G");
    EXPECT_EQ(c->LastError(), "Insufficient Memory");
    StackAfter(*c, "CLEAR \\<< 1 + \\>> 'I' STO 0 { } 1 \\<< I \\>> DOSUBS");
    StackAfter(*c, "CLEAR 1 BIG BIG + BIG + BIG + BIG + 'B5' STO");
    EXPECT_EQ(c->LastError(), "Insufficient Memory");
    std::string f;
    EXPECT_FALSE(c->GetVariable("B5", f));
    EXPECT_EQ(StackAfter(*c, "CLEAR 1 2 +"), "3.");
}

TEST(Text, LocalVariables) {
    auto c = CreateEmptyCalculator(TModel::KB);
    EXPECT_EQ(StackAfter(*c, "5 2 \\-> a b \\<< a b - \\>>"), "3.");
    EXPECT_EQ(StackAfter(*c, "CLEAR 5 2 \\-> a b 'a/b+c'"), "'2.5+c'");
    StackAfter(*c, "CLEAR \\<< \\-> x \\<< x x * \\>> \\>> 'SQ2' STO");
    EXPECT_EQ(StackAfter(*c, "'SQ2' RCL \\->STR"), "\"\xAB \x8D x \xAB x x * \xBB \xBB\"");
    EXPECT_EQ(StackAfter(*c, "CLEAR 'SQ2' RCL \\->STR STR\\-> 'SQ3' STO 7 SQ3 'x'"), "49.\n'x'");
    std::string a, b;
    ASSERT_TRUE(c->GetVariable("SQ2", a));
    ASSERT_TRUE(c->GetVariable("SQ3", b));
    EXPECT_EQ(a, b);
    // Bindings end with their structure, also when it fails.
    StackAfter(*c, "CLEAR 1 \\-> q \\<< q 0 / \\>>");
    EXPECT_EQ(c->LastError(), "Infinite Result");
    EXPECT_EQ(StackAfter(*c, "CLEAR q"), "");
    StackAfter(*c, "CLEAR \\-> q \\<< q \\>>");
    EXPECT_EQ(c->LastError(), "Too Few Arguments");
    StackAfter(*c, "CLEAR 1 \\-> q 2");
    EXPECT_EQ(c->LastError(), "Invalid Syntax");
}

TEST(Text, SampleProgramsRun) {
    auto c = CreateSampleCalculator(TModel::KB);
    EXPECT_EQ(StackAfter(*c, "3 4 HYP 6 SQR"), "5.\n36.");
    EXPECT_EQ(StackAfter(*c, "CLEAR HOME WORK PROJ RUN"), "{ 1. 2. 3. 4. }");
}
