// The send engine and the raw image sender against a scripted calculator.
#include "support/EngineHarness.h"
#include "support/TempDir.h"
#include "support/XModemPeer.h"

#include <gtest/gtest.h>
#include <tuple>

namespace lw::test {
namespace {

class TxBase {
protected:
    void Open(TLinkKind kind) {
        Peer = MakePeer(kind);
        OpenPort(Peer->PortName(), 115200);
    }
    std::string File(size_t size, int seed = 0) {
        const std::string path = Dir.File("send-" + std::to_string(size));
        WriteTestFile(path, Pattern(size, seed));
        return path;
    }

    TEngineHarness H;
    TTempDir Dir;
    std::unique_ptr<TPeerLink> Peer;
};

// File size x start byte x link.
class TxBlocks : public TxBase,
                 public ::testing::TestWithParam<std::tuple<size_t, uint8_t, TLinkKind>> {
protected:
    void SetUp() override { Open(std::get<2>(GetParam())); }
    void TearDown() override { ClosePorts(CalcPort); }
};

TEST_P(TxBlocks, FileGoesInTheRightBlocksWithTheAskedCheck) {
    const auto [size, start, kind] = GetParam();
    TPeerReceiveResult got;
    TPeerThread peer([&] { got = PeerReceiveObject(*Peer, start); });
    TYModemTX tx(File(size), false, std::string(1, '\0'), H.Status());
    EXPECT_EQ(H.Run(tx), TModalResult::Ok);
    peer.Join();
    EXPECT_TRUE(tx.Done());
    ASSERT_TRUE(got.Ok);
    EXPECT_EQ(got.Data.substr(0, size), Pattern(size));

    // 1024-byte blocks while a whole one remains, then 128-byte blocks.
    std::string headers;
    for (const auto& b : got.Blocks) headers += b[0] == char(STX) ? 'L' : 'S';
    const std::map<size_t, std::string> expected = {
        {100, "S"}, {900, "SSSSSSSS"}, {1100, "LS"}, {2048, "LL"}};
    EXPECT_EQ(headers, expected.at(size));

    // The last progress report shows the whole file.
    ASSERT_GE(H.Records.size(), 2u);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Kind, skProgress);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Position, int(size));
    EXPECT_EQ(H.Records[H.Records.size() - 2].Max, int(size));
    EXPECT_EQ(H.Records.front().Msg, "Copying " + Dir.File("send-" + std::to_string(size)));
}

INSTANTIATE_TEST_SUITE_P(Files, TxBlocks,
                         ::testing::Combine(::testing::Values(size_t(100), size_t(900),
                                                              size_t(1100), size_t(2048)),
                                            ::testing::Values(NAK, CRC_ARC_START, CRC_KERMIT_START),
                                            ::testing::Values(TLinkKind::Serial, TLinkKind::Usb)),
                         [](const auto& info) {
                             const uint8_t s = std::get<1>(info.param);
                             return std::to_string(std::get<0>(info.param)) +
                                    (s == NAK             ? "Sum"
                                     : s == CRC_ARC_START ? "Arc"
                                                          : "Kermit") +
                                    KindName(std::get<2>(info.param));
                         });

class TxEngine : public TxBase, public ::testing::TestWithParam<TLinkKind> {
protected:
    void SetUp() override { Open(GetParam()); }
    void TearDown() override { ClosePorts(CalcPort); }
};

TEST_P(TxEngine, EmptyFileSendsOnlyEot) {
    TPeerReceiveResult got;
    TPeerThread peer([&] { got = PeerReceiveObject(*Peer, NAK); });
    TYModemTX tx(File(0), false, "", H.Status());
    H.Run(tx);
    peer.Join();
    EXPECT_TRUE(tx.Done());
    EXPECT_TRUE(got.Ok);
    EXPECT_TRUE(got.Blocks.empty());
}

TEST_P(TxEngine, SmallBlocksAndAKnownStartByte) {
    // The start byte was read by the caller: the engine begins at once.
    TPeerReceiveResult got;
    TPeerThread peer([&] { got = PeerReceiveObject(*Peer, CRC_ARC_START, false); });
    TYModemTX tx(File(2048), true, "C", H.Status());
    H.Run(tx);
    peer.Join();
    EXPECT_TRUE(tx.Done());
    EXPECT_EQ(got.Blocks.size(), 16u);
    EXPECT_EQ(got.Data, Pattern(2048));
}

TEST_P(TxEngine, MissingReplyWaitsAndResends) {
    if (GetParam() == TLinkKind::Usb) GTEST_SKIP() << "on USB that silence ends the connection";
    TPeerReceiveResult got;
    TPeerThread peer([&] {
        Peer->WriteByte(NAK);
        Peer->Read(132, 4000); // no answer: the engine waits its time-out and 800 ms
        got = PeerReceiveObject(*Peer, NAK, false, 6000);
    });
    TYModemTX tx(File(100), false, "", H.Status());
    H.Run(tx);
    peer.Join();
    EXPECT_TRUE(tx.Done());
    EXPECT_TRUE(got.Ok);
    EXPECT_EQ(got.Blocks.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Links, TxEngine, ::testing::Values(TLinkKind::Serial, TLinkKind::Usb),
                         [](const auto& info) { return KindName(info.param); });

TEST(RawImage, StreamIsLengthThenBytesAndThePortCloses) {
    TEngineHarness h;
    TTempDir dir;
    TFifoPeer peer;
    OpenPort("ZQlink", 9600);
    const std::string image = Pattern(70000, 11);
    WriteTestFile(dir.File("rom.bin"), image);
    std::string got;
    TPeerThread script([&] { got = peer.Read(image.size() + 4, 10000); });
    TSTX stx(dir.File("rom.bin"), h.Status());
    EXPECT_EQ(h.Run(stx), TModalResult::Ok);
    script.Join();
    EXPECT_TRUE(stx.ImageSent());
    EXPECT_EQ(got.substr(0, 4), std::string("\x70\x11\x01\x00", 4)); // 70000 little-endian
    EXPECT_EQ(got.substr(4), image);
    EXPECT_EQ(h.Records.front().Msg, "Connecting ...");
    EXPECT_EQ(CalcPort.ReadHandle, -1);
    EXPECT_EQ(CalcPort.WriteHandle, -1);

    OpenPort("ZQlink", 9600);
    TSTX missing(dir.File("none.bin"), h.Status());
    EXPECT_EQ(h.Run(missing), TModalResult::Ok); // the dialog still closes
    EXPECT_FALSE(missing.ImageSent());
    EXPECT_EQ(CalcPort.ReadHandle, -1);
}

} // namespace
} // namespace lw::test
