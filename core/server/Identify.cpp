#include "server/Identify.h"

#include "link/CalcNames.h"
#include "link/Port.h"

namespace lw {
namespace {

// Byte `n` (counted from 1) of `s`, 0 beyond its end.
unsigned Byte(const std::string& s, size_t n) {
    return n >= 1 && n <= s.size() ? static_cast<unsigned char>(s[n - 1]) : 0;
}

std::string Sub(const std::string& s, size_t from1, size_t count) {
    return from1 >= 1 && from1 <= s.size() ? s.substr(from1 - 1, count) : std::string();
}

} // namespace

TIdentity Identify(const std::string& object, bool usb, int speed) {
    TIdentity id;
    id.ModelCode = Sub(object, 5, 2);
    // The string's characters start at byte 14: "{ 0. 1. }" then the VERSION text.
    id.CalcFlags = ParseFlags(Sub(object, 14, 20), 2);
    if (usb) id.NewerModel = true;
    if (id.ModelCode == "KB" && object.find("#1.1") == std::string::npos && !usb && speed > 16000)
        id.NewerModel = true;
    if (object.compare(0, 6, "ZQZQKA") == 0) {
        id.OlderFamily = true;
        id.RomVersion = Sub(object, 8, 1);
        id.Timing = &SlowSerialTiming;
        return id;
    }
    // The three lowest nibbles of the string's length field (nibbles of the field and the
    // characters) give the end of the text.
    const long length =
        (Byte(object, 11) >> 4) + (Byte(object, 12) & 0x0F) * 16 + (Byte(object, 12) >> 4) * 256;
    const long end = 13 + (length - 5) / 2;
    const std::string text = end > 0 ? object.substr(0, static_cast<size_t>(end)) : "";
    if (const auto at = text.find("Revision #"); at != std::string::npos)
        id.VersionInfo = text.substr(at + 10);
    if (!usb) id.Timing = speed > 9600 ? &FastSerialTiming : &SlowSerialTiming2;
    id.RomVersion = Sub(object, 46, 6);
    return id;
}

int RequiredSpeedFor(const std::string& modelName, bool usb, const std::string& speed) {
    if (usb) return 0;
    if (modelName == NewerModelName) return speed != "115200" ? 115200 : 0;
    return speed != "9600" ? 9600 : 0;
}

} // namespace lw
