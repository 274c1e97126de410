// The port backends of the Windows build: serial ports through the Win32 communications calls
// (link/SerialWin32.h). The calculator's USB pipes are Linux devices and have no backend here.
#include "link/PortBackend.h"
#include "link/SerialWin32.h"

namespace lw {

namespace {

class TComBackend final : public IPortBackend {
public:
    bool Open(const std::string& name, int speed, std::string& failure) {
        if (FPort.Open(name, speed)) return true;
        failure = FPort.Failure();
        return false;
    }

    std::string Name() const override { return FPort.Name(); }
    TLineTraits Traits() const override { return {}; }
    long Read(char* buf, size_t n, uint32_t waitMs) override { return FPort.Read(buf, n, waitMs); }
    long Write(const char* data, size_t n, uint32_t waitMs) override {
        return FPort.Write(data, n, waitMs);
    }
    void Purge() override { FPort.PurgeInput(); }
    bool SetSpeed(int speed) override { return FPort.SetSpeed(speed); }
    bool Present() override { return FPort.Present(); }
    std::string LastError() const override { return FPort.LastError(); }

private:
    port::TComPort FPort;
};

} // namespace

std::unique_ptr<IPortBackend> OpenSerialBackend(const std::string& name, int speed,
                                                std::string& failure) {
    auto backend = std::make_unique<TComBackend>();
    if (!backend->Open(name, speed, failure)) return nullptr;
    return backend;
}

std::unique_ptr<IPortBackend> OpenUsbBackend(const std::string& name, std::string& failure) {
    failure = name + ": USB calculators are not supported in the Windows build";
    return nullptr;
}

} // namespace lw
