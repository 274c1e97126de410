// Sessions from scripts: many commands on one connection from a file, standard input or -c;
// where a failure stops them; quoting of names; JSON Lines; a hang-up in the middle, with and
// without --reconnect.
#include "CliHarness.h"
#include "link/CalcNames.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lw::test {
namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

TEST(CliSession, AScriptStopsAtItsFirstFailureUnlessToldToKeepGoing) {
    TSimSession sim;
    const std::string out = sim.File("out");
    fs::create_directories(out);
    const std::string script = sim.File("copy.lw");
    WriteTestFile(script, "# copy two variables\n"
                          "get X -o " +
                              out +
                              "\n"
                              "get NOPE -o " +
                              out +
                              "   # not on the calculator\n"
                              "get N -o " +
                              out + "\n");
    const TRunResult stopped = Cli(&sim, {"-q", "run", script});
    ExpectOneMessage({stopped.Status, "", stopped.Err}, 1, "\"NOPE\" is not in HOME");
    EXPECT_EQ(stopped.Out, out + "/X.zq\n");
    EXPECT_FALSE(fs::exists(out + "/N.zq"));

    // The same from standard input when it is no terminal.
    fs::remove(out + "/X.zq");
    const TRunResult piped = CliWithInput(&sim, {"-q", "shell"}, script);
    EXPECT_EQ(piped.Status, 1) << piped.Err;
    EXPECT_EQ(piped.Out, out + "/X.zq\n");

    const TRunResult kept = Cli(&sim, {"-q", "--keep-going", "run", script});
    EXPECT_EQ(kept.Status, 1) << kept.Err;
    EXPECT_EQ(kept.Out, out + "/X.zq\n" + out + "/N.zq\n");
    EXPECT_EQ(ErrorLines(kept.Err).size(), 1u) << kept.Err;

    // A usage error stops the run with its own status; an unknown command is one too.
    const TRunResult usage = Cli(&sim, {"-q", "-c", "pwd; mv X; pwd"});
    EXPECT_EQ(usage.Status, 2) << usage.Err;
    EXPECT_EQ(usage.Out, "HOME\n");
    const TRunResult unknown = Cli(&sim, {"-q", "--keep-going", "-c", "frob; pwd; exit; pwd"});
    EXPECT_EQ(unknown.Status, 1);
    EXPECT_EQ(unknown.Out, "HOME\n"); // exit ends the script
    ExpectOneMessage({2, "", unknown.Err}, 2, "unknown command \"frob\"");
    ExpectOneMessage(Cli(&sim, {"-q", "run", sim.File("none.lw")}), 1, "none.lw");
    ExpectOneMessage(Cli(&sim, {"-q", "-c", "ls", "ls"}), 2, "either -c or a command");
}

