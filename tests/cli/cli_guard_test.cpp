// What linkwell-cli refuses before anything reaches the calculator (a restore of a file that is
// no backup archive, an operating-system image that cannot be one, both without a person at
// a terminal), a capture loop that outlives a failed capture, and runs ended by signals that
// leave the line to the next run.
#include "CliHarness.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

#include <csignal>

namespace lw::test {
namespace {

using namespace std::chrono_literals;

TEST(CliGuard, RestoreTakesOnlyABackupArchiveOfTheConnectedModel) {
    TSimProcess sim(false);
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    const std::string memory = Cli(&sim, {"ls", "-R"}).Out;
    ASSERT_EQ(Cli(&sim, {"-q", "get", "MSG", "-o", dir.Path}).Status, 0);
    WriteTestFile(dir.File("notes.txt"), "Milk\nBread\n");
    WriteTestFile(dir.File("empty.zqbackup"), "");
    WriteTestFile(dir.File("ka.zqbackup"), ObjectFile(BackupObj(DirObj({{"X", RealObj()}})), "KA"));
    const std::pair<std::string, std::string> refused[] = {
        {dir.File("notes.txt"), dir.File("notes.txt is a text file, not a backup archive")},
        {dir.File("empty.zqbackup"),
         dir.File("empty.zqbackup is an empty file, not a backup archive")},
        {dir.File("MSG.zq"),
         dir.File("MSG.zq is a calculator object file holding a String, not a backup archive")},
        {dir.File("ka.zqbackup"),
         dir.File("ka.zqbackup is a backup archive of a KA calculator, not of the connected KB")},
    };
    for (const auto& [file, message] : refused) {
        const std::string before = ReadTestFile(file);
        ExpectOneMessage(Cli(&sim, {"-q", "-y", "restore", file}), 1, message);
        EXPECT_EQ(ReadTestFile(file), before);
    }
    ExpectOneMessage(Cli(&sim, {"restore", dir.File("notes.txt")}), 2,
                     "restore needs -y when no terminal is attached");
    // Nothing was sent: the memory is as it was and the calculator's server still answers.
    EXPECT_EQ(Cli(&sim, {"ls", "-R"}).Out, memory);
}

TEST(CliGuard, RomSendsOnlyWhatCanBeAnOperatingSystemImage) {
    TSimProcess sim(true);
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    ASSERT_EQ(sim.Control("rom").rfind("OK", 0), 0u);
    WriteTestFile(dir.File("empty.bin"), "");
    WriteTestFile(dir.File("x.zq"), ObjectFile(RealObj()));
    WriteTestFile(dir.File("x.txt"), "%%ZQ: T(3)A(D)F(.);\n1\n");
    WriteTestFile(dir.File("disk.img"), "");
    std::filesystem::resize_file(dir.File("disk.img"), (4u << 20) + 1); // sparse
    const std::pair<std::string, std::string> refused[] = {
        {dir.File("empty.bin"),
         dir.File("empty.bin is an empty file, not an operating-system image")},
        {dir.File("x.zq"),
         dir.File("x.zq is a calculator object file, not an operating-system image")},
        {dir.File("x.txt"),
         dir.File("x.txt is a calculator text file, not an operating-system image")},
        {dir.File("disk.img"), dir.File("disk.img is too large for an operating-system image")},
    };
    for (const auto& [file, message] : refused) {
        const TRunResult r = Cli(&sim, {"-q", "-y", "rom", file});
        ExpectOneMessage(r, 1, message);
        EXPECT_EQ(r.Err.find("Press 1 to load OS/ROM"), std::string::npos) << "before the prompt";
    }
    WriteTestFile(dir.File("os.bin"), std::string(3000, '\x5A'));
    ExpectOneMessage(Cli(&sim, {"rom", dir.File("os.bin")}), 2,
                     "rom needs -y when no terminal is attached");
    // The calculator still waits for an image: nothing reached it.
    EXPECT_EQ(sim.Control("status").rfind("OK mode=rom ", 0), 0u);
}

TEST(CliGuard, AFailedCaptureIsReportedAndTheNextOneAwaited) {
    TSimProcess sim(false);
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    auto cli = StartCli(&sim, {"-q", "capture", "-o", dir.File("shot.png")});
    const std::string waiting = "Capture begins when Calculator starts sending";
    ASSERT_TRUE(Printed(*cli, waiting)) << cli->Err();
    ASSERT_EQ(sim.Control("capture oversize").rfind("OK", 0), 0u); // more than a screen
    const std::string failed = "linkwell-cli: capture: the screen capture failed";
    ASSERT_TRUE(Printed(*cli, failed)) << cli->Err();
    ASSERT_TRUE(Printed(*cli, waiting, cli->Err().find(failed))) << cli->Err();
    ASSERT_EQ(sim.Control("capture band").rfind("OK", 0), 0u);
    EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    EXPECT_EQ(cli->Out(), dir.File("shot.png") + "\n");
    EXPECT_EQ(ErrorLines(cli->Err()).size(), 1u) << cli->Err();
    EXPECT_EQ(ReadTestFile(dir.File("shot.png")).substr(1, 3), "PNG");
}

TEST(CliGuard, ARunEndedBySignalsLeavesTheLineToTheNext) {
    TSimProcess sim(false);
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    WriteTestFile(dir.File("BIG.zq"), ObjectFile(StringObj(std::string(12000, 'b'))));
    ASSERT_EQ(Cli(&sim, {"-q", "put", dir.File("BIG.zq")}).Status, 0);
    ASSERT_EQ(sim.Control("throttle 9600").rfind("OK", 0), 0u); // transfers last seconds

    // SIGTERM in the middle of a get: cancelled as by Ctrl-C, the calculator told, no file.
    std::filesystem::create_directories(dir.File("out"));
    {
        auto cli = StartCli(&sim, {"-v", "get", "BIG", "-o", dir.File("out")});
        ASSERT_TRUE(Printed(*cli, "Receive begins")) << cli->Err();
        cli->Kill(SIGTERM);
        EXPECT_EQ(cli->Wait(30s), 1) << cli->Err();
        EXPECT_EQ(ErrorLines(cli->Err()), (std::vector<std::string>{"linkwell-cli: cancelled"}));
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.File("out")));
    const TRunResult afterTerm = Cli(&sim, {"-q", "ls"});
    EXPECT_EQ(afterTerm.Status, 0) << afterTerm.Err;

    // SIGKILL in the middle of a capture: the program releases nothing itself.
    {
        auto cli = StartCli(&sim, {"-v", "capture", "-o", dir.File("shot.bmp")});
        ASSERT_TRUE(Printed(*cli, "Capture begins")) << cli->Err();
        ASSERT_EQ(sim.Control("capture band").rfind("OK", 0), 0u);
        ASSERT_TRUE(Printed(*cli, "Screen capture, first")) << cli->Err();
        cli->Kill(SIGKILL);
        EXPECT_EQ(cli->Wait(30s), 128 + SIGKILL);
    }
    ASSERT_TRUE(sim.WaitEvent("capture band sent"));
    const TRunResult afterKill = Cli(&sim, {"-q", "ls"});
    EXPECT_EQ(afterKill.Status, 0) << afterKill.Err;
    EXPECT_TRUE(HasLine(afterKill.Out, "BIG\t")) << afterKill.Out;
}

} // namespace
} // namespace lw::test
