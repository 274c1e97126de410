// The XModem server: command bytes, packets both ways, busy scripts, get and put.
#include "SimFixture.h"

#include "link/XModemCodec.h"
#include "sim/link/SimServer.h"

#include <chrono>

namespace lw::test {
namespace {

// (The calculator's resend after the PC's NAK: server_sim BadChecksumIsReadAgain.)
TEST_P(TSimBoth, RefusesThePcsDamagedPacketAndGivesUpOnItsOwnAfterFiveResends) {
    Begin();
    S->Pc->WriteByte('E');
    EXPECT_EQ(S->Pc->Reply(PeerPacket("1 2 +", 1), 3000), NAK);
    EXPECT_EQ(S->Pc->Reply(PeerPacket("1 2 +"), 3000), ACK);
    ASSERT_FALSE(S->Sim->WaitEvent("script 1 2 +", 3000).empty());
    // Its own packet it sends five times more at most.
    S->Pc->WriteByte('M');
    std::string answer;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(S->Pc->ReadPacket(answer)) << i;
        S->Pc->WriteByte(NAK);
    }
    EXPECT_EQ(S->Pc->Drain(300), "");
    EXPECT_TRUE(Serves()); // and serves again
}

TEST_P(TSimBoth, QuitAndStoppingScriptsSilenceTheServerUntilRestarted) {
    sim::TScriptOutcome restore;
    restore.Action = sim::TScriptOutcome::StopServer;
    Begin({}, [&](TFakeCalculator& c) { c.Outcomes["RESTORE"] = restore; });
    S->Pc->WriteByte('Q');
    ASSERT_FALSE(S->Sim->WaitEvent("server quit", 2000).empty());
    EXPECT_EQ(S->Pc->Reply('V', 300), -1);
    EXPECT_EQ(S->Sim->Control("server"), "OK server");
    ASSERT_TRUE(Serves());

    ASSERT_EQ(S->Pc->Command('E', "RESTORE"), ACK);
    ASSERT_FALSE(S->Sim->WaitEvent("server stopped", 2000).empty());
    EXPECT_EQ(S->Pc->Reply('M', 300), -1);
}

class TSimTransfer : public TSimFixture, public ::testing::WithParamInterface<uint8_t> {};

TEST_P(TSimTransfer, GetSendsTheObjectInTheModeThePcAsksFor) {
    const std::string big = ObjectFile(65536), odd = ObjectFile(1100);
    Begin(false, {}, [&](TFakeCalculator& c) {
        c.Vars["BIG"] = big;
        c.Vars["ODD"] = odd;
    });
    for (const auto& [name, file] : {std::pair{"BIG", big}, std::pair{"ODD", odd}}) {
        ASSERT_EQ(S->Pc->Command('G', name), ACK);
        std::string data, sizes;
        ASSERT_TRUE(S->Pc->ReceiveXModem(GetParam(), data, &sizes)) << name;
        EXPECT_EQ(data.substr(0, file.size()), file);
        EXPECT_EQ(sizes, file.size() == 1100 ? "Ss" : std::string(64, 'S'));
    }
    EXPECT_EQ(S->Sim->Stats().StartBytes, std::string(2, char(GetParam())));
}

TEST_P(TSimTransfer, PutReceivesWithTheChosenStartByte) {
    const char* names[] = {"nak", "crc", "kermit"};
    Begin(true, {.StartByte = names[GetParam() == NAK ? 0 : GetParam() == 'C' ? 1 : 2]});
    const std::string file = ObjectFile(1500);
    ASSERT_EQ(S->Pc->Command('P', "NEW"), ACK);
    ASSERT_EQ(S->Pc->ReadByte(3000), GetParam());
    ASSERT_TRUE(S->Pc->SendXModem(GetParam(), file.substr(0, 1024), 1024));
    ASSERT_FALSE(S->Sim->WaitEvent("put NEW stored 1024 bytes", 3000).empty());
    EXPECT_EQ(S->Var("NEW"), file.substr(0, 1024));
}

INSTANTIATE_TEST_SUITE_P(Modes, TSimTransfer, ::testing::Values(NAK, 'C', 'D'));

TEST_P(TSimBoth, PutAcksARepeatedBlockNaksADamagedOneAndGetCancelsAMissingOne) {
    Begin();
    const std::string file = ObjectFile(256);
    ASSERT_EQ(S->Pc->Command('P', "Y"), ACK);
    ASSERT_EQ(S->Pc->ReadByte(3000), 'C');
    auto block = [&](uint32_t n) {
        return BuildBlock(n, file.substr((n - 1) * 128, 128), TCheckMethod::CrcArc);
    };
    EXPECT_EQ(S->Pc->Reply(block(1), 3000), ACK);
    EXPECT_EQ(S->Pc->Reply(block(1), 3000), ACK); // our ACK "got lost": the same block again
    std::string bad = block(2);
    bad[10] ^= 1;
    EXPECT_EQ(S->Pc->Reply(bad, 3000), NAK);
    EXPECT_EQ(S->Pc->Reply(block(2), 3000), ACK);
    EXPECT_EQ(S->Pc->Reply(EOT, 3000), ACK);
    ASSERT_FALSE(S->Sim->WaitEvent("put Y stored 256 bytes", 2000).empty());
    EXPECT_EQ(S->Var("Y"), file);
    // A get of a missing variable is cancelled.
    ASSERT_EQ(S->Pc->Command('G', "NONE"), ACK);
    EXPECT_EQ(S->Pc->Reply(NAK, 3000), CAN);
    ASSERT_FALSE(S->Sim->WaitEvent("get NONE refused", 2000).empty());
}

TEST_P(TSimBoth, PutRepeatsItsStartByteUntilTheFirstBlock) {
    Begin({.StartRepeatMs = 150});
    ASSERT_EQ(S->Pc->Command('P', "Z"), ACK);
    std::string starts = S->Pc->Read(3, 1000);
    EXPECT_EQ(starts, "CCC");
    EXPECT_TRUE(S->Pc->SendXModem('C', ObjectFile(128)));
    ASSERT_FALSE(S->Sim->WaitEvent("put Z stored", 2000).empty());
}

TEST(TSimStartByte, RandomChoiceUsesAllThreeBytes) {
    sim::TServerSettings s;
    s.StartByte = sim::TStartChoice::Random;
    std::string seen;
    for (int i = 0; i < 60; ++i) seen += char(s.ChooseStartByte());
    for (char b : {char(NAK), 'C', 'D'}) EXPECT_NE(seen.find(b), std::string::npos);
    EXPECT_EQ(seen.find_first_not_of(std::string{char(NAK), 'C', 'D'}), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Transports, TSimBoth, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Serial"; });

} // namespace
} // namespace lw::test
