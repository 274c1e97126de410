// The scripts the PC sends, word for word, run against the calculator model.
#include "SimCalcTestUtil.h"
#include "link/CalcNames.h"
#include "server/StackPicture.h"
#include "sim/calc/SampleMemory.h"
#include "sim/calc/SimCalculator.h"

#include <gtest/gtest.h>

using namespace lw::sim;

namespace {

// Scripts are written here in the PC's display form and decoded as the PC decodes them.
TScriptOutcome Exec(ISimCalculator& c, const std::string& display) {
    return c.RunScript(lw::FileToName(display, false));
}

std::string StringOf(const std::string& objectFile) {
    // Characters from byte 14 (1-based), the length from the 5-nibble field.
    const uint32_t len = simtest::Field(objectFile, 21, 5);
    return objectFile.substr(13, (len - 5) / 2);
}

bool Has(const ISimCalculator& c, const std::string& name) {
    std::string f;
    return c.GetVariable(name, f);
}

const char* const IdentScript = "-36 FS? -51 FS? 2 \\->LIST \\->STR VERSION DROP + '$$$t' STO";

} // namespace

// The server_sim connection tests follow model, ROM version, revision and the flags through the
// PC's side; here the flags' order in the comma form, the length field, and a clean stack.
TEST(Scripts, Identification) {
    auto c = CreateSampleCalculator(TModel::KB);
    c->SetFlag(-51, true);
    const std::string listing = c->Listing();
    EXPECT_EQ(Exec(*c, IdentScript).Action, TScriptOutcome::None);
    std::string r;
    ASSERT_TRUE(c->GetVariable("$$$t", r));
    EXPECT_EQ(r.substr(13, 9), "{ 0, 1, }");
    EXPECT_EQ(lw::ParseFlags(r.substr(13, 20), 2), "01");
    // The length field's three low nibbles give the whole text.
    EXPECT_EQ(r.size(), size_t(13 + (simtest::Field(r, 21, 3) - 5) / 2));
    EXPECT_EQ(c->StackText(), "");
    Exec(*c, "'$$$t' PURGE");
    EXPECT_EQ(c->Listing(), listing);
}

TEST(Scripts, PathChangeAndDirectories) {
    // (Paths, new directories and renames as the PC scripts them: server_sim
    // ChangeDirAndOperations.)
    auto c = CreateEmptyCalculator(TModel::KB);
    Exec(*c, "'A' CRDIR HOME A 42 'V' STO HOME");
    EXPECT_FALSE(Has(*c, "V"));
    // CRDIR of an existing name fails and changes nothing; a failing word leaves its
    // arguments on the stack.
    Exec(*c, "'A' CRDIR");
    EXPECT_EQ(c->LastError(), "Name Conflict");
    EXPECT_EQ(c->StackText(), "'A'");
    // PURGE refuses a directory that holds something; PGDIR removes it whole.
    Exec(*c, "CLEAR 'A' PURGE");
    EXPECT_EQ(c->LastError(), "Non-Empty Directory");
    EXPECT_TRUE(Has(*c, "A"));
    Exec(*c, "CLEAR 'A' PGDIR");
    EXPECT_FALSE(Has(*c, "A"));
    EXPECT_EQ(c->Listing(), std::string(1, '\0'));
    // PURGE of a name that is not there is no error (the backup script relies on it).
    Exec(*c, "'fLaG' PURGE 1");
    EXPECT_EQ(c->LastError(), "");
    EXPECT_EQ(c->StackText(), "1.");
}

TEST(Scripts, TextGet) {
    auto c = CreateSampleCalculator(TModel::KB);
    const std::string script = "RCLF 64 STWS STD -17 FS? -18 FS? -51 FS? IOPAR 6 GET 4 \\->LIST "
                               "\\->STR 'TRIG' RCL \\->STR + '$$$t' STO STOF";
    Exec(*c, "RAD");
    Exec(*c, script);
    EXPECT_EQ(c->LastError(), "");
    std::string r;
    ASSERT_TRUE(c->GetVariable("$$$t", r));
    EXPECT_EQ(StringOf(r), "{ 1. 0. 0. 1. }'SIN(X)^2.+COS(X)^2.=1.'");
    EXPECT_EQ(lw::ParseFlags(StringOf(r), 4), "1001");
    EXPECT_EQ(c->StackText(), "");
    EXPECT_TRUE(c->Flag(-17)); // STOF put the flags back as they were
}

TEST(Scripts, TextPutReplacingADirectoryAndSyntaxError) {
    auto c = CreateSampleCalculator(TModel::KB);
    const std::string e = "#26067h SYSEVAL CLLCD \"Syntax Error\" 4 DISP 5 WAIT ";
    auto put = [&](const std::string& name, const std::string& t) {
        return Exec(*c, "'" + name + "' RCLF RAD -51 CF -55 CF " + t +
                            "IFERR OBJ\\-> THEN SWAP STOF " + e +
                            "ELSE SWAP STOF OVER IFERR PURGE THEN PGDIR END SWAP STO END ");
    };
    // Short form: the text as a string literal, prepared as the PC prepares it.
    auto shortForm = [](const std::string& pcText) {
        return "\"" + lw::NameToFile(lw::TranslateIn(pcText, true), false) + "\" ";
    };
    // Strings, programs and the long form through $$$a: text_test's round trip of every variable.
    // Replacing a directory: PURGE fails on it, PGDIR removes it.
    put("WORK", shortForm("'A*B'"));
    std::string f;
    ASSERT_TRUE(c->GetVariable("WORK", f));
    EXPECT_EQ(c->Listing().find(std::string("\x04WORK\x96\x2A")), std::string::npos);

    // A compile error shows "Syntax Error" for five seconds and stores nothing.
    const auto out = put("BAD", shortForm("{ 1. "));
    EXPECT_EQ(out.Action, TScriptOutcome::None);
    EXPECT_EQ(out.RunMs, 5030u);
    EXPECT_NE(c->DisplayText().find("Syntax Error"), std::string::npos);
    EXPECT_FALSE(Has(*c, "BAD"));
    EXPECT_FALSE(c->Flag(-17)); // the saved flags came back
}

