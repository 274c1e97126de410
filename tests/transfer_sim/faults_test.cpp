// Every operation under a misbehaving calculator ends with one clear error, disconnected, and
// with the PC's files as they were: no partial, empty or wrong file, the previous one intact.
#include "support/SimSession.h"

#include "link/Port.h"
#include "server/Commands.h"
#include "support/ObjectBuilder.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lw::test {
namespace {

namespace fs = std::filesystem;

// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::string& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename());
    std::sort(out.begin(), out.end());
    return out;
}

class Faults : public ::testing::Test {
protected:
    void SetUp() override {
        S.Connect();
        S.Server->ChangeDir("HOME");
        WriteStringToFile("previous", S.File("MSG.zq"));
        WriteStringToFile("previous", S.File("MSG.txt"));
    }
    // The common verdict of a failed operation.
    void ExpectFailedCleanly(std::vector<std::string> sources = {}) {
        EXPECT_FALSE(S.Ui.Main.Connected);
        EXPECT_EQ(ReadTestFile(S.File("MSG.zq")), "previous");
        EXPECT_EQ(ReadTestFile(S.File("MSG.txt")), "previous");
        sources.push_back("MSG.txt");
        sources.push_back("MSG.zq");
        std::sort(sources.begin(), sources.end());
        EXPECT_EQ(FolderNames(S.Folder), sources);
        EXPECT_TRUE(S.LeftInTempFolder().empty());
    }
    std::string CopyMsg() { return CopyEntryToFolder(*S.Server, "MSG", 17, 0, S.Folder); }
    TSimSession S;
};

TEST_F(Faults, CancelledGetKeepsThePreviousFile) {
    for (const bool text : {false, true}) {
        SCOPED_TRACE(text ? "text" : "binary");
        S.State.TextMode = text;
        S.Control("cancel");
        EXPECT_EQ(CopyMsg(), "");
        EXPECT_FALSE(ErrorReports(S.Ui).empty());
        ExpectFailedCleanly();
        S.Control("clear-faults");
        S.Connect();
    }
}

TEST_F(Faults, UserCancelInTheProgressDialog) {
    S.Control("throttle 9600"); // slow enough for the user to press Cancel
    S.OnProgress([this](const TFakeUi::TReport& r) {
        if (r.Kind == 2) S.Ui.Progress.Cancel();
    });
    EXPECT_EQ(CopyEntryToFolder(*S.Server, "BIG", 17, 70000, S.Folder), "");
    EXPECT_FALSE(fs::exists(S.File("BIG.zq")));
    ExpectFailedCleanly();
}

TEST_F(Faults, CancelledBinaryPutStoresNothing) {
    const std::string file = S.File("NEW.zq");
    WriteStringToFile(S.Var("LST"), file);
    S.Control("cancel");
    bool all = false;
    EXPECT_EQ(PutFileToCalc(*S.Server, file, all, 1, false), TPutOutcome::Failed);
    EXPECT_EQ(S.Var("NEW"), "");
    EXPECT_FALSE(S.Ui.Main.Connected);
}

TEST_F(Faults, FailedLongTextPutCompilesNothing) {
    const std::string file = S.File("X.txt");
    WriteStringToFile("%%ZQ: T(3)A(D)F(.);\n\"" + std::string(400, 'w') + "\"", file);
    const std::string x = S.Var("X");
    S.Control("cancel");
    bool all = false;
    EXPECT_EQ(PutFileToCalc(*S.Server, file, all, 1, false), TPutOutcome::Failed);
    EXPECT_EQ(S.Var("X"), x);
    EXPECT_TRUE(S.Ui.Main.Messages.empty()); // not called an invalid text file
    EXPECT_TRUE(S.LeftInTempFolder().empty());
}

TEST_F(Faults, SilentCalculatorEndsWithTheConnectionError) {
    S.Control("mute");
    EXPECT_THROW(CopyMsg(), ELinkError);
    ExpectFailedCleanly();
}

TEST_F(Faults, HangUpBeforeAGet) {
    S.Control("hangup");
    try {
        EXPECT_EQ(CopyMsg(), "");
    } catch (const ELinkError&) {}
    ExpectFailedCleanly();
}

