// A calculator that falls silent, over a real pseudo-terminal on the real clock: a command
// packet goes out six times, each time waited for its whole reply time-out (18 s in all),
// then the link is lost. The same exchange runs on simulated time in tests/server_sim.
#include "support/SimSession.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

TEST(SilentCalculator, SixRoundsLoseTheLinkOnAPseudoTerminal) {
    TSimSession s({.RealLine = true});
    ASSERT_FALSE(s.OnMemoryLink());
    s.Open();
    s.Control("mute");
    const uint64_t ms =
        Timed([&] { ExpectConnectionError([&] { s.Server->Execute("1", false, false); }); });
    EXPECT_FALSE(s.Ui.Main.Connected);
    EXPECT_GE(ms, 6u * 3000u);
}

} // namespace
} // namespace lw::test
