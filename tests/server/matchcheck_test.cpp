#include "link/Port.h"
#include "objects/BadFile.h"
#include "server/XModemServer.h"
#include "support/FakeUi.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

class TScriptedBadFile : public IBadFileDialog {
public:
    TBadFileAnswer Ask(const std::string& fileName, const std::string& kind,
                       bool allowText) override {
        Asked.push_back(fileName + "|" + kind + "|" + (allowText ? "text" : "yesno"));
        return Answer;
    }
    TBadFileAnswer Answer = TBadFileAnswer::No;
    std::vector<std::string> Asked;
};

class MatchCheck : public ::testing::Test {
protected:
    MatchCheck() { State.ModelCode = "KB"; }
    std::string File(const std::string& name, const std::string& content) {
        test::WriteTestFile(Dir.File(name), content);
        return Dir.File(name);
    }
    // The check's result, its text flag and what was asked ("" when nothing).
    std::tuple<bool, bool, std::string> Check(const std::string& path) {
        BadFile.Asked.clear();
        bool isText = true;
        const bool ok = Server.CheckFileMatches(path, isText);
        return {ok, isText, BadFile.Asked.empty() ? "" : BadFile.Asked.back()};
    }

    test::TTempDir Dir;
    test::TFakeUi Ui;
    TCalcState State;
    TScriptedBadFile BadFile;
    TXModemServer Server{State, &BadFile};
};

} // namespace

TEST_F(MatchCheck, MatchingFilesGoWithoutAQuestion) {
    EXPECT_EQ(Check(File("a.zq", "ZQZQKB-C\x2C\x2A")), std::make_tuple(true, false, ""));
    EXPECT_EQ(Check(File("t.txt", "%%ZQ: T(3)A(D)F(.);\n'X'")), std::make_tuple(true, true, ""));
    EXPECT_EQ(Check(File("u.txt", "%ZQZQ: x")), std::make_tuple(true, true, ""));
    State.ModelCode = ""; // before the first identification
    EXPECT_EQ(Check(File("k.zq", "ZQZQKA-R")), std::make_tuple(true, false, ""));
    EXPECT_EQ(Ui.Main.Beeps, 0);
}

TEST_F(MatchCheck, OtherModelAsksYesNo) {
    const std::string path = File("old.zq", "ZQZQKA-R1234");
    BadFile.Answer = TBadFileAnswer::Yes;
    EXPECT_EQ(Check(path), std::make_tuple(true, false, path + "|ZQKA|yesno"));
    BadFile.Answer = TBadFileAnswer::No;
    EXPECT_EQ(Check(path), std::make_tuple(false, false, path + "|ZQKA|yesno"));
    EXPECT_EQ(Ui.Main.Beeps, 2);
}

TEST_F(MatchCheck, HeaderlessFilesAskTextBinaryCancel) {
    const std::string src = File("prog.src", "<< 1 2 + >>");
    const std::string bare = File("prog", "1");
    BadFile.Answer = TBadFileAnswer::Text;
    EXPECT_EQ(Check(src), std::make_tuple(true, true, src + "|.src|text"));
    BadFile.Answer = TBadFileAnswer::Binary;
    EXPECT_EQ(Check(bare), std::make_tuple(true, false, bare + "|Unknown|text"));
    BadFile.Answer = TBadFileAnswer::No;
    EXPECT_EQ(Check(File("empty.src", "")),
              std::make_tuple(false, false, Dir.File("empty.src") + "|.src|text"));
}

TEST_F(MatchCheck, NoDialogMeansNo) {
    TXModemServer quiet(State);
    bool isText = true;
    EXPECT_FALSE(quiet.CheckFileMatches(File("x.src", "abc"), isText));
    EXPECT_FALSE(isText);
}

TEST_F(MatchCheck, UnreadableFilesRaise) {
    const auto error = [&](const std::string& path) -> std::string {
        bool isText;
        try {
            Server.CheckFileMatches(path, isText);
        } catch (const ELinkError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(error(Dir.File("missing.zq")), "Error (Unable to open file " +
                                                 Dir.File("missing.zq") +
                                                 " - No such file or directory)");
    // A folder opens but cannot be read.
    EXPECT_NE(error(Dir.Path).find("Cannot read from file " + Dir.Path + " - Is a directory"),
              std::string::npos);
    EXPECT_TRUE(BadFile.Asked.empty());
}