TEST(CliSession, QuotedNamesAndFilesWithBlanks) {
    TSimSession sim;
    fs::create_directories(sim.File("with blank"));
    fs::create_directories(sim.File("out dir"));
    const std::string program = ObjectFile(StringObj("from a folder with a blank"));
    WriteTestFile(sim.File("with blank/PRG.zq"), program);
    const TRunResult r = Cli(&sim, {"-q", "-y", "-c",
                                    "lcd '" + sim.Folder +
                                        "'; put 'with blank/PRG.zq'; "
                                        "get A\\->B -o 'out dir'; get \"A\\->B\" PRG -o out\\ dir; "
                                        "get -t X -o 'out dir'; get X -o 'out dir'; cd WORK; pwd"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    EXPECT_EQ(sim.Var("PRG"), program);
    const auto lines = Lines(r.Out);
    ASSERT_EQ(lines.size(), 6u) << r.Out;
    EXPECT_EQ(lines[0], lines[1]); // the same name unquoted and quoted
    EXPECT_EQ(lines[0].rfind("out dir/", 0), 0u) << lines[0];
    EXPECT_EQ(ReadTestFile(sim.File(lines[0])), sim.Var(FileToName("A\\->B", false)));
    EXPECT_EQ(lines[2], "out dir/PRG.zq");
    // A line's own options hold for that line only.
    EXPECT_EQ(lines[3], "out dir/X.txt");
    EXPECT_EQ(lines[4], "out dir/X.zq");
    EXPECT_EQ(lines[5], "HOME WORK");
}

TEST(CliSession, JsonLinesOneDocumentEachCommand) {
    const std::string python = FindProgram("python3");
    if (python.empty()) GTEST_SKIP() << "python3 is not installed";
    TSimSession sim;
    const TRunResult r =
        Cli(&sim, {"-q", "--json", "--keep-going", "-c", "pwd; mem; get NOPE; cd WORK; ls"});
    EXPECT_EQ(r.Status, 1) << r.Err;
    // Python reads the lines from its standard input and prints what each one holds.
    const TRunResult lines =
        test::Run({"/bin/sh", "-c", "printf '%s' \"$1\" | \"$0\" -c \"$2\"", python, r.Out,
                   "import json,sys\n"
                   "for line in sys.stdin.read().splitlines():\n"
                   "  d=json.loads(line)\n"
                   "  out=d['output']\n"
                   "  if isinstance(out,dict): out=sorted(out)\n"
                   "  elif out and isinstance(out[0],dict): out=[e['name'] for e "
                   "in out]\n"
                   "  print(d['command'],d['status'],out,d.get('error',''))\n"});
    ASSERT_EQ(lines.Status, 0) << lines.Err << r.Out;
    EXPECT_EQ(lines.Out, "pwd 0 ['HOME'] \n"
                         "mem 0 ['free'] \n"
                         "get NOPE 1 [] \"NOPE\" is not in HOME\n"
                         "cd WORK 0 [] \n"
                         "ls 0 ['TODO', 'RATE', 'PROJ'] \n");
}

// A hang-up in the middle of a copy: the script ends with the one message and no partial file;
// with --reconnect it waits for the calculator to come back (another simulator on the same
// line), copies again and goes on.
TEST(CliSession, AHangUpEndsTheScriptOrIsReconnectedAfter) {
    TTempDir place;
    const std::string link = place.File("calc");
    const std::string out = place.File("out");
    fs::create_directories(out);
    const std::string script = "get X -o " + out + "; get BIG -o " + out + "; get N -o " + out;
    for (const bool reconnect : {false, true}) {
        SCOPED_TRACE(reconnect ? "--reconnect" : "without --reconnect");
        fs::remove_all(out);
        fs::create_directories(out);
        auto first = std::make_unique<TSimSession>(TSessionOptions{.Link = link});
        first->Control("throttle 115200"); // the big copy takes seconds
        std::vector<std::string> args = {"-p", link, "-v", "-c", script};
        if (reconnect) args.insert(args.begin(), "--reconnect");
        auto cli = StartCli(nullptr, args);
        ASSERT_TRUE(Printed(*cli, "Copying BIG")) << cli->Err();
        first->Control("hangup");
        if (!reconnect) {
            const int status = cli->Wait(60s);
            ExpectOneMessage({status, "", cli->Err()}, 1, "");
            EXPECT_EQ(cli->Out(), out + "/X.zq\n");
            EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), 1) << "a partial file";
            continue;
        }
        ASSERT_TRUE(Printed(*cli, "waiting for it to answer again")) << cli->Err();
        first.reset();
        TSimSession second(TSessionOptions{.Link = link});
        EXPECT_EQ(cli->Wait(90s), 0) << cli->Err();
        EXPECT_EQ(cli->Out(), out + "/X.zq\n" + out + "/BIG.zq\n" + out + "/N.zq\n");
        EXPECT_EQ(ReadTestFile(out + "/BIG.zq"), second.Var("BIG"));
        EXPECT_TRUE(Printed(*cli, "connected again")) << cli->Err();
    }
}

} // namespace
} // namespace lw::test
