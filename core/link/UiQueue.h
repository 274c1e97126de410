// A UI thread without a window system: calls handed over by worker threads wait in a queue
// that the UI thread drains whenever it processes messages. linkwell-cli and the tests use it
// as their IUiThread, and TQueuedProgress as their modal progress dialog.
#pragma once
#include "link/UiHooks.h"

#include <atomic>
#include <chrono>
#include <deque>
#include <thread>

namespace lw {

class TUiCallQueue : public IUiThread {
public:
    // The constructing thread becomes the UI thread.
    TUiCallQueue();
    // Makes the calling thread the UI thread (for a queue created elsewhere).
    void AdoptCurrentThread();

    bool IsUiThread() override;
    void ProcessMessages() override;
    void RunSync(const std::function<void()>& fn) override;

    // On the UI thread: runs queued calls as they come until `done()` is true or `timeout`
    // passed. Returns `done()`.
    bool RunUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);
    // Wakes a RunUntil so that it re-evaluates its condition (for conditions set elsewhere,
    // such as a signal handler's flag polled by the caller).
    void Wake();

private:
    struct TCall {
        const std::function<void()>* Fn;
        bool Done = false;
    };
    bool RunOne();

    // Guarded by the clock's lock: the calls wait on the clock, so that a simulated clock
    // sees a worker waiting for the UI thread as waiting.
    std::deque<TCall*> FCalls;
    std::atomic<std::thread::id> FUiThread;
    bool FWake = false;
};

// Modal progress without a window: ShowProgress drains the UI queue until a skFinished report
// or a cancel. Every report is passed to `OnReport` (the CLI prints it; tests record it).
class TQueuedProgress : public IProgressDialog {
public:
    explicit TQueuedProgress(TUiCallQueue& queue) : FQueue(queue) {}

    TModalResult ShowProgress(const std::string& caption, bool showCancel) override;
    void Progress(const std::string& text, TStatusKind kind, int position, int max,
                  int extra) override;

    // Asks the showing dialog to end with TModalResult::Cancel (the Cancel button; safe from any
    // thread).
    void Cancel();
    bool IsShowing() const { return FShowing; }

    std::function<void(const std::string& caption)> OnShow;
    std::function<void(const std::string& text, TStatusKind kind, int position, int max)> OnReport;
    // Longest modal wait before the dialog gives up as if cancelled (a safety bound for tests
    // and unattended runs; the engines end every transfer long before).
    std::chrono::milliseconds MaxWait{std::chrono::hours(24)};

private:
    TUiCallQueue& FQueue;
    bool FShowing = false;
    bool FFinished = false;
    std::atomic<bool> FCancel{false};
};

} // namespace lw
