// The simulated calculator with an empty HOME, a PC folder beside it, and helpers to change
// either side and to see both as a whole.
#pragma once
#include "support/ObjectBuilder.h"
#include "support/SimSession.h"

#include "sync/SyncPlan.h"

#include <map>
#include <memory>
#include <string>

namespace lw::test {

class SyncFixture : public ::testing::Test {
protected:
    SyncFixture() { Begin(nullptr); }

    // (Re)starts the simulator with `calculator` (null: an empty one) and connects.
    void Begin(std::unique_ptr<sim::ISimCalculator> calculator);

    // A string variable on the calculator, in HOME or in directory `dir` below it.
    void PutCalc(const std::string& name, const std::string& text, const std::string& dir = "");
    void PurgeCalc(const std::string& name);
    void MakeCalcDir(const std::string& name);
    // The object file of a string, as the PC holds it.
    static std::string StringFile(const std::string& text) { return ObjectFile(StringObj(text)); }
    // A PC file in the synchronized folder.
    void PutPc(const std::string& file, const std::string& bytes);
    std::string PcFile(const std::string& file) const { return Pc + "/" + file; }

    // The plan and the run, with the listing read anew; the run must not fail.
    TSyncPlan Plan(TSyncOptions options = {});
    TSyncRunReport Sync(TSyncOptions options = {});
    // "NAME:action ..." for the plan's lines in order.
    static std::string Actions(const TSyncPlan& plan);

    // Every file of the calculator's memory (its --save form) and of the PC folder, by path.
    std::map<std::string, std::string> CalcMemory();
    std::map<std::string, std::string> PcFolder() const;

    std::unique_ptr<TTempDir> Saved; // holds memory snapshots
    std::unique_ptr<TSimSession> S;
    TTempDir PcDir;
    std::string Pc = PcDir.Path;
};

} // namespace lw::test
