// The sessions of this program run over the in-memory link on simulated time, so that the
// protocol's time-outs and pauses cost no real time; the real lines are proven in tests/port.
#include "support/SimSession.h"

namespace {
[[maybe_unused]] const bool MemoryLinks = lw::test::TSimSession::UseMemoryLinks();
} // namespace
