// The Windows build's lines: a COM port, one end of a null-modem pair whose other end the PC
// opens. Windows has neither pseudo-terminals nor FIFOs: those transports are refused with a
// message that says so.
#include "sim/link/SimTransport.h"

#include "link/SerialWin32.h"

#include <stdexcept>
#include <windows.h>

namespace lw::sim {

namespace {

class TComTransport : public ISimTransport {
public:
    explicit TComTransport(const std::string& port) {
        if (!Port.Open(port, 9600)) throw std::runtime_error(Port.Failure());
        // Reads take what has arrived and never wait (the waits poll the input queue);
        // a write gives up after 100 ms and reports what went out.
        COMMTIMEOUTS t{};
        t.ReadIntervalTimeout = MAXDWORD;
        t.WriteTotalTimeoutConstant = 100;
        if (!::SetCommTimeouts(static_cast<HANDLE>(Port.Handle()), &t))
            throw std::runtime_error(port + ": the port refused its time-outs");
    }

    // The handle serves as the descriptor: Windows handles fit in 32 bits (HandleToLong).
    int ReadFd() const override {
        return Port.IsOpen() ? int(HandleToLong(static_cast<HANDLE>(Port.Handle()))) : -1;
    }
    int WriteFd() const override { return ReadFd(); }
    int NotifyFd() const override { return -1; }
    void ServiceNotify() override {}
    // A null-modem pair does not tell whether the PC holds its end open.
    bool PcHasOpen() const override { return true; }
    std::string PcPath() const override { return Port.Name(); }
    bool IsUsb() const override { return false; }
    // Each end of the pair has a speed of its own; the PC's is not known here.
    uint32_t PcBaud() const override { return 0; }
    void KeepRaw() override {}
    void HangUp() override { Port.Close(); }

private:
    port::TComPort Port;
};

} // namespace

std::unique_ptr<ISimTransport> CreateComTransport(const std::string& port) {
    return std::make_unique<TComTransport>(port);
}

std::unique_ptr<ISimTransport> CreatePtyTransport(const std::string&) {
    throw std::runtime_error("the serial mode needs a pseudo-terminal, which Windows does not "
                             "have: serve on a COM port with --com PORT");
}

std::unique_ptr<ISimTransport> CreateFifoTransport(const std::string&, const std::string&) {
    throw std::runtime_error("the USB mode needs FIFOs, which Windows does not have: serve on a "
                             "COM port with --com PORT");
}

} // namespace lw::sim
