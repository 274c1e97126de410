// Packet retries under the simulated calculator's faults, and the completion wait with a
// long-running script.
#include "support/SimSession.h"

using namespace lw;
using namespace lw::test;

namespace {

class SimFaults : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override { S.Open(); }
    std::string FreeMemory() {
        std::string text;
        S.Server->GetFreeMemory(text);
        return text;
    }
    TSimSession S{{.Usb = GetParam()}};
};

} // namespace

TEST_P(SimFaults, RefusedPacketsAreSentAgainUpToTheSixthRefusal) {
    S.Control("nak 5");
    S.Server->ChangeDir("HOME WORK"); // five refusals, then accepted
    EXPECT_TRUE(S.Ui.Main.Connected);
    S.Control("nak 6");
    ExpectConnectionError([&] { S.Server->ChangeDir("HOME"); });
    EXPECT_FALSE(S.Ui.Main.Connected);
}

TEST_P(SimFaults, LeadingZeroBeforeAck) {
    S.Control("zero-before-ack 2");
    S.Server->ChangeDir("HOME WORK");
    S.Server->ChangeDir("HOME WORK PROJ");
    EXPECT_TRUE(S.Ui.Main.Connected);
    std::vector<std::string> path;
    S.Sim->Invoke([&](sim::ISimCalculator& c) { path = c.CurrentPath(); });
    EXPECT_EQ(path, (std::vector<std::string>{"HOME", "WORK", "PROJ"}));
}

TEST_P(SimFaults, BadChecksumIsReadAgain) {
    const std::string before = FreeMemory();
    S.Control("bad-checksum");
    EXPECT_EQ(FreeMemory(), before);
    S.Control("corrupt-byte 3"); // a data byte of the next answer
    EXPECT_EQ(FreeMemory(), before);
    S.Control("drop-byte 4"); // the answer falls silent before its end
    if (GetParam()) {
        // On USB a line silent for 2.5 s is a lost connection.
        ExpectConnectionError([&] { FreeMemory(); });
    } else {
        EXPECT_EQ(FreeMemory(), before); // read again
        EXPECT_TRUE(S.Ui.Main.Connected);
    }
}

TEST_P(SimFaults, LongScriptWithAndWithoutBusyDialog) {
    LinkTiming.PulseTimeLimit = 1500; // the test's shorter limit
    S.Control("busy-ms 2500");
    S.Server->Execute("1 2 +", true, true); // the busy dialog lifts the limit
    EXPECT_EQ(S.Ui.Status.BusyShown, 1);
    EXPECT_FALSE(S.Ui.Status.BusyVisible);
    ExpectConnectionError([&] { S.Server->Execute("3 4 +", false, true); });
    EXPECT_FALSE(S.Ui.Main.Connected);
}

TEST_P(SimFaults, CancelFromTheBusyDialog) {
    S.Control("busy-ms 20000");
    S.Ui.Status.OnShowBusy = [&] { S.Ui.Status.Cancel = true; }; // the Cancel button
    ExpectConnectionError([&] { S.Server->Execute("1 2 +", true, true); });
    EXPECT_FALSE(S.Ui.Main.Connected);
    EXPECT_FALSE(S.Ui.Status.BusyVisible);
    EXPECT_FALSE(S.Ui.Status.Cancel);
}

INSTANTIATE_TEST_SUITE_P(Transports, SimFaults, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Serial"; });
