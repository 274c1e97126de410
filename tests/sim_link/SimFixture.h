// A simulator with a fake calculator on a pty or FIFOs, and a scripted PC opened on it.
#pragma once
#include "FakeCalculator.h"
#include "SimClient.h"
#include "sim/link/Simulator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

namespace lw::test {

// An object file of `size` bytes in all: the header and a recognisable pattern.
inline std::string ObjectFile(size_t size) {
    std::string f = "ZQZQKB-R";
    for (size_t i = f.size(); i < size; ++i) f += char((i * 7 + i / 256) & 0xFF);
    return f;
}

class TSimFixture : public ::testing::Test {
protected:
    void TearDown() override {
        Pc.reset();
        if (Sim) Sim->Stop();
        if (!Root.empty()) std::filesystem::remove_all(Root);
    }

    // Starts the simulator on a fresh transport and opens the PC's end.
    void Begin(bool usb, sim::TSimConfig config = {},
               std::function<void(TFakeCalculator&)> setup = {}) {
        auto calc = std::make_unique<TFakeCalculator>();
        calc->Vars["X"] = ObjectFile(100);
        if (setup) setup(*calc);
        if (config.StartByte == "random") config.StartByte = "crc";
        Sim = std::make_unique<sim::TSimulator>(config, std::move(calc));
        if (usb) {
            char dir[] = "/tmp/lw-simlink-XXXXXX";
            ASSERT_NE(mkdtemp(dir), nullptr);
            Root = dir;
            Path = Sim->AttachUsb(Root, "");
        } else {
            Path = Sim->AttachSerial("");
        }
        Sim->Start();
        Pc = std::make_unique<TSimClient>(Path, usb);
    }

    // A copy of the calculator's variable, taken on the simulator's thread.
    std::string Var(const std::string& name) {
        std::string v;
        Sim->Invoke([&](sim::ISimCalculator& c) { c.GetVariable(name, v); });
        return v;
    }

    std::unique_ptr<sim::TSimulator> Sim;
    std::unique_ptr<TSimClient> Pc;
    std::string Path, Root;
};

// The same tests on both transports.
class TSimBoth : public TSimFixture, public ::testing::WithParamInterface<bool> {
protected:
    void Begin(sim::TSimConfig config = {}, std::function<void(TFakeCalculator&)> setup = {}) {
        TSimFixture::Begin(GetParam(), std::move(config), std::move(setup));
    }
};

} // namespace lw::test
