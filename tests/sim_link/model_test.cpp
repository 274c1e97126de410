// The linkwell-sim program itself: its path on standard output, control lines from standard
// input, the memory saved at the end.
#include "support/SimSession.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace lw::test {
namespace {

TEST(TSimProgram, PrintsItsPathServesAndSavesOnEndOfInput) {
    const std::string program = std::string(LW_BINARY_DIR) + "/sim/linkwell-sim";
    if (access(program.c_str(), X_OK) != 0) GTEST_SKIP() << "linkwell-sim not built";
    const TTempDir tmp;
    const std::string dir = tmp.Path;
    const std::string save = dir + "/saved";
    // Control lines are fed from a file; the program ends at its end.
    const std::string input = dir + "/in";
    WriteTestFile(input, "status\nbogus\n");
    const std::string command =
        program + " --empty --usb-root " + dir + " --save " + save + " < " + input + " 2>&1";
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    char line[512];
    std::string text;
    while (fgets(line, sizeof line, out)) text += line;
    EXPECT_EQ(pclose(out), 0);
    EXPECT_EQ(text.rfind(dir + "/ZQlink\n", 0), 0u) << text;
    EXPECT_NE(text.find("OK mode=server transport=usb"), std::string::npos) << text;
    EXPECT_NE(text.find("ERROR: unknown command bogus"), std::string::npos) << text;
    EXPECT_TRUE(std::filesystem::is_directory(save));
    EXPECT_FALSE(std::filesystem::exists(dir + "/ZQlink")); // hung up on exit
}

} // namespace
} // namespace lw::test
