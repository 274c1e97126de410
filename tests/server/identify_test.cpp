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

const std::string KbText = "{ 1. 0. }Version ZQ-KB Revision #3.07 ZQ-B";

} // namespace

TEST(Identify, OlderFamilyGetsSlowTimingAndOneLetterRom) {
    for (int speed : {9600, 115200}) {
        const TIdentity id = Identify(IdentObject("KA", 'R', "{ 0. 1. }Version KA"), false, speed);
        EXPECT_EQ(id.ModelCode, "KA");
        EXPECT_EQ(id.RomVersion, "R");
        EXPECT_EQ(id.Timing, &SlowSerialTiming);
        EXPECT_EQ(id.CalcFlags, "01");
        EXPECT_FALSE(id.NewerModel);
        EXPECT_TRUE(id.OlderFamily);
    }
}

TEST(Identify, NewerFamilyOnSerial) {
    const std::string r = IdentObject("KB", 'C', KbText);
    const TIdentity fast = Identify(r, false, 115200);
    EXPECT_EQ(fast.ModelCode, "KB");
    EXPECT_EQ(fast.CalcFlags, "10");
    EXPECT_TRUE(fast.NewerModel); // no "#1.1" and above 16000 bit/s
    EXPECT_EQ(fast.Timing, &FastSerialTiming);
    EXPECT_EQ(fast.VersionInfo, "3.07 ZQ-B");
    EXPECT_EQ(fast.RomVersion, r.substr(45, 6));
    const TIdentity slow = Identify(r, false, 9600);
    EXPECT_FALSE(slow.NewerModel);
    EXPECT_EQ(slow.Timing, &SlowSerialTiming2);
    // A "#1.1" anywhere keeps the model name.
    EXPECT_FALSE(
        Identify(IdentObject("KB", 'C', "{ 0. 0. }Revision #1.1"), false, 115200).NewerModel);
}

TEST(Identify, UsbKeepsItsTiming) {
    const TIdentity id = Identify(IdentObject("KB", 'C', KbText), true, 130000);
    EXPECT_TRUE(id.NewerModel);
    EXPECT_EQ(id.Timing, nullptr);
}

TEST(Identify, ShortOrGarbageObjectsDoNotFail) {
    for (const std::string& r : {std::string(), std::string("ZQZQKB"), std::string(13, '\xFF'),
                                 std::string("ZQZQKB-C") + std::string(4, '\xFF')}) {
        const TIdentity id = Identify(r, false, 9600);
        EXPECT_EQ(id.CalcFlags.size(), 2u);
    }
}

TEST(RequiredSpeed, ByModelAndSpeed) {
    EXPECT_EQ(RequiredSpeedFor("Calcualtor", false, "9600"), 115200);
    EXPECT_EQ(RequiredSpeedFor("Calcualtor", false, "115200"), 0);
    EXPECT_EQ(RequiredSpeedFor("KB", false, "9600"), 0);
    EXPECT_EQ(RequiredSpeedFor("KA", false, "115200"), 9600);
    EXPECT_EQ(RequiredSpeedFor("Calcualtor", true, "9600"), 0);
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
