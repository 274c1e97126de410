// linkwell-cli and linkwell-sim as processes: the transfers the calculator starts (XRECV,
// XSEND, screen captures), backup and restore, and the USB calculator with the ROM download.
#include "CliHarness.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

using namespace std::chrono_literals;

TEST(CliManual, XRecvXSendAndCaptureOverTheSerialLine) {
    TSimProcess sim(false);
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;

    // XSEND: the calculator waits for the PC's start; the CLI receives into the file.
    ASSERT_EQ(sim.Control("xsend MSG").rfind("OK", 0), 0u);
    const TRunResult got = Cli(&sim, {"-q", "xmodem-receive", dir.File("msg.zq")});
    ASSERT_EQ(got.Status, 0) << got.Err;
    EXPECT_EQ(got.Out, dir.File("msg.zq") + "\n");
    EXPECT_NE(ReadTestFile(dir.File("msg.zq")).find("Hello from the calculator!"),
              std::string::npos);
    EXPECT_NE(got.Err.find("Press XSEND"), std::string::npos) << "the RPN prompt: " << got.Err;

    // XRECV: the CLI waits (its prompt shown) until the calculator starts receiving.
    {
        auto cli =
            StartCli(&sim, {"-q", "--alg", "-s", "19200", "xmodem-send", dir.File("msg.zq")});
        ASSERT_TRUE(Printed(*cli, "Press XRECV or type XRECV")) << cli->Err(); // ALG wording
        EXPECT_NE(sim.Control("status").find(" baud=19200"), std::string::npos);
        ASSERT_EQ(sim.Control("xrecv COPY").rfind("OK", 0), 0u);
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
        EXPECT_NE(cli->Err().find("The file should now be in the 'X' variable"), std::string::npos);
    }
    EXPECT_TRUE(HasLine(Cli(&sim, {"ls"}).Out, "COPY\t"));

    // Two captures in two layouts, saved as FILE-1.png and FILE-2.png.
    {
        auto cli = StartCli(&sim, {"-q", "capture", "-n", "2", "-o", dir.File("shot.png")});
        ASSERT_TRUE(Printed(*cli, "Capture begins when Calculator starts sending")) << cli->Err();
        ASSERT_EQ(sim.Control("capture band").rfind("OK", 0), 0u);
        ASSERT_TRUE(Printed(*cli, "Another Capture begins")) << cli->Err();
        ASSERT_EQ(sim.Control("capture header").rfind("OK", 0), 0u);
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
        EXPECT_EQ(cli->Out(), dir.File("shot-1.png") + "\n" + dir.File("shot-2.png") + "\n");
    }
    for (const char* name : {"shot-1.png", "shot-2.png"})
        EXPECT_EQ(ReadTestFile(dir.File(name)).substr(1, 3), "PNG") << name;

    // A capture the user cancels (Ctrl-C while waiting) writes nothing.
    {
        auto cli = StartCli(&sim, {"-q", "capture", "-o", dir.File("none.bmp")});
        ASSERT_TRUE(Printed(*cli, "Capture begins")) << cli->Err();
        cli->Kill(SIGINT);
        EXPECT_EQ(cli->Wait(30s), 1) << cli->Err();
        EXPECT_EQ(ErrorLines(cli->Err()), (std::vector<std::string>{"linkwell-cli: cancelled"}));
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("none.bmp")));
}

TEST(CliManual, BackupAndRestoreTheWholeMemory) {
    TSimProcess sim(false);
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    const std::string before = Cli(&sim, {"ls", "-R"}).Out;
    const TRunResult backup = Cli(&sim, {"-q", "backup", dir.File("all.zqbackup")});
    ASSERT_EQ(backup.Status, 0) << backup.Err;
    const std::string archive = ReadTestFile(dir.File("all.zqbackup"));
    EXPECT_EQ(archive.substr(0, 6), "ZQZQKB");
    EXPECT_GT(archive.size(), 66000u);

    ASSERT_EQ(Cli(&sim, {"rm", "X"}).Status, 0);
    const TRunResult restore = Cli(&sim, {"-q", "-y", "restore", dir.File("all.zqbackup")});
    ASSERT_EQ(restore.Status, 0) << restore.Err;
    EXPECT_NE(restore.Err.find("restart the server"), std::string::npos) << restore.Err;
    // The restore stopped the calculator's server; restarted, it lists the old memory.
    sim.Control("server");
    const std::string after = Cli(&sim, {"ls", "-R"}).Out;
    EXPECT_TRUE(HasLine(after, "HOME X\t")) << after;
    EXPECT_EQ(Lines(after).size(), Lines(before).size() + 1) << "plus the flag program FLAG";
}

TEST(CliManual, UsbCalculatorAndRomDownload) {
    TSimProcess sim(true);
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    const TRunResult ports = Cli(&sim, {"ports"});
    ASSERT_EQ(ports.Status, 0) << ports.Err;
    EXPECT_EQ(Lines(ports.Out).front(), "auto");
    EXPECT_EQ(Lines(ports.Out).back(), "usb") << "the names -p takes";

    // What cannot be an image, or goes without a person at a terminal, never reaches the
    // calculator (every kind of file is told apart in file_kinds_test).
    ASSERT_EQ(sim.Control("rom").rfind("OK", 0), 0u);
    WriteTestFile(dir.File("disk.img"), "");
    std::filesystem::resize_file(dir.File("disk.img"), (4u << 20) + 1); // sparse
    const TRunResult big = Cli(&sim, {"-q", "-y", "rom", dir.File("disk.img")});
    ExpectOneMessage(big, 1, dir.File("disk.img is too large for an operating-system image"));
    EXPECT_EQ(big.Err.find("Press 1 to load OS/ROM"), std::string::npos) << "before the prompt";
    WriteTestFile(dir.File("os.bin"), Pattern(5000));
    ExpectOneMessage(Cli(&sim, {"rom", dir.File("os.bin")}), 2,
                     "rom needs -y when no terminal is attached");
    EXPECT_EQ(sim.Control("status").rfind("OK mode=rom ", 0), 0u);

    const TRunResult rom = Cli(&sim, {"-q", "-y", "rom", dir.File("os.bin")});
    EXPECT_EQ(rom.Status, 0) << rom.Err;
    EXPECT_NE(rom.Err.find("Press 1 to load OS/ROM"), std::string::npos);
}

} // namespace
} // namespace lw::test
