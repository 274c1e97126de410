// What linkwell-cli refuses before anything reaches the calculator (a restore of a file that is
// no backup archive of this model, or without a person at a terminal), a capture loop that
// outlives a failed capture, and runs ended by signals (the line left to the next run) or by a
// hang-up.
#include "CliHarness.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

namespace lw::test {
namespace {

using namespace std::chrono_literals;

TEST(CliGuard, RestoreTakesOnlyABackupArchiveOfTheConnectedModel) {
    TSimSession sim;
    const std::string memory = Cli(&sim, {"ls", "-R"}).Out;
    // Every kind of file is told apart in-process (file_kinds_test); here the connected
    // model reaches the check, and a refusal is the one message with the file untouched.
    const std::string archive = ObjectFile(BackupObj(DirObj({{"X", RealObj()}})), "KA");
    WriteTestFile(sim.File("ka.zqbackup"), archive);
    ExpectOneMessage(
        Cli(&sim, {"-q", "-y", "restore", sim.File("ka.zqbackup")}), 1,
        sim.File("ka.zqbackup is a backup archive of a KA calculator, not of the connected KB"));
    EXPECT_EQ(ReadTestFile(sim.File("ka.zqbackup")), archive);
    ExpectOneMessage(Cli(&sim, {"restore", sim.File("ka.zqbackup")}), 2,
                     "restore needs -y when no terminal is attached");
    // Nothing was sent: the memory is as it was and the calculator's server still answers.
    EXPECT_EQ(Cli(&sim, {"ls", "-R"}).Out, memory);
}

TEST(CliGuard, AFailedCaptureIsReportedAndTheNextOneAwaited) {
    TSimSession sim({.RealLine = true});
    auto cli = StartCli(&sim, {"-q", "capture", "-o", sim.File("shot.png")});
    const std::string waiting = "Capture begins when Calculator starts sending";
    ASSERT_TRUE(Printed(*cli, waiting)) << cli->Err();
    sim.Control("capture oversize"); // more than a screen
    const std::string failed = "linkwell-cli: capture: the screen capture failed";
    ASSERT_TRUE(Printed(*cli, failed)) << cli->Err();
    ASSERT_TRUE(Printed(*cli, waiting, cli->Err().find(failed))) << cli->Err();
    sim.Control("capture band");
    EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    EXPECT_EQ(cli->Out(), sim.File("shot.png") + "\n");
    EXPECT_EQ(ErrorLines(cli->Err()).size(), 1u) << cli->Err();
    EXPECT_EQ(ReadTestFile(sim.File("shot.png")).substr(1, 3), "PNG");
}

TEST(CliGuard, RunsEndedBySignalsOrAHangUpLeaveNoPartialFile) {
    TSimSession sim({.RealLine = true});
    WriteTestFile(sim.File("BIG.zq"), ObjectFile(StringObj(std::string(12000, 'b'))));
    ASSERT_EQ(Cli(&sim, {"-q", "put", sim.File("BIG.zq")}).Status, 0);
    sim.Control("throttle 9600"); // transfers last seconds

    // SIGTERM in the middle of a get: cancelled as by Ctrl-C, the calculator told, no file.
    std::filesystem::create_directories(sim.File("out"));
    {
        auto cli = StartCli(&sim, {"-v", "get", "BIG", "-o", sim.File("out")});
        ASSERT_TRUE(Printed(*cli, "Receive begins")) << cli->Err();
        cli->Kill(SIGTERM);
        EXPECT_EQ(cli->Wait(30s), 1) << cli->Err();
        EXPECT_EQ(ErrorLines(cli->Err()), (std::vector<std::string>{"linkwell-cli: cancelled"}));
    }
    EXPECT_TRUE(std::filesystem::is_empty(sim.File("out")));
    const TRunResult afterTerm = Cli(&sim, {"-q", "ls"});
    EXPECT_EQ(afterTerm.Status, 0) << afterTerm.Err;

    // SIGKILL in the middle of a capture: the program releases nothing itself.
    {
        auto cli = StartCli(&sim, {"-v", "capture", "-o", sim.File("shot.bmp")});
        ASSERT_TRUE(Printed(*cli, "Capture begins")) << cli->Err();
        sim.Control("capture band");
        ASSERT_TRUE(Printed(*cli, "Screen capture, first")) << cli->Err();
        cli->Kill(SIGKILL);
        EXPECT_EQ(cli->Wait(30s), 128 + SIGKILL);
    }
    ASSERT_NE(sim.Sim->WaitEvent("capture band sent", 30000), "");
    const TRunResult afterKill = Cli(&sim, {"-q", "ls"});
    EXPECT_EQ(afterKill.Status, 0) << afterKill.Err;
    EXPECT_TRUE(HasLine(afterKill.Out, "BIG\t")) << afterKill.Out;

    // A hang-up in the middle of a get: the one message, the previous file kept.
    WriteTestFile(sim.File("out/BIG.zq"), "previous");
    auto cli = StartCli(&sim, {"-v", "get", "BIG", "-o", sim.File("out")});
    ASSERT_TRUE(Printed(*cli, "Copying BIG")) << cli->Err();
    sim.Control("hangup");
    const int status = cli->Wait(60s);
    ExpectOneMessage({status, cli->Out(), cli->Err()}, 1, ""); // its words depend on the phase
    EXPECT_EQ(ReadTestFile(sim.File("out/BIG.zq")), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(sim.File("out")), {}), 1);
}

} // namespace
} // namespace lw::test
