#include "util/ScopeExit.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

using namespace lw;

TEST(ScopeExit, RunsOnceOnEveryWayOutUnlessReleased) {
    int runs = 0;
    {
        ScopeExit guard([&] { ++runs; });
        EXPECT_EQ(runs, 0);
    }
    EXPECT_EQ(runs, 1);

    try {
        ScopeExit guard([&] { ++runs; });
        throw std::runtime_error("leave");
    } catch (const std::runtime_error&) {}
    EXPECT_EQ(runs, 2);

    {
        ScopeExit guard([&] { ++runs; });
        guard.Release();
    }
    EXPECT_EQ(runs, 2);

    // A moved guard runs once, from its new place.
    {
        ScopeExit outer([&] { ++runs; });
        {
            ScopeExit inner(std::move(outer));
            EXPECT_EQ(runs, 2);
        }
        EXPECT_EQ(runs, 3);
    }
    EXPECT_EQ(runs, 3);
}

TEST(ScopeExit, NotCopyableAndNoexceptAsItsCallable) {
    auto lambda = [] {};
    using Guard = ScopeExit<decltype(lambda)>;
    static_assert(!std::is_copy_constructible_v<Guard>);
    static_assert(!std::is_copy_assignable_v<Guard>);
    static_assert(std::is_nothrow_move_constructible_v<Guard>);
    static_assert(std::is_nothrow_destructible_v<Guard>);
    SUCCEED();
}
