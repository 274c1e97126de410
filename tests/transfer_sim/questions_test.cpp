// The questions a put asks: replacing an existing variable (Yes, No, All, Cancel across a
// batch) and sending a file that does not suit the calculator (Text, Binary, Yes, No).
#include "support/SimSession.h"

#include "objects/BadFile.h"
#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

class Questions : public ::testing::Test {
protected:
    void SetUp() override {
        S.Connect();
        S.Server->ChangeDir("HOME");
    }
    // A text file that stores `value` (a real) when put.
    std::string TextFile(const std::string& name, const std::string& value) {
        const std::string path = S.File(name + ".txt");
        WriteStringToFile("%%ZQ: T(3)A(D)F(.);\n" + value, path);
        return path;
    }
    // Runs a batch as the main window's paste does: stop at the first false.
    int Batch(const std::vector<std::string>& files) {
        bool all = false;
        int done = 0;
        for (const auto& f : files) {
            const TPutOutcome o =
                PutFileToCalc(*S.Server, f, all, static_cast<int>(files.size()), true);
            if (o == TPutOutcome::Refused || o == TPutOutcome::Failed) break;
            ++done;
        }
        return done;
    }
    TSimSession S;
};

TEST_F(Questions, ReplaceAnswersAcrossABatch) {
    const std::string n0 = S.Var("N"), x0 = S.Var("X"), s0 = S.Var("SMALL");
    S.Replace.Answers = {TModalResult::No, TModalResult::All};
    EXPECT_EQ(Batch({TextFile("N", "7."), TextFile("X", "8."), TextFile("SMALL", "9.")}), 3);
    EXPECT_EQ(S.Replace.Asked, (std::vector<std::string>{"N|3", "X|3"}));
    EXPECT_EQ(S.Var("N"), n0); // No: left alone, and the batch goes on
    const std::string x1 = S.Var("X"), s1 = S.Var("SMALL");
    EXPECT_NE(x1, x0);
    EXPECT_NE(s1, s0); // All: replaced without asking
    // Yes replaces; Cancel ends the batch.
    S.Replace.Answers = {TModalResult::Yes, TModalResult::Cancel};
    EXPECT_EQ(Batch({TextFile("N", "17."), TextFile("X", "18."), TextFile("SMALL", "19.")}), 1);
    EXPECT_NE(S.Var("N"), n0);
    EXPECT_EQ(S.Var("X"), x1);
    EXPECT_EQ(S.Var("SMALL"), s1);
    EXPECT_EQ(S.Replace.Asked.size(), 4u);
}

TEST_F(Questions, BinaryPutsAskOnlyWhileFlag36IsSet) {
    // Fetch X as an object file, then send it back over N.
    const std::string file = CopyEntryToFolder(*S.Server, "X", 0, 0, S.Folder);
    ASSERT_FALSE(file.empty());
    WriteStringToFile(ReadFileToString(file), S.File("N.zq"));
    bool all = false;
    EXPECT_TRUE(S.Server->PutVar("N", S.File("N.zq"), 1, all, true, ""));
    EXPECT_TRUE(S.Replace.Asked.empty());
    EXPECT_EQ(S.Var("N"), S.Var("X"));

    S.State.CalcFlags = "10"; // as identified with flag -36 set
    S.Replace.Answers = {TModalResult::Cancel};
    EXPECT_FALSE(S.Server->PutVar("SMALL", S.File("N.zq"), 1, all, true, ""));
    EXPECT_EQ(S.Replace.Asked.size(), 1u);
    EXPECT_NE(S.Var("SMALL"), S.Var("X"));
}

TEST_F(Questions, WrongFileAnswers) {
    // A header-less file: Binary sends it by XModem (the calculator refuses the bytes),
    // Text compiles it, Cancel sends nothing.
    const std::string raw = S.File("raw.src");
    WriteStringToFile("12.5", raw);
    const std::string commands0 = S.Sim->Stats().Commands;
    S.BadFile.Answers = {TBadFileAnswer::Binary, TBadFileAnswer::Text, TBadFileAnswer::No};
    bool all = false;
    EXPECT_TRUE(S.Server->PutVar("RAW", raw, 1, all, false, ""));
    EXPECT_NE(S.Sim->WaitEvent("put RAW refused", 2000), "");
    EXPECT_TRUE(S.Server->PutVar("RAW", raw, 1, all, false, ""));
    EXPECT_NE(S.Var("RAW"), "");
    const std::string commands1 = S.Sim->Stats().Commands;
    EXPECT_FALSE(S.Server->PutVar("RAW2", raw, 1, all, false, ""));
    EXPECT_EQ(S.Sim->Stats().Commands, commands1);
    EXPECT_EQ(S.BadFile.Asked, (std::vector<std::string>{"raw.src|.src|text", "raw.src|.src|text",
                                                         "raw.src|.src|text"}));

    // An object file of the other model: Yes sends it, No does not.
    const std::string ka = S.File("ka.zq");
    std::string object = S.Var("X");
    object.replace(4, 2, "KA");
    WriteStringToFile(object, ka);
    S.BadFile.Answers = {TBadFileAnswer::No, TBadFileAnswer::Yes};
    EXPECT_FALSE(S.Server->PutVar("KAX", ka, 1, all, false, ""));
    EXPECT_EQ(S.Var("KAX"), "");
    EXPECT_TRUE(S.Server->PutVar("KAX", ka, 1, all, false, ""));
    EXPECT_NE(S.Var("KAX"), "");
    EXPECT_EQ(S.BadFile.Asked.back(), "ka.zq|ZQKA|bin");
}

TEST_F(Questions, BackupArchiveIsNotPut) {
    const std::string archive = S.File("KB_5-Dec-2026.zqbackup");
    WriteStringToFile(S.Var("X"), archive);
    const std::string commands = S.Sim->Stats().Commands;
    bool all = false;
    EXPECT_EQ(PutFileToCalc(*S.Server, archive, all, 1, false), TPutOutcome::Refused);
    EXPECT_EQ(S.Sim->Stats().Commands, commands);
}

} // namespace
} // namespace lw::test
