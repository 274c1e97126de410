#include "support/gui/CaptureScenes.h"

#include "sim/calc/SimCalculator.h"

namespace lw::test {

std::string SampleScreenCapture(sim::TCaptureLayout layout) {
    const auto calc = sim::CreateSampleCalculator(sim::TModel::KB);
    calc->RunScript("1.5 \"PLOT\" 42");
    return sim::CaptureStream(layout, calc->ScreenRows());
}

} // namespace lw::test
