// The calculator's USB device: its two pipes, the reader thread that makes one blocking
// 64-byte read per request, the polls of that reader, and the device presence check.
#include "link/PortPosix.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"
#include "util/Files.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <mutex>
#include <poll.h>
#include <thread>
#include <unistd.h>

namespace lw {
namespace {

constexpr uint32_t UsbPollMs = 80;
constexpr uint64_t NoDataLimitMs = 2500;
constexpr size_t UsbReadSize = 64;

// An auto-reset event: Wait consumes the signal.
class TAutoEvent {
public:
    void Set() {
        {
            std::lock_guard lock(FMutex);
            FSignalled = true;
        }
        FCond.notify_all();
    }
    // Waits for the signal; false on time-out.
    bool WaitMs(uint32_t ms) {
        std::unique_lock lock(FMutex);
        if (!FCond.wait_for(lock, std::chrono::milliseconds(ms), [&] { return FSignalled; }))
            return false;
        FSignalled = false;
        return true;
    }
    // Waits without limit for the signal or for `stop`; false when stopped.
    bool WaitOrStop(const std::atomic<bool>& stop) {
        std::unique_lock lock(FMutex);
        FCond.wait(lock, [&] { return FSignalled || stop.load(); });
        if (stop.load()) return false;
        FSignalled = false;
        return true;
    }
    // Wakes waiters so that they look at their stop condition.
    void Wake() {
        { std::lock_guard lock(FMutex); }
        FCond.notify_all();
    }

private:
    std::mutex FMutex;
    std::condition_variable FCond;
    bool FSignalled = false;
};

// Hand-over between the calling side and the reader. The reader fills SharedBuffer and
// SharedCount before it signals DataReady; SafeRd reads them only after a successful wait,
// and asks for a new read only after it collected the last one.
std::unique_ptr<TAutoEvent> ReadRequest;
std::unique_ptr<TAutoEvent> DataReady;
bool ReadPending = false;
unsigned char SharedBuffer[UsbReadSize];
uint32_t SharedCount = 0;

// Reads the USB read pipe on request. Stopped cooperatively: the stop flag and a wake-up
// pipe in its poll, then joined.
class TSafeRdThread {
public:
    explicit TSafeRdThread(int handle) : FHandle(handle) {
        int wake[2];
        if (::pipe2(wake, O_CLOEXEC | O_NONBLOCK) == 0) {
            FWakeRead.Reset(wake[0]);
            FWakeWrite.Reset(wake[1]);
        }
        FThread = std::thread([this] { Execute(); });
    }
    ~TSafeRdThread() {
        FStop = true;
        if (FWakeWrite) (void)!::write(FWakeWrite.Get(), "x", 1);
        ReadRequest->Wake();
        FThread.join();
    }
    TSafeRdThread(const TSafeRdThread&) = delete;
    TSafeRdThread& operator=(const TSafeRdThread&) = delete;

private:
    void Execute() {
        while (ReadRequest->WaitOrStop(FStop)) {
            ssize_t count = 0;
            while (count <= 0) {
                pollfd fds[2] = {{FHandle, POLLIN, 0}, {FWakeRead.Get(), POLLIN, 0}};
                ::poll(fds, 2, -1);
                if (FStop) return;
                count = ::read(FHandle, FBuffer, sizeof FBuffer);
                if (count > 0 || (count < 0 && (errno == EAGAIN || errno == EINTR))) continue;
                // End of stream or a failure: the device has gone. The calling side notices
                // through its presence check; wait a little instead of spinning.
                ::poll(&fds[1], 1, 20);
                if (FStop) return;
            }
            std::memcpy(SharedBuffer, FBuffer, static_cast<size_t>(count));
            SharedCount = static_cast<uint32_t>(count);
            DataReady->Set();
        }
    }

