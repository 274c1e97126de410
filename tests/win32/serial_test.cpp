// The Windows serial backend without a device: names, the port list, and what the user is
// told when a port cannot be opened.
#include "link/SerialWin32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <windows.h>

namespace lw::port {
namespace {

TEST(ComPortNames, AcceptTheFormsUsersTypeAndRejectTheRest) {
    EXPECT_EQ(ComPortName("COM3"), "COM3");
    EXPECT_EQ(ComPortName("com3"), "COM3");
    EXPECT_EQ(ComPortName("\\\\.\\COM12"), "COM12");
    EXPECT_EQ(ComDevicePath("com12"), "\\\\.\\COM12");
    EXPECT_EQ(ComDevicePath("COM1"), "\\\\.\\COM1");
    for (const char* bad : {"COM", "COM0", "COMx", "COM1a", "COM257", "LPT1", "/dev/ttyS0", ""})
        EXPECT_EQ(ComPortName(bad), "") << bad;
    EXPECT_EQ(ComDevicePath("/dev/ttyS0"), "");
}

TEST(ComPortNames, SortByNumber) {
    std::vector<std::string> ports{"COM10", "COM2", "COM1", "COM256"};
    std::sort(ports.begin(), ports.end(), ComPortBefore);
    EXPECT_EQ(ports, (std::vector<std::string>{"COM1", "COM2", "COM10", "COM256"}));
}

TEST(ComPortList, HoldsOnlyComPortsInOrderWithoutRepeats) {
    const std::vector<std::string> ports = ComPorts();
    for (const std::string& p : ports) EXPECT_EQ(ComPortName(p), p);
    EXPECT_TRUE(std::is_sorted(ports.begin(), ports.end(), ComPortBefore));
    EXPECT_EQ(std::adjacent_find(ports.begin(), ports.end()), ports.end());
}

TEST(ComOpenFailure, EveryTextNamesThePort) {
    EXPECT_EQ(ComOpenFailureText("com7", ERROR_FILE_NOT_FOUND), "COM7 does not exist");
    EXPECT_EQ(ComOpenFailureText("COM3", ERROR_SHARING_VIOLATION),
              "COM3 is in use by another program");
    EXPECT_EQ(ComOpenFailureText("COM3", ERROR_ACCESS_DENIED),
              "Access to COM3 is denied (is it in use by another program?)");
    const std::string other = ComOpenFailureText("COM4", ERROR_GEN_FAILURE);
    EXPECT_EQ(other.rfind("COM4: ", 0), 0u) << other;
    EXPECT_GT(other.size(), 6u) << "the system's text follows the name";
}

TEST(ComPortOpen, AMissingPortFailsWithItsNameAndLeavesThePortClosed) {
    TComPort port;
    EXPECT_FALSE(port.Open("COM249", 9600));
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Failure(), "COM249 does not exist");
    EXPECT_EQ(port.Name(), "COM249");
    EXPECT_FALSE(port.Present());
    char byte = 0;
    EXPECT_EQ(port.Read(&byte, 1, 10), -1);
    EXPECT_EQ(port.Write("x", 1, 10), -1);
    EXPECT_FALSE(port.SetSpeed(9600));
}

TEST(ComPortOpen, ANameThatIsNoComPortIsRefusedBeforeTheSystemIsAsked) {
    TComPort port;
    EXPECT_FALSE(port.Open("/dev/ttyS0", 9600));
    EXPECT_EQ(port.Failure(), "/dev/ttyS0 is not a serial port");
}

// A real round trip when LW_TEST_COM_PORT names a COM port whose other end echoes every byte
// (scripts/windows.sh maps one to a pseudo-terminal under Wine).
TEST(ComPortLine, BytesGoOutAndComeBackThroughARealPort) {
    const char* name = std::getenv("LW_TEST_COM_PORT");
    if (!name || !*name) GTEST_SKIP() << "LW_TEST_COM_PORT names no echoing port";
    TComPort port;
    ASSERT_TRUE(port.Open(name, 9600)) << port.Failure();
    EXPECT_TRUE(port.Present());
    EXPECT_TRUE(port.SetSpeed(19200));
    const std::string sent("\x06\x15\x00ZQ\r\n\xff", 8);
    ASSERT_EQ(port.Write(sent.data(), sent.size(), 1000), long(sent.size())) << port.LastError();
    std::string got;
    char buf[16];
    for (int reads = 0; reads < 20 && got.size() < sent.size(); ++reads) {
        const long n = port.Read(buf, sizeof buf, 500);
        ASSERT_GE(n, 0) << port.LastError();
        got.append(buf, size_t(n));
    }
    EXPECT_EQ(got, sent);
    EXPECT_EQ(port.Read(buf, sizeof buf, 100), 0) << "nothing more came";
}

} // namespace
} // namespace lw::port
