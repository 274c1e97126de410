#include "SyncFixture.h"

#include "util/Files.h"

#include <filesystem>
#include <sstream>

namespace fs = std::filesystem;

namespace lw::test {

void SyncFixture::Begin(std::unique_ptr<sim::ISimCalculator> calculator) {
    S.reset();
    S = std::make_unique<TSimSession>(TSessionOptions{.Empty = true}, std::move(calculator));
    S->UseQuickTiming();
    S->Connect();
}

void SyncFixture::PutCalc(const std::string& name, const std::string& text,
                          const std::string& dir) {
    ASSERT_TRUE(S->Sim->Invoke([&](sim::ISimCalculator& c) {
        if (!dir.empty()) c.RunScript(dir);
        c.PutVariable(name, c.ObjectFileHeader() + PackNibbles(StringObj(text)));
        if (!dir.empty()) c.RunScript("HOME");
    }));
}

void SyncFixture::PurgeCalc(const std::string& name) {
    ASSERT_TRUE(
        S->Sim->Invoke([&](sim::ISimCalculator& c) { c.RunScript("'" + name + "' PURGE"); }));
}

void SyncFixture::MakeCalcDir(const std::string& name) {
    ASSERT_TRUE(
        S->Sim->Invoke([&](sim::ISimCalculator& c) { c.RunScript("'" + name + "' CRDIR"); }));
}

void SyncFixture::PutPc(const std::string& file, const std::string& bytes) {
    fs::create_directories(fs::path(PcFile(file)).parent_path());
    WriteTestFile(PcFile(file), bytes);
}

TSyncPlan SyncFixture::Plan(TSyncOptions options) {
    options.PcDir = Pc;
    S->Server->GetFileList();
    return MakeSyncPlan(*S->Server, options);
}

TSyncRunReport SyncFixture::Sync(TSyncOptions options) {
    TSyncPlan plan = Plan(options);
    TSyncRunReport report = RunSyncPlan(*S->Server, plan);
    EXPECT_EQ(report.Failed, 0) << report.Failure;
    return report;
}

std::string SyncFixture::Actions(const TSyncPlan& plan) {
    std::string out;
    for (const auto& it : plan.Items)
        out += (out.empty() ? "" : " ") + it.Key + ":" + SyncActionName(it.Action);
    return out;
}

std::map<std::string, std::string> SyncFixture::CalcMemory() {
    Saved = std::make_unique<TTempDir>();
    EXPECT_TRUE(S->Sim->Invoke([&](sim::ISimCalculator& c) { c.SaveToFolder(Saved->Path); }));
    return FilesBelow(Saved->Path);
}

std::map<std::string, std::string> SyncFixture::PcFolder() const {
    return FilesBelow(Pc);
}

} // namespace lw::test
