// linkwell-cli's entry function run in the test's own process, for tests whose calculator is
// on the in-memory link (which no child process can reach): the program's standard streams
// are captured and its standard input is no terminal, as for a child process of the harness.
#pragma once
#include "Process.h"

#include <string>
#include <vector>

namespace lw::test {

// Runs linkwell-cli with `argv` (argv[0] the program's name) to its end, with `input` as its
// standard input. Puts back what the run may change for the process: the standard streams,
// the working folder and $LINKWELL_PORT (unset for the run: the tests name their port).
TRunResult RunCliInProcess(const std::vector<std::string>& argv, const std::string& input = "");

} // namespace lw::test
