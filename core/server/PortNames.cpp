#include "server/PortNames.h"

#include "link/Port.h"

#include <algorithm>
#include <cctype>

namespace lw {
namespace {

std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && Upper(s.substr(0, prefix.size())) == Upper(prefix);
}

bool IsComName(const std::string& s) {
    return s.size() > 3 && StartsWithNoCase(s, "COM") &&
           std::all_of(s.begin() + 3, s.end(), [](unsigned char c) { return std::isdigit(c); });
}

} // namespace

std::string CanonicalPortName(const std::string& port) {
    if (Upper(port) == AutoPortName) return AutoPortName;
    if (StartsWithNoCase(port, UsbCalculatorText))
        return UsbDeviceName + port.substr(std::string(UsbCalculatorText).size());
    if (IsComName(port)) return Upper(port);
    return port;
}

bool IsUsbDeviceName(const std::string& port) {
    if (TLineTraits traits; InProcessPort(port, traits)) return traits.PacketReads;
    return StartsWithNoCase(port, UsbDeviceName);
}

bool IsSerialSpeed(int speed) {
    return std::find(SerialSpeeds.begin(), SerialSpeeds.end(), speed) != SerialSpeeds.end();
}

} // namespace lw
