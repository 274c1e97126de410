// The port record, the timing profiles and the operations every backend shares: opening and
// closing, reading within the read time-outs, writing within the write time-out, draining,
// and the serious-error path. The bytes themselves move through the open port's backend.
#include "link/Clock.h"
#include "link/Engines.h"
#include "link/PortInternal.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"
#include "util/MessageTexts.h"

#include <algorithm>
#include <chrono>

namespace lw {

// clang-format off
const TimingProfile SlowSerialTiming  = {1, 10, 400, 200, 9000, 1, 1, 100, 10, 1, 100, 1000, 300, 1};
const TimingProfile SlowSerialTiming2 = {1, 10, 400, 200, 9000, 1, 1, 100, 10, 1, 100, 1000, 300, 1};
const TimingProfile FastSerialTiming  = {1, 10, 100,  50, 9000, 1, 1,  50, 10, 1, 100,  100, 300, 1};
const TimingProfile UsbTiming         = {1, 10, 100,  50, 9000, 1, 1,  50, 10, 1,  50,  100, 300, 1};
// clang-format on

TPortRec CalcPort;
TimingProfile LinkTiming = SlowSerialTiming;

const char* const ConnectionErrorText = msg::ConnectionError.Text;
const char* const UsbCalculatorText = "USB Calculator";
const char* const UsbDeviceName = "ZQlink";

namespace {

constexpr uint32_t WriteTotalMultiplier = 30;
constexpr uint32_t WriteTotalConstant = 100;
constexpr size_t SerialReadPiece = 2038;
constexpr size_t SerialSingleReadLimit = 2048;

std::string LastOpenFailure;
std::atomic<IPortProvider*> Provider{nullptr};

// Reads up to n bytes within the port's read time-outs (constant + multiplier * n ms; both
// 0: until all n came), in slices. Returns the count, -1 when the line failed.
long ReadWithinTimeouts(TPortRec& port, char* buf, size_t n) {
    if (n == 0) return 0;
    const bool forever = port.ReadTotalConstant == 0 && port.ReadTotalMultiplier == 0;
    const uint64_t start = TickCount();
    const uint64_t deadline =
        start + port.ReadTotalConstant + static_cast<uint64_t>(port.ReadTotalMultiplier) * n;
    size_t got = 0;
    for (;;) {
        const int wait = forever ? -1 : port::RemainingMs(deadline);
        // What has arrived is taken even when the time is up.
        const bool last = (!forever && wait == 0) || port::WaitAbandoned();
        const int slice = last ? 0 : port::WaitSlice(wait);
        const long r = port.Backend->Read(buf + got, n - got,
                                          slice < 0 ? UINT32_MAX : static_cast<uint32_t>(slice));
        if (r < 0) return -1;
        got += static_cast<size_t>(r);
        if (got >= n) break;
        if (r == 0) {
            if (last) break;
            port::BetweenSlices(start);
        }
    }
    return static_cast<long>(got);
}

// Writes all bytes within timeoutMs, in slices. False when the line failed or the time ran
// out (`error` says which).
bool WriteWithin(IPortBackend& line, const char* data, size_t size, uint32_t timeoutMs,
                 std::string& error) {
    const uint64_t start = TickCount();
    const uint64_t deadline = start + timeoutMs;
    while (size > 0) {
        const int wait = port::RemainingMs(deadline);
        const bool last = wait == 0 || port::WaitAbandoned();
        const long w =
            line.Write(data, size, last ? 0 : static_cast<uint32_t>(port::WaitSlice(wait)));
        if (w < 0) {
            error = line.LastError();
            return false;
        }
        data += w;
        size -= static_cast<size_t>(w);
        if (size > 0 && w == 0) {
            if (last) {
                error = "timed out";
                return false;
            }
            port::BetweenSlices(start);
        }
    }
    return true;
}

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

int RemainingMs(uint64_t deadline) {
    const uint64_t now = TickCount();
    return now >= deadline ? 0 : static_cast<int>(deadline - now);
}

void CheckPresent(TPortRec& port) {
    if (port.Backend && port.Backend->Present()) return;
    RunOnUi([] { UiHooks().Prompt->Hide(); });
    SeriousError();
}

} // namespace port

void SetPortProvider(IPortProvider* provider) {
    Provider.store(provider);
}

bool InProcessPort(const std::string& name, TLineTraits& traits) {
    IPortProvider* inProcess = Provider.load();
    return inProcess && inProcess->Knows(name, traits);
}

bool IsSerialPortName(const std::string& name) {
    if (TLineTraits traits; InProcessPort(name, traits)) return traits.HasSpeed;
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
        duration_cast<milliseconds>(Clock().Now().time_since_epoch()).count());
}