    int FHandle;
    TFd FWakeRead, FWakeWrite; // the stop request's wake-up pipe
    unsigned char FBuffer[UsbReadSize] = {};
    std::atomic<bool> FStop{false};
    std::thread FThread;
};

std::unique_ptr<TSafeRdThread> ReaderThread;

// The device the pipes were opened on; the presence check looks at this one.
std::string OpenDeviceName = UsbDeviceName;

} // namespace

namespace port {

std::string UsbDevicePath(const std::string& name) {
    return UsbRoot() + "/" + name;
}

bool OpenUsbPipes(TPortRec& port, const std::string& name, std::string& failure) {
    const std::string dir = UsbDevicePath(name);
    TFd rd(::open((dir + "/PIPE0").c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    const int rdErr = errno;
    // A write end opens only while the calculator side holds the pipe (ENXIO otherwise).
    TFd wr(::open((dir + "/PIPE1").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    const int wrErr = errno;
    if (!rd || !wr) {
        const bool rdDenied = !rd && (rdErr == EACCES || rdErr == EPERM);
        if (rdDenied || (!wr && (wrErr == EACCES || wrErr == EPERM)))
            failure = PermissionDeniedText(dir + (rdDenied ? "/PIPE0" : "/PIPE1"));
        port.ReadHandle = port.WriteHandle = -1;
        return false;
    }
    // From here the port record owns both ends; ClosePort closes them.
    port.ReadHandle = rd.Release();
    port.WriteHandle = wr.Release();
    OpenDeviceName = name;
    return true;
}

void StopReader() {
    if (!ReaderThread) return;
    ReaderThread.reset();
    ReadRequest.reset();
    DataReady.reset();
    ReadPending = false;
}

bool ReaderRunning() {
    return ReaderThread != nullptr;
}

size_t ReadUsb(TPortRec& port, std::string& buf, uint32_t timeoutMs) {
    const size_t len = buf.size();
    IUiThread* ui = UiHooks().Thread;
    const uint64_t start = TickCount();
    size_t pos = 0;
    for (;;) {
        while (port.BufPos > port.BufCount) {
            if (WaitAbandoned()) break;
            if (ui->IsUiThread()) {
                ui->ProcessMessages();
                NoteSlowWait(start);
            }
            CheckUsbPresent();
            SafeRd(port);
            if (port.BufCount > 0) {
                port.NoDataSince = 0;
                break;
            }
            // A run of empty polls is dated from the end of its first poll: that poll counts
            // as the run's start, so a time-out of t ms lasts t ms more than one poll.
            const uint64_t now = TickCount();
            const bool firstEmpty = port.NoDataSince == 0;
            if (firstEmpty) port.NoDataSince = now;
            const uint64_t elapsed = now - port.NoDataSince;
            if (!firstEmpty) TraceLine("No data, time count = " + std::to_string(elapsed));
            if (elapsed >= NoDataLimitMs) {
                TraceLine("ReadFile exceeded maximum time for reads of zero bytes");
                port.NoDataSince = now;
                if (!StatusOrPromptVisible()) SeriousError();
            }
            if (elapsed >= timeoutMs) break;
        }
        if (port.BufPos > port.BufCount) break;
        const size_t n = std::min<size_t>(port.BufCount - port.BufPos + 1, len - pos);
        std::memcpy(buf.data() + pos, port.UsbBuffer + port.BufPos - 1, n);
        port.BufPos += static_cast<uint32_t>(n);
        pos += n;
        if (pos >= len) break;
    }
    return pos;
}

} // namespace port

void SafeRd(TPortRec& port) {
    if (!ReaderThread) {
        ReadRequest = std::make_unique<TAutoEvent>();
        DataReady = std::make_unique<TAutoEvent>();
        ReadPending = false;
        ReaderThread = std::make_unique<TSafeRdThread>(port.ReadHandle);
    }
    if (!ReadPending) ReadRequest->Set();
    ReadPending = true;
    port.BufCount = 0;
    port.BufPos = 1;
    // One poll lasts UsbPollMs, waited in slices (the UI thread's messages run between).
    // The deadline is kept finer than a millisecond and what is left is rounded up, so that
    // the slices together never come out shorter than one whole poll.
    using namespace std::chrono;
    const auto deadline = steady_clock::now() + milliseconds(UsbPollMs);
    bool ready = false;
    while (!ready && !port::WaitAbandoned()) {
        const auto left = ceil<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0) break;
        ready = DataReady->WaitMs(static_cast<uint32_t>(port::WaitSlice(static_cast<int>(left))));
        if (!ready && UiHooks().Thread->IsUiThread()) UiHooks().Thread->ProcessMessages();
    }
    if (ready) {
        ReadPending = false;
        std::memcpy(port.UsbBuffer, SharedBuffer, SharedCount);
        port.BufCount = SharedCount;
    } else {
        TraceLine("SafeRd TimeOut");
    }
}

void CheckUsbPresent() {
    const std::string dir = port::UsbDevicePath(OpenDeviceName);
    if (!TFd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))) {
        port::RunOnUi([] { UiHooks().Prompt->Hide(); });
        SeriousError();
    }
}

} // namespace lw
