// The port list over a made-up device folder and USB root.
#include "link/PortPosix.h"
#include "support/EngineHarness.h"
#include "support/TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw::test {
namespace {

TEST(PortList, ListsUsableSerialDevicesThenUsbCalculators) {
    TFakeUi ui;
    TTempDir dev, usb;
    TPtyPeer free1, inUse, noUart, free2;
    ASSERT_EQ(::symlink(free1.PortName().c_str(), (dev.Path + "/ttyUSB10").c_str()), 0);
    ASSERT_EQ(::symlink(free2.PortName().c_str(), (dev.Path + "/ttyUSB2").c_str()), 0);
    ASSERT_EQ(::symlink(inUse.PortName().c_str(), (dev.Path + "/ttyUSB1").c_str()), 0);
    ASSERT_EQ(::symlink(noUart.PortName().c_str(), (dev.Path + "/ttyS0").c_str()), 0);
    ASSERT_EQ(::symlink(free1.PortName().c_str(), (dev.Path + "/ttyACM0").c_str()), 0);
    ::close(::open((dev.Path + "/ttyUSB3").c_str(), O_CREAT | O_WRONLY, 0600)); // not a tty
    ::mkdir((usb.Path + "/ZQlink").c_str(), 0700);
    ::mkdir((usb.Path + "/ZQlink_2").c_str(), 0700);
    ::mkdir((usb.Path + "/ZQlink_9").c_str(), 0700); // not a device name

    OpenPort(dev.Path + "/ttyUSB1", 9600); // in use: not listed
    const std::string list = port::ListPortsIn(dev.Path, usb.Path);
    ClosePorts(CalcPort);
    EXPECT_EQ(list, "Auto\n" + dev.Path + "/ttyUSB2\n" + dev.Path + "/ttyUSB10\n" + dev.Path +
                        "/ttyACM0\nUSB Calculator\nUSB Calculator_2\n");

    SetPortListSeparator(";");
    const std::string other = port::ListPortsIn(dev.Path, usb.Path);
    SetPortListSeparator("\n");
    EXPECT_EQ(other.substr(0, 5), "Auto\n");
    EXPECT_NE(other.find("USB Calculator;USB Calculator_2;"), std::string::npos);
}

TEST(PortList, NothingPresentGivesAutoOnly) {
    TTempDir dev, usb;
    EXPECT_EQ(port::ListPortsIn(dev.Path, usb.Path), "Auto\n");
    EXPECT_EQ(port::ListPortsIn(dev.Path + "/missing", usb.Path + "/missing"), "Auto\n");
}

} // namespace
} // namespace lw::test
