// Text transfers against the simulated calculator: the header's modes, the literal and the
// object form of a put, the quoting of a get, and what is refused.
#include "support/SimSession.h"

#include "log/TraceLine.h"
#include "objects/BadFile.h"
#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <mutex>

namespace lw::test {
namespace {

// Collects the trace lines while it lives.
class TTraceLog {
public:
    TTraceLog() {
        SetTraceSink([this](const std::string& line) {
            std::lock_guard<std::mutex> lock(FMutex);
            FLines += line + "\n";
        });
    }
    ~TTraceLog() { SetTraceSink({}); }
    std::string Text() {
        std::lock_guard<std::mutex> lock(FMutex);
        return FLines;
    }

private:
    std::mutex FMutex;
    std::string FLines;
};

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

TEST_F(TextTransfer, SemicolonAtPosition22IsNoHeader) {
    // A file without the text prefix is questioned; the answer Text sends it as text.
    S.BadFile.Answers = {TBadFileAnswer::Text};
    const std::string text = "\"ABCDEFGHIJKLMNOPQRST;\"";
    ASSERT_EQ(text.find(';'), 21u);
    ASSERT_TRUE(Put("SEMI.src", text));
    ASSERT_EQ(S.BadFile.Asked.size(), 1u);
    EXPECT_EQ(S.BadFile.Asked[0], "SEMI.src|.src|text");
    EXPECT_EQ(Get("SEMI.src", StringTypeIndex), "%%ZQ: T(3)A(D)F(.);\n" + text + "\n");
}

TEST_F(TextTransfer, HeaderModesAreSetBeforeCompiling) {
    TTraceLog trace;
    ASSERT_TRUE(Put("HALF.txt", "%%ZQ: T(3)A(R)F(,);\n1,5"));
    EXPECT_NE(trace.Text().find("RCLF RAD -51 SF -55 CF \"1,5\" IFERR"), std::string::npos);
    // The flags are restored afterwards: the value reads back with a period.
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

TEST_F(TextTransfer, SyntaxErrorLeavesTheVariableAlone) {
    ASSERT_TRUE(Put("X.txt", "%%ZQ: T(3)A(D)F(.);\n\xAB 1 + "));
    std::string display;
    S.Sim->Invoke([&](sim::ISimCalculator& c) { display = c.DisplayText(); });
    EXPECT_NE(display.find("Syntax Error"), std::string::npos);
    EXPECT_EQ(Get("X"), "%%ZQ: T(3)A(D)F(.);\n3.14159265359\n");
}

} // namespace
} // namespace lw::test
