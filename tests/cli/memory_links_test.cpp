// The sessions of this program run over the in-memory link on simulated time, with the CLI in
// the test's process; the tests that need the CLI as a process of its own (signals, a terminal,
// a command left running) take a real line.
#include "support/SimSession.h"

namespace {
[[maybe_unused]] const bool MemoryLinks = lw::test::TSimSession::UseMemoryLinks();
} // namespace
