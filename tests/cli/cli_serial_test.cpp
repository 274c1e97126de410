// linkwell-cli against the simulated calculator (in-process, over the in-memory link): the
// server commands, their failures and the single message of each failure.
#include "CliHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace lw::test {
namespace {

class CliSerial : public ::testing::Test {
protected:
    TRunResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), "-q");
        return Cli(&Sim, args);
    }
    TSimSession Sim;
};

TEST_F(CliSerial, IdentifiesListsAndReportsMemory) {
    const TRunResult ident = Run({"ident"});
    ASSERT_EQ(ident.Status, 0) << ident.Err;
    // The sample KBg at 115200 bit/s: the server's own line, then what the identification
    // read from it.
    EXPECT_EQ(Lines(ident.Out),
              std::vector<std::string>({"ident: ZQ KBg XModem Server   ROM: 3.07-Q", "model: KB",
                                        "model-name: Calcualtor", "rom: 3.07-Q", "flags: 00",
                                        "required-speed: 0"}));

    const TRunResult ls = Run({"ls"});
    ASSERT_EQ(ls.Status, 0) << ls.Err;
    EXPECT_TRUE(HasLine(ls.Out, "X\t11\tReal")) << ls.Out;
    EXPECT_TRUE(HasLine(ls.Out, "A\\->B\t")) << ls.Out; // display form
    EXPECT_FALSE(HasLine(ls.Out, "HOME ")) << ls.Out;

    const TRunResult sub = Run({"-d", "WORK PROJ", "ls"});
    ASSERT_EQ(sub.Status, 0) << sub.Err;
    EXPECT_EQ(Lines(sub.Out).size(), 3u) << sub.Out; // DATA, RUN, OLD

    ExpectOneMessage(Run({"-d", "NOPE", "ls"}), 1, "no directory");

    const TRunResult mem = Run({"mem"});
    ASSERT_EQ(mem.Status, 0) << mem.Err;
    ASSERT_EQ(Lines(mem.Out).size(), 1u);
    EXPECT_TRUE(std::all_of(mem.Out.begin(), mem.Out.end() - 1, ::isdigit)) << mem.Out;
}

TEST_F(CliSerial, CopiesVariablesBothWays) {
    const TRunResult get = Run({"get", "X", "MSG", "A\\->B", "-o", Sim.Folder});
    ASSERT_EQ(get.Status, 0) << get.Err;
    ASSERT_EQ(Lines(get.Out).size(), 3u) << get.Out;
    EXPECT_EQ(ReadTestFile(Sim.File("X.zq")).substr(0, 6), "ZQZQKB");
    EXPECT_EQ(Lines(get.Out)[0], Sim.File("X.zq"));
    EXPECT_TRUE(std::filesystem::exists(Lines(get.Out)[2])) << get.Out;

    const TRunResult text = Run({"-t", "get", "MSG", "-o", Sim.Folder});
    ASSERT_EQ(text.Status, 0) << text.Err;
    const std::string msg = ReadTestFile(Sim.File("MSG.txt"));
    EXPECT_EQ(msg.rfind("%%ZQ: T(", 0), 0u) << msg;
    EXPECT_NE(msg.find("\"Hello from the calculator!\""), std::string::npos) << msg;

    const TRunResult bare = Run({"--no-ext", "get", "N", "-o", Sim.Folder});
    ASSERT_EQ(bare.Status, 0) << bare.Err;
    EXPECT_TRUE(std::filesystem::exists(Sim.File("N")));

    // Back again under new names: binary (name from the file name) and text.
    std::filesystem::copy_file(Sim.File("X.zq"), Sim.File("Y.zq"));
    WriteTestFile(Sim.File("GREET.txt"), "%%ZQ: T(3)A(D)F(.);\n\"written on the PC\"\n");
    const TRunResult put = Run({"-d", "WORK", "put", Sim.File("Y.zq"), Sim.File("GREET.txt")});
    ASSERT_EQ(put.Status, 0) << put.Err;
    const TRunResult ls = Run({"-d", "WORK", "ls"});
    EXPECT_TRUE(HasLine(ls.Out, "Y\t11\tReal")) << ls.Out;
    EXPECT_TRUE(HasLine(ls.Out, "GREET\t")) << ls.Out;
    ExpectOneMessage(Run({"-d", "WORK", "get", "Y", "-o", Sim.File("back")}), 1, "back");

    // A header-less file: the wrong-file question, answered no without a terminal; -t sends
    // it as text.
    WriteTestFile(Sim.File("PLAIN"), "\"no header\"");
    ExpectOneMessage(Run({"put", Sim.File("PLAIN")}), 1, "not sent");
    ASSERT_EQ(Run({"-t", "put", Sim.File("PLAIN")}).Status, 0);
    EXPECT_TRUE(HasLine(Run({"ls"}).Out, "PLAIN\t")) << "sent as text";
}

