// The sessions of this program run over the in-memory link on simulated time, so that the
// protocol's time-outs and pauses (a calculator falling silent, a hang-up) cost no real time.
#include "support/SimSession.h"

namespace {
[[maybe_unused]] const bool MemoryLinks = lw::test::TSimSession::UseMemoryLinks();
} // namespace
