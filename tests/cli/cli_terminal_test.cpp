// Questions asked on a terminal: linkwell-cli with a pseudo-terminal as its stdin, the answers
// typed into it, against linkwell-sim.
#include "CliHarness.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace lw::test {
namespace {

using namespace std::chrono_literals;

// A pseudo-terminal for the CLI's stdin; the test types into its other end.
class TTypist {
public:
    TTypist() {
        FMaster = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (FMaster < 0 || ::grantpt(FMaster) != 0 || ::unlockpt(FMaster) != 0) return;
        FSlave = ::open(::ptsname(FMaster), O_RDWR | O_NOCTTY);
    }
    ~TTypist() {
        if (FSlave >= 0) ::close(FSlave);
        if (FMaster >= 0) ::close(FMaster);
    }
    int Terminal() const { return FSlave; }
    void Type(const std::string& text) {
        ASSERT_EQ(::write(FMaster, text.data(), text.size()), ssize_t(text.size()));
    }

private:
    int FMaster = -1, FSlave = -1;
};

TEST(CliTerminal, QuestionsAndPromptsAreAnsweredByTyping) {
    TSimSession sim;
    TTypist typist;
    ASSERT_GE(typist.Terminal(), 0);

    // A file without a header: Binary, Text or Cancel.
    WriteTestFile(sim.File("PLAIN"), "\"typed as text\"");
    {
        auto cli = StartCli(&sim, {"-q", "put", sim.File("PLAIN")}, typist.Terminal());
        ASSERT_TRUE(Printed(*cli, "[b]inary, [t]ext or [C]ancel? ")) << cli->Err();
        EXPECT_NE(cli->Err().find("Wrong File Type? " + sim.File("PLAIN") + " is a Unknown file"),
                  std::string::npos)
            << cli->Err();
        typist.Type("t\n");
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    }

    // A text file over an existing variable: the replace question; No keeps the variable.
    WriteTestFile(sim.File("PLAIN.txt"), "%%ZQ: T(3)A(D)F(.);\n\"replaced\"\n");
    {
        auto cli = StartCli(&sim, {"-q", "put", sim.File("PLAIN.txt")}, typist.Terminal());
        ASSERT_TRUE(Printed(*cli, "[y]es, [N]o or [c]ancel? ")) << cli->Err();
        EXPECT_NE(cli->Err().find("Confirm File Replace: This folder already contains a file "
                                  "named PLAIN."),
                  std::string::npos);
        typist.Type("\n"); // Enter alone: no
        EXPECT_EQ(cli->Wait(60s), 1);
        // (The answer's echo ends the question's line on the terminal, not in this pipe.)
        const std::string& err = cli->Err();
        const auto message = err.find("linkwell-cli: ");
        ASSERT_NE(message, std::string::npos) << err;
        EXPECT_EQ(err.find("linkwell-cli: ", message + 1), std::string::npos) << err;
        EXPECT_NE(err.find("not replaced", message), std::string::npos) << err;
    }
    {
        // Yes replaces it (what the answers do to the memory: questions_test).
        auto cli = StartCli(&sim, {"-q", "put", sim.File("PLAIN.txt")}, typist.Terminal());
        ASSERT_TRUE(Printed(*cli, "[y]es, [N]o or [c]ancel? ")) << cli->Err();
        typist.Type("y\n");
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    }

    // A prompt's own text speaks of an OK button; the line after it of the keys.
    sim.Control("xsend MSG");
    auto cli = StartCli(&sim, {"-q", "xmodem-receive", sim.File("msg.zq")}, typist.Terminal());
    ASSERT_TRUE(Printed(*cli, "Press OK below.\n\nPress Enter to go on, Ctrl-C to cancel\n"))
        << cli->Err();
    typist.Type("\n");
    EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    EXPECT_NE(ReadTestFile(sim.File("msg.zq")).find("Hello from the calculator!"),
              std::string::npos);
}

} // namespace
} // namespace lw::test
