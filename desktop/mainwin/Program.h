// The program entry of linkwell: the application, its windows in their order, the command
// line, the message loop.
#pragma once

namespace lw::gui {

int RunProgram(int argc, char** argv);

} // namespace lw::gui
