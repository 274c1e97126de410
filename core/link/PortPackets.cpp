// Reads on a packet line (the calculator's USB device): the 80 ms polls of the backend, the
// buffer of one packet, and the rule that 2500 ms without a byte end the link.
#include "link/Clock.h"
#include "link/PortInternal.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace lw {
namespace {

constexpr auto UsbPoll = std::chrono::milliseconds(80);
constexpr uint64_t NoDataLimitMs = 2500;

} // namespace

namespace port {

size_t ReadPackets(TPortRec& port, std::string& buf, uint32_t timeoutMs) {
    const size_t len = buf.size();
    IUiThread* ui = UiHooks().Thread;
    const uint64_t start = TickCount();
    size_t pos = 0;
    for (;;) {
        while (port.BufPos > port.BufCount) {
            if (WaitAbandoned()) break;
            if (ui->IsUiThread()) {
                ui->ProcessMessages();
                NoteSlowWait(start);
            }
            CheckPresent(port);
            SafeRd(port);
            if (port.BufCount > 0) {
                port.NoDataSince = 0;
                break;
            }
            // A run of empty polls is dated from the end of its first poll: that poll counts
            // as the run's start, so a time-out of t ms lasts t ms more than one poll.
            const uint64_t now = TickCount();
            const bool firstEmpty = port.NoDataSince == 0;
            if (firstEmpty) port.NoDataSince = now;
            const uint64_t elapsed = now - port.NoDataSince;
            if (!firstEmpty) TraceLine("No data, time count = " + std::to_string(elapsed));
            if (elapsed >= NoDataLimitMs) {
                TraceLine("ReadFile exceeded maximum time for reads of zero bytes");
                port.NoDataSince = now;
                if (!StatusOrPromptVisible()) SeriousError();
            }
            if (elapsed >= timeoutMs) break;
        }
        if (port.BufPos > port.BufCount) break;
        const size_t n = std::min<size_t>(port.BufCount - port.BufPos + 1, len - pos);
        std::memcpy(buf.data() + pos, port.UsbBuffer + port.BufPos - 1, n);
        port.BufPos += static_cast<uint32_t>(n);
        pos += n;
        if (pos >= len) break;
    }
    return pos;
}

} // namespace port

void SafeRd(TPortRec& port) {
    port.BufCount = 0;
    port.BufPos = 1;
    if (!port.Backend) SeriousError();
    // One poll lasts UsbPoll, waited in slices (the UI thread's messages run between). The
    // deadline is kept finer than a millisecond and what is left is rounded up, so that the
    // slices together never come out shorter than one whole poll. A read asked for and not
    // answered in time stays outstanding: the next poll waits for the same read.
    using namespace std::chrono;
    const auto deadline = Clock().Now() + UsbPoll;
    long got = 0;
    while (got == 0 && !port::WaitAbandoned()) {
        const auto left = ceil<milliseconds>(deadline - Clock().Now()).count();
        if (left <= 0) break;
        got = port.Backend->Read(reinterpret_cast<char*>(port.UsbBuffer), sizeof port.UsbBuffer,
                                 static_cast<uint32_t>(port::WaitSlice(static_cast<int>(left))));
        if (got == 0 && UiHooks().Thread->IsUiThread()) UiHooks().Thread->ProcessMessages();
    }
    if (got < 0) {
        TraceLine("SafeRd failed: " + port.Backend->LastError());
        port::CheckPresent(port);
        SeriousError();
    }
    if (got > 0)
        port.BufCount = static_cast<uint32_t>(got);
    else
        TraceLine("SafeRd TimeOut");
}

} // namespace lw
