// The sync runner: carries out a plan one line at a time, writing the state file after each
// line that succeeded, so that whatever stops the run leaves a state the next run can trust.
#include "sync/SyncPlan.h"

#include "link/Port.h"
#include "server/XModemServer.h"
#include "server/XPObject.h"
#include "sync/SyncContent.h"
#include "util/Files.h"
#include "util/MessageTexts.h"
#include "util/SysFiles.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace fs = std::filesystem;

namespace lw {
namespace {

class TRunner {
public:
    TRunner(TXModemServer& server, TSyncPlan& plan, TSyncRunReport& report)
        : FServer(server), FPlan(plan), FReport(report) {}

    // One line; false (with the report's Failure set) when it failed.
    bool Run(TSyncItem& it) {
        const TSyncPrefer prefer = FPlan.Options.Prefer;
        switch (it.Action) {
        case TSyncAction::Same:
            Record(it, it.PcHash, it.CalcHash.empty() ? it.PcHash : it.CalcHash);
            return true;
        case TSyncAction::Skip:
            return true;
        case TSyncAction::Send:
            return it.IsDir ? MakeCalcDir(it) : Send(it);
        case TSyncAction::Fetch:
            return it.IsDir ? MakePcFolder(it) : Fetch(it);
        case TSyncAction::DeleteCalc:
            Enter(it.CalcDir);
            FServer.Purge(it.Name, false);
            Forget(it);
            return true;
        case TSyncAction::DeletePc:
            if (const int err = sys::RemoveFile(it.PcPath); err != 0 && err != ENOENT)
                return Fail(it.Key + ": " + it.PcPath + " - " + std::strerror(err));
            Forget(it);
            return true;
        case TSyncAction::Conflict:
            if (prefer == TSyncPrefer::None) return true;
            if (it.CalcData.empty() && !FetchInto(it)) return false;
            if (prefer == TSyncPrefer::Calc) {
                KeepCopy(it, ReadFileToString(it.PcPath));
                return Fetch(it);
            }
            KeepCopy(it, it.CalcData);
            return Send(it);
        }
        return true;
    }

    // The calculator's sizes of what was sent, from a new listing, and in text mode the text
    // it gives back.
    void ListSizes() {
        FServer.GetFileList();
        for (auto& [key, e] : FPlan.State.Entries) {
            if (e.CalcSize >= 0) continue;
            const size_t blank = key.rfind(' ');
            const std::string dirPath =
                FPlan.Options.CalcDir +
                (blank == std::string::npos ? "" : " " + key.substr(0, blank));
            TXPObject* dir = FServer.Root().FindDir(dirPath);
            const TXPObject* var = dir ? dir->FindChild(key.substr(blank + 1)) : nullptr;
            if (!var) continue;
            e.CalcSize = var->SizeBytes;
            if (!e.CalcHash.empty()) continue;
            Enter(dirPath);
            std::string bytes;
            if (FetchCalcFile(FServer, var->Name, var->TypeIndex, var->SizeBytes, bytes))
                e.CalcHash = Hash(bytes, var->Name);
        }
        SaveSyncState(FPlan.Options.PcDir, FPlan.State);
    }

    void Leave() {
        if (!FCurrentDir.empty() && FCurrentDir != FPlan.Options.CalcDir)
            FServer.ChangeDir(FPlan.Options.CalcDir);
    }

private:
    void Enter(const std::string& dir) {
        if (FCurrentDir == dir) return;
        FServer.ChangeDir(dir);
        FCurrentDir = dir;
    }

    bool Fail(std::string failure) {
        FReport.Failure = std::move(failure);
        return false;
    }

    std::string Hash(const std::string& bytes, const std::string& name) {
        std::string why;
        const std::string h =
            SyncContentHash(bytes, FPlan.Options.TextMode, FServer.State().ModelCode, name, why);
        return h.empty() ? SyncHash(bytes) : h;
    }

    bool FetchInto(TSyncItem& it) {
        Enter(it.CalcDir);
        if (!FetchCalcFile(FServer, it.Name, it.TypeIndex, static_cast<int>(it.CalcSize),
                           it.CalcData))
            return Fail(msg::Fill(msg::SyncNotCopied, {it.Key}));
        it.CalcHash = Hash(it.CalcData, it.Name);
        return true;
    }

