// How the port layer waits. On the UI thread every wait goes in slices of at most 50 ms with
// the window's messages let run between them, so that the window repaints and answers while
// the calculator is slow or silent; a wait that lasts over a second shows the busy dialog,
// whose Cancel ends it. On a transfer thread the slices let a terminated transfer stop
// waiting. The time-outs themselves are the callers' and stay as they are.
#include "link/Clock.h"
#include "link/PortInternal.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"

#include <algorithm>
#include <chrono>

namespace lw {
namespace {

constexpr int SliceMs = 50;
constexpr uint64_t NoticeAfterMs = 1000;

// The termination flag of the transfer running on this thread (null elsewhere).
thread_local const std::atomic<bool>* AbandonFlag = nullptr;

// The busy dialog is showing because a wait of the port layer put it up (UI thread only).
bool NoticeShown = false;
// The front end asked the waits to end (UI thread only).
bool CancelAsked = false;

bool OnUiThread() {
    return UiHooks().Thread->IsUiThread();
}

} // namespace

void SetWaitAbandonFlag(const std::atomic<bool>* flag) {
    AbandonFlag = flag;
}

bool SlowWaitNoticeShowing() {
    return NoticeShown && UiHooks().Status->IsBusyVisible();
}

void EndSlowWaitNotice() {
    if (!NoticeShown) return;
    NoticeShown = false;
    UiHooks().Status->CloseBusy();
}

void CancelWaits(bool on) {
    CancelAsked = on;
}

void NoteSlowWait(uint64_t startedAt) {
    const TUiHooks& ui = UiHooks();
    // The dialog's Cancel closes it and sets the request: the wait ends as a cancelled
    // script wait does, disconnected.
    if (CancelAsked || (NoticeShown && ui.Status->CancelRequested())) {
        CancelAsked = false;
        EndSlowWaitNotice();
        ui.Status->ClearCancel();
        TraceLine("Wait cancelled");
        ui.Main->SetConnected(false);
        SeriousError();
    }
    if (NoticeShown) {
        // Closed by someone else (the command ended, the link failed).
        if (!ui.Status->IsBusyVisible()) NoticeShown = false;
        return;
    }
    if (TickCount() - startedAt < NoticeAfterMs) return;
    // Another dialog tells the user already what goes on (and has its own way out).
    if (ui.Status->IsBusyVisible() || ui.Status->IsConnectingVisible() || ui.Prompt->IsVisible())
        return;
    ui.Status->ClearCancel();
    ui.Status->ShowBusy();
    ui.Main->DisableBrowsing();
    NoticeShown = true;
}

void SleepMs(uint32_t ms) {
    IClock& clock = Clock();
    const TClockPoint end = clock.Now() + std::chrono::milliseconds(ms);
    if (!OnUiThread()) {
        clock.SleepUntil(end);
        return;
    }
    for (TClockPoint now = clock.Now(); now < end; now = clock.Now()) {
        clock.SleepUntil(std::min<TClockPoint>(end, now + std::chrono::milliseconds(SliceMs)));
        UiHooks().Thread->ProcessMessages();
    }
}

namespace port {

int WaitSlice(int waitMs) {
    if (!OnUiThread() && !AbandonFlag) return waitMs;
    return (waitMs < 0 || waitMs > SliceMs) ? SliceMs : waitMs;
}

bool WaitAbandoned() {
    return AbandonFlag && AbandonFlag->load();
}

void BetweenSlices(uint64_t startedAt) {
    if (!OnUiThread()) return;
    UiHooks().Thread->ProcessMessages();
    NoteSlowWait(startedAt);
}

} // namespace port
} // namespace lw
