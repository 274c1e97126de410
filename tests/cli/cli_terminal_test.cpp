// Questions asked on a terminal: linkwell-cli with a pseudo-terminal as its stdin, the answers
// typed into it.
#include "CliHarness.h"
#include "support/PeerLink.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

using namespace std::chrono_literals;

TEST(CliTerminal, QuestionsAndPromptsAreAnsweredByTyping) {
    TSimSession sim({.RealLine = true});
    TPtyPeer typist; // the CLI's stdin is its terminal; the test types into the other end

    // A file without a header: Binary, Text or Cancel.
    WriteTestFile(sim.File("PLAIN"), "\"typed as text\"");
    {
        auto cli = StartCli(&sim, {"-q", "put", sim.File("PLAIN")}, typist.PortName());
        ASSERT_TRUE(Printed(*cli, "[b]inary, [t]ext or [C]ancel? ")) << cli->Err();
        EXPECT_NE(cli->Err().find("Wrong File Type? " + sim.File("PLAIN") + " is a Unknown file"),
                  std::string::npos)
            << cli->Err();
        typist.Write("t\n");
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    }

    // A text file over an existing variable: the replace question; No keeps the variable.
    WriteTestFile(sim.File("PLAIN.txt"), "%%ZQ: T(3)A(D)F(.);\n\"replaced\"\n");
    {
        auto cli = StartCli(&sim, {"-q", "put", sim.File("PLAIN.txt")}, typist.PortName());
        ASSERT_TRUE(Printed(*cli, "[y]es, [N]o or [c]ancel? ")) << cli->Err();
        EXPECT_NE(cli->Err().find("Confirm File Replace: This folder already contains a file "
                                  "named PLAIN."),
                  std::string::npos);
        typist.Write("\n"); // Enter alone: no
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
        auto cli = StartCli(&sim, {"-q", "put", sim.File("PLAIN.txt")}, typist.PortName());
        ASSERT_TRUE(Printed(*cli, "[y]es, [N]o or [c]ancel? ")) << cli->Err();
        typist.Write("y\n");
        EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    }

    // XSEND: the RPN prompt's own text speaks of an OK button; the line after it of the keys.
    sim.Control("xsend MSG");
    auto cli = StartCli(&sim, {"-q", "xmodem-receive", sim.File("msg.zq")}, typist.PortName());
    ASSERT_TRUE(Printed(*cli, "Press OK below.\n\nPress Enter to go on, Ctrl-C to cancel\n"))
        << cli->Err();
    EXPECT_NE(cli->Err().find("Press XSEND"), std::string::npos) << cli->Err();
    typist.Write("\n");
    EXPECT_EQ(cli->Wait(60s), 0) << cli->Err();
    EXPECT_EQ(cli->Out(), sim.File("msg.zq") + "\n");
    EXPECT_EQ(ReadTestFile(sim.File("msg.zq")), sim.Var("MSG"));
}

} // namespace
} // namespace lw::test
