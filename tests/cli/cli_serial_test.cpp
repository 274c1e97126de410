// linkwell-cli against linkwell-sim over a pseudo-terminal, each as a process of its own: the
// server commands, their failures and the single message of each failure.
#include "CliHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>

namespace lw::test {
namespace {

std::string ObjectPart(const std::string& file) {
    return file.size() > 8 ? file.substr(8) : "";
}

class CliSerial : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Sim.Started()) << Sim.Log(); }
    TRunResult Run(std::vector<std::string> args) {
        args.insert(args.begin(), "-q");
        return Cli(&Sim, args);
    }
    // A failed run: status 1, nothing on stdout, exactly one message, containing `text`.
    void ExpectFailure(const TRunResult& r, const std::string& text) {
        EXPECT_EQ(r.Status, 1) << r.Err;
        const auto errors = ErrorLines(r.Err);
        ASSERT_EQ(errors.size(), 1u) << r.Err;
        EXPECT_NE(errors[0].find(text), std::string::npos) << errors[0];
    }
    TSimProcess Sim{false};
    TTempDir Dir;
};

TEST_F(CliSerial, IdentifiesListsAndReportsMemory) {
    const TRunResult ident = Run({"ident"});
    ASSERT_EQ(ident.Status, 0) << ident.Err;
    const auto lines = Lines(ident.Out);
    ASSERT_EQ(lines.size(), 6u) << ident.Out;
    const char* keys[] = {
        "ident: ", "model: KB", "model-name: ", "rom: ", "flags: ", "required-speed: 0"};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(lines[i].rfind(keys[i], 0), 0u) << lines[i];

    const TRunResult ls = Run({"ls"});
    ASSERT_EQ(ls.Status, 0) << ls.Err;
    EXPECT_TRUE(HasLine(ls.Out, "X\t11\tReal")) << ls.Out;
    EXPECT_TRUE(HasLine(ls.Out, "MSG\t")) << ls.Out;
    EXPECT_TRUE(HasLine(ls.Out, "A\\->B\t")) << ls.Out; // display form
    EXPECT_TRUE(HasLine(ls.Out, "WORK\t")) << ls.Out;
    EXPECT_FALSE(HasLine(ls.Out, "HOME ")) << ls.Out;

    const TRunResult sub = Run({"-d", "WORK PROJ", "ls"});
    ASSERT_EQ(sub.Status, 0) << sub.Err;
    EXPECT_EQ(Lines(sub.Out).size(), 3u) << sub.Out; // DATA, RUN, OLD
    EXPECT_TRUE(HasLine(sub.Out, "OLD\t")) << sub.Out;

    const TRunResult tree = Run({"-d", "HOME WORK", "ls", "-R"});
    ASSERT_EQ(tree.Status, 0) << tree.Err;
    const auto t = Lines(tree.Out);
    const auto old = std::find_if(t.begin(), t.end(), [](const std::string& l) {
        return l.rfind("HOME WORK PROJ OLD\t", 0) == 0;
    });
    ASSERT_NE(old, t.end()) << tree.Out;
    ASSERT_NE(old + 1, t.end());
    EXPECT_EQ((old + 1)->rfind("HOME WORK PROJ OLD ", 0), 0u);

    ExpectFailure(Run({"-d", "NOPE", "ls"}), "no directory");

    const TRunResult mem = Run({"mem"});
    ASSERT_EQ(mem.Status, 0) << mem.Err;
    ASSERT_EQ(Lines(mem.Out).size(), 1u);
    EXPECT_TRUE(std::all_of(mem.Out.begin(), mem.Out.end() - 1, ::isdigit)) << mem.Out;
}

