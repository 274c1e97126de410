// Misbehaviour on demand: every fault, seen from the PC's side.
#include "SimFixture.h"

#include "link/XModemCodec.h"
#include "sim/link/SimFaults.h"

#include <chrono>

namespace lw::test {
namespace {

using TClock = std::chrono::steady_clock;
using std::chrono::milliseconds;

const std::string Ident = "XMODEM server (fake)";

long long MsSince(TClock::time_point t) {
    return std::chrono::duration_cast<milliseconds>(TClock::now() - t).count();
}

class TSimFaultTest : public TSimBoth {
protected:
    // The PC refuses the damaged packet; the resend carries the identification whole.
    void ExpectCleanResend() {
        S->Pc->WriteByte(NAK);
        std::string answer;
        ASSERT_TRUE(S->Pc->ReadPacket(answer));
        S->Pc->WriteByte(ACK);
        EXPECT_EQ(answer, Ident);
    }
};

TEST_P(TSimFaultTest, ByteFaultsHitTheNthByteAndTheResendIsClean) {
    Begin();
    const std::string packet = PeerPacket(Ident);

    ASSERT_EQ(S->Sim->Control("drop-byte 3"), "OK drop-byte 3");
    S->Pc->WriteByte('V');
    EXPECT_EQ(S->Pc->Drain(200), packet.substr(0, 2) + packet.substr(3));
    ExpectCleanResend();

    ASSERT_EQ(S->Sim->Control("corrupt-byte 4"), "OK corrupt-byte 4");
    S->Pc->WriteByte('V');
    std::string bad = packet;
    bad[3] = char(uint8_t(bad[3]) ^ 0xFF);
    EXPECT_EQ(S->Pc->Drain(200), bad);
    ExpectCleanResend();

    ASSERT_EQ(S->Sim->Control("delay-byte 2 300"), "OK delay-byte 2 300");
    EXPECT_EQ(S->Pc->Reply('V', 1000), 0);
    auto t = TClock::now();
    EXPECT_EQ(S->Pc->Read(packet.size() - 1, 2000), packet.substr(1));
    EXPECT_GE(MsSince(t), 250);
    S->Pc->WriteByte(ACK);
}

TEST_P(TSimFaultTest, BlockFaultsAreHealedByTheReceiversNak) {
    Begin({}, [](TFakeCalculator& c) { c.Vars["B"] = ObjectFile(300); });
    ASSERT_EQ(S->Sim->Control("drop-block 1"), "OK drop-block 1");
    ASSERT_EQ(S->Sim->Control("corrupt-block 3"), "OK corrupt-block 3");
    ASSERT_EQ(S->Pc->Command('G', "B"), ACK);
    EXPECT_EQ(S->Pc->Reply(NAK, 300), -1); // block 1 went nowhere
    S->Pc->WriteByte(NAK);
    // Block 1, block 2 damaged (the third block sent), block 2 again, block 3: each answered.
    const std::pair<uint32_t, bool> blocks[] = {{1, true}, {2, false}, {2, true}, {3, true}};
    for (const auto& [number, good] : blocks) {
        ASSERT_EQ(S->Pc->ReadByte(2000), SOH) << number;
        EXPECT_EQ(CheckBlock(S->Pc->Read(131, 2000), number, 128, TCheckMethod::Checksum), good);
        S->Pc->WriteByte(good ? ACK : NAK);
    }
    EXPECT_EQ(S->Pc->ReadByte(2000), EOT);
    S->Pc->WriteByte(ACK);
    ASSERT_FALSE(S->Sim->WaitEvent("get B sent", 2000).empty());
    EXPECT_EQ(S->Sim->Stats().BlockResends, 2u);
}

TEST_P(TSimFaultTest, NakFaultRefusesGoodPacketsAndBlocks) {
    Begin();
    ASSERT_EQ(S->Sim->Control("nak 3"), "OK nak 3");
    S->Pc->WriteByte('E');
    for (int i = 0; i < 4; ++i) // three refusals, then accepted
        EXPECT_EQ(S->Pc->Reply(PeerPacket("A"), 2000), i < 3 ? NAK : ACK) << i;

    ASSERT_EQ(S->Pc->Command('P', "N"), ACK);
    ASSERT_EQ(S->Pc->ReadByte(2000), 'C');
    ASSERT_EQ(S->Sim->Control("nak 1"), "OK nak 1"); // armed in the middle of the transfer
    const std::string block = BuildBlock(1, ObjectFile(128), TCheckMethod::CrcArc);
    EXPECT_EQ(S->Pc->Reply(block, 2000), NAK);
    EXPECT_EQ(S->Pc->Reply(block, 2000), ACK);
    EXPECT_EQ(S->Pc->Reply(EOT, 2000), ACK);
    ASSERT_FALSE(S->Sim->WaitEvent("put N stored 128", 2000).empty());
    EXPECT_EQ(S->Sim->Stats().NaksSent, 4u);
}

TEST_P(TSimFaultTest, MuteZeroBeforeAckAndBadChecksum) {
    Begin();
    ASSERT_EQ(S->Sim->Control("mute"), "OK mute");
    EXPECT_EQ(S->Pc->Reply('V', 300), -1);
    ASSERT_EQ(S->Sim->Control("unmute"), "OK unmute");

    ASSERT_EQ(S->Sim->Control("zero-before-ack 1"), "OK zero-before-ack 1");
    S->Pc->WriteByte('E');
    S->Pc->Write(PeerPacket("B"));
    EXPECT_EQ(S->Pc->Read(2, 2000), std::string("\0\x06", 2));

    ASSERT_EQ(S->Sim->Control("bad-checksum"), "OK bad-checksum");
    std::string answer;
    S->Pc->WriteByte('V');
    EXPECT_FALSE(S->Pc->ReadPacket(answer));
    ExpectCleanResend();
}

TEST_P(TSimFaultTest, SplitWritesStillCarryEveryByteAndABlockComesLate) {
    Begin();
    ASSERT_EQ(S->Sim->Control("split 3"), "OK split 3");
    std::string answer;
    ASSERT_TRUE(S->Pc->Ask('V', answer));
    EXPECT_EQ(answer, Ident);
    ASSERT_EQ(S->Sim->Control("delay-block 1 400"), "OK delay-block 1 400");
    std::string data;
    ASSERT_EQ(S->Pc->Command('G', "X"), ACK);
    const auto t = TClock::now();
    ASSERT_TRUE(S->Pc->ReceiveXModem('D', data));
    EXPECT_GE(MsSince(t), 350);
    EXPECT_EQ(data.substr(0, 100), ObjectFile(100));
}

INSTANTIATE_TEST_SUITE_P(Transports, TSimFaultTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Serial"; });

TEST(TSimFaults, CommandsArmFromTheCountsSoFar) {
    sim::TSimFaults f;
    EXPECT_EQ(sim::ApplyFaultCommand("drop-byte 5", f, 100, 7), "OK drop-byte 5");
    EXPECT_EQ(f.DropByteAt, 105u);
    EXPECT_EQ(sim::ApplyFaultCommand("delay-block 2 50", f, 100, 7), "OK delay-block 2 50");
    EXPECT_EQ(f.DelayBlockAt, 9u);
    EXPECT_EQ(f.DelayBlockMs, 50u);
    EXPECT_EQ(sim::ApplyFaultCommand("throttle auto", f, 0, 0), "OK throttle auto");
    EXPECT_EQ(sim::ApplyFaultCommand("clear-faults", f, 0, 0), "OK clear-faults");
    EXPECT_EQ(f.DropByteAt, 0u);
    EXPECT_EQ(f.ThrottleBaud, UINT32_MAX); // a line setting survives
    for (const char* bad : {"drop-byte", "drop-byte 0", "drop-byte x", "delay-byte 1", "nak -1",
                            "throttle 10", "cancel now"})
        EXPECT_EQ(sim::ApplyFaultCommand(bad, f, 0, 0).rfind("ERROR", 0), 0u) << bad;
    EXPECT_EQ(sim::ApplyFaultCommand("xsend X", f, 0, 0), "");
}

} // namespace
} // namespace lw::test
