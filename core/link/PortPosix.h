// The POSIX side of the port layer: what its units share among themselves (and what the
// tests reach directly). Nothing outside link/ and the tests includes this.
#pragma once
#include "link/Port.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace lw::port {

// Serial devices ------------------------------------------------------------------------

// Opens a serial device for exclusive use (O_NOCTTY, non-blocking, flock and TIOCEXCL).
// Returns the descriptor, or -1 with `err` set (EBUSY when another user holds it).
int OpenSerialDevice(const std::string& path, int& err);
// Why a serial device could not be opened, for the user: "PATH does not exist", "PATH is
// not a serial device", "PATH is in use by another program", else PATH and the system's text.
std::string SerialOpenFailureText(const std::string& path, int err);
// The group that owns `path` (its name, else its number); "" when it cannot be looked at.
std::string OwnerGroup(const std::string& path);
// What the user can do about a device or pipe this user may not open: names the path, the
// group that owns it and the command that adds the user to it.
std::string PermissionDeniedText(const std::string& path);
// Releases exclusivity and closes.
void CloseSerialDevice(int fd);
// Raw 8N1, no flow control, reads non-blocking, the given speed, DTR and RTS asserted where
// the device has modem lines. False with errno set on failure.
bool ConfigureSerial(int fd, int speed);
// Sets the speed alone (any integer the driver takes). False on failure.
bool SetSerialSpeed(int fd, int speed);
// A speed without a B-constant, through the driver's arbitrary-rate interface.
bool SetCustomSerialSpeed(int fd, int speed);
// True for a pseudo-terminal (which has no modem lines).
bool IsPseudoTerminal(int fd);
// True for a /dev/ttyS device backed by a real UART.
bool HasUart(int fd);
// The device path for a serial port name ("COM3" -> "/dev/ttyS2", paths as they are).
std::string SerialDevicePath(const std::string& name);

// Reads up to n bytes with the port's total time-out. Returns the count, -1 on failure
// (errno set; a hang-up is EIO).
long TimedSerialRead(const TPortRec& port, char* buf, size_t n);

// Writes all bytes, waiting at most timeoutMs for the device to take them. False on failure
// or time-out (errno set; ETIMEDOUT for the time-out).
bool WriteAllBytes(int fd, const char* data, size_t size, uint32_t timeoutMs);

// USB ------------------------------------------------------------------------------------

// The folder of a USB device name ("ZQlink" -> $LINKWELL_USB_ROOT/ZQlink).
std::string UsbDevicePath(const std::string& name);
// Opens the device's two pipes into the record; false if either cannot be opened, with
// `failure` set when a pipe may not be opened by this user.
bool OpenUsbPipes(TPortRec& port, const std::string& name, std::string& failure);
// The USB part of ReadComm: returns the number of bytes placed at the start of buf.
size_t ReadUsb(TPortRec& port, std::string& buf, uint32_t timeoutMs);
// Stops and joins the reader thread if it runs, and drops its hand-over state.
void StopReader();
// True while a reader thread exists.
bool ReaderRunning();

// Listing ---------------------------------------------------------------------------------

// ListPorts and DeniedPorts over a given device folder (scanned for ttyS*, ttyUSB*, ttyACM*)
// and USB root.
std::string ListPortsIn(const std::string& devDir, const std::string& usbRoot);
std::vector<TDeniedPort> DeniedPortsIn(const std::string& devDir, const std::string& usbRoot);

// Waits ----------------------------------------------------------------------------------

// How long one poll of a wait of waitMs (-1: no limit) may last: on the UI thread and on a
// transfer thread at most 50 ms, elsewhere all of it.
int WaitSlice(int waitMs);
// The transfer on this thread was terminated: its waits stop.
bool WaitAbandoned();
// After a slice of a wait that began at `startedAt` ended empty: on the UI thread, lets the
// window's messages run and notes the slow wait (NoteSlowWait, which may raise).
void BetweenSlices(uint64_t startedAt);

// User interface --------------------------------------------------------------------------

// Runs fn on the UI thread: at once there, handed over and waited for elsewhere.
void RunOnUi(const std::function<void()>& fn);
// The command-status or the prompt dialog is visible (asked on the UI thread).
bool StatusOrPromptVisible();

} // namespace lw::port
