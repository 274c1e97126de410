#include "link/Port.h"
#include "server/CommandPacket.h"
#include "server/Identify.h"
#include "server/PortNames.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

using namespace lw;
using namespace lw::test;

namespace {

// The object file the calculator sends for `$$$t`: a string object.
std::string IdentObject(const std::string& model, char letter, const std::string& text) {
    return "ZQZQ" + model + "-" + letter + PackNibbles(StringObj(text)) + std::string(50, '\0');
}

// The flags, then the VERSION text with the ROM version 23 characters in.
const std::string KbText = "{ 1. 0. }Version ZQ-KBg ROM id: 3.07-Q\nRevision #3.07 ZQ-B";

} // namespace

// The connection tests in server_sim follow model, ROM, timing and the newer model's name
// through the simulated calculator; here every value read from the object.
TEST(Identify, EveryValueOfTheObject) {
    const TIdentity older = Identify(IdentObject("KA", 'R', "{ 0. 1. }Version KA"), false, 9600);
    EXPECT_EQ(older.ModelCode, "KA");
    EXPECT_EQ(older.CalcFlags, "01");
    EXPECT_TRUE(older.OlderFamily);
    EXPECT_FALSE(older.NewerModel);
    EXPECT_EQ(older.RomVersion, "R"); // the header's letter
    EXPECT_EQ(older.Timing, &SlowSerialTiming);
    EXPECT_EQ(older.VersionInfo, "");

    const TIdentity newer = Identify(IdentObject("KB", 'C', KbText), false, 115200);
    EXPECT_EQ(newer.ModelCode, "KB");
    EXPECT_EQ(newer.CalcFlags, "10");
    EXPECT_FALSE(newer.OlderFamily);
    EXPECT_TRUE(newer.NewerModel); // a KB of a later revision at a fast serial speed
    EXPECT_EQ(newer.RomVersion, "3.07-Q");
    EXPECT_EQ(newer.Timing, &FastSerialTiming);
    EXPECT_EQ(newer.VersionInfo, "3.07 ZQ-B");

    // The same calculator at 9600 bit/s: not taken for a newer model, slower timing.
    const TIdentity slow = Identify(IdentObject("KB", 'C', KbText), false, 9600);
    EXPECT_FALSE(slow.NewerModel);
    EXPECT_EQ(slow.Timing, &SlowSerialTiming2);
    // On USB: always a newer model, and the USB timing stays.
    const TIdentity usb = Identify(IdentObject("KB", 'C', KbText), true, 0);
    EXPECT_TRUE(usb.NewerModel);
    EXPECT_EQ(usb.Timing, nullptr);
    EXPECT_EQ(usb.RomVersion, "3.07-Q");
}

TEST(Identify, ShortOrGarbageObjectsDoNotFail) {
    for (const std::string& r : {std::string(), std::string("ZQZQKB"), std::string(13, '\xFF'),
                                 std::string("ZQZQKB-C") + std::string(4, '\xFF')})
        EXPECT_EQ(Identify(r, false, 9600).CalcFlags.size(), 2u);
}

TEST(RequiredSpeed, ByModelAndSpeed) {
    // The other combinations are connect_test's (RequiredSpeed after each connection).
    EXPECT_EQ(RequiredSpeedFor("Calcualtor", false, "9600"), 115200);
}

TEST(PortNames, CaseRules) {
    EXPECT_EQ(CanonicalPortName("auto"), "AUTO");
    EXPECT_EQ(CanonicalPortName("Auto"), "AUTO");
    EXPECT_EQ(CanonicalPortName("com3"), "COM3");
    EXPECT_EQ(CanonicalPortName("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(CanonicalPortName("/tmp/Com1"), "/tmp/Com1");
    EXPECT_EQ(CanonicalPortName("comedy"), "comedy");
    EXPECT_EQ(CanonicalPortName("USB Calculator"), "ZQlink");
    EXPECT_EQ(CanonicalPortName("USB Calculator_2"), "ZQlink_2");
    EXPECT_EQ(CanonicalPortName("ZQlink_1"), "ZQlink_1");
    EXPECT_EQ(CanonicalPortName(""), "");
    EXPECT_TRUE(IsUsbDeviceName("zqlink_3"));
    EXPECT_FALSE(IsUsbDeviceName("/dev/pts/3"));
}

TEST(CommandPacket, Framing) {
    EXPECT_EQ(BuildCommandPacket(""), std::string(3, '\0'));
    std::string data(300, '\0');
    unsigned sum = 0;
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<char>(i * 7), sum += (i * 7) & 0xFF;
    const std::string p = BuildCommandPacket(data);
    ASSERT_EQ(p.size(), 303u);
    EXPECT_EQ(p[0], '\x01');
    EXPECT_EQ(p[1], '\x2C');
    EXPECT_EQ(p.substr(2, 300), data);
    EXPECT_EQ(static_cast<unsigned char>(p[302]), sum & 0xFF);
}
