// What the identification object tells about the connected calculator. While connecting, the
// calculator stores in `$$$t` the text of its flag list followed by its VERSION text; the
// object file received from it is read here.
#pragma once
#include <string>

namespace lw {

struct TimingProfile;
struct TCalcState;

inline constexpr const char* NewerModelName = "Calcualtor";

// The identification script ("\->" is the calculator's arrow).
inline constexpr const char* IdentifyScript =
    "-36 FS? -51 FS? 2 \\->LIST \\->STR VERSION DROP + '$$$t' STO";

struct TIdentity {
    std::string ModelCode;    // "KA" or "KB", from the object header
    std::string CalcFlags;    // flags -36 and -51, one digit each
    bool NewerModel = false;  // the model name becomes "Calcualtor"
    bool OlderFamily = false; // a KA: one-letter ROM version, no version text
    std::string RomVersion;
    // The exchange timing to use from now on; null: keep the one the port was opened with.
    const TimingProfile* Timing = nullptr;
    std::string VersionInfo; // the text after "Revision #", for the trace
};

// `object`: the received object file; `usb`: the port is the USB device; `speed`: the
// serial speed in bit/s (ignored on USB).
TIdentity Identify(const std::string& object, bool usb, int speed);

// The speed the calculator needs for backups and screen captures on a serial port (0: none):
// 115200 for the newer models, 9600 for the others, 0 when the port already runs at it.
int RequiredSpeedFor(const std::string& modelName, bool usb, const std::string& speed);

} // namespace lw
