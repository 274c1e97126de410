// The port layer over the USB device's FIFO pipes: the reader thread, the 80 ms polls, the
// 2500 ms rule, presence checks and draining.
#include "link/PortPosix.h"
#include "support/EngineHarness.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lw::test {
namespace {

class UsbPort : public ::testing::Test {
protected:
    void SetUp() override { OpenPort("ZQlink", 9600); }
    void TearDown() override { ClosePorts(CalcPort); }

    TFakeUi Ui;
    TFifoPeer Peer;
};

TEST_F(UsbPort, OpenUsesTheUsbProfileAndBothPipes) {
    EXPECT_TRUE(Ui.Main.Connected);
    EXPECT_TRUE(CalcPort.Traits().PacketReads);
    EXPECT_FALSE(CalcPort.Traits().HasSpeed);
    EXPECT_EQ(LinkTiming.AfterPulse, 50u);
    EXPECT_EQ(port::UsbDevicePath(UsbDeviceName), Peer.Root() + "/ZQlink");

    // Timeouts are a serial matter.
    SetReadTimeouts(CalcPort, 5, 5);
    EXPECT_EQ(CalcPort.ReadTotalConstant, 0u);
}

TEST_F(UsbPort, PartialAndTimedOutReads) {
    Peer.Write("abc");
    std::string six(6, 'x');
    uint64_t ms = Timed([&] { EXPECT_EQ(ReadComm(CalcPort, six, 500), 3); });
    EXPECT_EQ(six, std::string("abc\0\0\0", 6));
    // The run of empty polls is dated from the end of the first one: 80 ms + 500 ms.
    EXPECT_GE(ms, 580u);

    CalcPort.NoDataSince = 0; // as the server client does before a wait
    std::string one(1, 'x');
    ms = Timed([&] { EXPECT_EQ(ReadComm(CalcPort, one, 300), 0); });
    EXPECT_EQ(one[0], '\0');
    EXPECT_GE(ms, 380u);
    EXPECT_NE(CalcPort.NoDataSince, 0u); // the run of empty polls goes on across calls

    // The shortest time-out still takes two polls; a run that goes on needs only one more.
    CalcPort.NoDataSince = 0;
    ms = Timed([&] { EXPECT_EQ(ReadComm(CalcPort, one, 10), 0); });
    EXPECT_GE(ms, 160u);
    ms = Timed([&] { EXPECT_EQ(ReadComm(CalcPort, one, 10), 0); });
    EXPECT_GE(ms, 80u);

    // A zero-length read still polls and leaves what came in the buffer.
    CalcPort.NoDataSince = 0;
    Peer.Write("xyz");
    std::string none;
    EXPECT_EQ(ReadComm(CalcPort, none, 500), 0);
    std::string three(3, '\0');
    EXPECT_EQ(ReadComm(CalcPort, three, 500), 3);
    EXPECT_EQ(three, "xyz");
}

TEST_F(UsbPort, SilenceOf2500MsIsASeriousErrorUnlessADialogIsUp) {
    std::string one(1, '\0');
    uint64_t ms = Timed([&] { EXPECT_THROW(ReadComm(CalcPort, one, 2500), ELinkError); });
    EXPECT_GE(ms, 2580u); // the first empty poll, then 2500 ms
    EXPECT_FALSE(Ui.Main.Connected);

    CalcPort.NoDataSince = 0;
    Ui.Status.BusyVisible = true;
    ms = Timed([&] { EXPECT_EQ(ReadComm(CalcPort, one, 2500), 0); });
    EXPECT_GE(ms, 2580u);

    // With the prompt dialog up, short reads may wait on: each 2500 ms run starts anew.
    Ui.Status.BusyVisible = false;
    Ui.Prompt.Visible = true;
    CalcPort.NoDataSince = 0;
    for (int i = 0; i < 6; ++i) EXPECT_EQ(ReadComm(CalcPort, one, 500), 0);
    TPeerThread late([&] { Peer.Write("!"); });
    late.Join();
    EXPECT_EQ(ReadComm(CalcPort, one, 500), 1);
    EXPECT_EQ(one, "!");
}

TEST_F(UsbPort, HangUpIsNoticedAndTheReaderStops) {
    Peer.Write("ab");
    std::string two(2, '\0');
    EXPECT_EQ(ReadComm(CalcPort, two, 500), 2);
    EXPECT_TRUE(port::ReaderRunning());

    Ui.Prompt.Visible = true;
    Peer.Hangup();
    std::string one(1, '\0');
    EXPECT_THROW(ReadComm(CalcPort, one, 500), ELinkError);
    EXPECT_FALSE(Ui.Prompt.Visible); // the presence check hides the prompt dialog
    EXPECT_FALSE(Ui.Main.Connected);
    // No reader on the other end: an error return, not a signal.
    EXPECT_THROW(WriteComm(CalcPort, "x"), ELinkError);

    ClosePorts(CalcPort);
    EXPECT_FALSE(port::ReaderRunning());
    EXPECT_FALSE(CalcPort.IsOpen());
}

TEST(UsbPortOpen, AFurtherDeviceIsCheckedByItsOwnName) {
    TFakeUi ui;
    TFifoPeer peer("_2");
    OpenPort("ZQlink_2", 9600);
    peer.Write("ok");
    std::string two(2, '\0');
    EXPECT_EQ(ReadComm(CalcPort, two, 500), 2);
    EXPECT_EQ(two, "ok");
    ClosePorts(CalcPort);
}

TEST(UsbPortOpen, FailsWithoutADevice) {
    TFakeUi ui;
    {
        TFifoPeer peer;
        peer.Hangup(); // folder gone
        EXPECT_THROW(OpenPort("ZQlink", 9600), ELinkError);
        EXPECT_FALSE(ui.Main.Connected);
        EXPECT_FALSE(CalcPort.IsOpen());

        // The folder and pipes exist but no calculator holds them.
        const std::string dir = peer.Root() + "/ZQlink";
        ::mkdir(dir.c_str(), 0700);
        ::mkfifo((dir + "/PIPE0").c_str(), 0600);
        ::mkfifo((dir + "/PIPE1").c_str(), 0600);
        EXPECT_THROW(OpenPort("ZQlink", 9600), ELinkError);
        EXPECT_FALSE(CalcPort.IsOpen());
    }
    ClosePorts(CalcPort);
}

} // namespace
} // namespace lw::test
