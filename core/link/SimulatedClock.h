// A clock whose time moves on only when every party waits: then it jumps to the earliest
// deadline of the waits. An exchange that spends most of its time in time-outs and pauses
// runs as fast as the parties compute, with every wait lasting its full simulated length.
#pragma once
#include "link/Clock.h"

#include <condition_variable>
#include <mutex>
#include <vector>

namespace lw {

class TSimulatedClock : public IClock {
public:
    TSimulatedClock();

    TClockPoint Now() override;
    bool WaitUntil(TClockPoint deadline, const std::function<bool()>& pred) override;
    void Change(const std::function<void()>& change) override;
    void AddParty() override;
    void EnterParty() override;
    void LeaveParty() override;

    // Simulated time passed since the clock was made.
    std::chrono::milliseconds Elapsed();

private:
    struct TWaiter {
        TClockPoint Deadline;
        bool Party;
        bool Blocked; // looked at its predicate since the last change and found it false
    };
    // With the lock held: when every party is blocked, moves the time to the earliest
    // deadline and wakes everybody.
    void MoveOnIfAllWait();
    void WakeAll();

    std::mutex FMutex;
    std::condition_variable FChanged;
    TClockPoint FStart;
    TClockPoint FNow;
    int FParties = 0;
    std::vector<TWaiter*> FWaiters;
};

} // namespace lw
