// The server client against the simulated calculator, in-process: over a pseudo-terminal or
// over the USB pipes under a private root.
#pragma once
#include "link/Port.h"
#include "server/XModemServer.h"
#include "sim/link/Simulator.h"
#include "support/FakeUi.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

namespace lw::test {

inline bool SameTiming(const TimingProfile& a, const TimingProfile& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

class SimFixture : public ::testing::Test {
protected:
    ~SimFixture() override {
        Server.reset(); // disconnects first
        if (Sim) Sim->Stop();
        if (!UsbRoot.empty()) {
            std::error_code ec;
            std::filesystem::remove_all(UsbRoot, ec);
            ::unsetenv("LINKWELL_USB_ROOT");
        }
    }

    // Starts a simulated calculator of `model` on a pseudo-terminal (usb: on the USB pipes).
    void Start(sim::TModel model, bool usb = false, sim::TSimConfig config = {},
               bool sample = true) {
        Sim = std::make_unique<sim::TSimulator>(std::move(config),
                                                sample ? sim::CreateSampleCalculator(model)
                                                       : sim::CreateEmptyCalculator(model));
        if (usb) {
            UseUsbRoot();
            Sim->AttachUsb(UsbRoot);
            Port = UsbDeviceName;
        } else {
            Port = Sim->AttachSerial();
        }
        Sim->Start();
    }

    // A private USB root (empty until a simulator attaches to it).
    void UseUsbRoot() {
        if (!UsbRoot.empty()) return;
        UsbRoot = TempFolder() + "usb-" + std::to_string(::getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::create_directories(UsbRoot);
        ::setenv("LINKWELL_USB_ROOT", UsbRoot.c_str(), 1);
    }

    void Connect(const std::string& speed = "115200") {
        Server->SetSpeed(speed);
        Server->Connect(Port);
    }

    std::string Control(const std::string& line) {
        const std::string reply = Sim->Control(line);
        EXPECT_EQ(reply.rfind("OK", 0), 0u) << line << ": " << reply;
        return reply;
    }

    // Runs `op` and expects the connection error.
    template <class F> void ExpectConnectionError(F op) {
        try {
            op();
            ADD_FAILURE() << "no error";
        } catch (const ELinkError& e) {
            EXPECT_STREQ(e.what(), ConnectionErrorText);
        }
    }

    TFakeUi Ui;
    TCalcState State;
    std::unique_ptr<TXModemServer> Server = std::make_unique<TXModemServer>(State);
    std::unique_ptr<sim::TSimulator> Sim;
    std::string Port;
    std::string UsbRoot;
};

} // namespace lw::test
