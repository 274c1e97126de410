// The calculator's 131 x 64 display as 64 rows of 17 bytes (bit 0 = leftmost pixel).
#pragma once
#include "sim/calc/CalcMachine.h"

#include <string>

namespace lw::sim {

constexpr int ScreenWidth = 131;
constexpr int ScreenHeight = 64;
constexpr int ScreenRowBytes = 17;

// What DISP put there while the display is held; otherwise the current path and the lowest
// stack levels.
std::string RenderScreen(const TCalcMachine& m, const TTextMode& mode);
// The text lines the screen shows (8 lines).
std::array<std::string, 8> ScreenLines(const TCalcMachine& m, const TTextMode& mode);

} // namespace lw::sim
