// linkwell-cli sync against the simulated calculator: the plan as a table, --dry-run changing
// nothing, a conflict stopping everything, and the exit status telling whether both sides are
// alike.
#include "CliHarness.h"
#include "support/ObjectBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace lw::test {
namespace {

namespace fs = std::filesystem;

class CliSync : public ::testing::Test {
protected:
    std::string Pc() const { return Sim.Folder + "/pc"; }
    void PutCalc(const std::string& name, const std::string& text) {
        ASSERT_TRUE(Sim.Sim->Invoke([&](sim::ISimCalculator& c) {
            c.PutVariable(name, c.ObjectFileHeader() + PackNibbles(StringObj(text)));
        }));
    }
    std::string Listing() {
        std::string listing;
        EXPECT_TRUE(Sim.Sim->Invoke([&](sim::ISimCalculator& c) { listing = c.Listing(); }));
        return listing;
    }
    TSimSession Sim{{.Empty = true}};
};

TEST_F(CliSync, DryRunPrintsThePlanAndChangesNothing) {
    fs::create_directories(Pc());
    WriteTestFile(Pc() + "/A.zq", ObjectFile(StringObj("from the PC")));
    PutCalc("B", "from the calculator");
    const auto pcBefore = FilesBelow(Pc());
    const std::string calcBefore = Listing();
    const TRunResult dry = Cli(&Sim, {"sync", Pc(), "--dry-run"});
    EXPECT_EQ(dry.Status, 0) << dry.Err;
    EXPECT_EQ(dry.Out, "send\tA\tnew on the PC\nfetch\tB\tnew on the calculator\n");
    EXPECT_EQ(FilesBelow(Pc()), pcBefore); // not even a state file
    EXPECT_EQ(Listing(), calcBefore);

    const TRunResult run = Cli(&Sim, {"-q", "sync", Pc()});
    EXPECT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Out, dry.Out);
    EXPECT_TRUE(fs::exists(Pc() + "/B.zq"));
    const TRunResult again = Cli(&Sim, {"sync", Pc(), "--trust-sizes", "--json"});
    EXPECT_EQ(again.Status, 0) << again.Err;
    EXPECT_NE(again.Out.find("{\"name\":\"A\",\"action\":\"same\",\"reason\":\"\"}"),
              std::string::npos)
        << again.Out;
    EXPECT_NE(again.Out.find("\"fetched\":0,\"done\":0,\"failed\":0"), std::string::npos);
}

TEST_F(CliSync, AConflictStopsTheSyncBeforeAnythingIsDone) {
    fs::create_directories(Pc());
    WriteTestFile(Pc() + "/X.zq", ObjectFile(StringObj("the PC's")));
    WriteTestFile(Pc() + "/NEW.zq", ObjectFile(StringObj("new")));
    PutCalc("X", "the calculator's");
    const TRunResult r = Cli(&Sim, {"sync", Pc()});
    EXPECT_EQ(r.Status, 1);
    EXPECT_TRUE(HasLine(r.Out, "conflict\tX\tdifferent on both sides")) << r.Out;
    EXPECT_TRUE(HasLine(r.Out, "send\tNEW\t")) << r.Out;
    ASSERT_EQ(ErrorLines(r.Err).size(), 1u) << r.Err;
    EXPECT_NE(r.Err.find("1 conflict "), std::string::npos);
    EXPECT_EQ(Sim.Var("NEW"), ""); // nothing was done
    EXPECT_FALSE(fs::exists(Pc() + "/" + ".linkwell-sync"));

    const TRunResult preferred = Cli(&Sim, {"sync", Pc(), "--prefer", "pc"});
    EXPECT_EQ(preferred.Status, 0) << preferred.Err;
    EXPECT_NE(preferred.Err.find("kept the other side as " + Pc() + "/X.conflict-"),
              std::string::npos)
        << preferred.Err;
    EXPECT_EQ(Sim.Var("X").substr(8), PackNibbles(StringObj("the PC's")));
    EXPECT_EQ(Cli(&Sim, {"sync", Pc(), "--prefer", "both"}).Status, 2);
    EXPECT_EQ(Cli(&Sim, {"sync", Pc(), "--to-pc", "--to-calc"}).Status, 2);
    ExpectOneMessage(Cli(&Sim, {"sync", Pc() + "/none"}), 1, "is not a folder");
}

} // namespace
} // namespace lw::test
