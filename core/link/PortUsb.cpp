// The POSIX backend of the calculator's USB device: its two pipes, the reader thread that
// makes one blocking 64-byte read per request, and the device presence check.
#include "link/Clock.h"
#include "link/PortPosix.h"
#include "util/Files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace lw {
namespace {

constexpr size_t UsbReadSize = 64;

// The reader threads alive (for the tests that check a close ends it).
std::atomic<int> LiveReaders{0};

// An auto-reset event on the clock: a wait consumes the signal.
class TAutoEvent {
public:
    void Set() {
        Clock().Change([&] { FSignalled = true; });
    }
    // Waits for the signal at most waitMs (UINT32_MAX: no limit); false on time-out.
    bool WaitMs(uint32_t waitMs) {
        IClock& clock = Clock();
        const TClockPoint deadline = waitMs == UINT32_MAX
                                         ? TClockPoint::max()
                                         : clock.Now() + std::chrono::milliseconds(waitMs);
        bool taken = false;
        clock.WaitUntil(deadline, [&] {
            if (FSignalled) FSignalled = false, taken = true;
            return taken;
        });
        return taken;
    }
    // Waits without limit for the signal or for `stop`; false when stopped.
    bool WaitOrStop(const std::atomic<bool>& stop) {
        bool taken = false;
        Clock().WaitUntil(TClockPoint::max(), [&] {
            if (!stop && FSignalled) FSignalled = false, taken = true;
            return taken || stop;
        });
        return taken;
    }
    // Wakes waiters so that they look at their stop condition.
    void Wake() {
        Clock().Change([] {});
    }

private:
    bool FSignalled = false;
};

// The device's pipes and the reader of the read pipe. The reader fills FShared and
// FSharedCount before it signals FDataReady; Read takes them only after a successful wait,
// and asks for a new read only after it collected the last one.
class TUsbBackend : public IPortBackend, public port::IFdBackend {
public:
    TUsbBackend(std::string name, int rd, int wr) : FName(std::move(name)), FRead(rd), FWrite(wr) {}
    ~TUsbBackend() override { StopReader(); }
    TUsbBackend(const TUsbBackend&) = delete;
    TUsbBackend& operator=(const TUsbBackend&) = delete;

    std::string Name() const override { return FName; }
    TLineTraits Traits() const override { return {false, true}; }

    long Read(char* buf, size_t n, uint32_t waitMs) override {
        if (!FThread.joinable()) StartReader();
        if (!FReadPending) FReadRequest.Set();
        FReadPending = true;
        if (!FDataReady.WaitMs(waitMs)) return 0;
        FReadPending = false;
        const size_t count = std::min<size_t>(FSharedCount, n);
        std::memcpy(buf, FShared, count);
        return static_cast<long>(count);
    }
    long Write(const char* data, size_t n, uint32_t waitMs) override {
        return port::WriteFd(FWrite.Get(), data, n, waitMs, FError);
    }
    void Purge() override {}
    bool SetSpeed(int) override { return true; }
    bool Present() override {
        return static_cast<bool>(
            TFd(::open(port::UsbDevicePath(FName).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)));
    }
    std::string LastError() const override { return FError; }
    int InputFd() const override { return FRead.Get(); }

private:
    void StartReader() {
        int wake[2];
        if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) == 0) {
            FWakeRead.Reset(wake[0]);
            FWakeWrite.Reset(wake[1]);
        }
        ++LiveReaders;
        FThread = std::thread([this] { Execute(); });
    }
    // Stopped cooperatively: the stop flag and a wake-up pipe in its poll, then joined.
    void StopReader() {
        if (!FThread.joinable()) return;
        FStop = true;
        if (FWakeWrite) (void)!::write(FWakeWrite.Get(), "x", 1);
        FReadRequest.Wake();
        FThread.join();
        --LiveReaders;
    }
    void Execute() {
        while (FReadRequest.WaitOrStop(FStop)) {
            ssize_t count = 0;
            while (count <= 0) {
                pollfd fds[2] = {{FRead.Get(), POLLIN, 0}, {FWakeRead.Get(), POLLIN, 0}};
                ::poll(fds, 2, -1);
                if (FStop) return;
                count = ::read(FRead.Get(), FBuffer, sizeof FBuffer);
                if (count > 0 || (count < 0 && (errno == EAGAIN || errno == EINTR))) continue;
                // End of stream or a failure: the device has gone. The calling side notices
                // through its presence check; wait a little instead of spinning.
                ::poll(&fds[1], 1, 20);
                if (FStop) return;
            }
            std::memcpy(FShared, FBuffer, static_cast<size_t>(count));
            FSharedCount = static_cast<uint32_t>(count);
            FDataReady.Set();
        }
    }

    std::string FName;
    TFd FRead, FWrite;
    std::string FError;
    TAutoEvent FReadRequest, FDataReady;
    bool FReadPending = false;
    unsigned char FShared[UsbReadSize] = {};
    uint32_t FSharedCount = 0;
    // The reader's own.
    unsigned char FBuffer[UsbReadSize] = {};
    TFd FWakeRead, FWakeWrite; // the stop request's wake-up pipe
    std::atomic<bool> FStop{false};
    std::thread FThread;
};

} // namespace

namespace port {

std::string UsbDevicePath(const std::string& name) {
    return UsbRoot() + "/" + name;
}

bool ReaderRunning() {
    return LiveReaders.load() > 0;
}

} // namespace port

std::unique_ptr<IPortBackend> OpenUsbBackend(const std::string& name, std::string& failure) {
    port::IgnoreBrokenPipes();
    const std::string dir = port::UsbDevicePath(name);
    TFd rd(::open((dir + "/PIPE0").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    const int rdErr = errno;
    // A write end opens only while the calculator side holds the pipe (ENXIO otherwise).
    TFd wr(::open((dir + "/PIPE1").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    const int wrErr = errno;
    if (!rd || !wr) {
        const bool rdDenied = !rd && (rdErr == EACCES || rdErr == EPERM);
        if (rdDenied || (!wr && (wrErr == EACCES || wrErr == EPERM)))
            failure = port::PermissionDeniedText(dir + (rdDenied ? "/PIPE0" : "/PIPE1"));
        return nullptr;
    }
    return std::make_unique<TUsbBackend>(name, rd.Release(), wr.Release());
}

} // namespace lw
