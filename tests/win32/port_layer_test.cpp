// The port layer of the Windows build: COM ports open through the Win32 backend, USB
// calculators are refused, and the in-memory link runs on a simulated clock as on Linux.
#include "link/MemoryLink.h"
#include "link/Port.h"
#include "link/SimulatedClock.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lw {
namespace {

TEST(WinPortLayer, PortsThatCannotOpenFailWithTheirNames) {
    EXPECT_THROW(OpenPort("COM249", 9600), ELinkError);
    EXPECT_EQ(PortOpenFailure(), "COM249 does not exist");
    EXPECT_THROW(OpenPort(UsbDeviceName, 0), ELinkError);
    EXPECT_EQ(PortOpenFailure(), "ZQlink: USB calculators are not supported in the Windows build");
}

TEST(WinPortLayer, TheInMemoryLinkMovesBytesAndWaitsOnSimulatedTime) {
    TSimulatedClock clock;
    clock.AddParty();
    clock.EnterParty();
    SetClock(&clock);
    {
        TMemoryLink link({.Name = "memory"}, clock);
        OpenPort("memory", 9600);
        WriteComm(CalcPort, "ping");
        EXPECT_EQ(link.Take(16), "ping");
        link.Send("pong");
        std::string buf(4, '\0');
        EXPECT_EQ(ReadComm(CalcPort, buf, 0), 4);
        EXPECT_EQ(buf, "pong");
        // Nothing answers: the read lasts its whole time-out (3 s), in simulated time.
        const auto before = clock.Elapsed();
        EXPECT_EQ(ReadComm(CalcPort, buf, 0), 0);
        EXPECT_GE(clock.Elapsed() - before, std::chrono::milliseconds(3000));
        ClosePorts(CalcPort);
    }
    SetClock(nullptr);
    clock.LeaveParty();
}

// When LW_TEST_COM_PORT names a COM port whose far end echoes every byte (scripts/windows.sh
// maps one to a pseudo-terminal under Wine): the port layer's operations through the Win32
// backend.
TEST(WinPortLayer, ARealComPortCarriesBytesBothWays) {
    const char* name = std::getenv("LW_TEST_COM_PORT");
    if (!name || !*name) GTEST_SKIP() << "LW_TEST_COM_PORT names no echoing port";
    OpenPort(name, 9600);
    EXPECT_TRUE(CalcPort.IsOpen());
    ChangeSpeed(CalcPort, 19200);
    const std::string sent("\x06\x15\x00ZQ\r\n\xff", 8);
    WriteComm(CalcPort, sent);
    std::string got(sent.size(), '\0');
    EXPECT_EQ(ReadComm(CalcPort, got, 0), int(sent.size()));
    EXPECT_EQ(got, sent);
    ClosePorts(CalcPort);
    EXPECT_FALSE(CalcPort.IsOpen());
}

} // namespace
} // namespace lw
