// The port record, the timing profiles and the operations common to both kinds of port:
// opening and closing, reading and writing, draining, and the serious-error path.
#include "link/Engines.h"
#include "link/PortPosix.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <mutex>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace lw {

// clang-format off
const TimingProfile SlowSerialTiming  = {1, 10, 400, 200, 9000, 1, 1, 100, 10, 1, 100, 1000, 300, 1};
const TimingProfile SlowSerialTiming2 = {1, 10, 400, 200, 9000, 1, 1, 100, 10, 1, 100, 1000, 300, 1};
const TimingProfile FastSerialTiming  = {1, 10, 100,  50, 9000, 1, 1,  50, 10, 1, 100,  100, 300, 1};
const TimingProfile UsbTiming         = {1, 10, 100,  50, 9000, 1, 1,  50, 10, 1,  50,  100, 300, 1};
// clang-format on

TPortRec CalcPort;
TimingProfile LinkTiming = SlowSerialTiming;

const char* const ConnectionErrorText = "Connection Error.\r\nPlease check your connections.";
const char* const UsbCalculatorText = "USB Calculator";
const char* const UsbDeviceName = "ZQlink";

namespace {

constexpr uint32_t WriteTotalMultiplier = 30;
constexpr uint32_t WriteTotalConstant = 100;
constexpr size_t SerialReadPiece = 2038;
constexpr size_t SerialSingleReadLimit = 2048;

// A write to a vanished peer must come back as an error, never end the process.
void IgnoreBrokenPipes() {
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

std::string LastOpenFailure;

} // namespace

namespace port {

void RunOnUi(const std::function<void()>& fn) {
    IUiThread* ui = UiHooks().Thread;
    if (ui->IsUiThread())
        fn();
    else
        ui->RunSync(fn);
}

bool StatusOrPromptVisible() {
    bool visible = false;
    // The busy dialog that a slow wait put up does not count: it only offers a way out.
    RunOnUi([&] {
        visible = (UiHooks().Status->IsBusyVisible() && !SlowWaitNoticeShowing()) ||
                  UiHooks().Prompt->IsVisible();
    });
    return visible;
}

} // namespace port

bool IsSerialPortName(const std::string& name) {
    if (name.find('/') != std::string::npos) return true;
    if (name.size() < 4 || name.compare(0, 3, "COM") != 0) return false;
    return std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string UsbRoot() {
    const char* root = std::getenv("LINKWELL_USB_ROOT");
    return (root && *root) ? std::string(root) : std::string("/dev");
}

uint64_t TickCount() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void ResetPortRec(TPortRec& port) {
    port = TPortRec{};
}

std::string PortOpenFailure() {
    return LastOpenFailure;
}

void OpenPort(const std::string& name, int speed) {
    IgnoreBrokenPipes();
    TPortRec& port = CalcPort;
    port.WriteHandle = -1;
    LastOpenFailure.clear();
    if (IsSerialPortName(name)) {
        TraceLine("CreateFile for " + name);
        const std::string path = port::SerialDevicePath(name);
        int err = 0;
        const int fd = port::OpenSerialDevice(path, err);
        if (fd < 0) {
            LastOpenFailure = port::SerialOpenFailureText(path, err);
            TraceLine(LastOpenFailure);
            SeriousError();
        }
        LinkTiming = speed > 9600 ? FastSerialTiming : SlowSerialTiming;
        TraceLine("SetCommState for " + name);
        if (!port::ConfigureSerial(fd, speed)) {
            LastOpenFailure = path + " cannot be set up: " + std::strerror(errno);
            TraceLine(LastOpenFailure);
            port::CloseSerialDevice(fd);
            SeriousError();
        }
        port.ReadHandle = port.WriteHandle = fd;
        port.PortKind = pkSerial;
        LongTimeouts(port);
    } else {
        LinkTiming = UsbTiming;
        port.BufCount = 0;
        port.BufPos = 1;
        port.NoDataSince = 0;
        port.PortKind = pkUsb;
        if (!port::OpenUsbPipes(port, name, LastOpenFailure)) {
            if (!LastOpenFailure.empty()) TraceLine(LastOpenFailure);
            SeriousError();
        }
    }
    UiHooks().Main->SetConnected(true);
}

void ClosePorts(TPortRec& port) {
    port::StopReader();
    if (port.WriteHandle == port.ReadHandle) port.WriteHandle = -1;
    if (port.ReadHandle >= 0) {
        if (port.PortKind == pkSerial)
            port::CloseSerialDevice(port.ReadHandle);
        else
            ::close(port.ReadHandle);
        if (port.WriteHandle >= 0) ::close(port.WriteHandle);
        ResetPortRec(port);
    }
    TraceLine("Close ports");
}

void ChangeSpeed(TPortRec& port, int speed) {
    if (port.ReadHandle < 0 || !port::SetSerialSpeed(port.ReadHandle, speed)) SeriousError();
    TraceLine("Changing speed to " + std::to_string(speed));
}

void SetReadTimeouts(TPortRec& port, uint32_t constantMs, uint32_t multiplierMs) {
    if (port.PortKind != pkSerial) return;
    if (port.ReadHandle < 0) SeriousError();
    port.ReadTotalConstant = constantMs;
    port.ReadTotalMultiplier = multiplierMs;
}

void ShortTimeouts(TPortRec& port) {
    SetReadTimeouts(port, 100, 1);
}

void LongTimeouts(TPortRec& port) {
    SetReadTimeouts(port, 3000, 1);
}

int ReadComm(TPortRec& port, std::string& buf, uint32_t timeoutMs) {
    const size_t len = buf.size();
    size_t got = 0;
    if (port.PortKind == pkUsb) {
        got = port::ReadUsb(port, buf, timeoutMs);
    } else if (len > 0) {
        if (port.ReadHandle < 0) SeriousError();
        for (;;) {
            const size_t want = std::min(len - got, SerialReadPiece);
            const long n = port::TimedSerialRead(port, buf.data() + got, want);
            if (n < 0) SeriousError();
            got += static_cast<size_t>(n);
            // A long request goes on while the line delivers; a whole time-out of silence
            // ends it with what arrived.
            if (len < SerialSingleReadLimit || got >= len || n == 0) break;
        }
    }
    // The calculator answers again: the notice of its silence goes.
    if (got > 0 && UiHooks().Thread->IsUiThread()) EndSlowWaitNotice();
    std::fill(buf.begin() + static_cast<std::ptrdiff_t>(got), buf.end(), '\0');
    if (got > 0 && got < len) TraceLine("**** ReadComm returning partial string");
    return static_cast<int>(got);
}

void WriteComm(TPortRec& port, const std::string& data) {
    if (port.WriteHandle < 0) SeriousError();
    const uint32_t limit =
        WriteTotalConstant + WriteTotalMultiplier * static_cast<uint32_t>(data.size());
    if (!port::WriteAllBytes(port.WriteHandle, data.data(), data.size(), limit)) {
        TraceLine(std::string("WriteComm failed: ") + std::strerror(errno));
        SeriousError();
    }
}

void ClearInput(TPortRec& port) {
    TraceLine("Clearing input stream  {");
    if (port.PortKind == pkSerial) {
        const uint32_t savedConstant = port.ReadTotalConstant;
        const uint32_t savedMultiplier = port.ReadTotalMultiplier;
        ShortTimeouts(port);
        int quiet = 0;
        do {
            ::tcflush(port.ReadHandle, TCIFLUSH);
            std::string bytes(6, '\0');
            ReadComm(port, bytes, 2500);
            if (bytes.find_first_not_of('\0') != std::string::npos) {
                quiet = 0;
                TraceLine(bytes);
            } else {
                ++quiet;
            }
        } while (quiet < 2);
        SetReadTimeouts(port, savedConstant, savedMultiplier);
    } else {
        int quiet = 0;
        do {
            port.BufCount = 0;
            std::string bytes(1040, '\0');
            const int n = ReadComm(port, bytes, 10);
            if (bytes.find_first_not_of('\0') < 6) {
                quiet = 0;
                TraceLine(bytes.substr(0, static_cast<size_t>(n)));
            } else {
                ++quiet;
            }
        } while (quiet < 4);
        port.BufCount = 0;
    }
    TraceLine("}  Clear completed");
}

void SeriousError() {
    TraceLine("Serious error, disconnecting");
    port::RunOnUi([] {
        UiHooks().Main->SetConnected(false);
        UiHooks().Status->CloseConnecting();
        EndSlowWaitNotice();
    });
    if (UiHooks().Thread->IsUiThread()) UiHooks().Thread->ProcessMessages();
    SendFileHandle.Close();
    ReceiveFileHandle.Close();
    SleepMs(100);
    port::RunOnUi([] { UiHooks().Main->FocusMainWindow(); });
    throw ELinkError(ConnectionErrorText);
}

void RaiseLinkError(const std::string& text) {
    throw ELinkError("Error (" + text + ")");
}

} // namespace lw
