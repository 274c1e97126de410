// linkwell-cli --json: each data command's document, read back by Python's JSON parser and
// printed in the human layout, equals the human output.
#include "CliHarness.h"
#include "cli/Json.h"

#include <gtest/gtest.h>

namespace lw::test {
namespace {

// Python's JSON parser is the independent reader; scripts/install-deps.sh installs it, so a
// missing one is a broken setup, not a reason to skip.
std::string Python() {
    const std::string python = FindProgram("python3");
    EXPECT_FALSE(python.empty()) << "python3 is not installed (scripts/install-deps.sh)";
    return python;
}

// Runs `script` with the parsed document as `d`; its stdout, or "" when Python failed.
std::string FromJson(const std::string& json, const std::string& script) {
    const std::string python = Python();
    if (python.empty()) return "";
    const TRunResult r =
        Run({python, "-c", "import json,sys\nd=json.loads(sys.argv[1])\n" + script, json});
    EXPECT_EQ(r.Status, 0) << r.Err << json;
    return r.Out;
}

TEST(CliJson, EscapesControlCharactersAndBytesAboveAscii) {
    ASSERT_FALSE(Python().empty());
    cli::TJsonWriter json;
    json.BeginObject().Key("a\"b").String(std::string("\\\x01\n\x7f\xe9\x80", 6));
    json.Key("n").Number(-12).Key("l").BeginArray().Bool(true).BeginArray().EndArray().EndArray();
    const std::string text = json.EndObject().Text();
    for (unsigned char c : text) EXPECT_TRUE(c >= 32 && c <= 126) << text;
    EXPECT_EQ(FromJson(text, "print([ord(c) for c in d['a\"b']], d['n'], d['l'])"),
              "[92, 1, 10, 127, 233, 128] -12 [True, []]\n");
}

class CliJsonSim : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(Python().empty()); }
    // The human output of `args` and the JSON output rendered by `script` are the same.
    void ExpectSame(std::vector<std::string> args, const std::string& script) {
        args.insert(args.begin(), "-q");
        const TRunResult human = Cli(&Sim, args);
        ASSERT_EQ(human.Status, 0) << human.Err;
        args.insert(args.begin(), "--json");
        const TRunResult json = Cli(&Sim, args);
        ASSERT_EQ(json.Status, 0) << json.Err;
        EXPECT_EQ(Lines(json.Out).size(), 1u) << json.Out;
        EXPECT_EQ(FromJson(json.Out, script), human.Out) << json.Out;
    }
    TSimSession Sim;
};

TEST_F(CliJsonSim, EachDataCommandMatchesTheHumanOutput) {
    ExpectSame({"ident"}, "for k,v in d.items(): print(f'{k}: {v}')");
    ExpectSame({"-d", "WORK", "ls", "-R"},
               "for e in d: print(f\"{e['name']}\\t{e['size']}\\t{e['type']}\")");
    ExpectSame({"mem"}, "print(d['free'])");
    ASSERT_EQ(Cli(&Sim, {"-q", "exec", "1 \"two\""}).Status, 0);
    ExpectSame({"stack"}, "for l in d: print(l)");
    ExpectSame({"ports"}, "for p in d: print(p['name'] if p['usable'] else "
                          "f\"{p['name']}\\t(no permission: group {p['group']})\")");
}

} // namespace
} // namespace lw::test
