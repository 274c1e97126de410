// The interactive shell on a pseudo-terminal: the test types into the terminal's other end and
// reads what the line editor draws there; the commands' output comes on standard output.
#include "CliHarness.h"
#include "support/PeerLink.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>

#include <fcntl.h>
#include <termios.h>

namespace lw::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

// A terminal in the state a login leaves it (line mode, echo, signals), the keyboard and
// screen at the test's end.
class TTypist {
public:
    TTypist() {
        const int slave = ::open(Pty.PortName().c_str(), O_RDWR | O_NOCTTY);
        termios tio{};
        ::tcgetattr(slave, &tio);
        tio.c_iflag |= ICRNL;
        tio.c_oflag |= OPOST | ONLCR;
        tio.c_lflag |= ICANON | ECHO | ISIG | IEXTEN;
        ::tcsetattr(slave, TCSANOW, &tio);
        ::close(slave);
    }
    std::string Path() const { return Pty.PortName(); }
    void Type(const std::string& keys) { Pty.Write(keys); }
    // Waits (bounded) until the screen shows `text` after what earlier waits took.
    bool Shows(const std::string& text) {
        const uint64_t deadline = PeerNowUs() + 30'000'000;
        while (Screen.find(text, Seen) == std::string::npos) {
            if (PeerNowUs() > deadline) return false;
            Screen += Pty.Read(4096, 100);
        }
        Seen = Screen.find(text, Seen) + text.size();
        return true;
    }
    std::string Screen;

private:
    TPtyPeer Pty;
    size_t Seen = 0;
};

class CliShell : public ::testing::Test {
protected:
    std::unique_ptr<TProcess> StartShell(TTypist& typist, std::vector<std::string> args = {}) {
        args.insert(args.end(), {"-q", "shell"});
        return StartCli(&Sim, args, typist.Path(),
                        {{"TERM", "xterm"}, {"HOME", State.Path}, {"XDG_STATE_HOME", State.Path}});
    }
    bool Outputs(TProcess& cli, const std::string& text) {
        return cli.WaitFor([&] { return cli.Out().find(text) != std::string::npos; }, 30s);
    }
    TSimSession Sim{{.RealLine = true}};
    TTempDir State;
};

TEST_F(CliShell, PromptCompletionAndHistoryAcrossSessions) {
    {
        TTypist typist;
        auto cli = StartShell(typist);
        ASSERT_TRUE(typist.Shows("HOME> ")) << typist.Screen << cli->Err();
        // A variable name from the listing the session holds.
        typist.Type("get SQ\t-o " + Sim.Folder + "\n");
        ASSERT_TRUE(Outputs(*cli, Sim.File("SQR.zq") + "\n")) << cli->Out() << cli->Err();
        // A directory after cd, then a name in that directory.
        typist.Type("cd WO\t\n");
        ASSERT_TRUE(typist.Shows("HOME WORK> ")) << typist.Screen;
        typist.Type("get TO\t-o " + Sim.Folder + "; pwd\n");
        ASSERT_TRUE(Outputs(*cli, Sim.File("TODO.zq") + "\nHOME WORK\n")) << cli->Out();
        // Ctrl-D at the prompt ends the session.
        ASSERT_TRUE(typist.Shows("HOME WORK> ")) << typist.Screen;
        typist.Type("\x04");
        EXPECT_EQ(cli->Wait(30s), 0) << cli->Err();
        EXPECT_EQ(ErrorLines(cli->Err()).size(), 0u) << cli->Err();
    }
    const std::string history = ReadTestFile(State.File("linkwell/history"));
    EXPECT_NE(history.find("pwd"), std::string::npos) << history;
    {
        // The next session finds the last line one Ctrl-P back, and starts at HOME again (where
        // TODO is not).
        TTypist typist;
        auto cli = StartShell(typist);
        ASSERT_TRUE(typist.Shows("HOME> ")) << typist.Screen << cli->Err();
        typist.Type("\x10\n");
        ASSERT_TRUE(Outputs(*cli, "HOME\n")) << cli->Out() << cli->Err();
        EXPECT_EQ(cli->Out(), "HOME\n");
        EXPECT_NE(cli->Err().find("\"TODO\" is not in HOME"), std::string::npos) << cli->Err();
        typist.Type("exit\n");
        EXPECT_EQ(cli->Wait(30s), 0) << cli->Err();
    }
}