void ResetPortRec(TPortRec& port) {
    port = TPortRec{};
}

std::string PortOpenFailure() {
    return LastOpenFailure;
}

void OpenPort(const std::string& name, int speed) {
    TPortRec& port = CalcPort;
    LastOpenFailure.clear();
    std::unique_ptr<IPortBackend> line;
    if (IPortProvider* inProcess = Provider.load()) line = inProcess->OpenByName(name);
    if (!line && IsSerialPortName(name)) {
        TraceLine("CreateFile for " + name);
        line = OpenSerialBackend(name, speed, LastOpenFailure);
        if (line) TraceLine("SetCommState for " + name);
    } else if (!line) {
        line = OpenUsbBackend(name, LastOpenFailure);
    }
    if (!line) {
        if (!LastOpenFailure.empty()) TraceLine(LastOpenFailure);
        SeriousError();
    }
    const TLineTraits traits = line->Traits();
    LinkTiming = !traits.HasSpeed ? UsbTiming : speed > 9600 ? FastSerialTiming : SlowSerialTiming;
    ResetPortRec(port);
    port.Backend = std::move(line);
    if (traits.HasSpeed) LongTimeouts(port);
    UiHooks().Main->SetConnected(true);
}

void ClosePorts(TPortRec& port) {
    if (port.Backend) ResetPortRec(port);
    TraceLine("Close ports");
}

void ChangeSpeed(TPortRec& port, int speed) {
    if (!port.Backend || !port.Backend->SetSpeed(speed)) SeriousError();
    TraceLine("Changing speed to " + std::to_string(speed));
}

void SetReadTimeouts(TPortRec& port, uint32_t constantMs, uint32_t multiplierMs) {
    if (!port.Backend) SeriousError();
    if (!port.Traits().HasSpeed) return;
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
    if (port.Traits().PacketReads) {
        got = port::ReadPackets(port, buf, timeoutMs);
    } else if (len > 0) {
        if (!port.Backend) SeriousError();
        for (;;) {
            const size_t want = std::min(len - got, SerialReadPiece);
            const long n = ReadWithinTimeouts(port, buf.data() + got, want);
            if (n < 0) {
                TraceLine("ReadComm failed: " + port.Backend->LastError());
                SeriousError();
            }
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
    if (!port.Backend) SeriousError();
    const uint32_t limit =
        WriteTotalConstant + WriteTotalMultiplier * static_cast<uint32_t>(data.size());
    std::string error;
    if (!WriteWithin(*port.Backend, data.data(), data.size(), limit, error)) {
        TraceLine("WriteComm failed: " + error);
        SeriousError();
    }
}

void ClearInput(TPortRec& port) {
    TraceLine("Clearing input stream  {");
    if (!port.Backend) SeriousError();
    if (!port.Traits().PacketReads) {
        const uint32_t savedConstant = port.ReadTotalConstant;
        const uint32_t savedMultiplier = port.ReadTotalMultiplier;
        ShortTimeouts(port);
        int quiet = 0;
        do {
            port.Backend->Purge();
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

void CheckUsbPresent() {
    port::CheckPresent(CalcPort);
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
    throw ELinkError(msg::Fill(msg::LinkError, {text}));
}

} // namespace lw
