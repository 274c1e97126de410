// The screen-capture receiver's three header layouts, its length limit, and the progress text
// that all engines share.
#include "support/EngineHarness.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

class Capture : public ::testing::Test {
protected:
    void SetUp() override { OpenPort(Peer.PortName(), 115200); }
    void TearDown() override { ClosePorts(CalcPort); }

    // Runs the receiver for a capture that began with `first` while the peer sends `rest`.
    std::string Receive(char first, const std::string& rest) {
        TPeerThread peer([&] { Peer.Write(rest); });
        TSRX srx(std::string(1, first), H.Status());
        EXPECT_EQ(H.Run(srx), TModalResult::Ok);
        Done = srx.Done();
        Outcome = srx.Outcome();
        return srx.Capture();
    }

    TEngineHarness H;
    TMemoryPeer Peer{false};
    bool Done = false;
    TCaptureOutcome Outcome = TCaptureOutcome::None;
};

TEST_F(Capture, EscapeStartsA1080ByteBody) {
    const std::string body = Pattern(1080, 2);
    EXPECT_EQ(Receive(27, body), "\x1b" + body);
    EXPECT_TRUE(Done);
    EXPECT_EQ(Outcome, TCaptureOutcome::Received);
    ASSERT_GE(H.Records.size(), 3u);
    EXPECT_EQ(H.Records[0].Position, 10);
    EXPECT_EQ(H.Records[1].Position, 90);
    EXPECT_EQ(H.Records.back().Kind, skFinished);
}

TEST_F(Capture, ShortHeaderIsRebuiltToNineBytes) {
    for (const char letter : {'W', 'G'}) {
        const std::string four("\x11\x22\x33\x44", 4);
        const std::string body = Pattern(1084, letter);
        const std::string got = Receive('\0', letter + four + body);
        ASSERT_EQ(got.size(), 1094u);
        EXPECT_EQ(got.substr(0, 10),
                  std::string(1, '\0') + letter + std::string("\x00\x01\x40\x83", 4) + four);
        EXPECT_EQ(got.substr(10), body);
    }
}

TEST_F(Capture, GeneralHeaderGivesPlanesTimesRowsTimesRowBytes) {
    const std::string header("\x01\x00\x01\x40\x83", 5); // 1 plane, 64 rows, 131 pixels
    const std::string body = Pattern(64 * 17, 7);
    EXPECT_EQ(Receive('\x05', header + body), "\x05" + header + body);
    // One header byte only: an empty capture.
    EXPECT_EQ(Receive('\x05', "Q"), "");
    EXPECT_TRUE(Done);
}

TEST_F(Capture, TooLongABodyFailsWithoutAPicture) {
    const std::string header("\x01\x00\x02\x50\x83", 5); // 2 x 80 x 17 = 2720 bytes
    EXPECT_EQ(Receive('\x05', header), "");
    EXPECT_EQ(Outcome, TCaptureOutcome::Failed);
    EXPECT_FALSE(Done);
    ASSERT_EQ(H.Ui.Main.Messages.size(), 1u);
    EXPECT_EQ(H.Ui.Main.Messages[0].substr(0, 6), "Error:");
}

TEST(ProgressText, BytesBelow10KbPerSecondKbytesAbove) {
    EXPECT_EQ(ProgressText(2048, 4096, 999), "2048/4096 bytes\r\n(50%)\r\n2048 bytes/s");
    // 20480 bytes in 1 s: Kbytes, the percentage from Done - 1.
    EXPECT_EQ(ProgressText(20480, 40960, 999), "20/40 Kbytes\r\n(49%)\r\n20 Kbytes/s");
    EXPECT_EQ(ProgressText(0, 300, 0), "0/300 bytes\r\n(0%)\r\n0 bytes/s");
    // No overflow for large files.
    EXPECT_EQ(ProgressText(int64_t(3) << 32, int64_t(4) << 32, 999),
              "12582912/16777216 Kbytes\r\n(74%)\r\n12582912 Kbytes/s");

    std::vector<std::string> texts;
    const auto report = [&](const std::string& t, int kind, int, int, int) {
        EXPECT_EQ(kind, skProgress);
        texts.push_back(t);
    };
    ReportProgress(5, 0, TickCount(), report);
    EXPECT_TRUE(texts.empty());
    ReportProgress(5, 10, TickCount(), report);
    EXPECT_EQ(texts.size(), 1u);
}

} // namespace
} // namespace lw::test
