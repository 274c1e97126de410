// A bounded wait on a condition, instead of a fixed sleep: the test goes on as soon as the
// condition holds, and never waits longer than the bound.
#pragma once
#include <chrono>
#include <cstdint>
#include <thread>

namespace lw::test {

// Checks `done` every millisecond until it holds or `limitMs` passed; whether it held.
template <class F> bool WaitUntil(F done, uint32_t limitMs = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(limitMs);
    for (;;) {
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

} // namespace lw::test