TEST_F(CliSerial, CopiesVariablesBothWays) {
    const TRunResult get = Run({"get", "X", "MSG", "A\\->B", "-o", Dir.Path});
    ASSERT_EQ(get.Status, 0) << get.Err;
    ASSERT_EQ(Lines(get.Out).size(), 3u) << get.Out;
    const std::string x = ReadTestFile(Dir.File("X.zq"));
    EXPECT_EQ(x.substr(0, 6), "ZQZQKB");
    EXPECT_EQ(Lines(get.Out)[0], Dir.File("X.zq"));
    EXPECT_TRUE(std::filesystem::exists(Lines(get.Out)[2])) << get.Out;

    const TRunResult text = Run({"-t", "get", "MSG", "-o", Dir.Path});
    ASSERT_EQ(text.Status, 0) << text.Err;
    const std::string msg = ReadTestFile(Dir.File("MSG.txt"));
    EXPECT_EQ(msg.rfind("%%ZQ: T(", 0), 0u) << msg;
    EXPECT_NE(msg.find("\"Hello from the calculator!\""), std::string::npos) << msg;

    const TRunResult bare = Run({"--no-ext", "get", "N", "-o", Dir.Path});
    ASSERT_EQ(bare.Status, 0) << bare.Err;
    EXPECT_TRUE(std::filesystem::exists(Dir.File("N")));

    // Back again under new names: binary (name from the file name) and text.
    std::filesystem::copy_file(Dir.File("X.zq"), Dir.File("Y.zq"));
    WriteTestFile(Dir.File("GREET.txt"), "%%ZQ: T(3)A(D)F(.);\n\"written on the PC\"\n");
    const TRunResult put = Run({"-d", "WORK", "put", Dir.File("Y.zq"), Dir.File("GREET.txt")});
    ASSERT_EQ(put.Status, 0) << put.Err;
    const TRunResult ls = Run({"-d", "WORK", "ls"});
    EXPECT_TRUE(HasLine(ls.Out, "Y\t11\tReal")) << ls.Out;
    EXPECT_TRUE(HasLine(ls.Out, "GREET\t")) << ls.Out;
    const TRunResult back = Run({"-d", "WORK", "get", "Y", "-o", (Dir.File("back"))});
    ASSERT_EQ(back.Status, 1); // the folder does not exist
    std::filesystem::create_directories(Dir.File("back"));
    ASSERT_EQ(Run({"-d", "WORK", "-t", "get", "GREET", "-o", Dir.File("back")}).Status, 0);
    EXPECT_NE(ReadTestFile(Dir.File("back/GREET.txt")).find("\"written on the PC\""),
              std::string::npos);
    ASSERT_EQ(Run({"-d", "WORK", "get", "Y", "-o", Dir.File("back")}).Status, 0);
    EXPECT_EQ(ObjectPart(ReadTestFile(Dir.File("back/Y.zq"))), ObjectPart(x));

    ExpectFailure(Run({"get", "NOSUCH", "-o", Dir.Path}), "\"NOSUCH\" is not in HOME");
    // A header-less file: the wrong-file question, answered no without a terminal; -t sends
    // it as text.
    WriteTestFile(Dir.File("PLAIN"), "\"no header\"");
    ExpectFailure(Run({"put", Dir.File("PLAIN")}), "not sent");
    ASSERT_EQ(Run({"-t", "put", Dir.File("PLAIN")}).Status, 0);
    EXPECT_TRUE(HasLine(Run({"ls"}).Out, "PLAIN\t")) << "sent as text";
}

TEST_F(CliSerial, ChangesTheTree) {
    ASSERT_EQ(Run({"mkdir", "NEWD"}).Status, 0);
    EXPECT_TRUE(HasLine(Run({"ls"}).Out, "NEWD\t")) << "mkdir";
    ExpectFailure(Run({"mkdir", "NEWD"}), "already exists");
    ASSERT_EQ(Run({"mv", "NEWD", "NEWER"}).Status, 0);
    const std::string afterMv = Run({"ls"}).Out;
    EXPECT_TRUE(HasLine(afterMv, "NEWER\tNEWER") || HasLine(afterMv, "NEWER\t")) << afterMv;
    EXPECT_FALSE(HasLine(afterMv, "NEWD\t")) << afterMv;
    ASSERT_EQ(Run({"rm", "NEWER", "N"}).Status, 0);
    const std::string afterRm = Run({"ls"}).Out;
    EXPECT_FALSE(HasLine(afterRm, "NEWER\t") || HasLine(afterRm, "N\t")) << afterRm;
    ExpectFailure(Run({"rm", "N"}), "is not in HOME");
    // An improper name is refused without -y (no terminal answers the question no).
    ExpectFailure(Run({"mkdir", "1A"}), "not a proper calculator name");
    // With -y it goes to the calculator, which refuses it.
    ExpectFailure(Run({"-y", "mkdir", "1A"}), "mkdir 1A: the calculator refused it");
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
    ExpectFailure(Run({"eval", "NOSUCH"}), "is not in HOME");
}

