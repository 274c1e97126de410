// The command line of linkwell-cli parsed without running anything, and the port and
// directory forms.
#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/Terminal.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace lw::cli {
namespace {

TParseResult Parse(std::vector<std::string> args, TCliOptions& o, std::string& message) {
    args.insert(args.begin(), "linkwell-cli");
    std::vector<const char*> argv;
    for (const auto& a : args) argv.push_back(a.c_str());
    return ParseCommandLine(int(argv.size()), argv.data(), o, message);
}

class CliOptionsTest : public ::testing::Test {
protected:
    void SetUp() override { ::unsetenv("LINKWELL_PORT"); }
    void TearDown() override { ::unsetenv("LINKWELL_PORT"); }
    TCliOptions O;
    std::string Message;
};

TEST_F(CliOptionsTest, DefaultsGlobalOptionsAndThePortFromTheEnvironment) {
    ASSERT_EQ(Parse({"ls"}, O, Message), TParseResult::Run) << Message;
    EXPECT_EQ(O.Port, "auto");
    EXPECT_EQ(O.Speed, 115200);
    EXPECT_EQ(O.Dir, "HOME");
    EXPECT_FALSE(O.Recursive || O.Text || O.Yes || O.Quiet || O.Demo);

    ::setenv("LINKWELL_PORT", "usb_2", 1); // a port given wins over the environment's
    TCliOptions o;
    ASSERT_EQ(Parse({"-p", "/dev/ttyUSB0", "get", "A", "B", "-o", "out", "-t", "--speed", "9600",
                     "-d", "GAMES", "-y"},
                    o, Message),
              TParseResult::Run)
        << Message;
    EXPECT_EQ(o.Command, "get");
    EXPECT_EQ(o.Args, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(o.OutDir, "out");
    EXPECT_EQ(o.Port, "/dev/ttyUSB0");
    EXPECT_EQ(o.Speed, 9600);
    EXPECT_EQ(o.Dir, "HOME GAMES");
    EXPECT_TRUE(o.Text && o.Yes);
    TCliOptions env;
    ASSERT_EQ(Parse({"ident"}, env, Message), TParseResult::Run);
    EXPECT_EQ(env.Port, "usb_2");
}

TEST_F(CliOptionsTest, CommandArguments) {
    ASSERT_EQ(Parse({"ls", "-R"}, O, Message), TParseResult::Run);
    EXPECT_TRUE(O.Recursive);
    TCliOptions mv;
    ASSERT_EQ(Parse({"mv", "OLD", "NEW"}, mv, Message), TParseResult::Run);
    EXPECT_EQ(mv.Args, (std::vector<std::string>{"OLD", "NEW"}));
    TCliOptions exec;
    ASSERT_EQ(Parse({"exec", "--", "-36 SF", "1", "2 +"}, exec, Message), TParseResult::Run)
        << Message;
    EXPECT_EQ(exec.Args, (std::vector<std::string>{"-36 SF 1 2 +"}));
    TCliOptions cap;
    ASSERT_EQ(Parse({"-p", "usb", "capture", "-n", "3", "-o", "shot.PNG"}, cap, Message),
              TParseResult::Run)
        << Message;
    EXPECT_EQ(cap.Count, 3);
    EXPECT_EQ(cap.OutFile, "shot.PNG");
}

// Each refusal names its own reason (a message that only exists could be any message).
TEST_F(CliOptionsTest, UsageErrors) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{}, NoCommandText()},
        {{"frobnicate"}, "not expected: frobnicate"},
        {{"get"}, "NAME is required"},
        {{"mv", "A"}, "NAMES: At least 2 required but received 1"},
        {{"mkdir", "A", "B"}, "NAME: At Most 1 required but received 2"},
        {{"--speed", "fast", "ls"}, BadSpeedText("fast")},
        {{"--speed", "0", "ls"}, BadSpeedText("0")},
        {{"-s", "1234", "ls"}, BadSpeedText("1234")}, // not one of the speed list
        {{"--bogus", "ls"}, "not expected: --bogus"},
        {{"-p", "usb", "capture"}, "-o is required"},
        {{"-p", "usb", "capture", "-o", "x.gif"}, BadImageExtensionText("x.gif")},
        {{"-p", "usb", "capture", "-o", "x"}, BadImageExtensionText("x")},
        {{"-p", "usb", "capture", "-o", "x.bmp", "-n", "0"}, BadCaptureCountText(0)},
        {{"xmodem-send", "f.zq"}, AutoPortRefusedText("xmodem-send")},
        {{"-p", "/dev/ttyS0", "rom", "os.bin"}, RomNeedsUsbText()},
        {{"exec", ""}, ExecNeedsLineText()},
    };
    for (const auto& [args, reason] : bad) {
        TCliOptions o;
        std::string message;
        const std::string shown = args.empty() ? "(none)" : args.front();
        EXPECT_EQ(Parse(args, o, message), TParseResult::UsageError) << shown;
        EXPECT_NE(message.find(reason), std::string::npos) << shown << ": " << message;
    }
    TCliOptions demo;
    EXPECT_EQ(Parse({"--demo", "rom", "os.bin"}, demo, Message), TParseResult::Run);
}

TEST_F(CliOptionsTest, HelpAndVersionEndTheRunAtOnce) {
    // The help text itself: CliUsage.HelpIsTheReadmeReference.
    testing::internal::CaptureStdout();
    EXPECT_EQ(Parse({"ls", "--help"}, O, Message), TParseResult::Done);
    testing::internal::GetCapturedStdout();
    testing::internal::CaptureStdout();
    EXPECT_EQ(Parse({"--version"}, O, Message), TParseResult::Done);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Build"), std::string::npos);
    // After "--" they are arguments.
    EXPECT_EQ(Parse({"exec", "--", "--help"}, O, Message), TParseResult::Run);
}

TEST(CliForms, PortAndDirectoryForms) {
    EXPECT_EQ(ServerPortName("AUTO"), "AUTO");
    EXPECT_EQ(ServerPortName("auto"), "AUTO");
    EXPECT_EQ(ServerPortName("usb"), "ZQlink");
    EXPECT_EQ(ServerPortName("USB_3"), "ZQlink_3");
    EXPECT_EQ(ServerPortName("usb_5"), "usb_5"); // not a USB device: a path like any other
    EXPECT_EQ(ServerPortName("/dev/pts/3"), "/dev/pts/3");
    EXPECT_EQ(NormalizeDirPath(""), "HOME");
    EXPECT_EQ(NormalizeDirPath("HOME"), "HOME");
    EXPECT_EQ(NormalizeDirPath("GAMES"), "HOME GAMES");
    EXPECT_EQ(NormalizeDirPath("  HOME   GAMES  X "), "HOME GAMES X");
    EXPECT_EQ(NormalizeDirPath("HOMEWORK"), "HOME HOMEWORK");
    EXPECT_EQ(OneLine("2048/4096 bytes\r\n(50%)\r\n2048 bytes/s\r\n"),
              "2048/4096 bytes (50%) 2048 bytes/s");
}

} // namespace
} // namespace lw::cli
