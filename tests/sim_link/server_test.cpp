// The XModem server: command bytes, packets both ways, busy scripts, get and put.
#include "SimFixture.h"

#include "link/XModemCodec.h"
#include "sim/link/SimServer.h"

#include <chrono>

namespace lw::test {
namespace {

using TClock = std::chrono::steady_clock;

TEST_P(TSimBoth, AnswersIdentListingAndMemoryWithPackets) {
    Begin();
    std::string answer;
    ASSERT_TRUE(Pc->Ask('V', answer));
    EXPECT_EQ(answer, "XMODEM server (fake)");
    ASSERT_TRUE(Pc->Ask('l', answer));
    EXPECT_EQ(answer, TFakeCalculator().ListingText);
    ASSERT_TRUE(Pc->Ask('M', answer));
    EXPECT_EQ(answer, "12345.5");
    EXPECT_EQ(Sim->Stats().Commands, "VlM");
    EXPECT_EQ(Sim->Stats().PacketsSent, 3u);
}

TEST_P(TSimBoth, ResendsItsPacketAfterNakAndTakesPacketsAgainAfterItsNak) {
    Begin();
    // The calculator's packet, refused twice by the PC.
    Pc->WriteByte('V');
    std::string answer;
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(Pc->ReadPacket(answer)) << i;
        Pc->WriteByte(i < 2 ? NAK : ACK);
    }
    EXPECT_EQ(answer, "XMODEM server (fake)");
    EXPECT_EQ(Sim->Stats().PacketResends, 2u);
    EXPECT_EQ(Sim->Stats().NaksReceived, 2u);