TEST_F(CliSerial, TransferFailingUnderAFaultKeepsThePreviousFile) {
    // The calculator's XSEND of BIG sends CAN instead of its first block.
    WriteTestFile(Dir.File("BIG.zq"), "previous");
    ASSERT_EQ(Sim.Control("cancel").rfind("OK", 0), 0u);
    ASSERT_EQ(Sim.Control("xsend BIG").rfind("OK", 0), 0u);
    const TRunResult r = Run({"xmodem-receive", Dir.File("BIG.zq")});
    ExpectFailure(r, "xmodem-receive");
    EXPECT_TRUE(r.Out.empty());
    EXPECT_EQ(ReadTestFile(Dir.File("BIG.zq")), "previous");
    EXPECT_EQ(Dir.Entries(), 1);
    // Without the fault the same transfer goes through, and the server answers again.
    Sim.Control("clear-faults");
    Sim.Control("abort");
    ASSERT_EQ(Sim.Control("xsend BIG").rfind("OK", 0), 0u);
    const TRunResult again = Run({"xmodem-receive", Dir.File("BIG.zq")});
    ASSERT_EQ(again.Status, 0) << again.Err;
    EXPECT_GT(ReadTestFile(Dir.File("BIG.zq")).size(), 66000u);
    Sim.Control("server");
    EXPECT_EQ(Run({"ident"}).Status, 0);
}

TEST(CliSerialHangUp, GetBrokenOffByAHangUpWritesNothing) {
    TSimProcess sim(false, {"--throttle", "115200"}); // BIG then takes about six seconds
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    WriteTestFile(dir.File("BIG.zq"), "previous");
    auto cli = StartCli(&sim, {"-v", "get", "BIG", "-o", dir.Path});
    ASSERT_TRUE(cli->WaitFor([&] { return cli->Err().find("Copying BIG") != std::string::npos; },
                             std::chrono::seconds(30)))
        << cli->Err();
    sim.Control("hangup");
    EXPECT_EQ(cli->Wait(std::chrono::seconds(60)), 1);
    const auto errors = ErrorLines(cli->Err());
    ASSERT_EQ(errors.size(), 1u) << cli->Err();
    EXPECT_NE(errors[0].find("get BIG"), std::string::npos) << errors[0];
    EXPECT_TRUE(cli->Out().empty());
    EXPECT_EQ(ReadTestFile(dir.File("BIG.zq")), "previous");
    EXPECT_EQ(dir.Entries(), 1);
}

TEST(CliSerialHangUp, CtrlCDuringATransferCancelsIt) {
    TSimProcess sim(false, {"--throttle", "115200"});
    ASSERT_TRUE(sim.Started()) << sim.Log();
    TTempDir dir;
    auto cli = StartCli(&sim, {"-v", "get", "BIG", "-o", dir.Path});
    ASSERT_TRUE(cli->WaitFor([&] { return cli->Err().find("Copying BIG") != std::string::npos; },
                             std::chrono::seconds(30)))
        << cli->Err();
    cli->Kill(SIGINT);
    EXPECT_EQ(cli->Wait(std::chrono::seconds(30)), 1);
    EXPECT_EQ(ErrorLines(cli->Err()), (std::vector<std::string>{"linkwell-cli: cancelled"}));
    EXPECT_FALSE(std::filesystem::exists(dir.File("BIG.zq")));
}

TEST(CliSerialServer, KermitServerIsRefusedWithOneMessage) {
    TSimProcess sim(false, {"--kermit"});
    ASSERT_TRUE(sim.Started());
    const TRunResult r = Cli(&sim, {"-q", "ident"});
    EXPECT_EQ(r.Status, 1);
    const auto errors = ErrorLines(r.Err);
    ASSERT_EQ(errors.size(), 1u) << r.Err;
    EXPECT_NE(errors[0].find("Kermit Server"), std::string::npos) << errors[0];
}

} // namespace
} // namespace lw::test
