// The receive engine against a scripted calculator, over a pseudo-terminal and over the USB
// pipes.
#include "support/EngineHarness.h"
#include "support/TempDir.h"
#include "support/XModemPeer.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

class RxEngine : public ::testing::TestWithParam<TLinkKind> {
protected:
    void SetUp() override {
        Peer = MakePeer(GetParam());
        OpenPort(Peer->PortName(), 115200);
    }
    void TearDown() override { ClosePorts(CalcPort); }

    std::string Block(uint32_t number, const std::string& data) {
        return BuildBlock(number, data, TCheckMethod::Checksum);
    }

    TEngineHarness H;
    TTempDir Dir;
    std::unique_ptr<TPeerLink> Peer;
};

TEST_P(RxEngine, EmptyObject) {
    TPeerThread peer([&] { EXPECT_TRUE(PeerSendObject(*Peer, "").Ok); });
    const std::string target = Dir.File("empty.zq");
    TYModemRX rx(target, true, 0, H.Status());
    EXPECT_EQ(H.Run(rx), TModalResult::Ok);
    EXPECT_TRUE(rx.Done());
    EXPECT_EQ(ReadTestFile(target), "");

    TPeerThread again([&] { EXPECT_TRUE(PeerSendObject(*Peer, "").Ok); });
    TYModemRX mem("", false, 0, H.Status());
    H.Run(mem);
    EXPECT_TRUE(mem.Done());
    EXPECT_EQ(mem.RxData(), "");
}

TEST_P(RxEngine, ObjectToFileKeepsTheExpectedSizeAndMemoryKeepsWholeBlocks) {
    const std::string data = Pattern(300);
    const std::string target = Dir.File("obj.zq");
    {
        TPeerThread peer([&] { EXPECT_TRUE(PeerSendObject(*Peer, data).Ok); });
        TYModemRX rx(target, true, 300, H.Status());
        EXPECT_EQ(H.Run(rx), TModalResult::Ok);
        EXPECT_TRUE(rx.Done());
    }
    EXPECT_EQ(ReadTestFile(target), data);
    EXPECT_EQ(Dir.Entries(), 1) << "no temporary file left";
    EXPECT_EQ(H.Count(skProgress), 4); // one before each block, and the whole at the end
    EXPECT_EQ(H.Records.back().Kind, skFinished);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Position, 300);
    EXPECT_EQ(H.Records[H.Records.size() - 2].Max, 300);
    {
        TPeerThread peer([&] { EXPECT_TRUE(PeerSendObject(*Peer, data).Ok); });
        TYModemRX rx("", false, 300, H.Status());
        H.Run(rx);
        ASSERT_TRUE(rx.Done());
        EXPECT_EQ(rx.RxData().size(), 384u);
        EXPECT_EQ(rx.RxData().substr(0, 300), data);
    }
    {
        TPeerThread peer([&] { EXPECT_TRUE(PeerSendObject(*Peer, data).Ok); });
        TYModemRX rx(target, true, 0, H.Status()); // no size: every block written whole
        H.Run(rx);
        EXPECT_EQ(ReadTestFile(target).size(), 384u);
    }
}

TEST_P(RxEngine, LongObjectsNumberBlocksPast255AndTakeLargeBlocks) {
    const std::string small = Pattern(300 * 128, 3); // 300 blocks
    {
        TPeerThread peer([&] { EXPECT_TRUE(PeerSendObject(*Peer, small).Ok); });
        TYModemRX rx("", false, int32_t(small.size()), H.Status());
        H.Run(rx);
        ASSERT_TRUE(rx.Done());
        EXPECT_EQ(rx.RxData(), small);
    }
    const std::string large = Pattern(3000, 5);
    {
        TPeerThread peer([&] { EXPECT_TRUE(PeerSendObject(*Peer, large, 1024).Ok); });
        TYModemRX rx(Dir.File("large"), true, 3000, H.Status());
        H.Run(rx);
        ASSERT_TRUE(rx.Done());
    }
    EXPECT_EQ(ReadTestFile(Dir.File("large")), large);
}

