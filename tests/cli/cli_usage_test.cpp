// linkwell-cli without a calculator: its help against the README's reference, usage errors
// (status 2), failures before any exchange (status 1), and the built-in demo.
#include "CliHarness.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

TEST(CliUsage, HelpIsTheReadmeReference) {
    const TRunResult help = Cli(nullptr, {"--help"});
    ASSERT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Err.empty());
    const std::string readme = ReadTestFile(std::string(LW_SOURCE_DIR) + "/README.md");
    // The README shows the help text indented by four blanks, line for line.
    std::string indented;
    for (const auto& line : Lines(help.Out)) indented += (line.empty() ? "" : "    " + line) + "\n";
    EXPECT_NE(readme.find(indented), std::string::npos) << "README.md differs from --help:\n"
                                                        << indented;
    const TRunResult version = Cli(nullptr, {"--version"});
    EXPECT_EQ(version.Status, 0);
    EXPECT_EQ(version.Out.rfind("linkwell-cli Version ", 0), 0u);
}

// Parsing is tested in-process (options_test); here the exit status and the one message.
TEST(CliUsage, APortThatIsNoSerialDeviceIsNamedAsSuch) {
    TTempDir dir;
    ExpectOneMessage(Cli(nullptr, {"-q", "-p", dir.File("no-such-port"), "ident"}), 1,
                     dir.File("no-such-port does not exist"));
    ExpectOneMessage(Cli(nullptr, {"-q", "-p", "/tmp", "ls"}), 1, "/tmp is not a serial device");
    ExpectOneMessage(Cli(nullptr, {"-q", "-p", "/dev/null", "xmodem-send", "/dev/null"}), 1,
                     "/dev/null is not a serial device");
    ExpectOneMessage(Cli(nullptr, {"-s", "1234", "ls"}), 2,
                     "--speed: \"1234\" is not a serial speed");
}

TEST(CliUsage, FilesThatCannotBeReadAreRefusedBeforeAnyExchange) {
    TTempDir dir;
    for (const char* command : {"put", "restore", "xmodem-send"}) {
        SCOPED_TRACE(command);
        ExpectOneMessage(Cli(nullptr, {"-q", "-y", "-p", dir.File("no-such-port"), command,
                                       dir.File("missing.zq")}),
                         1, "cannot read");
    }
    WriteTestFile(dir.File("KB_1-Dec-2026.ZQBACKUP"), "ZQZQKB-C");
    ExpectOneMessage(
        Cli(nullptr, {"-p", dir.File("no-such-port"), "put", dir.File("KB_1-Dec-2026.ZQBACKUP")}),
        1, "use restore");
}

TEST(CliUsage, DemoListsTheSampleMemoryWithNothingAttached) {
    const TRunResult r = Cli(nullptr, {"--demo", "-q", "ls", "-R"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    const auto lines = Lines(r.Out);
    ASSERT_GT(lines.size(), 10u);
    // A directory's entries come right after it, with full paths.
    size_t work = 0;
    while (work < lines.size() && lines[work].rfind("HOME WORK\t", 0) != 0) ++work;
    ASSERT_LT(work + 1, lines.size()) << r.Out;
    EXPECT_EQ(lines[work + 1].rfind("HOME WORK ", 0), 0u);
    for (const auto& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 2) << line;
}

} // namespace
} // namespace lw::test