    // The PC file is replaced only by the whole fetched file (write by replacement).
    bool Fetch(TSyncItem& it) {
        if (it.CalcData.empty() && !FetchInto(it)) return false;
        WriteStringToFile(it.CalcData, it.PcPath);
        Record(it, it.CalcHash, it.CalcHash);
        return true;
    }

    bool Send(TSyncItem& it) {
        Enter(it.CalcDir);
        bool replaceAll = true;
        const TPutOutcome outcome =
            FServer.PutVarOutcome(it.Name, it.PcPath, 1, replaceAll, it.HasCalc, "");
        if (outcome != TPutOutcome::Sent) return Fail(msg::Fill(msg::SyncNotSent, {it.Key}));
        // The calculator keeps what it compiled, not the text: what it gives back is read once
        // the listing tells its type (ListSizes); until then its hash is not known.
        const std::string calcHash = FPlan.Options.TextMode ? std::string() : it.PcHash;
        Record(it, it.PcHash, calcHash, -1);
        return true;
    }

    bool MakeCalcDir(const TSyncItem& it) {
        Enter(it.CalcDir);
        FServer.CreateDir(it.Name);
        return true;
    }

    bool MakePcFolder(const TSyncItem& it) {
        std::error_code ec;
        fs::create_directory(it.PcPath, ec);
        if (ec) return Fail(it.Key + ": " + it.PcPath + " - " + ec.message());
        return true;
    }

    void KeepCopy(const TSyncItem& it, const std::string& bytes) {
        const std::string copy = ConflictCopyPath(it.PcPath, FPlan.Options.Now);
        WriteStringToFile(bytes, copy);
        FReport.ConflictCopies.push_back(copy);
    }

    void Record(const TSyncItem& it, const std::string& pcHash, const std::string& calcHash,
                int64_t calcSize) {
        FPlan.State.Entries[it.Key] = {pcHash, calcHash, calcSize};
    }
    void Record(const TSyncItem& it, const std::string& pcHash, const std::string& calcHash) {
        Record(it, pcHash, calcHash, it.CalcSize);
    }
    void Forget(const TSyncItem& it) { FPlan.State.Entries.erase(it.Key); }

    TXModemServer& FServer;
    TSyncPlan& FPlan;
    TSyncRunReport& FReport;
    std::string FCurrentDir;
};

bool Exists(const std::string& path) {
    return sys::PathKind(path) != sys::TPathKind::None;
}

} // namespace

std::string ConflictCopyPath(const std::string& pcPath, std::time_t when) {
    if (when == 0) when = std::time(nullptr);
    const std::tm t = sys::LocalTime(when);
    char date[16];
    std::strftime(date, sizeof date, "%Y-%m-%d", &t);
    const std::string ext = ExtractFileExt(pcPath);
    const std::string stem = pcPath.substr(0, pcPath.size() - ext.size()) + ".conflict-" + date;
    std::string path = stem + ext;
    for (int n = 2; Exists(path); ++n) path = stem + "-" + std::to_string(n) + ext;
    return path;
}

TSyncRunReport RunSyncPlan(TXModemServer& server, TSyncPlan& plan,
                           const std::function<bool(size_t)>& step) {
    TSyncRunReport report;
    const auto mode =
        SyncModeScope(server.State(), plan.Options.TextMode, plan.Options.AddExtension);

    TRunner runner(server, plan, report);
    bool sent = false;
    try {
        for (size_t i = 0; i < plan.Items.size(); ++i) {
            TSyncItem& it = plan.Items[i];
            if (!it.Enabled) continue;
            const bool acts =
                it.Action != TSyncAction::Same && it.Action != TSyncAction::Skip &&
                (it.Action != TSyncAction::Conflict || plan.Options.Prefer != TSyncPrefer::None);
            if (acts && step && !step(i)) {
                report.Stopped = true;
                break;
            }
            if (!runner.Run(it)) {
                ++report.Failed;
                break;
            }
            if (!acts) continue;
            ++report.Done;
            sent = sent || it.Action == TSyncAction::Send || it.Action == TSyncAction::Conflict;
            SaveSyncState(plan.Options.PcDir, plan.State);
        }
        if (report.Failed == 0 && !report.Stopped) {
            // The lines with nothing to do record what was compared, too.
            if (sent)
                runner.ListSizes();
            else
                SaveSyncState(plan.Options.PcDir, plan.State);
        }
        runner.Leave();
    } catch (const std::exception& e) {
        ++report.Failed;
        report.Failure = e.what();
    }
    return report;
}

} // namespace lw