TEST_F(CliShell, CtrlCCancelsTheRunningCopyAndTheSessionGoesOn) {
    Sim.Control("throttle 115200"); // the big copy takes seconds
    const std::string out = Sim.File("out");
    fs::create_directories(out);
    TTypist typist;
    auto cli = StartShell(typist, {"-v"});
    ASSERT_TRUE(typist.Shows("HOME> ")) << typist.Screen << cli->Err();
    typist.Type("get BIG -o " + out + "\n");
    ASSERT_TRUE(Printed(*cli, "Copying BIG")) << cli->Err();
    cli->Kill(SIGINT);
    ASSERT_TRUE(Printed(*cli, "linkwell-cli: cancelled")) << cli->Err();
    ASSERT_TRUE(typist.Shows("HOME> ")) << typist.Screen;
    EXPECT_TRUE(fs::is_empty(out)) << "a partial file";
    // A Ctrl-C at the prompt drops the line typed so far.
    typist.Type("get NOP");
    ASSERT_TRUE(typist.Shows("NOP"));
    cli->Kill(SIGINT);
    ASSERT_TRUE(typist.Shows("HOME> ")) << typist.Screen;
    typist.Type("mem\n");
    ASSERT_TRUE(cli->WaitFor([&] { return !cli->Out().empty() && cli->Out().back() == '\n'; }, 60s))
        << cli->Err();
    EXPECT_GT(std::stoll(cli->Out()), 0) << cli->Out();
    EXPECT_EQ(cli->Err().find("NOP\""), std::string::npos) << cli->Err();
    ASSERT_TRUE(typist.Shows("HOME> ")) << typist.Screen;
    typist.Type("\x04");
    EXPECT_EQ(cli->Wait(30s), 0) << cli->Err();
    EXPECT_EQ(ErrorLines(cli->Err()), (std::vector<std::string>{"linkwell-cli: cancelled"}));
}

// The calculator unplugged: the shell says so once, refuses the calculator's commands without
// trying, keeps its directory and connects again when told.
TEST(CliShellLink, ALostLinkIsReportedOnceAndReconnectedWhenAsked) {
    TTempDir place;
    const std::string link = place.File("calc");
    auto first = std::make_unique<TSimSession>(TSessionOptions{.Link = link});
    TTypist typist;
    auto cli = StartCli(nullptr, {"-p", link, "shell"}, typist.Path(),
                        {{"TERM", "xterm"}, {"HOME", place.Path}, {"XDG_STATE_HOME", place.Path}});
    ASSERT_TRUE(typist.Shows("HOME> ")) << typist.Screen << cli->Err();
    typist.Type("cd WORK\n");
    ASSERT_TRUE(typist.Shows("HOME WORK> ")) << typist.Screen;
    first->Control("hangup");
    first.reset();
    typist.Type("ls\n");
    ASSERT_TRUE(Printed(*cli, "type reconnect once it answers again (the session keeps its state)"))
        << cli->Err();
    typist.Type("mem\n");
    ASSERT_TRUE(Printed(*cli, "not connected to the calculator")) << cli->Err();
    const size_t messages = ErrorLines(cli->Err()).size();
    EXPECT_EQ(messages, 3u) << cli->Err(); // the failed ls, the lost link, the refused mem

    TSimSession second(TSessionOptions{.Link = link});
    typist.Type("reconnect; ls\n");
    ASSERT_TRUE(Printed(*cli, "connected again")) << cli->Err();
    ASSERT_TRUE(cli->WaitFor([&] { return cli->Out().find("PROJ\t") != std::string::npos; }, 60s))
        << cli->Out() << cli->Err();
    ASSERT_TRUE(typist.Shows("HOME WORK> ")) << typist.Screen;
    typist.Type("exit\n");
    EXPECT_EQ(cli->Wait(30s), 0) << cli->Err();
    EXPECT_EQ(ErrorLines(cli->Err()).size(), messages) << cli->Err();
    // Each message is one line, also the core's own connection error.
    for (const auto& line : Lines(cli->Err()))
        EXPECT_TRUE(line.empty() || line.rfind("linkwell-cli: ", 0) == 0 ||
                    line == "connected again")
            << line;
}

} // namespace
} // namespace lw::test