TEST_F(CliSerial, ChangesTheTree) {
    ASSERT_EQ(Run({"mkdir", "NEWD"}).Status, 0);
    ExpectOneMessage(Run({"mkdir", "NEWD"}), 1, "already exists"); // so it was made
    ASSERT_EQ(Run({"mv", "NEWD", "NEWER"}).Status, 0);
    ASSERT_EQ(Run({"rm", "NEWER", "N"}).Status, 0); // a name not in HOME would fail
    const std::string afterRm = Run({"ls"}).Out;
    EXPECT_FALSE(HasLine(afterRm, "NEWER\t") || HasLine(afterRm, "N\t")) << afterRm;
    // An improper name is refused without -y (no terminal answers the question no).
    ExpectOneMessage(Run({"mkdir", "1A"}), 1, "not a proper calculator name");
    // With -y it goes to the calculator, which refuses it.
    ExpectOneMessage(Run({"-y", "mkdir", "1A"}), 1, "mkdir 1A: the calculator refused it");
    EXPECT_FALSE(HasLine(Run({"ls"}).Out, "1A\t"));
}

TEST_F(CliSerial, RunsCommandLinesAndShowsTheStack) {
    ASSERT_EQ(Run({"exec", "3 4"}).Status, 0);
    TRunResult stack = Run({"stack"});
    ASSERT_EQ(stack.Status, 0) << stack.Err;
    EXPECT_EQ(Lines(stack.Out), (std::vector<std::string>{"2: 3.", "1: 4."}));
    ASSERT_EQ(Run({"exec", "+"}).Status, 0);
    ASSERT_EQ(Run({"eval", "SQR"}).Status, 0);
    ASSERT_EQ(Run({"eval", "MSG"}).Status, 0);
    stack = Run({"stack"});
    EXPECT_EQ(Lines(stack.Out),
              (std::vector<std::string>{"2: 49.", "1: \"Hello from the calculator!\""}))
        << stack.Out;
    ExpectOneMessage(Run({"eval", "NOSUCH"}), 1, "\"NOSUCH\" is not in HOME");
}

TEST_F(CliSerial, TransferFailingUnderAFaultKeepsThePreviousFile) {
    // The calculator's XSEND of BIG sends CAN instead of its first block.
    WriteTestFile(Sim.File("BIG.zq"), "previous");
    Sim.Control("cancel");
    Sim.Control("xsend BIG");
    const TRunResult r = Run({"xmodem-receive", Sim.File("BIG.zq")});
    ExpectOneMessage(r, 1, "xmodem-receive");
    EXPECT_EQ(ReadTestFile(Sim.File("BIG.zq")), "previous");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Sim.Folder), {}), 1);
}

TEST(CliSerialServer, KermitServerIsRefusedWithOneMessage) {
    TSimSession sim({.Kermit = true});
    ExpectOneMessage(Cli(&sim, {"-q", "ident"}), 1, "Kermit Server");
}

} // namespace
} // namespace lw::test
