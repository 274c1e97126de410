// The real clock: steady time, waits on one condition variable.
#include "link/Clock.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace lw {
namespace {

class TRealClock : public IClock {
public:
    TClockPoint Now() override { return std::chrono::steady_clock::now(); }
    bool WaitUntil(TClockPoint deadline, const std::function<bool()>& pred) override {
        std::unique_lock lock(FMutex);
        if (deadline == TClockPoint::max()) {
            FChanged.wait(lock, pred);
            return true;
        }
        return FChanged.wait_until(lock, deadline, pred);
    }
    void Change(const std::function<void()>& change) override {
        {
            std::lock_guard lock(FMutex);
            change();
        }
        FChanged.notify_all();
    }

private:
    std::mutex FMutex;
    std::condition_variable FChanged;
};

std::atomic<IClock*> InstalledClock{nullptr};

} // namespace

IClock& RealClock() {
    static TRealClock clock;
    return clock;
}

IClock& Clock() {
    IClock* c = InstalledClock.load(std::memory_order_acquire);
    return c ? *c : RealClock();
}

void SetClock(IClock* clock) {
    InstalledClock.store(clock, std::memory_order_release);
}

} // namespace lw
