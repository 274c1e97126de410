// The simulator's own tests: the shared session with a fake calculator, and the PC's raw
// client opened on the line.
#pragma once
#include "FakeCalculator.h"
#include "support/SimSession.h"
#include "support/XModemPeer.h"

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
    // Starts the simulator with the fake calculator on a fresh transport and opens the PC's
    // end. Transfers the PC receives start with CRC unless the options say otherwise.
    void Begin(bool usb, TSessionOptions options = {},
               std::function<void(TFakeCalculator&)> setup = {}) {
        auto calc = std::make_unique<TFakeCalculator>();
        calc->Vars["X"] = ObjectFile(100);
        if (setup) setup(*calc);
        options.Usb = usb;
        if (options.StartByte == "random") options.StartByte = "crc";
        S = std::make_unique<TSimSession>(std::move(options), std::move(calc));
        S->OpenPc();
    }
    // Whether the server answers the PC's identification request.
    bool Serves() {
        std::string answer;
        return S->Pc->Ask('V', answer);
    }
    std::unique_ptr<TSimSession> S;
};

// The same tests on both transports.
class TSimBoth : public TSimFixture, public ::testing::WithParamInterface<bool> {
protected:
    void Begin(TSessionOptions options = {}, std::function<void(TFakeCalculator&)> setup = {}) {
        TSimFixture::Begin(GetParam(), std::move(options), std::move(setup));
    }
};

} // namespace lw::test
