// Backing the whole memory up to a file and restoring it into an emptied calculator.
#include "support/SimSession.h"

#include "objects/DecompLength.h"
#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

// The listing without the flag-restoring program every backup carries.
std::string WithoutFlagProgram(const std::string& listing) {
    std::istringstream in(listing);
    std::string out;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("HOME fLaG\t", 0) != 0) out += line + "\n";
    return out;
}

TEST(Backup, RestoredIntoAnEmptyCalculatorListsTheSame) {
    const TTempDir keep;
    const std::string archive = keep.File("KB_5-Dec-2026.zqbackup");
    std::string listing;
    {
        TSimSession s;
        s.Connect();
        listing = s.ListingText();
        ASSERT_TRUE(BackupToFile(*s.Server, archive));
        EXPECT_TRUE(s.Ui.Main.Messages.empty()); // the length walk succeeded
        EXPECT_FALSE(s.Ui.Main.Busy);
        // The calculator is back in HOME without the flag program.
        s.Server->GetFileList();
        EXPECT_EQ(s.ListingText(), listing);
        EXPECT_TRUE(s.Server->Data.empty());
    }
    const std::string bytes = ReadFileToString(archive);
    std::string trimmed = bytes;
    bool odd = false;
    ASSERT_TRUE(DecompLength(trimmed, odd));
    EXPECT_EQ(trimmed.size(), bytes.size()); // written without padding
    EXPECT_GT(bytes.size(), 66000u);

    TSimSession empty({.Empty = true});
    empty.Connect();
    EXPECT_EQ(empty.ListingText(), "");
    EXPECT_TRUE(RestoreFromFile(*empty.Server, archive));
    EXPECT_FALSE(empty.Ui.Main.Connected);
    // The user restarts the server on the calculator and connects again.
    empty.Control("server");
    empty.Connect();
    EXPECT_EQ(WithoutFlagProgram(empty.ListingText()), listing);
    EXPECT_NE(empty.Find("HOME fLaG"), nullptr);
}

TEST(Backup, DeclinedSpeedChangeDoesNothing) {
    TSimSession s;
    s.Connect();
    const std::string archive = s.File("a.zqbackup");
    WriteStringToFile("previous", archive);
    s.State.RequiredSpeed = 9600;
    s.State.ModelName = "Calcualtor";
    s.Server->Data = "stale object of an earlier get";
    const std::string commands = s.Sim->Stats().Commands;
    s.Ui.Prompt.Answers = {false};
    EXPECT_FALSE(BackupToFile(*s.Server, archive));
    ASSERT_EQ(s.Ui.Prompt.Texts.size(), 1u);
    EXPECT_EQ(s.Ui.Prompt.Texts[0],
              "Backup requires that the ZQCalcualtor operate at \r\n115200 baud  (see IOPAR in "
              "VAR).\r\n\r\nMay I change the speed temporarily for the Screen Capture?");
    EXPECT_EQ(s.Ui.Prompt.Titles[0], "Set the calculator");
    EXPECT_EQ(s.Sim->Stats().Commands, commands);
    EXPECT_EQ(ReadTestFile(archive), "previous");
    EXPECT_GE(s.Ui.Main.Beeps, 1);
}

TEST(Backup, AcceptedSpeedChangeRunsTheBackup) {
    TSimSession s({.Speed = "19200"});
    s.Connect();
    s.State.RequiredSpeed = 115200;
    s.Ui.Prompt.Answers = {true};
    const std::string archive = s.File("b.zqbackup");
    ASSERT_TRUE(BackupToFile(*s.Server, archive));
    EXPECT_EQ(s.Ui.Prompt.Texts.size(), 1u);
    EXPECT_GT(ReadTestFile(archive).size(), 66000u);
    // The line is back at the server's speed: the connection still answers.
    s.Server->GetFileList();
    EXPECT_NE(s.Find("HOME BIG"), nullptr);
}

TEST(Backup, OverTheUsbPipes) {
    TSimSession s({.Usb = true});
    s.Connect();
    const std::string archive = s.File("usb.zqbackup");
    ASSERT_TRUE(BackupToFile(*s.Server, archive));
    EXPECT_TRUE(s.Ui.Prompt.Texts.empty());          // no speed to change on USB
    EXPECT_GT(ReadTestFile(archive).size(), 66000u); // its form: RestoredIntoAnEmptyCalculator
}

} // namespace
} // namespace lw::test
