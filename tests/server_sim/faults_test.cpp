// Packet retries under the simulated calculator's faults, and the completion wait with a
// long-running script.
#include "SimFixture.h"

#include <atomic>
#include <thread>

using namespace lw;
using namespace lw::test;

namespace {

class SimFaults : public SimFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        Start(sim::TModel::KB, GetParam());
        Connect();
    }
    std::string FreeMemory() {
        std::string text;
        Server->GetFreeMemory(text);
        return text;
    }
};

} // namespace

TEST_P(SimFaults, RefusedPacketsAreSentAgainUpToTheSixthRefusal) {
    Control("nak 5");
    Server->ChangeDir("HOME WORK"); // five refusals, then accepted
    EXPECT_TRUE(Ui.Main.Connected);
    Control("nak 6");
    ExpectConnectionError([&] { Server->ChangeDir("HOME"); });
    EXPECT_FALSE(Ui.Main.Connected);
}

TEST_P(SimFaults, LeadingZeroBeforeAck) {
    Control("zero-before-ack 2");
    Server->ChangeDir("HOME WORK");
    Server->ChangeDir("HOME WORK PROJ");
    EXPECT_TRUE(Ui.Main.Connected);
    std::vector<std::string> path;
    Sim->Invoke([&](sim::ISimCalculator& c) { path = c.CurrentPath(); });
    EXPECT_EQ(path, (std::vector<std::string>{"HOME", "WORK", "PROJ"}));
}

TEST_P(SimFaults, BadChecksumIsReadAgain) {
    const std::string before = FreeMemory();
    Control("bad-checksum");
    EXPECT_EQ(FreeMemory(), before);
    Control("corrupt-byte 3"); // a data byte of the next answer
    EXPECT_EQ(FreeMemory(), before);
    Control("drop-byte 4"); // the answer falls silent before its end
    if (GetParam()) {
        // On USB a line silent for 2.5 s is a lost connection.
        ExpectConnectionError([&] { FreeMemory(); });
    } else {
        EXPECT_EQ(FreeMemory(), before); // read again
        EXPECT_TRUE(Ui.Main.Connected);
    }
}

TEST_P(SimFaults, LongScriptWithAndWithoutBusyDialog) {
    LinkTiming.PulseTimeLimit = 1500; // the test's shorter limit
    Control("busy-ms 2500");
    Server->Execute("1 2 +", true, true); // the busy dialog lifts the limit
    EXPECT_EQ(Ui.Status.BusyShown, 1);
    EXPECT_FALSE(Ui.Status.BusyVisible);
    ExpectConnectionError([&] { Server->Execute("3 4 +", false, true); });
    EXPECT_FALSE(Ui.Main.Connected);
}

TEST_P(SimFaults, CancelFromTheBusyDialog) {
    Control("busy-ms 20000");
    std::atomic<bool> pressed{false};
    std::thread user([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(700));
        Ui.Queue.RunSync([&] { Ui.Status.Cancel = true; }); // the Cancel button
        pressed = true;
    });
    const uint64_t start = TickCount();
    ExpectConnectionError([&] { Server->Execute("1 2 +", true, true); });
    Ui.Queue.RunUntil([&] { return pressed.load(); }, std::chrono::seconds(5));
    user.join();
    EXPECT_LT(TickCount() - start, 5000u);
    EXPECT_FALSE(Ui.Main.Connected);
    EXPECT_FALSE(Ui.Status.BusyVisible);
    EXPECT_FALSE(Ui.Status.Cancel);
}

INSTANTIATE_TEST_SUITE_P(Transports, SimFaults, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Usb" : "Serial"; });
