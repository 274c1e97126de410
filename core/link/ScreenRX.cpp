// The screen-capture receiver: a plain byte stream whose length follows from its first bytes.
#include "link/Engines.h"
#include "link/Port.h"
#include "link/PortInternal.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"
#include "util/MessageTexts.h"

namespace lw {
namespace {

constexpr uint8_t EscapeByte = 27;
constexpr size_t EscapeBodyLength = 1080;
constexpr size_t ShortHeaderBodyLength = 1084;
constexpr size_t MaxBodyLength = 2176;

// The header of the short form: one plane, 64 rows, 131 pixels.
const std::string ShortHeaderFill("\x00\x01\x40\x83", 4);

const char* const CaptureFailedText = msg::CaptureFailed.Text;

} // namespace

TSRX::TSRX(const std::string& firstData, TTransferStatusEvent onStatus)
    : TYModemRX(TDeferStart{}, std::string(), false, 0, std::move(onStatus)) {
    FCapture = firstData;
    Start();
}

TSRX::~TSRX() {
    StopAndWait();
}

void TSRX::Execute() {
    FDone = false;
    const uint8_t first = FCapture.empty() ? 0 : static_cast<uint8_t>(FCapture[0]);
    TraceLine("Screen capture, first = 0x" + Hex2(first));
    try {
        std::string header;
        size_t bodyLength = EscapeBodyLength;
        if (first != EscapeByte) {
            std::string h(5, '\0');
            const int got = ReadComm(CalcPort, h, 2500);
            const auto at = [&](size_t i) { return static_cast<uint8_t>(h[i]); };
            if (h[0] == 'W' || h[0] == 'G') {
                header = h.substr(0, 1) + ShortHeaderFill + h.substr(1, 4);
                bodyLength = ShortHeaderBodyLength;
            } else if (got == 1) {
                header = h;
                bodyLength = 0;
            } else {
                header = h;
                bodyLength = size_t(at(2)) * at(3) * ((size_t(at(4)) + 7) / 8);
            }
        }
        if (bodyLength > MaxBodyLength) SeriousError();
        ReportStatus("", skProgress, 10, 100, 100);
        std::string body(bodyLength, '\0');
        const int got = ReadComm(CalcPort, body, 2500);
        FDone = true;
        ReportStatus("", skProgress, 90, 100, 100);
        FCapture = got > 0 ? std::string(1, static_cast<char>(first)) + header + body : body;
        FOutcome = TCaptureOutcome::Received;
        SleepMs(300);
    } catch (const std::exception&) {
        ReportStatus("", skFinished, 0, 0, 0);
        FCapture.clear();
        FOutcome = TCaptureOutcome::Failed;
        port::RunOnUi(
            [] { UiHooks().Main->ShowMessage(CaptureFailedText, msg::ErrorCaption.Text); });
        SleepMs(1);
    }
    ReportStatus("", skFinished, 0, 0, 0);
}

} // namespace lw
