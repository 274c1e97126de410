// Connecting to the simulated calculator: identification, model, ROM version, timing, the
// speed the calculator requires, the Kermit server, Auto.
#include "SimFixture.h"

using namespace lw;
using namespace lw::test;

namespace {

constexpr const char* NoDevice =
    "Error (No device detected. Check the cable connections and the calculator.)";

class Connecting : public SimFixture {};

} // namespace

TEST_F(Connecting, NewerModelAt9600) {
    Start(sim::TModel::KB);
    Connect("9600");
    EXPECT_TRUE(Server->IsConnected());
    EXPECT_TRUE(Ui.Main.Connected);
    EXPECT_EQ(State.ModelCode, "KB");
    EXPECT_EQ(State.ModelName, "KB");
    EXPECT_EQ(State.RomVersion, "3.07-Q");
    EXPECT_EQ(State.CalcFlags, "00");
    EXPECT_EQ(State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, SlowSerialTiming2));
    EXPECT_NE(Server->Ident.find("   ROM: 3.07-Q"), std::string::npos) << Server->Ident;
    EXPECT_GT(Server->Ident.size(), std::string("   ROM: 3.07-Q").size());
    EXPECT_EQ(Server->StatusText(), ""); // the identification's get ends with an empty status
    EXPECT_FALSE(Ui.Status.ConnectingVisible);
    // The identification's variable is gone again.
    bool left = true;
    Sim->Invoke([&](sim::ISimCalculator& c) {
        std::string o;
        left = c.GetVariable("$$$t", o);
    });
    EXPECT_FALSE(left);
}

TEST_F(Connecting, NewerModelAt115200) {
    Start(sim::TModel::KB);
    Control("flag -36 on");
    Control("flag -51 on");
    Connect("115200");
    EXPECT_EQ(State.ModelName, "Calcualtor");
    EXPECT_EQ(State.CalcFlags, "11");
    EXPECT_EQ(State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, FastSerialTiming));
    EXPECT_EQ(Server->GetSpeed(), "115200");
}

TEST_F(Connecting, OlderRevisionAt115200NeedsSlowerSpeed) {
    Start(sim::TModel::KB);
    Sim->Invoke([](sim::ISimCalculator& c) { c.SetVersion11(true); });
    Connect("115200");
    EXPECT_EQ(State.ModelName, "KB");
    EXPECT_EQ(State.RequiredSpeed, 9600);
}

TEST_F(Connecting, OlderFamilyAtBothSpeeds) {
    Start(sim::TModel::KA);
    Connect("9600");
    EXPECT_EQ(State.ModelCode, "KA");
    EXPECT_EQ(State.ModelName, "KA");
    EXPECT_EQ(State.RomVersion, "R");
    EXPECT_EQ(State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, SlowSerialTiming));
    Connect("115200"); // reconnecting closes and opens the port again
    EXPECT_EQ(State.RomVersion, "R");
    EXPECT_EQ(State.RequiredSpeed, 9600);
    EXPECT_TRUE(SameTiming(LinkTiming, SlowSerialTiming)); // whatever the speed
}

TEST_F(Connecting, OverUsb) {
    Start(sim::TModel::KB, true);
    Connect("9600");
    EXPECT_EQ(Server->Port(), "ZQlink");
    EXPECT_EQ(Server->GetSpeed(), "130000");
    EXPECT_EQ(State.ModelName, "Calcualtor");
    EXPECT_EQ(State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, UsbTiming));
    EXPECT_EQ(State.RomVersion, "3.07-Q");
}

TEST_F(Connecting, KermitServerIsRefused) {
    sim::TSimConfig config;
    config.Kermit = true;
    Start(sim::TModel::KB, false, config);
    try {
        Connect();
        FAIL() << "connected to the Kermit server";
    } catch (const ELinkError& e) {
        EXPECT_STREQ(e.what(), NoDevice);
    }
    ASSERT_EQ(Ui.Main.Messages.size(), 1u);
    EXPECT_EQ(Ui.Main.Messages[0],
              "Wrong Server: Calculator is using the Kermit Server.\n\r\n\rStop the "
              "calculator.\n\rBe sure to release the right-shift before pressing right-arrow.");
    EXPECT_FALSE(Server->IsConnected());
    EXPECT_FALSE(Ui.Main.Connected);
    EXPECT_EQ(Server->StatusText(), "");
}

TEST_F(Connecting, EmptyNameOnlyCloses) {
    Start(sim::TModel::KB);
    Connect();
    ASSERT_TRUE(Server->IsConnected());
    Server->Connect("");
    EXPECT_FALSE(Server->IsConnected());
    EXPECT_EQ(CalcPort.ReadHandle, -1);
    EXPECT_THROW(Server->Execute("1", false, true), ELinkError); // no device connected
}

TEST_F(Connecting, MissingDeviceAndSilentLine) {
    try {
        Server->SetSpeed("9600");
        Server->Connect("/nonexistent/tty");
        FAIL();
    } catch (const ELinkError& e) {
        EXPECT_STREQ(e.what(), NoDevice);
    }
    EXPECT_FALSE(Server->IsConnected());
    Start(sim::TModel::KB);
    Control("mute");
    try {
        Connect();
        FAIL();
    } catch (const ELinkError& e) {
        EXPECT_STREQ(e.what(), NoDevice);
    }
    EXPECT_FALSE(Server->IsConnected());
}

TEST_F(Connecting, AutoFindsTheUsbCalculator) {
    Start(sim::TModel::KB, true);
    Server->SetSpeed("9600");
    Server->Connect("auto");
    EXPECT_TRUE(Server->IsConnected());
    EXPECT_EQ(Server->Port(), "ZQlink");
    EXPECT_EQ(Server->StatusText(), "Trying USB Calculator");
    EXPECT_EQ(State.ModelCode, "KB");
}

TEST_F(Connecting, AutoWithoutCalculator) {
    UseUsbRoot();
    Server->SetSpeed("9600");
    try {
        Server->Connect("Auto");
        FAIL();
    } catch (const ELinkError& e) {
        EXPECT_STREQ(e.what(), NoDevice);
    }
    EXPECT_FALSE(Server->IsConnected());
    EXPECT_EQ(Server->StatusText(),
              "No device detected. Check the cable connections and the calculator.");
}

TEST_F(Connecting, DisconnectSaysGoodbye) {
    Start(sim::TModel::KB);
    Connect();
    Server->Disconnect();
    EXPECT_FALSE(Ui.Main.Connected);
    EXPECT_EQ(CalcPort.ReadHandle, -1);
    EXPECT_TRUE(Server->IsConnected()); // the name stays until the next Connect
}
