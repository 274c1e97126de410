// Keeping a PC folder and a calculator directory alike, against the simulated calculator:
// first syncs, changes on either side and on both, deletions, subdirectories, text mode, and
// runs that stop half-way.
#include "SyncFixture.h"

#include "util/Files.h"

#include <filesystem>

using namespace lw;
using namespace lw::test;

namespace fs = std::filesystem;

namespace {

// The object of an object file, without the header.
std::string Object(const std::string& file) {
    return file.size() > 8 ? file.substr(8) : "<no object>";
}

} // namespace

TEST_F(SyncFixture, FirstSyncInEachDirection) {
    PutPc("A.zq", StringFile("from the PC"));
    PutPc("B.zq", StringFile("also from the PC"));
    PutPc("notes.md", "not a calculator file");
    PutCalc("C", "from the calculator");
    // One way only: what belongs to the other direction is left alone.
    TSyncPlan toCalc = Plan({.Direction = TSyncDirection::ToCalc});
    EXPECT_EQ(Actions(toCalc), "A:send B:send C:skip");
    EXPECT_EQ(RunSyncPlan(*S->Server, toCalc).Done, 2);
    EXPECT_EQ(Object(S->Var("A")), Object(StringFile("from the PC")));
    EXPECT_EQ(Object(S->Var("B")), Object(StringFile("also from the PC")));
    EXPECT_FALSE(fs::exists(PcFile("C.zq")));

    TSyncPlan toPc = Plan({.Direction = TSyncDirection::ToPc});
    EXPECT_EQ(Actions(toPc), "A:same B:same C:fetch");
    EXPECT_EQ(RunSyncPlan(*S->Server, toPc).Done, 1);
    EXPECT_EQ(ReadTestFile(PcFile("C.zq")), S->Var("C"));

    // In sync now: trusting the sizes fetches nothing, the default fetches each to compare.
    const TSyncPlan trusted = Plan({.TrustSizes = true});
    EXPECT_EQ(Actions(trusted), "A:same B:same C:same");
    EXPECT_EQ(trusted.Fetched, 0);
    EXPECT_TRUE(trusted.InSync());
    EXPECT_EQ(Plan().Fetched, 3);
    EXPECT_EQ(PcFolder().count("notes.md"), 1u);
}

TEST_F(SyncFixture, AChangeOnEachSideGoesAcross) {
    PutPc("A.zq", StringFile("one"));
    PutCalc("B", "two");
    PutCalc("C", "three");
    Sync();
    PutPc("A.zq", StringFile("one, edited on the PC"));
    PutCalc("B", "two, edited on the calculator"); // another size
    PutCalc("C", "THREE");                         // the same size
    // Trusting sizes misses a change that keeps the size: the price of not fetching.
    EXPECT_EQ(Actions(Plan({.TrustSizes = true})), "A:send B:fetch C:same");
    const TSyncPlan plan = Plan();
    EXPECT_EQ(Actions(plan), "A:send B:fetch C:fetch");
    EXPECT_EQ(plan.Items[1].Reason, "changed on the calculator");
    Sync();
    EXPECT_EQ(Object(S->Var("A")), Object(StringFile("one, edited on the PC")));
    EXPECT_EQ(ReadTestFile(PcFile("B.zq")), S->Var("B"));
    EXPECT_EQ(ReadTestFile(PcFile("C.zq")), S->Var("C"));
    EXPECT_TRUE(Plan().InSync());
}

TEST_F(SyncFixture, ChangesOnBothSidesAreAConflictUntilASideIsPreferred) {
    PutPc("X.zq", StringFile("base"));
    PutPc("Y.zq", StringFile("base"));
    PutPc("Z.zq", StringFile("base"));
    Sync();
    PutPc("X.zq", StringFile("PC's X"));
    PutCalc("X", "calculator's X");
    PutPc("Y.zq", StringFile("PC's Y"));
    PutCalc("Y", "calculator's Y");
    PutPc("Z.zq", StringFile("alike"));
    PutCalc("Z", "alike");
    TSyncPlan plan = Plan();
    EXPECT_EQ(Actions(plan), "X:conflict Y:conflict Z:same");
    EXPECT_TRUE(plan.HasUnresolvedConflicts());
    // A run of an unresolved plan leaves both copies as they are.
    const auto calcBefore = CalcMemory();
    RunSyncPlan(*S->Server, plan);
    EXPECT_EQ(CalcMemory(), calcBefore);
    EXPECT_EQ(ReadTestFile(PcFile("X.zq")), StringFile("PC's X"));

    const std::time_t day = 1796601600; // the conflict copies' date
    TSyncPlan calcWins = Plan({.Prefer = TSyncPrefer::Calc, .Now = day});
    calcWins.Items[1].Enabled = false; // Y another time
    const TSyncRunReport r1 = RunSyncPlan(*S->Server, calcWins);
    ASSERT_EQ(r1.ConflictCopies.size(), 1u);
    const std::string copy = r1.ConflictCopies[0];
    EXPECT_NE(copy.find("X.conflict-"), std::string::npos);
    EXPECT_EQ(copy.substr(copy.size() - 3), ".zq");
    EXPECT_EQ(ReadTestFile(copy), StringFile("PC's X"));
    EXPECT_EQ(ReadTestFile(PcFile("X.zq")), S->Var("X"));
    EXPECT_EQ(Object(S->Var("X")), Object(StringFile("calculator's X")));

    const TSyncRunReport r2 = Sync({.Prefer = TSyncPrefer::Pc, .Now = day});
    ASSERT_EQ(r2.ConflictCopies.size(), 1u);
    EXPECT_EQ(Object(ReadTestFile(r2.ConflictCopies[0])), Object(StringFile("calculator's Y")));
    EXPECT_EQ(Object(S->Var("Y")), Object(StringFile("PC's Y")));
    // Conflict copies take no part in later syncs.
    EXPECT_EQ(Actions(Plan()), "X:same Y:same Z:same");
}

