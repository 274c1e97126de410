// Work the calculator starts itself, the two transports' life cycle, and the control channel.
#include "SimFixture.h"

#include "link/XModemCodec.h"
#include "sim/link/SimCapture.h"
#include "support/WaitUntil.h"

#include <chrono>
#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace lw::test {
namespace {

class TSimWork : public TSimBoth {};

TEST_P(TSimWork, XsendSendsTheVariableWhenThePcStartsOrIsAborted) {
    Begin();
    EXPECT_EQ(S->Sim->Control("xsend NONE"), "ERROR: no variable NONE");
    ASSERT_EQ(S->Sim->Control("xsend X"), "OK xsend started");
    EXPECT_EQ(S->Sim->Control("capture w"), "ERROR: busy");
    std::string data;
    ASSERT_TRUE(S->Pc->ReceiveXModem(NAK, data));
    EXPECT_EQ(data.substr(0, 100), ObjectFile(100));
    EXPECT_FALSE(S->Sim->WaitEvent("xsend X done 100 bytes", 2000).empty());
    // An abort ends a transfer that waits for the PC; the server serves again.
    EXPECT_EQ(S->Sim->Control("abort"), "ERROR: nothing to abort");
    ASSERT_EQ(S->Sim->Control("xsend X"), "OK xsend started");
    ASSERT_EQ(S->Sim->Control("abort"), "OK abort");
    EXPECT_FALSE(S->Sim->WaitEvent("xsend aborted", 2000).empty());
    EXPECT_TRUE(Serves());
}

TEST_P(TSimWork, XrecvStoresWithEachStartByte) {
    Begin();
    const std::string file = ObjectFile(300);
    for (auto [name, start] : {std::pair{"nak", NAK}, std::pair{"crc", uint8_t('C')},
                               std::pair{"kermit", uint8_t('D')}}) {
        ASSERT_EQ(S->Sim->Control(std::string("xrecv NEW ") + name), "OK xrecv started");
        ASSERT_EQ(S->Pc->ReadByte(2000), start) << name;
        ASSERT_TRUE(S->Pc->SendXModem(start, file)) << name;
        EXPECT_FALSE(S->Sim->WaitEvent("xrecv NEW stored 384 bytes", 2000).empty()) << name;
    }
    EXPECT_EQ(S->Var("NEW").substr(0, 300), file);
    EXPECT_EQ(S->Sim->Control("xrecv A bogus"), "ERROR: unknown start byte bogus");
}

TEST_P(TSimWork, CapturesArriveInEachLayout) {
    std::string rows(64 * 17, '\0');
    rows[0] = 0x01;           // pixel (0, 0)
    rows[17 * 9 + 16] = 0x04; // pixel (130, 9)
    Begin({}, [&](TFakeCalculator& c) { c.Screen = rows; });
    struct {
        const char* Name;
        size_t Size;
    } layouts[] = {{"band", 1081},   {"w", 1090},       {"g", 1090},
                   {"header", 1094}, {"planes2", 2182}, {"oversize", 2726}};
    for (const auto& l : layouts) {
        ASSERT_EQ(S->Sim->Control(std::string("capture ") + l.Name), "OK capture started");
        std::string c = S->Pc->Drain(200);
        ASSERT_EQ(c.size(), l.Size) << l.Name;
        EXPECT_FALSE(S->Sim->WaitEvent(std::string("capture ") + l.Name, 2000).empty());
        if (c[0] == 27) { // band: bit k of column x in band b is pixel (x, 8b + k)
            EXPECT_EQ(uint8_t(c[2]), 0x01);
            EXPECT_EQ(uint8_t(c[135 + 2 + 130]), 0x02);
            EXPECT_EQ(uint8_t(c[3]), 0x00);
        } else if (c[1] == 'W' || c[1] == 'G') {
            EXPECT_EQ(c.substr(2), rows);
        } else {
            int planes = c[3], height = uint8_t(c[4]), width = uint8_t(c[5]);
            EXPECT_EQ(width, 131);
            EXPECT_EQ(size_t(planes * height * 17), c.size() - 6);
            EXPECT_EQ(c.substr(6, rows.size()), rows);
        }
    }
    EXPECT_EQ(S->Sim->Control("capture tiff"), "ERROR: unknown layout tiff");
}

TEST_P(TSimWork, KermitServerSendsIdlePacketsAndNoXModemAnswers) {
    Begin();
    ASSERT_EQ(S->Sim->Control("kermit"), "OK kermit");
    S->Pc->WriteByte('V');
    std::string seen = S->Pc->Read(200, 400);
    ASSERT_GE(seen.size(), 14u);
    EXPECT_EQ(seen[0], '\x01');
    EXPECT_EQ(seen.substr(0, 6), sim::KermitIdlePacket(0));
    EXPECT_EQ(seen.find("XMODEM"), std::string::npos);
    ASSERT_EQ(S->Sim->Control("server"), "OK server");
    S->Pc->Drain(100);
    EXPECT_TRUE(Serves());
}

TEST_P(TSimWork, HangUpClosesTheLineAndRemovesIt) {
    Begin();
    ASSERT_EQ(S->Sim->Control("hangup"), "OK hangup");
    EXPECT_FALSE(S->Sim->WaitEvent("hung up", 2000).empty());
    S->Pc->Read(1, 1000);
    EXPECT_TRUE(S->Pc->Lost());
    struct stat st {};
    if (GetParam()) {
        EXPECT_NE(stat(S->Device.c_str(), &st), 0); // the device folder is gone
    }
    EXPECT_EQ(S->Sim->Control("status").find("OK mode=hung-up"), 0u);
    EXPECT_EQ(S->Sim->Control("xsend X"), "ERROR: hung up");
}

TEST_P(TSimWork, StopIsPromptEvenWhileATransferWaits) {
    Begin();
    ASSERT_EQ(S->Sim->Control("xsend X"), "OK xsend started");
    // The transfer would wait 20 s for the PC; the stop does not wait for it.
    auto stopped = std::async(std::launch::async, [&] { S->Sim->Stop(); });
    ASSERT_EQ(stopped.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(S->Sim->Control("hangup"), "ERROR: not attached");
}

INSTANTIATE_TEST_SUITE_P(Transports, TSimWork, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Serial"; });

class TSimLine : public TSimFixture {};

TEST_F(TSimLine, RomModeTakesTheLengthAndTheImage) {
    Begin(true);
    ASSERT_EQ(S->Sim->Control("rom"), "OK rom");
    std::string image(100000, '\0');
    for (size_t i = 0; i < image.size(); ++i) image[i] = char(i * 13);
    std::string length = {char(0xA0), char(0x86), char(0x01), char(0x00)}; // 100000
    for (size_t pos = 0; pos < image.size(); pos += 2048)
        S->Pc->Write((pos ? "" : length) + image.substr(pos, 2048));
    EXPECT_FALSE(S->Sim->WaitEvent("rom received 100000 bytes", 5000).empty());
    sim::TSimStats s = S->Sim->Stats();
    EXPECT_TRUE(s.RomComplete);
    EXPECT_EQ(s.RomLength, 100000u);
    EXPECT_EQ(s.RomImage, image);

    ASSERT_EQ(S->Sim->Control("rom"), "OK rom");
    S->Pc->Write(std::string("\x10\x00\x00\x00", 4) + "short");
    EXPECT_FALSE(S->Sim->WaitEvent("rom short: 5 of 16 bytes", 5000).empty());
    EXPECT_FALSE(S->Sim->Stats().RomComplete);
}

// The serial line: raw whatever the PC sets, open again after the PC closed it, no ROM mode.
TEST_F(TSimLine, SerialLineStaysRawReopensAndRefusesRomMode) {
    Begin(false);
    EXPECT_EQ(S->Sim->Control("rom"), "ERROR: ROM loading needs the USB pipes");
    termios t{};
    ASSERT_EQ(tcgetattr(S->Pc->Fd(), &t), 0);
    t.c_lflag |= ECHO | ICANON;
    t.c_oflag |= OPOST | ONLCR;
    ASSERT_EQ(tcsetattr(S->Pc->Fd(), TCSANOW, &t), 0);
    // The simulator puts the line back to raw on its next turn.
    EXPECT_TRUE(WaitUntil([&] {
        tcgetattr(S->Pc->Fd(), &t);
        return (t.c_lflag & (ECHO | ICANON)) == 0;
    }));
    ASSERT_TRUE(Serves()); // no echo, no line editing in the way
    S->Pc.reset();
    S->OpenPc();
    EXPECT_TRUE(Serves());
}

TEST_F(TSimLine, KermitPacketsGoOnlyToAnOpenPort) {
    Begin(true, {.Kermit = true});
    EXPECT_EQ(S->Pc->Read(1, 500)[0], '\x01');
    const uint32_t held = S->Sim->Stats().KermitPacketsHeld;
    S->Pc.reset();
    // Ten packets' turns pass with the port closed.
    ASSERT_TRUE(WaitUntil([&] { return S->Sim->Stats().KermitPacketsHeld >= held + 10; }));
    S->OpenPc();
    EXPECT_LT(S->Pc->Read(100, 60).size(), 30u); // a fresh packet or two, no backlog
}

TEST_F(TSimLine, BytesThePcNeverReadAreLostWhenItCloses) {
    Begin(true);
    ASSERT_EQ(S->Sim->Control("capture w"), "OK capture started");
    ASSERT_FALSE(S->Sim->WaitEvent("capture w", 2000).empty());
    const uint32_t closes = S->Sim->Stats().PcCloses;
    S->Pc.reset();
    ASSERT_TRUE(WaitUntil([&] { return S->Sim->Stats().PcCloses > closes; }));
    S->OpenPc();
    EXPECT_EQ(S->Pc->Read(1, 200), "");
}

TEST_F(TSimLine, SymlinkIsMadeAndRemoved) {
    const TTempDir dir;
    const std::string link = dir.File("calc");
    sim::TSimulator sim({}, std::make_unique<TFakeCalculator>());
    EXPECT_EQ(sim.AttachSerial(link), link);
    struct stat st {};
    ASSERT_EQ(lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    sim.Start();
    std::string answer;
    EXPECT_TRUE(TSimClient(link).Ask('V', answer)); // the client closes the line again
    sim.Stop();
    EXPECT_NE(lstat(link.c_str(), &st), 0);
}

TEST(TSimControl, ConfigFaultsAndBadConfigs) {
    sim::TSimConfig config;
    config.Faults = {"nak 2", "throttle 9600"};
    sim::TSimulator sim(config, std::make_unique<TFakeCalculator>());
    EXPECT_EQ(sim.Control("status").find("OK mode=server"), 0u);
    EXPECT_EQ(sim.Control("frobnicate"), "ERROR: unknown command frobnicate (try help)");
    EXPECT_NE(sim.Control("help").find("xrecv NAME"), std::string::npos);
    config.Faults = {"nak"};
    EXPECT_THROW(sim::TSimulator(config, std::make_unique<TFakeCalculator>()),
                 std::invalid_argument);
    config.Faults.clear();
    config.StartByte = "xyz";
    EXPECT_THROW(sim::TSimulator(config, std::make_unique<TFakeCalculator>()),
                 std::invalid_argument);
}

} // namespace
} // namespace lw::test
