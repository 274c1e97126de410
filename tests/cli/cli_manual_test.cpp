// linkwell-cli against the simulated calculator: the transfers the calculator starts (XRECV,
// screen captures; XSEND with the terminal test), backup and restore, and the USB calculator
// with the ROM download.
#include "CliHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lw::test {
namespace {

using namespace std::chrono_literals;

TEST(CliManual, XRecvAndCaptureOverTheSerialLine) {
    TSimSession sim({.RealLine = true});
    WriteTestFile(sim.File("msg.zq"), sim.Var("MSG"));

    // XRECV: the CLI waits (its prompt shown) until the calculator starts receiving.
    {
        auto cli =
            StartCli(&sim, {"-q", "--alg", "-s", "19200", "xmodem-send", sim.File("msg.zq")});
        ASSERT_TRUE(Printed(*cli, "Press XRECV or type XRECV")) << cli->Err(); // ALG wording
        EXPECT_NE(sim.Sim->Control("status").find(" baud=19200"), std::string::npos);
        sim.Control("xrecv COPY");
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
        EXPECT_NE(cli->Err().find("The file should now be in the 'X' variable"), std::string::npos);
    }

    // Two captures in two layouts, saved as FILE-1.png and FILE-2.png.
    {
        auto cli = StartCli(&sim, {"-q", "capture", "-n", "2", "-o", sim.File("shot.png")});
        ASSERT_TRUE(Printed(*cli, "Capture begins when Calculator starts sending")) << cli->Err();
        sim.Control("capture band");
        ASSERT_TRUE(Printed(*cli, "Another Capture begins")) << cli->Err();
        sim.Control("capture header");
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
        EXPECT_EQ(cli->Out(), sim.File("shot-1.png") + "\n" + sim.File("shot-2.png") + "\n");
    }
    for (const char* name : {"shot-1.png", "shot-2.png"})
        EXPECT_EQ(ReadTestFile(sim.File(name)).substr(1, 3), "PNG") << name;

    // A capture the user cancels (Ctrl-C while waiting) writes nothing.
    {
        auto cli = StartCli(&sim, {"-q", "capture", "-o", sim.File("none.bmp")});
        ASSERT_TRUE(Printed(*cli, "Capture begins")) << cli->Err();
        cli->Kill(SIGINT);
        EXPECT_EQ(cli->Wait(30s), 1) << cli->Err();
        EXPECT_EQ(ErrorLines(cli->Err()), (std::vector<std::string>{"linkwell-cli: cancelled"}));
    }
    EXPECT_FALSE(std::filesystem::exists(sim.File("none.bmp")));
}

TEST(CliManual, BackupAndRestoreTheWholeMemory) {
    TSimSession sim;
    const TRunResult backup = Cli(&sim, {"-q", "backup", sim.File("all.zqbackup")});
    ASSERT_EQ(backup.Status, 0) << backup.Err;
    // The archive's content is the Backup tests' (transfer_sim).
    EXPECT_GT(ReadTestFile(sim.File("all.zqbackup")).size(), 66000u);

    ASSERT_EQ(Cli(&sim, {"rm", "X"}).Status, 0);
    const TRunResult restore = Cli(&sim, {"-q", "-y", "restore", sim.File("all.zqbackup")});
    ASSERT_EQ(restore.Status, 0) << restore.Err;
    EXPECT_NE(restore.Err.find("restart the server"), std::string::npos) << restore.Err;
    // The restore stopped the calculator's server; restarted, it lists the old memory.
    sim.Control("server");
    EXPECT_TRUE(HasLine(Cli(&sim, {"ls"}).Out, "X\t"));
}

TEST(CliManual, UsbCalculatorAndRomDownload) {
    TSimSession sim({.Usb = true, .RealLine = true});
    const TRunResult ports = Cli(&sim, {"ports"});
    ASSERT_EQ(ports.Status, 0) << ports.Err;
    EXPECT_EQ(Lines(ports.Out).front(), "auto");
    EXPECT_EQ(Lines(ports.Out).back(), "usb") << "the names -p takes";

    // What cannot be an image, or goes without a person at a terminal, never reaches the
    // calculator (every kind of file is told apart in file_kinds_test).
    sim.Control("rom");
    WriteTestFile(sim.File("disk.img"), "");
    std::filesystem::resize_file(sim.File("disk.img"), (4u << 20) + 1); // sparse
    const TRunResult big = Cli(&sim, {"-q", "-y", "rom", sim.File("disk.img")});
    ExpectOneMessage(big, 1, sim.File("disk.img is too large for an operating-system image"));
    EXPECT_EQ(big.Err.find("Press 1 to load OS/ROM"), std::string::npos) << "before the prompt";
    WriteTestFile(sim.File("os.bin"), Pattern(5000));
    ExpectOneMessage(Cli(&sim, {"rom", sim.File("os.bin")}), 2,
                     "rom needs -y when no terminal is attached");
    EXPECT_EQ(sim.Sim->Control("status").rfind("OK mode=rom ", 0), 0u);

    const TRunResult rom = Cli(&sim, {"-q", "-y", "rom", sim.File("os.bin")});
    EXPECT_EQ(rom.Status, 0) << rom.Err;
    EXPECT_NE(rom.Err.find("Press 1 to load OS/ROM"), std::string::npos);
}

} // namespace
} // namespace lw::test
