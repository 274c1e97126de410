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

// The connection tests in server_sim follow model, ROM, timing and the newer model's name
// through the simulated calculator; here the flag order and the version text.
TEST(Identify, FlagsInOrderAndVersionText) {
    const TIdentity older = Identify(IdentObject("KA", 'R', "{ 0. 1. }Version KA"), false, 9600);
    EXPECT_EQ(older.CalcFlags, "01");
    EXPECT_TRUE(older.OlderFamily);
    const TIdentity newer = Identify(IdentObject("KB", 'C', KbText), false, 115200);
    EXPECT_EQ(newer.CalcFlags, "10");
    EXPECT_FALSE(newer.OlderFamily);
    EXPECT_EQ(newer.VersionInfo, "3.07 ZQ-B");
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