TEST_F(SyncFixture, DeletionsGoAcrossOnlyWhenAsked) {
    PutPc("A.zq", StringFile("a"));
    PutPc("B.zq", StringFile("b"));
    PutPc("C.zq", StringFile("c"));
    Sync();
    fs::remove(PcFile("A.zq"));
    PurgeCalc("B");
    PutPc("C.zq", StringFile("c, edited")); // changed here, deleted there: sent again
    PurgeCalc("C");
    const TSyncPlan kept = Plan();
    EXPECT_EQ(Actions(kept), "A:skip B:skip C:send");
    EXPECT_EQ(kept.Items[0].Reason, "deleted on the PC; kept (--delete deletes it)");
    Sync();
    EXPECT_FALSE(S->Var("A").empty());
    EXPECT_TRUE(fs::exists(PcFile("B.zq")));
    // Still a deletion on the next run, not a new variable to fetch back.
    EXPECT_EQ(Actions(Plan()), "A:skip B:skip C:same");

    Sync({.Delete = true});
    EXPECT_TRUE(S->Var("A").empty());
    EXPECT_FALSE(fs::exists(PcFile("B.zq")));
    EXPECT_EQ(Actions(Plan({.Delete = true})), "C:same");
    // A name gone from both sides is forgotten: made again on one side, it is new.
    PutCalc("A", "a again");
    EXPECT_EQ(Actions(Plan({.Delete = true})), "A:fetch C:same");
}

TEST_F(SyncFixture, NewDirectoriesWithRecursive) {
    PutPc("TOP.zq", StringFile("top"));
    PutPc("SUB/IN.zq", StringFile("in the folder"));
    MakeCalcDir("GAMES");
    PutCalc("G1", "a game", "GAMES");
    EXPECT_EQ(Actions(Plan()), "TOP:send"); // folders only with --recursive
    const TSyncPlan plan = Plan({.Recursive = true});
    EXPECT_EQ(Actions(plan), "TOP:send GAMES:fetch GAMES G1:fetch SUB:send SUB IN:send");
    Sync({.Recursive = true});
    EXPECT_EQ(ReadTestFile(PcFile("GAMES/G1.zq")).substr(8), Object(StringFile("a game")));
    S->Server->GetFileList();
    ASSERT_NE(S->Find("HOME SUB IN"), nullptr);
    EXPECT_EQ(Actions(Plan({.Recursive = true})),
              "TOP:same GAMES:same GAMES G1:same SUB:same SUB IN:same");
}

TEST_F(SyncFixture, TextModeComparesTheCalculatorText) {
    const std::string header = "%%ZQ: T(3)A(D)F(.);\n";
    PutPc("S.txt", header + "\"a string\"");
    PutPc("HALF.txt", "%%ZQ: T(3)A(R)F(,);\n1,5"); // comes back as "1.5"
    PutPc("BIN.zq", StringFile("binary files are no business of text mode"));
    PutCalc("MSG", "hello");
    const TSyncOptions text{.TextMode = true};
    EXPECT_EQ(Actions(Plan(text)), "HALF:send MSG:fetch S:send");
    Sync(text);
    EXPECT_EQ(ReadTestFile(PcFile("MSG.txt")), header + "\"hello\"\n");
    EXPECT_TRUE(Plan(text).InSync()) << Actions(Plan(text));
    // A new header or other line ends are no change; other text is.
    PutPc("MSG.txt", "%%ZQ: T(3)A(R)F(.);\r\n\"hello\"\r\n");
    PutPc("HALF.txt", header + "2.5");
    EXPECT_EQ(Actions(Plan(text)), "HALF:send MSG:same S:same");
    Sync(text);
    EXPECT_EQ(ReadTestFile(PcFile("HALF.txt")), header + "2.5"); // sent, not fetched back
    // The binary view of the same folder is a sync of its own.
    EXPECT_EQ(Actions(Plan()), "BIN:send HALF:fetch MSG:fetch S:fetch");
}