TEST(Scripts, BackupAndRestore) {
    auto c = CreateSampleCalculator(TModel::KB);
    c->SetFlag(-51, true);
    Exec(*c, "HOME WORK");
    ASSERT_TRUE(c->PutVariable("$$$r", ArchiveProgramFile(TModel::KB)));
    auto out =
        Exec(*c, "'fLaG' PURGE '$$$r' DUP RCL SWAP PURGE HOME \" \\<< 'fLaG' PURGE \" RCLF DUP 64 "
                 "STWS \\->STR SWAP STOF + \" STOF \\>>\" + STR\\-> 'fLaG' STO RCLF -55 SF SWAP "
                 "MEM DROP NEWOB ");
    EXPECT_EQ(c->LastError(), "");
    EXPECT_EQ(out.Action, TScriptOutcome::None);
    EXPECT_EQ(c->CurrentPath(), std::vector<std::string>{"HOME"});
    EXPECT_FALSE(Has(*c, "$$$r"));
    ASSERT_TRUE(Has(*c, "fLaG"));
    EXPECT_TRUE(c->Flag(-55));
    out = Exec(*c, "EVAL STOF");
    ASSERT_EQ(out.Action, TScriptOutcome::SendObject);
    EXPECT_FALSE(c->Flag(-55));
    EXPECT_TRUE(c->Flag(-51));
    EXPECT_EQ(c->StackText(), "");
    const std::string backup = out.Payload;
    const std::string listing = c->Listing();

    // fLaG gives the flags back after a restore.
    Exec(*c, "'fLaG' PURGE ");
    Exec(*c, "-51 CF 'X' PURGE 'WORK' PGDIR");
    EXPECT_NE(c->Listing(), listing);
    ASSERT_TRUE(c->PutVariable("$$$t", backup + std::string(100, '\x1A')));
    out = Exec(*c, "$$$t '$$$t' PURGE RESTORE");
    EXPECT_EQ(out.Action, TScriptOutcome::StopServer);
    EXPECT_EQ(c->Listing(), listing);
    EXPECT_FALSE(c->Flag(-51));
    Exec(*c, "fLaG");
    EXPECT_TRUE(c->Flag(-51));
    EXPECT_FALSE(Has(*c, "fLaG"));
}

TEST(Scripts, StackPictureScript) {
    auto c = CreateSampleCalculator(TModel::KB);
    const std::string script =
        std::string(
            "DEPTH IF 0. == THEN { } ELSE DEPTH DUPN DEPTH 2. / \\->LIST 1. \\<< IF DUP TYPE 2. "
            "== THEN ") +
        "\"\x01\x03\x02\"" + " SWAP + END \\->STR \\>> DOSUBS END '$$$t' STO";
    ASSERT_EQ(script.size(), 138u);
    Exec(*c, script);
    std::string r;
    ASSERT_TRUE(c->GetVariable("$$$t", r));
    EXPECT_LE(r.size() * 2, 26u); // an empty list
    Exec(*c, "'$$$t' PURGE 1.5 \"ABC\" X { 1. \"a\" } 'A+B' (1.,2.)");
    const std::string stack = c->StackText();
    Exec(*c, script);
    EXPECT_EQ(c->StackText(), stack);
    ASSERT_TRUE(c->GetVariable("$$$t", r));
    // The PC's decoder reads it back: deepest level first, the marked string quoted.
    EXPECT_EQ(lw::DecodeStackPicture(r),
              (std::vector<std::string>{"6: 1.5", "5: \"ABC\"", "4: 3.14159265359",
                                        "3: { 1. \"a\" }", "2: 'A+B'", "1: (1.,2.)"}));
}

TEST(Scripts, RunTimeDisplayAndScreen) {
    auto c = CreateSampleCalculator(TModel::KA);
    EXPECT_EQ(Exec(*c, "1").RunMs, 30u);
    EXPECT_EQ(Exec(*c, "2 WAIT").RunMs, 2030u);
    c->SetScriptTiming(5, 0);
    EXPECT_EQ(Exec(*c, "DROP").RunMs, 5u);
    c->SetScriptTiming(30, 1500);
    EXPECT_EQ(Exec(*c, "").RunMs, 1500u);
    EXPECT_EQ(Exec(*c, ".5 WAIT").RunMs, 2000u);

    const std::string stackPicture = c->ScreenRows();
    ASSERT_EQ(stackPicture.size(), 64u * 17);
    Exec(*c, "CLLCD \"HELLO\" 1 DISP 42 3 DISP");
    EXPECT_EQ(c->DisplayText(), "HELLO\n\n42.");
    const std::string shown = c->ScreenRows();
    EXPECT_NE(shown, stackPicture);
    for (size_t row = 0; row < 64; ++row) EXPECT_EQ(uint8_t(shown[row * 17 + 16]) >> 3, 0);
    // The next command line shows the stack again.
    Exec(*c, "");
    EXPECT_EQ(c->ScreenRows(), stackPicture);
}
