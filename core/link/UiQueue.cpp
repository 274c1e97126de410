#include "link/UiQueue.h"

#include "link/Clock.h"

namespace lw {

TUiCallQueue::TUiCallQueue() : FUiThread(std::this_thread::get_id()) {}

void TUiCallQueue::AdoptCurrentThread() {
    FUiThread = std::this_thread::get_id();
}

bool TUiCallQueue::IsUiThread() {
    return FUiThread.load() == std::this_thread::get_id();
}

bool TUiCallQueue::RunOne() {
    TCall* call = nullptr;
    IClock& clock = Clock();
    clock.Change([&] {
        if (FCalls.empty()) return;
        call = FCalls.front();
        FCalls.pop_front();
    });
    if (!call) return false;
    (*call->Fn)();
    clock.Change([&] { call->Done = true; });
    return true;
}

void TUiCallQueue::ProcessMessages() {
    if (!IsUiThread()) return;
    while (RunOne()) {}
}

void TUiCallQueue::RunSync(const std::function<void()>& fn) {
    if (IsUiThread()) {
        fn();
        return;
    }
    TCall call{&fn};
    IClock& clock = Clock();
    clock.Change([&] { FCalls.push_back(&call); });
    clock.WaitUntil(TClockPoint::max(), [&] { return call.Done; });
}

bool TUiCallQueue::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    IClock& clock = Clock();
    const TClockPoint deadline = clock.Now() + timeout;
    for (;;) {
        while (RunOne()) {}
        if (done()) return true;
        if (clock.Now() >= deadline) return false;
        clock.WaitUntil(deadline, [&] {
            const bool wake = !FCalls.empty() || FWake;
            FWake = false;
            return wake;
        });
    }
}

void TUiCallQueue::Wake() {
    Clock().Change([&] { FWake = true; });
}

TModalResult TQueuedProgress::ShowProgress(const std::string& caption, bool /*showCancel*/) {
    FShowing = true;
    FFinished = false;
    FCancel = false;
    if (OnShow) OnShow(caption);
    FQueue.RunUntil([this] { return FFinished || FCancel.load(); }, MaxWait);
    FShowing = false;
    return FFinished ? TModalResult::Ok : TModalResult::Cancel;
}

void TQueuedProgress::Progress(const std::string& text, TStatusKind kind, int position, int max,
                               int) {
    if (!FShowing) return;
    if (OnReport) OnReport(text, kind, position, max);
    if (kind == skFinished) FFinished = true;
}

void TQueuedProgress::Cancel() {
    FCancel = true;
    FQueue.Wake();
}

} // namespace lw
