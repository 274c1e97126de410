// linkwell-cli from its arguments to its exit status.
#pragma once

namespace lw::cli {

// Parses the command line, sets up the terminal (and the demo), runs the command and returns
// the exit status: 0 done, 1 the operation failed, 2 usage error.
int RunCli(int argc, const char* const* argv);

} // namespace lw::cli
