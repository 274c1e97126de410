#include "link/SimulatedClock.h"

#include <algorithm>

namespace lw {
namespace {

// The simulated clock each thread is a party of (null: none).
thread_local const TSimulatedClock* PartyOf = nullptr;

} // namespace

// Ticks begin well above zero: callers use a tick of 0 as "not set".
TSimulatedClock::TSimulatedClock() : FStart(TClockPoint{} + std::chrono::hours(1)), FNow(FStart) {}

TClockPoint TSimulatedClock::Now() {
    std::lock_guard lock(FMutex);
    return FNow;
}

std::chrono::milliseconds TSimulatedClock::Elapsed() {
    std::lock_guard lock(FMutex);
    return std::chrono::duration_cast<std::chrono::milliseconds>(FNow - FStart);
}

bool TSimulatedClock::WaitUntil(TClockPoint deadline, const std::function<bool()>& pred) {
    std::unique_lock lock(FMutex);
    TWaiter self{deadline, PartyOf == this, false};
    FWaiters.push_back(&self);
    bool result = false;
    for (;;) {
        if (pred()) {
            result = true;
            break;
        }
        if (FNow >= deadline) break;
        self.Blocked = true;
        MoveOnIfAllWait();
        if (self.Blocked) FChanged.wait(lock);
    }
    FWaiters.erase(std::find(FWaiters.begin(), FWaiters.end(), &self));
    return result;
}

void TSimulatedClock::Change(const std::function<void()>& change) {
    std::lock_guard lock(FMutex);
    change();
    WakeAll();
}

void TSimulatedClock::AddParty() {
    std::lock_guard lock(FMutex);
    ++FParties;
}

void TSimulatedClock::EnterParty() {
    PartyOf = this;
}

void TSimulatedClock::LeaveParty() {
    PartyOf = nullptr;
    std::lock_guard lock(FMutex);
    --FParties;
    MoveOnIfAllWait();
}

void TSimulatedClock::WakeAll() {
    for (TWaiter* w : FWaiters) w->Blocked = false;
    FChanged.notify_all();
}

void TSimulatedClock::MoveOnIfAllWait() {
    if (FParties <= 0) return;
    int blocked = 0;
    TClockPoint next = TClockPoint::max();
    for (const TWaiter* w : FWaiters) {
        if (w->Party && w->Blocked) ++blocked;
        if (w->Deadline > FNow) next = std::min(next, w->Deadline);
    }
    // A party that runs, or one that was woken and has not looked yet, holds the time.
    if (blocked < FParties || next == TClockPoint::max()) return;
    FNow = next;
    WakeAll();
}

} // namespace lw
