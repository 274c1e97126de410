// Text transfers against the simulated calculator: the header's modes, the literal and the
// object form of a put, the quoting of a get, and what is refused.
#include "support/SimSession.h"

#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

class TextTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        S.State.TextMode = true;
        S.Connect();
    }
    // Puts a PC file with these bytes as `name`, then fetches it again as text.
    bool Put(const std::string& fileName, const std::string& bytes) {
        WriteStringToFile(bytes, S.File(fileName));
        bool all = false;
        return PutFileToCalc(*S.Server, S.File(fileName), all, 1, false) == TPutOutcome::Sent;
    }
    std::string Get(const std::string& name, int typeIndex = 0) {
        const std::string file = CopyEntryToFolder(*S.Server, name, typeIndex, 0, S.Folder + "/");
        return file.empty() ? "<failed>" : ReadFileToString(file);
    }
    size_t PutCommands() {
        const std::string c = S.Sim->Stats().Commands;
        return static_cast<size_t>(std::count(c.begin(), c.end(), 'P'));
    }
    TSimSession S;
};

TEST_F(TextTransfer, ThreeHundredBytesGoAsLiteralOneMoreThroughTheTemporaryObject) {
    const std::string header = "%%ZQ: T(3)A(D)F(.);\n";
    const std::string body300 = "\"" + std::string(300 - header.size() - 2, 'k') + "\"";
    const size_t before = PutCommands();
    ASSERT_TRUE(Put("S300.txt", header + body300));
    EXPECT_EQ(PutCommands(), before);
    const std::string body301 = "\"" + std::string(301 - header.size() - 2, 'm') + "\"";
    ASSERT_TRUE(Put("S301.txt", header + body301));
    EXPECT_EQ(PutCommands(), before + 1);
    EXPECT_EQ(Get("S300", StringTypeIndex), header + body300 + "\n");
    EXPECT_EQ(Get("S301", StringTypeIndex), header + body301 + "\n");
    // The temporary variable is gone again, and so is the PC's temporary file.
    S.Server->GetFileList();
    EXPECT_EQ(S.Find("HOME $$$a"), nullptr);
    EXPECT_EQ(S.Find("HOME $$$t"), nullptr);
    EXPECT_TRUE(S.LeftInTempFolder().empty());
}

TEST_F(TextTransfer, HeaderModesAreSetBeforeCompiling) {
    // The comma reads as the fraction mark only in the header's mode (the script's text:
    // TextPut.ScriptByModel); the flags are restored afterwards: the value reads back with a
    // period.
    ASSERT_TRUE(Put("HALF.txt", "%%ZQ: T(3)A(R)F(,);\n1,5"));
    EXPECT_EQ(Get("HALF"), "%%ZQ: T(3)A(D)F(.);\n1.5\n");
}

TEST_F(TextTransfer, StringsComeBackQuotedAlgebraicsWithoutDoubledQuotes) {
    EXPECT_EQ(Get("MSG", StringTypeIndex), "%%ZQ: T(3)A(D)F(.);\n\"Hello from the calculator!\"\n");
    EXPECT_EQ(Get("EQ", AlgebraicTypeIndex), "%%ZQ: T(3)A(D)F(.);\n'A+B*2.'\n");
    EXPECT_EQ(Get("QUOT", StringTypeIndex),
              "%%ZQ: T(3)A(D)F(.);\n\"She said \\\"hi\\\" \\\\ then left\"\n");
    S.State.AddCR = true;
    EXPECT_EQ(Get("SQR"), "%%ZQ: T(3)A(D)F(.);\r\n\\<< DUP * \\>>\r\n");
}

TEST_F(TextTransfer, HomeIsRefusedWithoutAnyExchange) {
    const std::string before = S.Sim->Stats().Commands;
    WriteStringToFile("previous", S.File("HOME.txt"));
    EXPECT_FALSE(S.Server->CopyFromCalc("HOME", S.File("HOME.txt"), DirectoryTypeIndex, 0));
    EXPECT_EQ(S.Sim->Stats().Commands, before);
    EXPECT_EQ(ReadTestFile(S.File("HOME.txt")), "previous");
}

TEST_F(TextTransfer, EmptyTextIsRefusedWithTheWarning) {
    const size_t before = PutCommands();
    EXPECT_FALSE(Put("BLANK.txt", "%%ZQ: T(3)A(D)F(.);\n  \n"));
    EXPECT_EQ(PutCommands(), before);
    ASSERT_EQ(S.Ui.Main.Messages.size(), 1u);
    EXPECT_EQ(S.Ui.Main.Messages[0],
              "Warning: BLANK\r\n\r\nis not a valid text file and cannot be properly sent.\r\n");
}

} // namespace
} // namespace lw::test
