// What the transfer engines share: the thread with its termination flag, the synchronised
// status report, the progress text, and the slots of the PC files they have open.
#include "link/Engines.h"

#include "link/Clock.h"
#include "link/Port.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"
#include "util/MessageTexts.h"

#include <chrono>
#include <climits>

namespace lw {

TFileSlot SendFileHandle;
TFileSlot ReceiveFileHandle;

void TFileSlot::Put(TFd fd) {
    std::lock_guard<std::mutex> lock(FLock);
    FFd = std::move(fd);
}

TFd TFileSlot::Take() {
    std::lock_guard<std::mutex> lock(FLock);
    return std::move(FFd);
}

bool TFileSlot::Empty() const {
    std::lock_guard<std::mutex> lock(FLock);
    return !FFd;
}

namespace {

int ClampToInt(int64_t v) {
    return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

} // namespace

std::string ProgressText(int64_t done, int64_t total, uint64_t elapsedMs) {
    const int64_t rate = done * 1000 / static_cast<int64_t>(elapsedMs + 1);
    if (rate < 10240) {
        return msg::Fill(msg::ProgressBytes,
                         {std::to_string(done), std::to_string(total),
                          std::to_string(done * 100 / total), std::to_string(rate)});
    }
    return msg::Fill(msg::ProgressKbytes,
                     {std::to_string(done / 1024), std::to_string(total / 1024),
                      std::to_string((done - 1) * 100 / total), std::to_string(rate / 1024)});
}

void ReportProgress(int64_t done, int64_t total, uint64_t startTicks,
                    const TTransferStatusEvent& report) {
    if (total <= 0) return;
    const uint64_t now = TickCount();
    const uint64_t elapsed = now > startTicks ? now - startTicks : 0;
    report(ProgressText(done, total, elapsed), skProgress, ClampToInt(done), ClampToInt(total), 0);
}

TTransferThread::TTransferThread(TTransferStatusEvent onStatus) : OnStatus(std::move(onStatus)) {}

TTransferThread::~TTransferThread() {
    StopAndWait();
}

void TTransferThread::Start() {
    // On a simulated clock the engine holds the time while it works.
    IClock* clock = &Clock();
    clock->AddParty();
    FThread = std::thread([this, clock] {
        TClockParty party(*clock, true);
        // Terminate ends the port's waits on this thread, not only the engine's loops.
        SetWaitAbandonFlag(&FTerminated);
        try {
            Execute();
        } catch (const std::exception& e) {
            TraceLine(std::string("Transfer thread ended by: ") + e.what());
        } catch (...) {
            TraceLine("Transfer thread ended by an unknown exception");
        }
        clock->Change([this] { FFinished = true; });
    });
}

void TTransferThread::WaitFor() {
    if (!FThread.joinable()) return;
    IUiThread* ui = UiHooks().Thread;
    const bool onUi = ui->IsUiThread();
    IClock& clock = Clock();
    for (;;) {
        // The engine may be waiting for the UI thread to run one of its reports.
        if (onUi) ui->ProcessMessages();
        if (clock.WaitUntil(clock.Now() + std::chrono::milliseconds(5), [&] { return FFinished; }))
            break;
    }
    FThread.join();
}

void TTransferThread::StopAndWait() {
    if (!FThread.joinable()) return;
    Terminate();
    WaitFor();
}

void TTransferThread::ReportStatus(const std::string& msg, TStatusKind kind, int position, int max,
                                   int extra) {
    if (!OnStatus) return;
    UiHooks().Thread->RunSync([&] {
        try {
            OnStatus(msg, kind, position, max, extra);
        } catch (...) {
            TraceLine("A status report failed");
        }
    });
}

} // namespace lw