TEST_F(SyncFixture, PlanningChangesNothingOnEitherSide) {
    PutPc("A.zq", StringFile("a"));
    PutPc("B.zq", StringFile("b"));
    Sync();
    PutPc("A.zq", StringFile("a, edited"));
    PutCalc("B", "b, edited");
    PutPc("N.txt", "%%ZQ: T(3)A(D)F(.);\n\"new\"");
    PutCalc("T", "text");
    const auto pcBefore = PcFolder();
    const auto calcBefore = CalcMemory();
    EXPECT_EQ(Actions(Plan({.Delete = true})), "A:send B:fetch T:fetch");
    EXPECT_EQ(Actions(Plan({.TextMode = true})), "A:fetch B:fetch N:send T:fetch");
    EXPECT_EQ(PcFolder(), pcBefore);
    EXPECT_EQ(CalcMemory(), calcBefore);
}

// A run that stops half-way (the Cancel between actions, a hang-up in a transfer) leaves a
// state the next run completes from: each variable once, on both sides, nothing left over.
TEST_F(SyncFixture, AStoppedRunIsCompletedByTheNextOne) {
    for (int i = 0; i < 6; ++i)
        PutPc("P" + std::to_string(i) + ".zq", StringFile("pc " + std::to_string(i)));
    for (int i = 0; i < 4; ++i) PutCalc("C" + std::to_string(i), "calc " + std::to_string(i));

    TSyncPlan plan = Plan();
    int started = 0;
    const TSyncRunReport cancelled =
        RunSyncPlan(*S->Server, plan, [&](size_t) { return ++started <= 2; });
    EXPECT_TRUE(cancelled.Stopped);
    EXPECT_EQ(cancelled.Done, 2);

    plan = Plan();
    EXPECT_EQ(plan.Counts()[int(TSyncAction::Same)], 2);
    started = 0;
    const TSyncRunReport hungUp = RunSyncPlan(*S->Server, plan, [&](size_t) {
        if (++started == 4) S->Control("hangup");
        return true;
    });
    EXPECT_EQ(hungUp.Failed, 1);
    EXPECT_EQ(hungUp.Done, 3);
    for (const auto& [file, bytes] : PcFolder())
        EXPECT_EQ(file.find(".part"), std::string::npos) << file;

    // The calculator keeps its memory over the hang-up; the line is made anew.
    const auto memory = CalcMemory();
    auto calc = sim::CreateEmptyCalculator(sim::TModel::KB);
    calc->LoadFromFolder(Saved->Path);
    Begin(std::move(calc));
    const TSyncRunReport rest = Sync();
    EXPECT_EQ(rest.Done, 5);
    EXPECT_TRUE(Plan().InSync());
    const auto after = CalcMemory();
    const auto pc = PcFolder();
    EXPECT_EQ(after.size(), 10u);
    EXPECT_EQ(pc.size(), 11u); // and the state file
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Object(S->Var("P" + std::to_string(i))),
                  Object(StringFile("pc " + std::to_string(i))));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ReadTestFile(PcFile("C" + std::to_string(i) + ".zq")),
                  S->Var("C" + std::to_string(i)));
}

// A calculator that falls silent in the middle: the run fails at that action, and once it
// answers again the next run sends the rest, each variable once.
TEST_F(SyncFixture, ACalculatorFallingSilentLeavesAStateTheNextRunCompletes) {
    for (int i = 0; i < 4; ++i)
        PutPc("S" + std::to_string(i) + ".zq", StringFile("silent " + std::to_string(i)));
    TSyncPlan plan = Plan();
    int started = 0;
    const TSyncRunReport silent = RunSyncPlan(*S->Server, plan, [&](size_t) {
        if (++started == 3) S->Control("mute");
        return true;
    });
    EXPECT_EQ(silent.Failed, 1);
    EXPECT_EQ(silent.Done, 2);
    EXPECT_TRUE(S->LeftInTempFolder().empty());
    TSyncState state;
    ASSERT_TRUE(SyncStateFromJson(ReadFileToString(PcFile(SyncStateFileName)), state));
    EXPECT_EQ(state.Entries.size(), 2u);

    S->Control("unmute");
    S->Connect();
    EXPECT_EQ(Actions(Plan()), "S0:same S1:same S2:send S3:send");
    Sync();
    EXPECT_EQ(CalcMemory().size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Object(S->Var("S" + std::to_string(i))),
                  Object(StringFile("silent " + std::to_string(i))));
}
