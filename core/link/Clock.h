// The one clock of the link and the server client. Every delay, time-out and retry pause
// reads it; the real clock is the default, and the in-memory link may run on a simulated one
// whose time jumps ahead while every party waits.
#pragma once
#include <chrono>
#include <cstdint>
#include <functional>

namespace lw {

using TClockPoint = std::chrono::steady_clock::time_point;

class IClock {
public:
    virtual ~IClock() = default;

    virtual TClockPoint Now() = 0;
    // Waits until pred() holds or `deadline` passed (TClockPoint::max(): no limit); returns
    // pred()'s last value. pred runs with the clock's lock held, so whatever it looks at must
    // be changed through Change().
    virtual bool WaitUntil(TClockPoint deadline, const std::function<bool()>& pred) = 0;
    // Runs `change` with the clock's lock held and lets every waiter look at its predicate.
    virtual void Change(const std::function<void()>& change) = 0;
    // Parties: the threads whose running holds a simulated clock still (it moves on only
    // while every party waits on it). Nothing on the real clock.
    // One more party, counted as running from now on: the thread that starts another
    // thread announces it, so that the time cannot move on before that thread is there.
    virtual void AddParty() {}
    // The calling thread is the party announced last.
    virtual void EnterParty() {}
    // The calling thread leaves the parties.
    virtual void LeaveParty() {}

    void SleepUntil(TClockPoint t) {
        WaitUntil(t, [] { return false; });
    }
    void SleepFor(std::chrono::microseconds d) { SleepUntil(Now() + d); }
};

// The clock in use: the real one unless SetClock installed another.
IClock& Clock();
// Installs `clock` (null: the real clock again). Only while no wait runs.
void SetClock(IClock* clock);
// The real (steady) clock.
IClock& RealClock();

// The calling thread is a party of the clock for the lifetime of this object; `announced`
// when the thread that started it called AddParty already.
class TClockParty {
public:
    explicit TClockParty(IClock& clock = Clock(), bool announced = false) : FClock(clock) {
        if (!announced) FClock.AddParty();
        FClock.EnterParty();
    }
    ~TClockParty() { FClock.LeaveParty(); }
    TClockParty(const TClockParty&) = delete;
    TClockParty& operator=(const TClockParty&) = delete;

private:
    IClock& FClock;
};

} // namespace lw
