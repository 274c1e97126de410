// The port layer: the one connection to the calculator, over a serial device or the two
// pipes of the calculator's USB device, and the byte-level operations everything above uses.
#pragma once
#include "link/PortBackend.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace lw {

// The one port record. Backend is null while the port is closed.
struct TPortRec {
    std::unique_ptr<IPortBackend> Backend;
    unsigned char UsbBuffer[64] = {};
    uint32_t BufCount = 0;
    uint32_t BufPos = 1;      // 1-based index of the next unread byte; empty when > BufCount
    uint64_t NoDataSince = 0; // ms tick at which the current run of empty USB polls began
    // Serial read time-outs: a read of n bytes returns when n bytes arrived or
    // ReadTotalConstant + ReadTotalMultiplier * n ms passed (both 0: waits for all n).
    uint32_t ReadTotalConstant = 0;
    uint32_t ReadTotalMultiplier = 0;

    bool IsOpen() const { return Backend != nullptr; }
    // What the open line is like (a closed port counts as a serial line).
    TLineTraits Traits() const { return Backend ? Backend->Traits() : TLineTraits{}; }
};

// Fourteen exchange delays in milliseconds.
struct TimingProfile {
    uint32_t AfterCommandByte;
    uint32_t BeforePacketAck;
    uint32_t AfterPacketAcked;
    uint32_t AfterPacketReceived;
    uint32_t PulseTimeLimit;
    uint32_t BeforeReceive;
    uint32_t SendStart;
    uint32_t AfterReceive;
    uint32_t AfterSend;
    uint32_t AfterRename;
    uint32_t AfterPulse;
    uint32_t AbortPause;
    uint32_t BeforeBackupReceive;
    uint32_t BeforeListing;
};

extern const TimingProfile SlowSerialTiming;
extern const TimingProfile SlowSerialTiming2;
extern const TimingProfile FastSerialTiming;
extern const TimingProfile UsbTiming;

extern TPortRec CalcPort;
extern TimingProfile LinkTiming;

// "Connection Error.\r\nPlease check your connections."
extern const char* const ConnectionErrorText;
// "USB Calculator": the port list's name of a USB device.
extern const char* const UsbCalculatorText;
// The USB device name the server client passes to OpenPort ("ZQlink"; devices
// "ZQlink_1" .. "ZQlink_4" follow). It names a folder under $LINKWELL_USB_ROOT (default
// /dev) holding the pipes PIPE0 (read) and PIPE1 (write).
extern const char* const UsbDeviceName;

// Raised by SeriousError (message ConnectionErrorText) and RaiseLinkError
// ("Error (" + text + ")").
class ELinkError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// True for a name that opens a serial device: a path ("/dev/ttyUSB0", "/dev/pts/3", a
// symlink) or "COMn", or an in-process port that behaves as a serial line. False for the USB
// device names and "Auto".
bool IsSerialPortName(const std::string& name);
// The folder that holds the USB device folders: $LINKWELL_USB_ROOT, default "/dev".
std::string UsbRoot();
// Monotonic milliseconds of the clock in use (link/Clock.h).
uint64_t TickCount();
// Sleeps `ms` milliseconds (the protocol's fixed delays); on the UI thread in slices that let
// the window's messages run.
void SleepMs(uint32_t ms);
// The transfer running on the calling thread: once `flag` is set, the port's waits on this
// thread end early (as time-outs) so that the transfer ends soon. Null: none.
void SetWaitAbandonFlag(const std::atomic<bool>* flag);
// On the UI thread, for a wait that began at `startedAt` (ms tick): once it lasts over a
// second with no other dialog showing, the busy dialog shows; its Cancel then ends the wait
// disconnected (SeriousError).
void NoteSlowWait(uint64_t startedAt);
// The busy dialog shows because a slow wait put it up (UI thread).
bool SlowWaitNoticeShowing();
// Closes the busy dialog if a slow wait put it up (UI thread).
void EndSlowWaitNotice();
// Asks the UI thread's waits to end as cancelled, disconnected (as the busy dialog's Cancel
// does), also before a dialog shows; false withdraws the request.
void CancelWaits(bool on);

void SetPortListSeparator(const std::string& separator);
// "Auto\n", then every serial device that can be opened exclusively, then one
// "USB Calculator" + suffix entry per USB device found, each followed by the separator.
std::string ListPorts();
// A port that exists but this user may not open: its list name (as in ListPorts), the group
// that owns it and the message that says what to do.
struct TDeniedPort {
    std::string Name;
    std::string Group;
    std::string Message;
};
// The serial devices and USB calculators ListPorts leaves out because this user lacks the
// permission to open them.
std::vector<TDeniedPort> DeniedPorts();
// The note beside such a port in a port list: "(no permission: group dialout)".
std::string NoPermissionNote(const std::string& group);
void OpenPort(const std::string& name, int speed);
// Why the last OpenPort failed to open a serial device ("/tmp is not a serial device",
// "/dev/ttyUSB9 does not exist" ...) or the USB pipes (permission denied, with the group to
// join); "" when the last OpenPort did not fail that way. The
// connection error stays the message of the failure; this is its cause, for the log.
std::string PortOpenFailure();
void ClosePorts(TPortRec& port);
void ResetPortRec(TPortRec& port);
void ChangeSpeed(TPortRec& port, int speed);
void SetReadTimeouts(TPortRec& port, uint32_t constantMs, uint32_t multiplierMs);
void ShortTimeouts(TPortRec& port);
void LongTimeouts(TPortRec& port);
// Reads buf.size() bytes; returns how many arrived; the rest of buf is zero-filled.
int ReadComm(TPortRec& port, std::string& buf, uint32_t timeoutMs);
void WriteComm(TPortRec& port, const std::string& data);
void SafeRd(TPortRec& port);
void ClearInput(TPortRec& port);
void CheckUsbPresent();
[[noreturn]] void SeriousError();
[[noreturn]] void RaiseLinkError(const std::string& text);

} // namespace lw
