// Screen captures as the calculator sends them, for the capture window's tests and pictures.
#pragma once
#include "sim/link/SimCapture.h"

#include <string>

namespace lw::test {

// The sample calculator's screen (its stack display) as a capture in `layout`.
std::string SampleScreenCapture(sim::TCaptureLayout layout = sim::TCaptureLayout::Band);

} // namespace lw::test
