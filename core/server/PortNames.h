// The port names the server client works with. Serial devices are paths (never changed in
// case) or "COMn" (upper case); "Auto" picks the first port that answers; the port list's
// "USB Calculator" entries stand for the USB devices "ZQlink", "ZQlink_1" ...
#pragma once
#include "link/Port.h"

#include <array>
#include <string>

namespace lw {

inline constexpr const char* AutoPortName = "AUTO";

// The name to open for a name the user picked or typed.
std::string CanonicalPortName(const std::string& port);
// Whether a name is one of the USB device names ("ZQlink", "ZQlink_1" ...), in any case.
bool IsUsbDeviceName(const std::string& port);

// The serial speeds the main window offers, in bit/s, ascending.
inline constexpr std::array<int, 8> SerialSpeeds = {2400,  4800,  9600,  14400,
                                                    19200, 38400, 57600, 115200};
bool IsSerialSpeed(int speed);

// Runs `open` (a connect or an open of the port). When it fails with a link error because the
// serial device or USB pipes `portName` names could not be opened, the error raised instead
// is the cause (it does not exist, it is no serial device, it is in use, permission denied
// and what to do), which tells a person more than the connection error.
template <class F> void WithOpenCause(const std::string& portName, F&& open) {
    try {
        open();
    } catch (const ELinkError&) {
        if (CanonicalPortName(portName) != AutoPortName && !PortOpenFailure().empty())
            throw ELinkError(PortOpenFailure());
        throw;
    }
}

} // namespace lw
