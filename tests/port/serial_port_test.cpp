// The port layer over a real pseudo-terminal: opening, time-outs, reads, writes, draining and
// the serious-error path.
#include "link/Engines.h"
#include "link/PortPosix.h"
#include "support/EngineHarness.h"
#include "support/WaitUntil.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <termios.h>

namespace lw::test {
namespace {

// Bytes that arrived on the PC's end of the line and were not read yet.
int PendingInput(int fd) {
    int count = 0;
    return ::ioctl(fd, FIONREAD, &count) == 0 ? count : -1;
}

class SerialPort : public ::testing::Test {
protected:
    void SetUp() override { OpenPort(Peer.PortName(), 115200); }
    void TearDown() override { ClosePorts(CalcPort); }

    TFakeUi Ui;
    TPtyPeer Peer;
};

TEST_F(SerialPort, OpenSelectsProfileAndReportsConnected) {
    EXPECT_TRUE(Ui.Main.Connected);
    EXPECT_TRUE(CalcPort.Traits().HasSpeed);
    EXPECT_FALSE(CalcPort.Traits().PacketReads);
    EXPECT_GE(port::InputFd(CalcPort), 0);
    EXPECT_EQ(LinkTiming.AfterPacketAcked, 100u); // above 9600 baud: the fast profile
    EXPECT_EQ(CalcPort.ReadTotalConstant, 3000u);
    EXPECT_EQ(CalcPort.ReadTotalMultiplier, 1u);

    ClosePorts(CalcPort);
    OpenPort(Peer.PortName(), 9600);
    EXPECT_EQ(LinkTiming.AfterPacketAcked, 400u);
    EXPECT_EQ(LinkTiming.AbortPause, 1000u);
}

TEST_F(SerialPort, LineIsRawAndSpeedsChange) {
    termios tio{};
    ASSERT_EQ(::tcgetattr(port::InputFd(CalcPort), &tio), 0);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(tio.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(tio.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(tio.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B115200));

    ChangeSpeed(CalcPort, 2400);
    ASSERT_EQ(::tcgetattr(port::InputFd(CalcPort), &tio), 0);
    EXPECT_EQ(::cfgetospeed(&tio), static_cast<speed_t>(B2400));
    ChangeSpeed(CalcPort, 14400); // no B-constant: the arbitrary-rate interface
    EXPECT_THROW(ChangeSpeed(CalcPort, 0), ELinkError);
}

TEST_F(SerialPort, ReadsReturnWhatArrivedWithinTheTotalTimeout) {
    ShortTimeouts(CalcPort);
    std::string one(1, 'x');
    uint64_t ms = Timed([&] { EXPECT_EQ(ReadComm(CalcPort, one, 2500), 0); });
    EXPECT_EQ(one, std::string(1, '\0')); // a time-out reads as byte 0
    EXPECT_GE(ms, 100u);

    Peer.Write("abc");
    std::string six(6, 'x');
    ms = Timed([&] { EXPECT_EQ(ReadComm(CalcPort, six, 2500), 3); });
    EXPECT_EQ(six, std::string("abc\0\0\0", 6));
    EXPECT_GE(ms, 100u);

    std::string none;
    EXPECT_EQ(ReadComm(CalcPort, none, 2500), 0);

    // Both parts zero: a read waits for every byte. The second is sent only once the read has
    // taken the first, so the read is under way when it comes.
    SetReadTimeouts(CalcPort, 0, 0);
    const int pc = port::InputFd(CalcPort);
    TPeerThread late([&] {
        Peer.Write("1");
        EXPECT_TRUE(WaitUntil([&] { return PendingInput(pc) == 0; }));
        Peer.Write("2");
    });
    std::string two(2, '\0');
    EXPECT_EQ(ReadComm(CalcPort, two, 10), 2);
    EXPECT_EQ(two, "12");
}

TEST_F(SerialPort, LongReadsComeInPiecesAndEndAtSilence) {
    ShortTimeouts(CalcPort);
    std::string data;
    for (int i = 0; i < 5000; ++i) data += static_cast<char>('A' + i % 26);
    Peer.Write(data.substr(0, 3000));
    std::string big(3000, '\0');
    EXPECT_EQ(ReadComm(CalcPort, big, 2500), 3000);
    EXPECT_EQ(big, data.substr(0, 3000));

    // A long request whose sender stops half way returns what came after one quiet time-out.
    Peer.Write(data.substr(0, 2100));
    std::string longer(2500, 'x');
    EXPECT_EQ(ReadComm(CalcPort, longer, 2500), 2100);
    EXPECT_EQ(longer.substr(0, 2100), data.substr(0, 2100));
    EXPECT_EQ(longer.substr(2100), std::string(400, '\0'));

    // Below 2048 bytes, one read call: what a slow sender sends after the read's time-out is
    // left for the next read.
    Peer.Write("first");
    std::string twenty(20, '\0');
    EXPECT_EQ(ReadComm(CalcPort, twenty, 2500), 5);
    Peer.Write("second");
    EXPECT_EQ(ReadComm(CalcPort, twenty, 2500), 6);
    EXPECT_EQ(twenty.substr(0, 6), "second");
}

TEST_F(SerialPort, HangUpIsASeriousError) {
    const int fd = ::open("/dev/null", O_RDONLY);
    ReceiveFileHandle.Put(TFd(fd)); // an engine's open file is closed by the serious-error path
    Ui.Status.ConnectingVisible = true;
    Peer.Hangup();
    try {
        WriteComm(CalcPort, "hello");
        std::string b(4, '\0');
        ReadComm(CalcPort, b, 2500);
        FAIL() << "no error";
    } catch (const ELinkError& e) {
        EXPECT_STREQ(e.what(), "Connection Error.\r\nPlease check your connections.");
    }
    EXPECT_FALSE(Ui.Main.Connected);
    EXPECT_FALSE(Ui.Status.ConnectingVisible);
    EXPECT_TRUE(ReceiveFileHandle.Empty());
    EXPECT_EQ(::fcntl(fd, F_GETFD), -1);   // closed
    EXPECT_GE(port::InputFd(CalcPort), 0); // the port itself stays open
}

TEST(SerialPortOpen, FailuresAndNames) {
    TFakeUi ui;
    // The connection error is the failure; the cause is kept for the log.
    const std::pair<const char*, const char*> causes[] = {
        {"/dev/lw-no-such-device", "/dev/lw-no-such-device does not exist"},
        {"/dev/null", "/dev/null is not a serial device"},
        {"/tmp", "/tmp is not a serial device"},
    };
    for (const auto& [path, cause] : causes) {
        EXPECT_THROW(OpenPort(path, 9600), ELinkError);
        EXPECT_EQ(PortOpenFailure(), cause);
    }
    EXPECT_FALSE(ui.Main.Connected);

    // A device in use cannot be opened a second time.
    TPtyPeer peer;
    OpenPort(peer.PortName(), 19200);
    EXPECT_EQ(PortOpenFailure(), "");
    int err = 0;
    EXPECT_LT(port::OpenSerialDevice(peer.PortName(), err), 0);
    EXPECT_EQ(err, EBUSY);
    ClosePorts(CalcPort);
    int fd = port::OpenSerialDevice(peer.PortName(), err);
    EXPECT_GE(fd, 0) << "released by ClosePorts";
    // A claim ends with its descriptor, also when nobody released it (a killed program).
    ::close(fd);
    fd = port::OpenSerialDevice(peer.PortName(), err);
    EXPECT_GE(fd, 0) << "released by the kernel";
    port::CloseSerialDevice(fd);

    // Closing a closed record changes nothing.
    ClosePorts(CalcPort);
    EXPECT_FALSE(CalcPort.IsOpen());
    EXPECT_EQ(CalcPort.BufPos, 1u);

    EXPECT_TRUE(IsSerialPortName("/dev/ttyUSB0"));
    EXPECT_TRUE(IsSerialPortName("/dev/pts/3"));
    EXPECT_TRUE(IsSerialPortName("COM3"));
    EXPECT_FALSE(IsSerialPortName("COM"));
    EXPECT_FALSE(IsSerialPortName("ZQlink"));
    EXPECT_FALSE(IsSerialPortName("USB Calculator_1"));
    EXPECT_FALSE(IsSerialPortName("Auto"));
    EXPECT_EQ(port::SerialDevicePath("COM1"), "/dev/ttyS0");
}

// Both kinds of port: bytes pass unchanged both ways; ClearInput drains until the line is quiet.
class AnyPort : public ::testing::TestWithParam<TLinkKind> {
protected:
    void SetUp() override {
        Peer = MakePeer(GetParam());
        OpenPort(Peer->PortName(), 115200);
    }
    void TearDown() override { ClosePorts(CalcPort); }

    TFakeUi Ui;
    std::unique_ptr<TPeerLink> Peer;
};

TEST_P(AnyPort, BytesPassUnchangedAndClearInputDrainsUntilQuiet) {
    std::string all;
    for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
    WriteComm(CalcPort, all);
    EXPECT_EQ(Peer->Read(256, 2000), all);
    Peer->Write(all);
    std::string in(256, '\0');
    EXPECT_EQ(ReadComm(CalcPort, in, 2500), 256); // on USB several 64-byte reads
    EXPECT_EQ(in, all);
    EXPECT_EQ(CalcPort.NoDataSince, 0u);

    // Noise in five bursts, each sent once the port has taken the one before: the line is
    // never quiet for long while ClearInput runs.
    const int pc = port::InputFd(CalcPort);
    TPeerThread noise([&] {
        for (int i = 0; i < 5; ++i) {
            Peer->Write(std::string(300, 'n'));
            EXPECT_TRUE(WaitUntil([&] { return PendingInput(pc) == 0; }));
        }
    });
    ClearInput(CalcPort);
    noise.Join();
    EXPECT_EQ(CalcPort.BufCount, 0u);
    if (GetParam() == TLinkKind::Serial) { // the usual time-outs are back
        EXPECT_EQ(CalcPort.ReadTotalConstant, 3000u);
        EXPECT_EQ(CalcPort.ReadTotalMultiplier, 1u);
    }
    Peer->Write("fresh");
    std::string five(5, '\0');
    EXPECT_EQ(ReadComm(CalcPort, five, 500), 5);
    EXPECT_EQ(five, "fresh");
}

INSTANTIATE_TEST_SUITE_P(Links, AnyPort, ::testing::Values(TLinkKind::Serial, TLinkKind::Usb),
                         [](const auto& info) { return KindName(info.param); });

} // namespace
} // namespace lw::test