    // The PC's packet with a bad checksum is refused, the good resend accepted.
    Pc->WriteByte('E');
    Pc->Write(TSimClient::Packet("1 2 +", true));
    EXPECT_EQ(Pc->ReadByte(3000), NAK);
    Pc->Write(TSimClient::Packet("1 2 +"));
    EXPECT_EQ(Pc->ReadByte(3000), ACK);
    ASSERT_FALSE(Sim->WaitEvent("script 1 2 +", 3000).empty());
}

TEST_P(TSimBoth, GivesUpOnItsPacketAfterFiveResends) {
    Begin();
    Pc->WriteByte('M');
    std::string answer;
    for (int i = 0; i < 6; ++i) {
        ASSERT_TRUE(Pc->ReadPacket(answer)) << i;
        Pc->WriteByte(NAK);
    }
    EXPECT_EQ(Pc->ReadUntilQuiet(300), "");
    ASSERT_TRUE(Pc->Ask('V', answer)); // and serves again
}

TEST_P(TSimBoth, LeavesPollsUnansweredWhileAScriptRuns) {
    sim::TScriptOutcome slow;
    slow.RunMs = 700;
    Begin({}, [&](TFakeCalculator& c) { c.Outcomes["SLOW"] = slow; });
    ASSERT_EQ(Pc->Command('E', "SLOW"), ACK);
    auto start = TClock::now();
    Pc->WriteByte('M');
    EXPECT_EQ(Pc->Read(1, 300), "");
    Pc->WriteByte('M');
    EXPECT_EQ(Pc->Read(1, 200), "");
    // Once idle the next poll is answered.
    std::string answer;
    while (TClock::now() - start < std::chrono::milliseconds(700)) Pc->Read(1, 50);
    ASSERT_TRUE(Pc->Ask('M', answer));
    EXPECT_EQ(answer, "12345.5");
    EXPECT_EQ(Sim->Stats().PollsIgnored, 2u);
}

TEST_P(TSimBoth, SendsTheScriptsObjectAfterItsRunTime) {
    sim::TScriptOutcome backup;
    backup.RunMs = 300;
    backup.Action = sim::TScriptOutcome::SendObject;
    backup.Payload = ObjectFile(3000);
    Begin({}, [&](TFakeCalculator& c) { c.Outcomes["EVAL STOF"] = backup; });
    ASSERT_EQ(Pc->Command('E', "EVAL STOF"), ACK);
    // The PC's NAK comes during the run time; the transfer begins after it.
    std::string data, sizes;
    ASSERT_TRUE(Pc->ReceiveXModem(NAK, data, &sizes));
    EXPECT_EQ(sizes, "SSssssssss"); // 2048 in STX blocks, 952 left in 8 SOH blocks
    EXPECT_EQ(data.substr(0, 3000), backup.Payload);
    ASSERT_FALSE(Sim->WaitEvent("sent object of 3000 bytes", 2000).empty());
}

TEST_P(TSimBoth, QuitAndStoppingScriptsSilenceTheServerUntilRestarted) {
    sim::TScriptOutcome restore;
    restore.Action = sim::TScriptOutcome::StopServer;
    Begin({}, [&](TFakeCalculator& c) { c.Outcomes["RESTORE"] = restore; });
    std::string answer;
    Pc->WriteByte('Q');
    ASSERT_FALSE(Sim->WaitEvent("server quit", 2000).empty());
    Pc->WriteByte('V');
    EXPECT_EQ(Pc->Read(1, 300), "");
    EXPECT_EQ(Sim->Control("server"), "OK server");
    ASSERT_TRUE(Pc->Ask('V', answer));

    ASSERT_EQ(Pc->Command('E', "RESTORE"), ACK);
    ASSERT_FALSE(Sim->WaitEvent("server stopped", 2000).empty());
    Pc->WriteByte('M');
    EXPECT_EQ(Pc->Read(1, 300), "");
}

class TSimTransfer : public TSimFixture, public ::testing::WithParamInterface<uint8_t> {};

TEST_P(TSimTransfer, GetSendsTheObjectInTheModeThePcAsksFor) {
    const std::string big = ObjectFile(65536), odd = ObjectFile(1100);
    Begin(false, {}, [&](TFakeCalculator& c) {
        c.Vars["BIG"] = big;
        c.Vars["ODD"] = odd;
    });
    for (const auto& [name, file] : {std::pair{"BIG", big}, std::pair{"ODD", odd}}) {
        ASSERT_EQ(Pc->Command('G', name), ACK);
        std::string data, sizes;
        ASSERT_TRUE(Pc->ReceiveXModem(GetParam(), data, &sizes)) << name;
        EXPECT_EQ(data.substr(0, file.size()), file);
        EXPECT_EQ(sizes, file.size() == 1100 ? "Ss" : std::string(64, 'S'));
    }
    EXPECT_EQ(Sim->Stats().StartBytes, std::string(2, char(GetParam())));
}

TEST_P(TSimTransfer, PutReceivesWithTheChosenStartByte) {
    const char* names[] = {"nak", "crc", "kermit"};
    sim::TSimConfig config;
    config.StartByte = names[GetParam() == NAK ? 0 : GetParam() == 'C' ? 1 : 2];
    Begin(true, config);
    const std::string file = ObjectFile(1500);
    ASSERT_EQ(Pc->Command('P', "NEW"), ACK);
    ASSERT_EQ(Pc->ReadByte(3000), GetParam());
    ASSERT_TRUE(Pc->SendXModem(GetParam(), file.substr(0, 1024), 1024));
    ASSERT_FALSE(Sim->WaitEvent("put NEW stored 1024 bytes", 3000).empty());
    EXPECT_EQ(Var("NEW"), file.substr(0, 1024));
}

INSTANTIATE_TEST_SUITE_P(Modes, TSimTransfer, ::testing::Values(NAK, 'C', 'D'));

TEST_P(TSimBoth, GetOfAMissingVariableIsCancelled) {
    Begin();
    ASSERT_EQ(Pc->Command('G', "NONE"), ACK);
    Pc->WriteByte(NAK);
    EXPECT_EQ(Pc->ReadByte(3000), CAN);
    ASSERT_FALSE(Sim->WaitEvent("get NONE refused", 2000).empty());
}

TEST_P(TSimBoth, PutAcksARepeatedBlockAndNaksADamagedOne) {
    Begin();
    const std::string file = ObjectFile(256);
    ASSERT_EQ(Pc->Command('P', "Y"), ACK);
    ASSERT_EQ(Pc->ReadByte(3000), 'C');
    auto block = [&](uint32_t n) {
        return BuildBlock(n, file.substr((n - 1) * 128, 128), TCheckMethod::CrcArc);
    };
    Pc->Write(block(1));
    EXPECT_EQ(Pc->ReadByte(3000), ACK);
    Pc->Write(block(1)); // our ACK "got lost": the same block again
    EXPECT_EQ(Pc->ReadByte(3000), ACK);
    std::string bad = block(2);
    bad[10] ^= 1;
    Pc->Write(bad);
    EXPECT_EQ(Pc->ReadByte(3000), NAK);
    Pc->Write(block(2));
    EXPECT_EQ(Pc->ReadByte(3000), ACK);
    Pc->WriteByte(EOT);
    EXPECT_EQ(Pc->ReadByte(3000), ACK);
    ASSERT_FALSE(Sim->WaitEvent("put Y stored 256 bytes", 2000).empty());
    EXPECT_EQ(Var("Y"), file);
}

TEST_P(TSimBoth, PutRepeatsItsStartByteUntilTheFirstBlock) {
    sim::TSimConfig config;
    config.StartRepeatMs = 150;
    Begin(config);
    ASSERT_EQ(Pc->Command('P', "Z"), ACK);
    std::string starts = Pc->Read(3, 1000);
    EXPECT_EQ(starts, "CCC");
    EXPECT_TRUE(Pc->SendXModem('C', ObjectFile(128)));
    ASSERT_FALSE(Sim->WaitEvent("put Z stored", 2000).empty());
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
