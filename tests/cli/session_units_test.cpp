// The units of sessions that need no calculator: command lines cut into commands and words,
// the quoting of names, the directory paths of cd, the parsing of one session line over the
// session's options, and the candidates Tab completion offers.
#include "cli/CliOptions.h"
#include "cli/Completion.h"
#include "cli/Script.h"
#include "cli/SessionRunner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lw::test {
namespace {

using cli::ParseScript;
using Words = std::vector<std::string>;

Words WordsOf(const cli::TStatement& s) {
    EXPECT_EQ(s.Error, "");
    return s.Words;
}

TEST(SessionScript, CommandsWordsQuotesAndComments) {
    const auto s = ParseScript("ls -R; get 'my var' \"a \\\"b\\\"\" # all of it\n"
                               "\n  # a comment line\nput my\\ file.zq;;mem\n");
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(WordsOf(s[0]), (Words{"ls", "-R"}));
    EXPECT_EQ(WordsOf(s[1]), (Words{"get", "my var", "a \"b\""}));
    EXPECT_EQ(s[1].Line, 1);
    EXPECT_EQ(WordsOf(s[2]), (Words{"put", "my file.zq"}));
    EXPECT_EQ(s[2].Line, 4);
    EXPECT_EQ(WordsOf(s[3]), (Words{"mem"}));

    // A calculator name's backslash escapes stay as typed; a quoted ";" or "#" is no separator.
    EXPECT_EQ(WordsOf(ParseScript("eval A\\->B")[0]), (Words{"eval", "A\\->B"}));
    EXPECT_EQ(WordsOf(ParseScript("get '\\<)ANG' x#y 'a;b' \"c#d\" ''")[0]),
              (Words{"get", "\\<)ANG", "x#y", "a;b", "c#d", ""}));
    EXPECT_EQ(WordsOf(ParseScript("get a\\;b\\#c\\\\")[0]), (Words{"get", "a;b#c\\"}));

    // An unclosed quote spoils its command only; the next line is whole.
    const auto bad = ParseScript("get 'X; mem\nls");
    ASSERT_EQ(bad.size(), 2u);
    EXPECT_NE(bad[0].Error, "");
    EXPECT_EQ(WordsOf(bad[1]), (Words{"ls"}));
    EXPECT_TRUE(ParseScript("  ; # nothing\n;").empty());
}

TEST(SessionScript, QuotedWordsReadBackAsThemselves) {
    for (const std::string word : {"PLAIN", "A\\->B", "my file.zq", "it's", "say \"hi\" \\ now",
                                   "a;b", "#x", "", "back\\\\slash"}) {
        const auto s = ParseScript("get " + cli::QuoteWord(word));
        ASSERT_EQ(s.size(), 1u) << word;
        EXPECT_EQ(WordsOf(s[0]), (Words{"get", word})) << cli::QuoteWord(word);
    }
    EXPECT_EQ(cli::QuoteWord("A\\->B"), "A\\->B"); // shown as the calculator shows it
}

TEST(SessionDirs, CdPaths) {
    EXPECT_EQ(cli::ResolveDirPath("HOME", "GAMES"), "HOME GAMES");
    EXPECT_EQ(cli::ResolveDirPath("HOME GAMES", "LEVEL 2"), "HOME GAMES LEVEL 2");
    EXPECT_EQ(cli::ResolveDirPath("HOME GAMES", ".."), "HOME");
    EXPECT_EQ(cli::ResolveDirPath("HOME", ".."), "HOME");
    EXPECT_EQ(cli::ResolveDirPath("HOME GAMES", "HOME WORK PROJ"), "HOME WORK PROJ");
    EXPECT_EQ(cli::ResolveDirPath("HOME A B", ".. C"), "HOME A C");
}

TEST(SessionLine, ParsedOverTheSessionOptions) {
    cli::TCliOptions base;
    base.Dir = "HOME WORK";
    base.Json = true;
    base.Script = "ls; get X -o out";
    cli::TCliOptions o;
    std::string message;
    ASSERT_EQ(cli::ParseSessionLine({"get", "X", "-o", "out"}, base, o, message),
              cli::TParseResult::Run)
        << message;
    EXPECT_EQ(o.Command, "get");
    EXPECT_EQ(o.Args, (Words{"X"}));
    EXPECT_EQ(o.Dir, "HOME WORK");
    EXPECT_TRUE(o.Json);
    EXPECT_EQ(o.Script, "");
    // The command's own values do not carry over to the next line.
    ASSERT_EQ(cli::ParseSessionLine({"ls", "-R"}, base, o, message), cli::TParseResult::Run);
    EXPECT_TRUE(o.Args.empty());
    EXPECT_EQ(o.OutDir, ".");
    ASSERT_EQ(cli::ParseSessionLine({"ls"}, base, o, message), cli::TParseResult::Run);
    EXPECT_FALSE(o.Recursive);
    // A directory given on the line wins; sessions do not nest; usage errors are told.
    ASSERT_EQ(cli::ParseSessionLine({"-d", "GAMES", "ls"}, base, o, message),
              cli::TParseResult::Run);
    EXPECT_EQ(o.Dir, "HOME GAMES");
    for (const Words& nested : {Words{"shell"}, Words{"run", "f"}, Words{"-c", "ls"}})
        EXPECT_EQ(cli::ParseSessionLine(nested, base, o, message), cli::TParseResult::UsageError)
            << nested[0];
    EXPECT_EQ(cli::ParseSessionLine({"mv", "A"}, base, o, message), cli::TParseResult::UsageError);
}

TEST(SessionHelp, EveryCommandHasItsLines) {
    for (const auto& name : cli::CommandNames()) EXPECT_NE(cli::CommandHelp(name), "") << name;
    for (const char* own : {"cd", "pwd", "lcd", "lpwd", "help", "reconnect", "exit"})
        EXPECT_NE(cli::CommandHelp(own), "") << own;
    EXPECT_NE(cli::CommandHelp("get").find("-o DIR"), std::string::npos);
    EXPECT_EQ(cli::CommandHelp("nosuch"), "");
}

class SessionCompletion : public ::testing::Test {
protected:
    cli::TCompletionSource Source{
        {"get", "put", "cd", "capture", "help", "ls"},
        cli::CommandOptionNames,
        {{"SQR", false}, {"SIGN", false}, {"A\\->B", false}, {"WORK", true}, {"WIDE", false}}};
    Words Candidates(const std::string& line) { return cli::Complete(line, Source).Candidates; }
};

TEST_F(SessionCompletion, CommandsOptionsAndCalculatorNames) {
    EXPECT_EQ(Candidates("g"), (Words{"get"}));
    EXPECT_EQ(Candidates("ls; c"), (Words{"capture", "cd"}));
    EXPECT_EQ(Candidates("get S"), (Words{"SIGN", "SQR"}));
    EXPECT_EQ(Candidates("get SQR W"), (Words{"WIDE", "WORK"}));
    EXPECT_EQ(Candidates("get 'A\\-"), (Words{"A\\->B"}));
    EXPECT_EQ(Candidates("cd W"), (Words{"WORK"})); // directories only
    EXPECT_EQ(Candidates("cd ."), (Words{".."}));
    EXPECT_EQ(Candidates("help p"), (Words{"put"}));
    EXPECT_EQ(Candidates("ls -"),
              (Words{"--alg", "--dir", "--json", "--no-ext", "--quiet", "--text", "--verbose",
                     "--yes", "-R", "-d", "-q", "-t", "-v", "-y"}));
    EXPECT_EQ(Candidates("get X -"),
              (Words{"--alg", "--dir", "--json", "--no-ext", "--quiet", "--text", "--verbose",
                     "--yes", "-d", "-o", "-q", "-t", "-v", "-y"}));
    const auto at = cli::Complete("ls; get  SQ", Source);
    EXPECT_EQ(at.Start, 9u);
    EXPECT_EQ(at.Word, "SQ");
    EXPECT_EQ(cli::CommonPrefix({"SIGN", "SQR"}), "S");
}

TEST_F(SessionCompletion, PcFilesForPutAndFoldersForOutput) {
    TTempDir dir;
    std::filesystem::create_directories(dir.File("sub folder"));
    WriteTestFile(dir.File("prog one.zq"), "x");
    WriteTestFile(dir.File("prog two.zq"), "x");
    WriteTestFile(dir.File(".hidden"), "x");
    EXPECT_EQ(Candidates("put " + dir.Path + "/pr"),
              (Words{dir.File("prog one.zq"), dir.File("prog two.zq")}));
    EXPECT_EQ(Candidates("put '" + dir.Path + "/prog o"), (Words{dir.File("prog one.zq")}));
    EXPECT_EQ(Candidates("put " + dir.Path + "/"),
              (Words{dir.File("prog one.zq"), dir.File("prog two.zq"), dir.File("sub folder/")}));
    EXPECT_EQ(Candidates("get SQR -o " + dir.Path + "/"), (Words{dir.File("sub folder/")}));
    EXPECT_EQ(Candidates("sync --dry-run " + dir.Path + "/"), (Words{dir.File("sub folder/")}));
    EXPECT_EQ(Candidates("put " + dir.Path + "/."), (Words{dir.File(".hidden")}));
}

} // namespace
} // namespace lw::test
