// Connecting to the simulated calculator: identification, model, ROM version, timing, the
// speed the calculator requires, the Kermit server, Auto.
#include "support/SimSession.h"

#include <cstring>

using namespace lw;
using namespace lw::test;

namespace {

constexpr const char* NoDevice =
    "Error (No device detected. Check the cable connections and the calculator.)";

bool SameTiming(const TimingProfile& a, const TimingProfile& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Runs `op` and expects the error that no calculator answered.
template <class F> void ExpectNoDevice(TSimSession& s, F op) {
    try {
        op();
        ADD_FAILURE() << "connected";
    } catch (const ELinkError& e) {
        EXPECT_STREQ(e.what(), NoDevice);
    }
    EXPECT_FALSE(s.Server->IsConnected());
}

} // namespace

TEST(Connecting, NewerModelAt9600) {
    TSimSession s({.Speed = "9600"});
    s.Open();
    EXPECT_TRUE(s.Server->IsConnected());
    EXPECT_TRUE(s.Ui.Main.Connected);
    EXPECT_EQ(s.State.ModelCode, "KB");
    EXPECT_EQ(s.State.ModelName, "KB");
    EXPECT_EQ(s.State.RomVersion, "3.07-Q");
    EXPECT_EQ(s.State.CalcFlags, "00");
    EXPECT_EQ(s.State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, SlowSerialTiming2));
    EXPECT_NE(s.Server->Ident.find("   ROM: 3.07-Q"), std::string::npos) << s.Server->Ident;
    EXPECT_GT(s.Server->Ident.size(), std::string("   ROM: 3.07-Q").size());
    EXPECT_EQ(s.Server->StatusText(), ""); // the identification's get ends with an empty status
    EXPECT_FALSE(s.Ui.Status.ConnectingVisible);
    // The identification's variable is gone again.
    EXPECT_EQ(s.Var("$$$t"), "");
}

TEST(Connecting, NewerModelAt115200) {
    TSimSession s;
    s.Control("flag -36 on");
    s.Control("flag -51 on");
    s.Server->SetSpeed("115200");
    s.Open();
    EXPECT_EQ(s.State.ModelName, "Calcualtor");
    EXPECT_EQ(s.State.CalcFlags, "11");
    EXPECT_EQ(s.State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, FastSerialTiming));
    EXPECT_EQ(s.Server->GetSpeed(), "115200");
}

TEST(Connecting, OlderRevisionAt115200NeedsSlowerSpeed) {
    TSimSession s;
    s.Sim->Invoke([](sim::ISimCalculator& c) { c.SetVersion11(true); });
    s.Server->SetSpeed("115200");
    s.Open();
    EXPECT_EQ(s.State.ModelName, "KB");
    EXPECT_EQ(s.State.RequiredSpeed, 9600);
}

TEST(Connecting, OlderFamilyAtBothSpeeds) {
    TSimSession s({.Model = sim::TModel::KA, .Speed = "9600"});
    s.Open();
    EXPECT_EQ(s.State.ModelCode, "KA");
    EXPECT_EQ(s.State.ModelName, "KA");
    EXPECT_EQ(s.State.RomVersion, "R");
    EXPECT_EQ(s.State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, SlowSerialTiming));
    s.Server->SetSpeed("115200");
    s.Open(); // reconnecting closes and opens the port again
    EXPECT_EQ(s.State.RomVersion, "R");
    EXPECT_EQ(s.State.RequiredSpeed, 9600);
    EXPECT_TRUE(SameTiming(LinkTiming, SlowSerialTiming)); // whatever the speed
}

TEST(Connecting, OverUsb) {
    TSimSession s({.Usb = true, .Speed = "9600"});
    s.Open();
    EXPECT_EQ(s.Server->Port(), "ZQlink");
    EXPECT_EQ(s.Server->GetSpeed(), "130000");
    EXPECT_EQ(s.State.ModelName, "Calcualtor");
    EXPECT_EQ(s.State.RequiredSpeed, 0);
    EXPECT_TRUE(SameTiming(LinkTiming, UsbTiming));
    EXPECT_EQ(s.State.RomVersion, "3.07-Q");
}

TEST(Connecting, KermitServerIsRefused) {
    TSimSession s({.Kermit = true});
    ExpectNoDevice(s, [&] { s.Open(); });
    ASSERT_EQ(s.Ui.Main.Messages.size(), 1u);
    EXPECT_EQ(s.Ui.Main.Messages[0],
              "Wrong Server: Calculator is using the Kermit Server.\n\r\n\rStop the "
              "calculator.\n\rBe sure to release the right-shift before pressing right-arrow.");
    EXPECT_FALSE(s.Ui.Main.Connected);
    EXPECT_EQ(s.Server->StatusText(), "");
}

TEST(Connecting, EmptyNameOnlyCloses) {
    TSimSession s;
    s.Open();
    ASSERT_TRUE(s.Server->IsConnected());
    s.Server->Connect("");
    EXPECT_FALSE(s.Server->IsConnected());
    EXPECT_EQ(CalcPort.ReadHandle, -1);
    EXPECT_THROW(s.Server->Execute("1", false, true), ELinkError); // no device connected
}

TEST(Connecting, NoDeviceWhenMissingSilentOrAbsent) {
    TSimSession serial;
    ExpectNoDevice(serial, [&] { serial.Server->Connect("/nonexistent/tty"); });
    serial.Control("mute");
    ExpectNoDevice(serial, [&] { serial.Open(); });
    TSimSession usb({.Usb = true});
    usb.Control("hangup"); // the device folder goes: Auto finds no calculator
    ExpectNoDevice(usb, [&] { usb.Server->Connect("Auto"); });
    EXPECT_EQ(usb.Server->StatusText(),
              "No device detected. Check the cable connections and the calculator.");
}

TEST(Connecting, AutoFindsTheUsbCalculator) {
    TSimSession s({.Usb = true, .Speed = "9600"});
    s.Server->Connect("auto");
    EXPECT_TRUE(s.Server->IsConnected());
    EXPECT_EQ(s.Server->Port(), "ZQlink");
    EXPECT_EQ(s.Server->StatusText(), "Trying USB Calculator");
    EXPECT_EQ(s.State.ModelCode, "KB");
}

TEST(Connecting, DisconnectSaysGoodbye) {
    TSimSession s;
    s.Open();
    s.Server->Disconnect();
    EXPECT_FALSE(s.Ui.Main.Connected);
    EXPECT_EQ(CalcPort.ReadHandle, -1);
    EXPECT_TRUE(s.Server->IsConnected()); // the name stays until the next Connect
}
