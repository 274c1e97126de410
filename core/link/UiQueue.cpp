#include "link/UiQueue.h"

namespace lw {

TUiCallQueue::TUiCallQueue() : FUiThread(std::this_thread::get_id()) {}

void TUiCallQueue::AdoptCurrentThread() {
    FUiThread = std::this_thread::get_id();
}

bool TUiCallQueue::IsUiThread() {
    return FUiThread.load() == std::this_thread::get_id();
}

bool TUiCallQueue::RunOne(std::unique_lock<std::mutex>& lock) {
    if (FCalls.empty()) return false;
    TCall* call = FCalls.front();
    FCalls.pop_front();
    lock.unlock();
    (*call->Fn)();
    lock.lock();
    call->Done = true;
    FFinished.notify_all();
    return true;
}

void TUiCallQueue::ProcessMessages() {
    if (!IsUiThread()) return;
    std::unique_lock lock(FMutex);
    while (RunOne(lock)) {}
}

void TUiCallQueue::RunSync(const std::function<void()>& fn) {
    if (IsUiThread()) {
        fn();
        return;
    }
    TCall call{&fn};
    std::unique_lock lock(FMutex);
    FCalls.push_back(&call);
    FQueued.notify_all();
    FFinished.wait(lock, [&] { return call.Done; });
}

bool TUiCallQueue::RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    std::unique_lock lock(FMutex);
    for (;;) {
        while (RunOne(lock)) {}
        lock.unlock();
        const bool finished = done();
        lock.lock();
        if (finished) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        FQueued.wait_until(lock, deadline, [&] { return !FCalls.empty() || FWake; });
        FWake = false;
    }
}

void TUiCallQueue::Wake() {
    std::lock_guard lock(FMutex);
    FWake = true;
    FQueued.notify_all();
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
