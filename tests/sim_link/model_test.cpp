// The linkwell-sim program itself: its path on standard output, control lines from standard
// input, the memory saved at the end, its serial line under a given name.
#include "support/SimSession.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace lw::test {
namespace {

// Runs the program with `options`, its control lines read from `input`; its whole output.
std::string RunSimProgram(const std::string& dir, const std::string& options,
                          const std::string& input, int& status) {
    const std::string in = dir + "/in";
    WriteTestFile(in, input);
    FILE* out =
        popen((std::string(LW_BINARY_DIR) + "/sim/linkwell-sim " + options + " < " + in + " 2>&1")
                  .c_str(),
              "r");
    if (!out) return "";
    char line[512];
    std::string text;
    while (fgets(line, sizeof line, out)) text += line;
    status = pclose(out);
    return text;
}

TEST(TSimProgram, PrintsItsPathServesAndSavesOnEndOfInput) {
    if (access((std::string(LW_BINARY_DIR) + "/sim/linkwell-sim").c_str(), X_OK) != 0)
        GTEST_SKIP() << "linkwell-sim not built";
    const TTempDir tmp;
    const std::string dir = tmp.Path;
    int status = -1;
    // The USB pipes, the memory saved at the end of input.
    std::string text = RunSimProgram(dir, "--empty --usb-root " + dir + " --save " + dir + "/saved",
                                     "status\nbogus\n", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(text.rfind(dir + "/ZQlink\n", 0), 0u) << text;
    EXPECT_NE(text.find("OK mode=server transport=usb"), std::string::npos) << text;
    EXPECT_NE(text.find("ERROR: unknown command bogus"), std::string::npos) << text;
    EXPECT_TRUE(std::filesystem::is_directory(dir + "/saved"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/ZQlink")); // hung up on exit
    // A serial line under a link of the caller's naming, answering as the Kermit server, with
    // wire time emulated.
    const std::string link = dir + "/line";
    text = RunSimProgram(dir, "--model KA --link " + link + " --kermit --throttle 9600", "status\n",
                         status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(text.rfind(link + "\n", 0), 0u) << text;
    EXPECT_NE(text.find("OK mode=kermit transport=serial path=" + link), std::string::npos) << text;
    EXPECT_FALSE(std::filesystem::exists(link)); // the link goes with the line
}

} // namespace
} // namespace lw::test