TEST_F(Faults, HangUpInTheMiddleOfAPut) {
    const std::string file = S.File("BIG2.zq");
    WriteStringToFile(S.Var("BIG"), file);
    int reports = 0;
    S.OnProgress([&](const TFakeUi::TReport& r) {
        if (r.Kind == 2 && ++reports == 10) S.Sim->Control("hangup");
    });
    bool all = false;
    // The engine ends with its error report; the put fails without an exception.
    EXPECT_EQ(PutFileToCalc(*S.Server, file, all, 1, false), TPutOutcome::Failed);
    EXPECT_GE(reports, 10);
    ExpectFailedCleanly({"BIG2.zq"});
}

TEST_F(Faults, DamagedBytesAndPacketsAreRecovered) {
    S.Control("corrupt-block 1");
    S.Control("drop-block 2");
    S.Control("bad-checksum");
    S.Control("zero-before-ack 2");
    const TXPObject* big = S.Find("HOME BIG");
    ASSERT_NE(big, nullptr);
    const std::string file = CopyEntryToFolder(*S.Server, "BIG", 17, big->SizeBytes, S.Folder);
    ASSERT_FALSE(file.empty());
    const std::string bytes = ReadFileToString(file);
    EXPECT_EQ(bytes.size(), S.Var("BIG").size());
    EXPECT_TRUE(bytes == S.Var("BIG"));
    EXPECT_TRUE(S.Ui.Main.Connected);
}

TEST_F(Faults, BackupInterruptedKeepsThePreviousArchive) {
    const std::string archive = S.File("MSG.zq"); // any previous file will do
    S.Control("throttle 115200");
    bool receiving = false;
    S.OnShow([&](const std::string& caption) { receiving = caption == "Copying " + archive; });
    S.OnProgress([&](const TFakeUi::TReport& r) {
        if (receiving && r.Kind == 2 && r.Position >= 4096) {
            receiving = false;
            S.Sim->Control("hangup");
        }
    });
    bool ok = true;
    try {
        ok = BackupToFile(*S.Server, archive);
    } catch (const ELinkError&) {
        ok = false;
    }
    EXPECT_FALSE(ok);
    EXPECT_TRUE(S.Server->Data.empty());
    ExpectFailedCleanly();
}

TEST_F(Faults, BackupStopsWhenTheArchiveProgramCannotBeSent) {
    S.Control("cancel");
    EXPECT_FALSE(BackupToFile(*S.Server, S.File("MSG.zq")));
    ExpectFailedCleanly();
    // Nothing more was asked of the calculator after the failed put.
    const std::string c = S.Sim->Stats().Commands;
    EXPECT_EQ(c.back(), 'P');
}

TEST_F(Faults, RestoreWithAFailedPutLeavesTheMemory) {
    const std::string listing = S.ListingText();
    // A file that is no backup archive is refused before anything is sent.
    const std::string list = S.File("list.zqbackup");
    WriteStringToFile(S.Var("LST"), list);
    const std::string commands = S.Sim->Stats().Commands;
    EXPECT_FALSE(RestoreFromFile(*S.Server, list));
    EXPECT_EQ(S.Sim->Stats().Commands, commands);
    EXPECT_EQ(S.Ui.Main.Messages,
              std::vector<std::string>{
                  "Restore: " + list +
                  " is a calculator object file holding a List, not a backup archive"});

    const std::string archive = S.File("a.zqbackup");
    WriteStringToFile(ObjectFile(BackupObj(DirObj({{"X", RealObj()}}))), archive);
    S.Control("cancel");
    EXPECT_FALSE(RestoreFromFile(*S.Server, archive));
    S.Control("clear-faults");
    S.Server->Connect(S.Port);
    S.Server->GetFileList();
    EXPECT_EQ(S.ListingText(), listing);
}

TEST(ManualFaults, CancelledXRecvFails) {
    TSimSession s;
    const std::string file = s.File("send.zq");
    WriteStringToFile(s.Var("LST"), file);
    s.OpenPortOnly();
    s.Ui.Prompt.ShowPrompt(TPromptKind::FileXRecv, "");
    s.Control("cancel");
    s.Control("xrecv COPY crc");
    EXPECT_FALSE(SendToXRecv(*s.Server, file));
    EXPECT_EQ(s.Var("COPY"), "");
    EXPECT_FALSE(s.Ui.Main.Connected);
}

} // namespace
} // namespace lw::test
