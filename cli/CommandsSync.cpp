// sync: keeping a PC folder and a calculator directory alike. The plan is printed first (and
// only that with --dry-run); a conflict stops everything unless --prefer names a side.
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "sync/SyncPlan.h"

#include <filesystem>

namespace lw::cli {

namespace {

TSyncOptions SyncOptionsOf(const TCliOptions& o, const std::string& folder) {
    TSyncOptions sync;
    sync.PcDir = folder;
    sync.CalcDir = o.Dir;
    sync.Direction = o.SyncTo == "calc" ? TSyncDirection::ToCalc
                     : o.SyncTo == "pc" ? TSyncDirection::ToPc
                                        : TSyncDirection::Both;
    sync.Delete = o.Delete;
    sync.Recursive = o.Recursive;
    sync.TrustSizes = o.TrustSizes;
    sync.TextMode = o.Text;
    sync.AddExtension = !o.NoExt;
    sync.Prefer = o.Prefer == "calc" ? TSyncPrefer::Calc
                  : o.Prefer == "pc" ? TSyncPrefer::Pc
                                     : TSyncPrefer::None;
    return sync;
}

void PrintPlan(TSession& s, const TSyncPlan& plan, const TSyncRunReport* report) {
    if (!s.Options.Json) {
        for (const auto& it : plan.Items)
            s.Output(std::string(SyncActionName(it.Action)) + '\t' + it.Key + '\t' + it.Reason);
        return;
    }
    TJsonWriter json;
    json.BeginObject().Key("plan").BeginArray();
    for (const auto& it : plan.Items)
        json.BeginObject()
            .Key("name")
            .String(it.Key)
            .Key("action")
            .String(SyncActionName(it.Action))
            .Key("reason")
            .String(it.Reason)
            .EndObject();
    json.EndArray().Key("fetched").Number(plan.Fetched);
    if (report) json.Key("done").Number(report->Done).Key("failed").Number(report->Failed);
    s.OutputJson(json.EndObject().Text());
}

} // namespace

int CmdSync(TSession& s) {
    std::string folder = s.Options.Args.at(0);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) throw ECommandFailed(NoSuchFolderText(folder));
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    s.EnterDir();
    TSyncPlan plan = MakeSyncPlan(s.Server, SyncOptionsOf(s.Options, folder));
    if (plan.State.Unreadable)
        s.Term.Print(SyncStateUnreadableText(folder + "/" + SyncStateFileName) + "\n");
    const bool conflicts = plan.HasUnresolvedConflicts();
    if (s.Options.DryRun || conflicts) {
        PrintPlan(s, plan, nullptr);
        if (!conflicts) return 0;
        const auto counts = plan.Counts();
        throw ECommandFailed(SyncConflictsText(counts[static_cast<int>(TSyncAction::Conflict)]));
    }
    if (!s.Options.Json) PrintPlan(s, plan, nullptr);
    const TSyncRunReport report =
        RunSyncPlan(s.Server, plan, [&s](size_t) { return !s.Term.Interrupted(); });
    if (s.Options.Json) PrintPlan(s, plan, &report);
    for (const auto& copy : report.ConflictCopies) s.Term.Print(SyncConflictCopyText(copy) + "\n");
    if (report.Failed) throw ECommandFailed(SyncFailedText(report.Failure));
    if (report.Stopped) throw ECommandFailed(SyncStoppedText(report.Done));
    if (!s.Term.Settings().Quiet) s.Term.Print(SyncSummaryText(report.Done, plan.Fetched) + "\n");
    return 0;
}

} // namespace lw::cli
