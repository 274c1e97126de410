// The command line of linkwell-cli parsed without running anything, the port and directory
// forms, the prompt texts by wording, and the stack picture's decoding.
#include "cli/CliOptions.h"
#include "cli/Terminal.h"
#include "link/PromptTexts.h"
#include "server/StackPicture.h"

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

TEST_F(CliOptionsTest, DefaultsAndGlobalOptionsOnEitherSideOfTheCommand) {
    ASSERT_EQ(Parse({"ls"}, O, Message), TParseResult::Run) << Message;
    EXPECT_EQ(O.Port, "auto");
    EXPECT_EQ(O.Speed, 115200);
    EXPECT_EQ(O.Dir, "HOME");
    EXPECT_FALSE(O.Recursive || O.Text || O.Yes || O.Quiet || O.Demo);

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
}

TEST_F(CliOptionsTest, PortComesFromTheEnvironmentUnlessGiven) {
    ::setenv("LINKWELL_PORT", "usb_2", 1);
    ASSERT_EQ(Parse({"ident"}, O, Message), TParseResult::Run);
    EXPECT_EQ(O.Port, "usb_2");
    TCliOptions o;
    ASSERT_EQ(Parse({"--port", "/dev/pts/4", "ident"}, o, Message), TParseResult::Run);
    EXPECT_EQ(o.Port, "/dev/pts/4");
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

TEST_F(CliOptionsTest, UsageErrors) {
    const std::vector<std::vector<std::string>> bad = {
        {},                                      // no command
        {"frobnicate"},                          // unknown command
        {"get"},                                 // no name
        {"mv", "A"},                             // one name short
        {"mkdir", "A", "B"},                     // one too many
        {"--speed", "fast", "ls"},               // not a number
        {"--speed", "0", "ls"},                  // not a speed
        {"-s", "1234", "ls"},                    // not one of the speed list
        {"--bogus", "ls"},                       // unknown option
        {"-p", "usb", "capture"},                // no -o
        {"-p", "usb", "capture", "-o", "x.gif"}, // no such picture format
        {"-p", "usb", "capture", "-o", "x"},     // no extension
        {"-p", "usb", "capture", "-o", "x.bmp", "-n", "0"},
        {"xmodem-send", "f.zq"},               // auto: needs a port
        {"-p", "/dev/ttyS0", "rom", "os.bin"}, // rom: USB only
    };
    for (const auto& args : bad) {
        TCliOptions o;
        std::string message;
        EXPECT_EQ(Parse(args, o, message), TParseResult::UsageError)
            << (args.empty() ? "(none)" : args.front());
        EXPECT_FALSE(message.empty());
    }
    TCliOptions demo;
    EXPECT_EQ(Parse({"--demo", "rom", "os.bin"}, demo, Message), TParseResult::Run);
}

TEST_F(CliOptionsTest, HelpAndVersionEndTheRunAtOnce) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(Parse({"ls", "--help"}, O, Message), TParseResult::Done);
    const std::string help = testing::internal::GetCapturedStdout();
    EXPECT_EQ(help.rfind("linkwell-cli [OPTIONS] COMMAND [ARGS]", 0), 0u);
    EXPECT_NE(help.find("xmodem-receive FILE"), std::string::npos);
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

TEST(CliPrompts, WordingFollowsTheEntryMode) {
    // Only some kinds differ between RPN and ALG; the series fills the placeholder.
    for (int k = 1; k <= 10; ++k) {
        const auto kind = static_cast<TPromptKind>(k);
        EXPECT_EQ(PromptText(kind, true) != PromptText(kind, false), HasAlgWording(kind)) << k;
        EXPECT_EQ(PromptText(kind, true).find("%s"), std::string::npos) << k;
    }
    EXPECT_NE(
        PromptText(TPromptKind::Connect, false).find("On the ZQKAGII ZQKBg and ZQKCg series:\r\n"),
        std::string::npos);
    EXPECT_NE(PromptText(TPromptKind::Connect, false).find("then ENTER"), std::string::npos);
    EXPECT_EQ(PromptText(TPromptKind::Connect, true).find("then ENTER"), std::string::npos);
    EXPECT_EQ(PromptText(TPromptKind::Custom, true), "");
    EXPECT_EQ(PromptTitle(TPromptKind::Reconnect), "Wait for the Calculator");
    EXPECT_EQ(PromptTitle(TPromptKind::FileXRecv), "Set the Calculator");
}

// --- the stack picture

// One string object of the list: prologue 02A2C, 5-nibble length (5 + 2 per character), the
// characters; as nibbles.
void AddString(std::vector<uint8_t>& nibbles, const std::string& chars) {
    for (uint8_t n : {0xC, 0x2, 0xA, 0x2, 0x0}) nibbles.push_back(n);
    const uint32_t size = 5 + 2 * uint32_t(chars.size());
    for (int k = 0; k < 5; ++k) nibbles.push_back(uint8_t(size >> (4 * k) & 0xF));
    for (unsigned char c : chars) {
        nibbles.push_back(c & 0xF);
        nibbles.push_back(c >> 4);
    }
}

// An object file: "ZQZQKB-R", the list prologue 02A74, the items, the list end.
std::string StackFile(const std::vector<std::string>& items) {
    std::vector<uint8_t> nibbles;
    for (unsigned char c : std::string("ZQZQKB-R")) {
        nibbles.push_back(c & 0xF);
        nibbles.push_back(c >> 4);
    }
    for (uint8_t n : {0x4, 0x7, 0xA, 0x2, 0x0}) nibbles.push_back(n);
    for (const auto& item : items) AddString(nibbles, item);
    for (uint8_t n : {0xB, 0x2, 0x1, 0x3, 0x0}) nibbles.push_back(n); // end of list
    if (nibbles.size() % 2) nibbles.push_back(0);
    std::string out;
    for (size_t i = 0; i < nibbles.size(); i += 2) out += char(nibbles[i] | nibbles[i + 1] << 4);
    return out;
}

const std::string Marker("\x01\x03\x02", 3);

TEST(StackPicture, LevelsDeepestFirstStringsQuoted) {
    const auto lines = DecodeStackPicture(StackFile({"42.", Marker + "ABC", "'X+1'"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"3: 42.", "2: \"ABC\"", "1: 'X+1'"}));
}

TEST(StackPicture, OnlyTheLastSevenLevels) {
    std::vector<std::string> items;
    for (int i = 10; i >= 1; --i) items.push_back(std::to_string(i) + ".");
    const auto lines = DecodeStackPicture(StackFile(items));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines.front(), "7: 7.");
    EXPECT_EQ(lines.back(), "1: 1.");
}

TEST(StackPicture, CalculatorCharactersAndEmptyOrBrokenData) {
    // A string holding a quote and the arrow: escaped as the command window shows it.
    const auto lines = DecodeStackPicture(StackFile({Marker + "A\"\x8D"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"1: \"A\\\"\\->\""}));
    EXPECT_TRUE(DecodeStackPicture(StackFile({})).empty());
    EXPECT_TRUE(DecodeStackPicture("").empty());
    EXPECT_TRUE(DecodeStackPicture("ZQZQKB-R").empty());
    // An item whose length reaches past the data ends the walk without reading beyond it.
    std::string cut = StackFile({"1.", std::string(40, 'x')});
    cut.resize(cut.size() - 30);
    EXPECT_EQ(DecodeStackPicture(cut), (std::vector<std::string>{"1: 1."}));
}

TEST(StackPicture, ScriptIsTheCommandWindowsLine) {
    const std::string script = StackScript();
    EXPECT_EQ(script.size(), 138u);
    EXPECT_NE(script.find(Marker), std::string::npos);
    EXPECT_EQ(script.substr(script.size() - 14), "END '$$$t' STO");
}

} // namespace
} // namespace lw::cli
