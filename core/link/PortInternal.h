// What the port layer's units share among themselves, whatever the backend: the sliced
// waits, the hand-over to the UI thread and the packet reads. Nothing outside link/ and the
// tests includes this.
#pragma once
#include "link/Port.h"

#include <cstddef>
#include <functional>
#include <string>

namespace lw::port {

// Waits ----------------------------------------------------------------------------------

// How long one poll of a wait of waitMs (-1: no limit) may last: on the UI thread and on a
// transfer thread at most 50 ms, elsewhere all of it.
int WaitSlice(int waitMs);
// The transfer on this thread was terminated: its waits stop.
bool WaitAbandoned();
// After a slice of a wait that began at `startedAt` ended empty: on the UI thread, lets the
// window's messages run and notes the slow wait (NoteSlowWait, which may raise).
void BetweenSlices(uint64_t startedAt);
// Milliseconds until the tick `deadline` (0 once it passed).
int RemainingMs(uint64_t deadline);

// User interface --------------------------------------------------------------------------

// Runs fn on the UI thread: at once there, handed over and waited for elsewhere.
void RunOnUi(const std::function<void()>& fn);
// The command-status or the prompt dialog is visible (asked on the UI thread).
bool StatusOrPromptVisible();

// Packet lines -----------------------------------------------------------------------------

// ReadComm on a packet line: polls with SafeRd under the 2500 ms rule and returns the number
// of bytes placed at the start of buf.
size_t ReadPackets(TPortRec& port, std::string& buf, uint32_t timeoutMs);
// The port's device is still there; else hides the prompt dialog and fails (SeriousError).
void CheckPresent(TPortRec& port);

} // namespace lw::port
