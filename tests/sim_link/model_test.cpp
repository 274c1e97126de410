// The simulator with the real calculator model, and the linkwell-sim program itself.
#include "support/ObjectBuilder.h"
#include "support/SimSession.h"

#include "link/XModemCodec.h"

#include <cstdio>
#include <filesystem>
#include <unistd.h>

namespace lw::test {
namespace {

TEST(TSimModel, LargeObjectGoesInAndOutInEveryMode) {
    TSimSession s({.Empty = true});
    s.OpenPc();
    TSimClient& pc = *s.Pc;
    std::string text;
    for (size_t i = 0; i < 65536 - 13; ++i) text += char('A' + i % 26);
    const std::string file = ObjectFile(StringObj(text)); // 64 KiB in all
    ASSERT_EQ(file.size(), 65536u);

    ASSERT_EQ(pc.Command('P', "BIG"), ACK);
    int start = pc.ReadByte(3000);
    ASSERT_TRUE(start == NAK || start == 'C' || start == 'D') << start;
    ASSERT_TRUE(pc.SendXModem(uint8_t(start), file, 1024));
    ASSERT_FALSE(s.Sim->WaitEvent("put BIG stored", 3000).empty());

    for (uint8_t mode : {NAK, uint8_t('C'), uint8_t('D')}) {
        ASSERT_EQ(pc.Command('G', "BIG"), ACK);
        std::string data;
        ASSERT_TRUE(pc.ReceiveXModem(mode, data)) << int(mode);
        ASSERT_GE(data.size(), file.size());
        EXPECT_EQ(data.substr(8, file.size() - 8), file.substr(8)) << int(mode);
    }
    std::string listing;
    ASSERT_TRUE(pc.Ask('l', listing));
    EXPECT_EQ(listing.substr(0, 4), std::string("\x03"
                                                "BIG"));
}

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
