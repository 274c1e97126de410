// Connecting to the simulated calculator: identification, model, ROM version, timing, the
// speed the calculator requires, the Kermit server, Auto.
#include "support/SimSession.h"

#include <chrono>
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

struct TConnectCase {
    const char* Name;
    sim::TModel Model;
    bool Usb;
    const char* Speed;
    bool Flags36And51;                          // set on the calculator before connecting
    bool Version11;                             // the older revision's VERSION text
    const char *Code, *ModelName, *Rom, *Flags; // null: not checked
    int RequiredSpeed;
    const char* ServerSpeed; // once connected
    const TimingProfile* Timing;
};

TEST(Connecting, ModelsSpeedsAndTransports) {
    using sim::TModel;
    const TConnectCase cases[] = {
        {"newer model at 9600", TModel::KB, false, "9600", false, false, "KB", "KB", "3.07-Q", "00",
         0, "9600", &SlowSerialTiming2},
        {"newer model at 115200", TModel::KB, false, "115200", true, false, "KB", "Calcualtor",
         "3.07-Q", "11", 0, "115200", &FastSerialTiming},
        {"older revision at 115200", TModel::KB, false, "115200", false, true, "KB", "KB", nullptr,
         nullptr, 9600, "115200", nullptr},
        {"older family at 9600", TModel::KA, false, "9600", false, false, "KA", "KA", "R", nullptr,
         0, "9600", &SlowSerialTiming},
        // The older family keeps its timing whatever the speed.
        {"older family at 115200", TModel::KA, false, "115200", false, false, "KA", "KA", "R",
         nullptr, 9600, "115200", &SlowSerialTiming},
        {"USB", TModel::KB, true, "9600", false, false, "KB", "Calcualtor", "3.07-Q", nullptr, 0,
         "130000", &UsbTiming},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        TSimSession s({.Model = c.Model, .Usb = c.Usb, .Speed = c.Speed});
        if (c.Flags36And51) {
            s.Control("flag -36 on");
            s.Control("flag -51 on");
        }
        s.Sim->Invoke([&](sim::ISimCalculator& calc) { calc.SetVersion11(c.Version11); });
        s.Open();
        EXPECT_TRUE(s.Server->IsConnected());
        EXPECT_TRUE(s.Ui.Main.Connected);
        EXPECT_EQ(s.State.ModelCode, c.Code);
        EXPECT_EQ(s.State.ModelName, c.ModelName);
        EXPECT_EQ(s.State.RomVersion, c.Rom ? c.Rom : s.State.RomVersion);
        EXPECT_EQ(s.State.CalcFlags, c.Flags ? c.Flags : s.State.CalcFlags);
        EXPECT_EQ(s.State.RequiredSpeed, c.RequiredSpeed);
        EXPECT_EQ(s.Server->GetSpeed(), c.ServerSpeed);
        EXPECT_TRUE(!c.Timing || SameTiming(LinkTiming, *c.Timing));
    }
}

TEST(Connecting, IdentificationLeavesNothingBehind) {
    TSimSession s;
    s.Open();
    EXPECT_NE(s.Server->Ident.find("   ROM: 3.07-Q"), std::string::npos) << s.Server->Ident;
    EXPECT_GT(s.Server->Ident.size(), std::string("   ROM: 3.07-Q").size());
    EXPECT_EQ(s.Server->StatusText(), ""); // the identification's get ends with an empty status
    EXPECT_FALSE(s.Ui.Status.ConnectingVisible);
    EXPECT_EQ(s.Var("$$$t"), ""); // the identification's variable is gone again
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

TEST(Connecting, NoDeviceWhenMissingOrAbsent) {
    {
        TSimSession serial;
        ExpectNoDevice(serial, [&] { serial.Server->Connect("/nonexistent/tty"); });
    }
    // Auto looks for devices: the USB pipes of a real device folder.
    TSimSession usb({.Usb = true, .RealLine = true});
    usb.Control("hangup"); // the device folder goes: Auto finds no calculator
    ExpectNoDevice(usb, [&] { usb.Server->Connect("Auto"); });
    EXPECT_EQ(usb.Server->StatusText(),
              "No device detected. Check the cable connections and the calculator.");
}

// A calculator that falls silent: a command packet goes out six times, each time waited for
// its whole reply time-out, then the link is lost. On simulated time those 18 s cost no real
// time (the same exchange in real time: tests/slow).
TEST(Connecting, SixSilentRoundsLoseTheLinkInSimulatedTime) {
    TSimSession s;
    ASSERT_TRUE(s.OnMemoryLink());
    s.Open();
    s.Control("mute");
    const auto realStart = std::chrono::steady_clock::now();
    const uint64_t simulatedMs =
        Timed([&] { ExpectConnectionError([&] { s.Server->Execute("1", false, false); }); });
    const auto realMs = std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now() - realStart);
    EXPECT_FALSE(s.Ui.Main.Connected);
    EXPECT_GE(simulatedMs, 6u * 3000u);
    EXPECT_LT(realMs.count(), 1000);
}

TEST(Connecting, AutoFindsTheUsbCalculator) {
    TSimSession s({.Usb = true, .Speed = "9600", .RealLine = true});
    s.Server->Connect("auto");
    EXPECT_TRUE(s.Server->IsConnected());
    EXPECT_EQ(s.Server->Port(), "ZQlink");
    EXPECT_EQ(s.Server->StatusText(), "Trying USB Calculator");
    EXPECT_EQ(s.State.ModelCode, "KB");
}

TEST(Connecting, AnEmptyNameOnlyClosesDisconnectSaysGoodbye) {
    TSimSession s;
    s.Open();
    s.Server->Connect("");
    EXPECT_FALSE(s.Server->IsConnected());
    EXPECT_FALSE(CalcPort.IsOpen());
    EXPECT_THROW(s.Server->Execute("1", false, true), ELinkError); // no device connected
    s.Open();
    s.Server->Disconnect();
    EXPECT_FALSE(s.Ui.Main.Connected);
    EXPECT_FALSE(CalcPort.IsOpen());
    EXPECT_TRUE(s.Server->IsConnected()); // the name stays until the next Connect
}
