// Calls into the simulator's thread that time out while it is busy: a call given up must
// never run later, when the state it refers to is gone.
#include "SimFixture.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace lw::test {
namespace {

TEST_F(TSimFixture, CallsGivenUpOnTimeOutNeverRunLate) {
    Begin(false);
    // The simulator's thread is held in a call until the test lets it go.
    std::mutex lock;
    std::condition_variable changed;
    bool holding = false, release = false;
    std::thread holder([&] {
        EXPECT_TRUE(S->Sim->Invoke(
            [&](sim::ISimCalculator&) {
                std::unique_lock<std::mutex> l(lock);
                holding = true;
                changed.notify_all();
                changed.wait(l, [&] { return release; });
            },
            60000));
    });
    {
        std::unique_lock<std::mutex> l(lock);
        ASSERT_TRUE(changed.wait_for(l, std::chrono::seconds(10), [&] { return holding; }));
    }
    // Callers on several threads give up at once; each call refers to the caller's stack and
    // reports a run after its caller returned.
    std::atomic<int> late{0}, timedOut{0};
    std::vector<std::thread> callers;
    for (int t = 0; t < 4; ++t)
        callers.emplace_back([&] {
            for (int i = 0; i < 50; ++i) {
                auto alive = std::make_shared<std::atomic<bool>>(true);
                int local = 0;
                const bool ran = S->Sim->Invoke(
                    [&local, alive, &late](sim::ISimCalculator&) {
                        if (!*alive)
                            ++late;
                        else
                            ++local;
                    },
                    i % 3);
                if (!ran) ++timedOut;
                *alive = false;
            }
        });
    for (auto& c : callers) c.join();
    EXPECT_EQ(timedOut, 200);
    {
        std::lock_guard<std::mutex> l(lock);
        release = true;
    }
    changed.notify_all();
    holder.join();
    // Every call queued before this one has been served or dropped when it runs.
    EXPECT_TRUE(S->Sim->Invoke([](sim::ISimCalculator&) {}, 10000));
    EXPECT_EQ(S->Sim->Control("status", 10000).rfind("ERROR", 0), std::string::npos);
    EXPECT_EQ(late, 0);
}

} // namespace
} // namespace lw::test
