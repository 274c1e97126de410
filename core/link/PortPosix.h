// The POSIX backends' helpers: serial devices, the USB pipes' folder and the port list over
// the device folders. Nothing outside link/ and the tests includes this.
#pragma once
#include "link/Port.h"

#include <cstddef>
#include <cstdint>
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

// A write to a vanished peer must come back as an error, never end the process.
void IgnoreBrokenPipes();
// One non-blocking read of up to n bytes from fd, waiting at most waitMs (UINT32_MAX: no
// limit) for the first byte. Returns the count (0: none in time), -1 with `error` set on a
// failure; an end of stream counts as a hang-up when hangUpAtEnd (a serial line).
long ReadFd(int fd, char* buf, size_t n, uint32_t waitMs, bool hangUpAtEnd, std::string& error);
// One non-blocking write of up to n bytes to fd, waiting at most waitMs for room. Returns the
// count taken (0: no room in time), -1 with `error` set on a failure.
long WriteFd(int fd, const char* data, size_t n, uint32_t waitMs, std::string& error);

// A backend over descriptors: the one it reads from.
class IFdBackend {
public:
    virtual ~IFdBackend() = default;
    virtual int InputFd() const = 0;
};
// The descriptor the open port reads from (-1 when it is closed or has none).
int InputFd(const TPortRec& port);

// USB ------------------------------------------------------------------------------------

// The folder of a USB device name ("ZQlink" -> $LINKWELL_USB_ROOT/ZQlink).
std::string UsbDevicePath(const std::string& name);
// True while a USB reader thread exists.
bool ReaderRunning();

// Listing ---------------------------------------------------------------------------------

// ListPorts and DeniedPorts over a given device folder (scanned for ttyS*, ttyUSB*, ttyACM*)
// and USB root.
std::string ListPortsIn(const std::string& devDir, const std::string& usbRoot);
std::vector<TDeniedPort> DeniedPortsIn(const std::string& devDir, const std::string& usbRoot);

} // namespace lw::port