TEST_P(RxEngine, RepeatedBlockIsAcknowledgedAndDropped) {
    const std::string a = Pattern(128, 1), b = Pattern(128, 2), c = Pattern(128, 9);
    std::vector<int> replies;
    TPeerThread peer([&] {
        ASSERT_EQ(Peer->ReadByte(5000), NAK);
        Peer->Write(Block(1, a));
        replies.push_back(Peer->ReadByte(5000));
        Peer->Write(Block(1, a)); // as if our ACK had been lost
        replies.push_back(Peer->ReadByte(5000));
        Peer->Write(Block(3, c)); // out of sequence: rejected
        replies.push_back(Peer->ReadByte(5000));
        Peer->Write(Block(2, b));
        replies.push_back(Peer->ReadByte(5000));
        Peer->WriteByte(EOT);
        replies.push_back(Peer->ReadByte(5000));
    });
    TYModemRX rx("", false, 0, H.Status());
    H.Run(rx);
    peer.Join();
    EXPECT_TRUE(rx.Done());
    EXPECT_EQ(rx.RxData(), a + b);
    EXPECT_EQ(replies, (std::vector<int>{ACK, ACK, NAK, ACK, ACK}));
    EXPECT_EQ(H.Count(skError), 1); // only the rejected block
}

TEST_P(RxEngine, DamagedBlockIsRejectedAndResent) {
    const std::string a = Pattern(128, 4);
    TPeerThread peer([&] {
        ASSERT_EQ(Peer->ReadByte(5000), NAK);
        std::string damaged = Block(1, a);
        damaged[40] ^= 0x10;
        Peer->Write(damaged);
        EXPECT_EQ(Peer->ReadByte(5000), NAK);
        if (GetParam() == TLinkKind::Serial) {
            // A short block times out (on USB that silence would end the connection).
            Peer->Write(Block(1, a).substr(0, 100));
            EXPECT_EQ(Peer->ReadByte(8000), NAK);
        }
        Peer->Write(Block(1, a));
        EXPECT_EQ(Peer->ReadByte(5000), ACK);
        Peer->WriteByte(EOT);
        EXPECT_EQ(Peer->ReadByte(5000), ACK);
    });
    TYModemRX rx("", false, 0, H.Status());
    H.Run(rx);
    EXPECT_TRUE(rx.Done());
    EXPECT_EQ(rx.RxData(), a);
    EXPECT_TRUE(H.HasError(ConnectionErrorText));
}

TEST_P(RxEngine, SilentHeader) {
    // A serial read times out after 3 s and counts as one bad header byte; on USB 2.5 s
    // without a byte while no dialog is up ends the connection.
    int second = -1;
    TPeerThread peer([&] {
        ASSERT_EQ(Peer->ReadByte(5000), NAK);
        second = Peer->ReadByte(6000);
        if (second == NAK) {
            Peer->Write(Block(1, Pattern(128)));
            EXPECT_EQ(Peer->ReadByte(5000), ACK);
            Peer->WriteByte(EOT);
            EXPECT_EQ(Peer->ReadByte(5000), ACK);
        }
    });
    TYModemRX rx("", false, 0, H.Status());
    H.Run(rx);
    peer.Join();
    if (GetParam() == TLinkKind::Serial) {
        EXPECT_EQ(second, NAK);
        EXPECT_TRUE(rx.Done());
        EXPECT_EQ(rx.RxData(), Pattern(128));
    } else {
        EXPECT_EQ(second, CAN);
        EXPECT_FALSE(rx.Done());
        EXPECT_TRUE(H.HasError(ConnectionErrorText));
    }
}

INSTANTIATE_TEST_SUITE_P(Links, RxEngine, ::testing::Values(TLinkKind::Serial, TLinkKind::Usb),
                         [](const auto& info) { return KindName(info.param); });

} // namespace
} // namespace lw::test
