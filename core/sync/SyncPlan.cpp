// The sync planner: pairs the PC folder's files with the calculator directory's variables by
// name, and decides from their contents and the state of the last sync what each one needs.
#include "sync/SyncPlan.h"

#include "link/CalcNames.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "server/XPObject.h"
#include "sync/SyncContent.h"
#include "util/Files.h"
#include "util/MessageTexts.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace lw {
namespace {

// Files of the folder that are none of the sync's business: hidden files (the state file),
// conflict copies, and the temporary files of writes by replacement.
bool IsOwnOrForeign(const std::string& fileName) {
    if (fileName.empty() || fileName[0] == '.') return true;
    if (fileName.find(".conflict-") != std::string::npos) return true;
    const size_t part = fileName.rfind(".part");
    return part != std::string::npos && fileName.find('.', part + 1) == std::string::npos;
}

// Whether a file takes part in this mode: NAME.txt in text mode, NAME.zq in binary mode
// (any file but a text file or an archive when binary files have no extension).
bool TakesPart(const std::string& fileName, const TSyncOptions& o) {
    if (IsOwnOrForeign(fileName)) return false;
    const std::string ext = LowerFileExt(fileName);
    if (o.TextMode) return ext == ".txt";
    if (o.AddExtension) return ext == ".zq";
    return ext != ".txt" && ext != ".zqbackup";
}

struct TPcSide {
    std::map<std::string, std::string> Files;   // calculator name -> path
    std::map<std::string, std::string> Folders; // calculator name -> path
    std::vector<std::string> Clashes;           // names that two files claim
};

TPcSide ScanFolder(const std::string& folder, const TSyncOptions& o) {
    TPcSide side;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return side;
    std::vector<fs::directory_entry> entries;
    for (const auto& e : fs::directory_iterator(folder, ec)) entries.push_back(e);
    std::sort(entries.begin(), entries.end(),
              [](const auto& a, const auto& b) { return a.path() < b.path(); });
    for (const auto& e : entries) {
        const std::string file = e.path().filename().string();
        if (e.is_directory(ec)) {
            if (o.Recursive && !IsOwnOrForeign(file))
                side.Folders[NameToFile(FileToName(file, true), false)] = e.path().string();
        } else if (e.is_regular_file(ec) && TakesPart(file, o)) {
            const std::string name = PutNameForFile(file);
            if (!side.Files.emplace(name, e.path().string()).second) side.Clashes.push_back(name);
        }
    }
    return side;
}

class TPlanner {
public:
    TPlanner(TXModemServer& server, TSyncPlan& plan) : FServer(server), FPlan(plan) {}

    void Directory(const TXPObject* dir, const std::string& calcPath, const std::string& folder,
                   const std::string& prefix) {
        const TSyncOptions& o = FPlan.Options;
        FPlan.Prefixes.push_back(prefix);
        TPcSide pc = ScanFolder(folder, o);
        std::map<std::string, const TXPObject*> vars, dirs;
        if (dir)
            for (const auto& child : const_cast<TXPObject*>(dir)->GetChildren())
                (child->IsDirectory() ? dirs : vars)[child->Name] = child.get();
        std::map<std::string, bool> names;
        for (const auto& [name, v] : vars) names[name] = true;
        for (const auto& [name, path] : pc.Files) names[name] = true;
        for (const auto& [name, _] : names) {
            TSyncItem it;
            it.Key = prefix + name;
            it.CalcDir = calcPath;
            it.Name = name;
            const auto pcFile = pc.Files.find(name);
            it.HasPc = pcFile != pc.Files.end();
            it.PcPath = it.HasPc ? pcFile->second
                                 : folder + "/" + CopyFileNameFor(name, o.TextMode, o.AddExtension);
            if (const auto v = vars.find(name); v != vars.end()) {
                it.HasCalc = true;
                it.TypeIndex = v->second->TypeIndex;
                it.CalcSize = v->second->SizeBytes;
            }
            if (std::find(pc.Clashes.begin(), pc.Clashes.end(), name) != pc.Clashes.end())
                Set(it, TSyncAction::Skip, msg::SyncTwoPcFiles.Text);
            else if (dirs.count(name))
                Set(it, TSyncAction::Skip, msg::SyncDirectoryOfName.Text);
            else
                Decide(it);
            FPlan.Items.push_back(std::move(it));
        }
        if (!o.Recursive) return;
        std::map<std::string, bool> subdirs;
        for (const auto& [name, d] : dirs) subdirs[name] = true;
        for (const auto& [name, path] : pc.Folders)
            if (!vars.count(name)) subdirs[name] = true;
        for (const auto& [name, _] : subdirs) {
            const auto d = dirs.find(name);
            const auto f = pc.Folders.find(name);
            TSyncItem it;
            it.Key = prefix + name;
            it.CalcDir = calcPath;
            it.Name = name;
            it.IsDir = true;
            it.HasCalc = d != dirs.end();
            it.HasPc = f != pc.Folders.end();
            it.PcPath = it.HasPc ? f->second : folder + "/" + CopyFileNameFor(name, false, false);
            if (it.HasCalc && it.HasPc)
                Set(it, TSyncAction::Same, "");
            else if (it.HasPc)
                Set(it, Allowed(TSyncAction::Send), msg::SyncNewFolder.Text);
            else
                Set(it, Allowed(TSyncAction::Fetch), msg::SyncNewDirectory.Text);
            const bool descend = it.Action != TSyncAction::Skip;
            const std::string path = it.PcPath;
            FPlan.Items.push_back(std::move(it));
            if (descend)
                Directory(d != dirs.end() ? d->second : nullptr, calcPath + " " + name, path,
                          prefix + name + " ");
        }
    }

    void Finish() {
        if (FCurrentDir != FPlan.Options.CalcDir) FServer.ChangeDir(FPlan.Options.CalcDir);
    }

private:
    void Set(TSyncItem& it, TSyncAction action, std::string reason) {
        it.Action = action;
        it.Reason = std::move(reason);
    }

    // What a one-way sync makes of an action in the other direction.
    TSyncAction Allowed(TSyncAction action) const {
        const TSyncDirection d = FPlan.Options.Direction;
        if (d == TSyncDirection::ToCalc &&
            (action == TSyncAction::Fetch || action == TSyncAction::DeletePc))
            return TSyncAction::Skip;
        if (d == TSyncDirection::ToPc &&
            (action == TSyncAction::Send || action == TSyncAction::DeleteCalc))
            return TSyncAction::Skip;
        return action;
    }

    void SetAllowed(TSyncItem& it, TSyncAction action, const std::string& reason) {
        const TSyncAction allowed = Allowed(action);
        if (allowed == action)
            Set(it, action, reason);
        else
            Set(it, allowed,
                msg::Fill(FPlan.Options.Direction == TSyncDirection::ToCalc
                              ? msg::SyncNotFetchedOneWay
                              : msg::SyncNotSentOneWay,
                          {reason}));
    }

    void Deletion(TSyncItem& it, TSyncAction action, const std::string& reason) {
        if (FPlan.Options.Delete)
            SetAllowed(it, action, reason);
        else
            Set(it, TSyncAction::Skip, msg::Fill(msg::SyncKept, {reason}));
    }

    // The calculator's contents, fetched now.
    void Fetch(TSyncItem& it) {
        if (FCurrentDir != it.CalcDir) {
            FServer.ChangeDir(it.CalcDir);
            FCurrentDir = it.CalcDir;
        }
        if (!FetchCalcFile(FServer, it.Name, it.TypeIndex, static_cast<int>(it.CalcSize),
                           it.CalcData))
            throw std::runtime_error(msg::Fill(msg::SyncFetchFailed, {it.Key}));
        ++FPlan.Fetched;
        std::string why;
        it.CalcHash = SyncContentHash(it.CalcData, FPlan.Options.TextMode,
                                      FServer.State().ModelCode, it.Name, why);
        if (it.CalcHash.empty()) it.CalcHash = SyncHash(it.CalcData);
    }

    void Decide(TSyncItem& it) {
        const TSyncOptions& o = FPlan.Options;
        const auto found = FPlan.State.Entries.find(it.Key);
        const TSyncEntry* s = found != FPlan.State.Entries.end() ? &found->second : nullptr;
        // Names a copy refuses (the improper-name question, a text copy of a name holding
        // HOME) are left alone rather than stopping the whole sync.
        if (!IsProperCalcName(it.Name) || (o.TextMode && it.Name.find("HOME") != std::string::npos))
            return Set(it, TSyncAction::Skip, msg::SyncNameNotCopied.Text);
        if (it.HasPc) {
            std::string why;
            it.PcHash = SyncContentHash(ReadFileToString(it.PcPath), o.TextMode,
                                        FServer.State().ModelCode, it.PcPath, why);
            if (it.PcHash.empty()) return Set(it, TSyncAction::Skip, why);
        }
        const bool sizeKept = s && it.HasCalc && s->CalcSize == it.CalcSize;
        // Whether the calculator's copy changed since the last sync; the contents are fetched
        // only where the size cannot tell.
        auto calcChanged = [&] {
            if (s->CalcHash.empty()) { // sent by a run that stopped before reading it back
                Fetch(it);
                return false;
            }
            if (s->CalcSize < 0) { // a run stopped before it listed the sizes again
                Fetch(it);
                return it.CalcHash != s->CalcHash;
            }
            if (!sizeKept) return true;
            if (o.TrustSizes) {
                it.CalcHash = s->CalcHash;
                return false;
            }
            Fetch(it);
            return it.CalcHash != s->CalcHash;
        };
        if (!it.HasCalc) {
            if (!s) return SetAllowed(it, TSyncAction::Send, msg::SyncNewOnPc.Text);
            if (it.PcHash != s->PcHash)
                return SetAllowed(it, TSyncAction::Send, msg::SyncDeletedOnCalcChangedHere.Text);
            return Deletion(it, TSyncAction::DeletePc, msg::SyncDeletedOnCalc.Text);
        }
        if (!it.HasPc) {
            if (!s) return SetAllowed(it, TSyncAction::Fetch, msg::SyncNewOnCalc.Text);
            if (calcChanged())
                return SetAllowed(it, TSyncAction::Fetch, msg::SyncDeletedOnPcChangedOnCalc.Text);
            return Deletion(it, TSyncAction::DeleteCalc, msg::SyncDeletedOnPc.Text);
        }
        if (!s) {
            Fetch(it);
            if (it.PcHash == it.CalcHash) return Set(it, TSyncAction::Same, "");
            return Conflict(it, msg::SyncDifferentNeverSynced.Text);
        }
        const bool pcChanged = it.PcHash != s->PcHash;
        if (!pcChanged && s->CalcSize >= 0 && !sizeKept)
            return SetAllowed(it, TSyncAction::Fetch, msg::SyncChangedOnCalc.Text);
        const bool there = calcChanged();
        if (!pcChanged && !there) return Set(it, TSyncAction::Same, "");
        if (pcChanged && !there)
            return SetAllowed(it, TSyncAction::Send, msg::SyncChangedOnPc.Text);
        if (!pcChanged) return SetAllowed(it, TSyncAction::Fetch, msg::SyncChangedOnCalc.Text);
        if (it.CalcData.empty()) Fetch(it);
        if (it.PcHash == it.CalcHash) return Set(it, TSyncAction::Same, msg::SyncChangedAlike.Text);
        Conflict(it, msg::SyncChangedOnBoth.Text);
    }

    void Conflict(TSyncItem& it, const std::string& reason) {
        const TSyncPrefer p = FPlan.Options.Prefer;
        if (p == TSyncPrefer::None) return Set(it, TSyncAction::Conflict, reason);
        Set(it, TSyncAction::Conflict,
            msg::Fill(p == TSyncPrefer::Calc ? msg::SyncCalcWins : msg::SyncPcWins, {reason}));
    }

    TXModemServer& FServer;
    TSyncPlan& FPlan;
    std::string FCurrentDir;
};

} // namespace

TUiText SyncActionText(TSyncAction action) {
    static constexpr TUiText Names[SyncActionCount] = {
        LW_UI_TEXT("CoreTexts", "send", "SyncActionSend"),
        LW_UI_TEXT("CoreTexts", "fetch", "SyncActionFetch"),
        LW_UI_TEXT("CoreTexts", "conflict", "SyncActionConflict"),
        LW_UI_TEXT("CoreTexts", "delete-calc", "SyncActionDeleteCalc"),
        LW_UI_TEXT("CoreTexts", "delete-pc", "SyncActionDeletePc"),
        LW_UI_TEXT("CoreTexts", "same", "SyncActionSame"),
        LW_UI_TEXT("CoreTexts", "skip", "SyncActionSkip")};
    return Names[static_cast<int>(action)];
}

const char* SyncActionName(TSyncAction action) {
    return SyncActionText(action).Text;
}

std::array<int, SyncActionCount> TSyncPlan::Counts() const {
    std::array<int, SyncActionCount> counts{};
    for (const auto& it : Items)
        if (it.Enabled) ++counts[static_cast<size_t>(it.Action)];
    return counts;
}

bool TSyncPlan::HasUnresolvedConflicts() const {
    if (Options.Prefer != TSyncPrefer::None) return false;
    return std::any_of(Items.begin(), Items.end(), [](const TSyncItem& it) {
        return it.Enabled && it.Action == TSyncAction::Conflict;
    });
}

bool TSyncPlan::InSync() const {
    return std::all_of(Items.begin(), Items.end(), [](const TSyncItem& it) {
        return !it.Enabled || it.Action == TSyncAction::Same || it.Action == TSyncAction::Skip;
    });
}

TSyncPlan MakeSyncPlan(TXModemServer& server, const TSyncOptions& options) {
    TSyncPlan plan;
    plan.Options = options;
    plan.State =
        LoadSyncState(options.PcDir, options.CalcDir, options.TextMode ? "text" : "binary");
    TXPObject* dir = server.Root().FindDir(options.CalcDir);
    if (!dir) throw std::invalid_argument(msg::Fill(msg::SyncNoDirectory, {options.CalcDir}));
    const auto mode = SyncModeScope(server.State(), options.TextMode, options.AddExtension);
    TPlanner planner(server, plan);
    planner.Directory(dir, options.CalcDir, options.PcDir, "");
    planner.Finish();
    // A name gone from both sides is forgotten: should it come back on one side, it is new
    // there, not something deleted on the other.
    for (auto e = plan.State.Entries.begin(); e != plan.State.Entries.end();) {
        const size_t blank = e->first.rfind(' ');
        const std::string prefix = blank == std::string::npos ? "" : e->first.substr(0, blank + 1);
        const bool covered =
            std::find(plan.Prefixes.begin(), plan.Prefixes.end(), prefix) != plan.Prefixes.end();
        const bool listed = std::any_of(plan.Items.begin(), plan.Items.end(),
                                        [&](const TSyncItem& it) { return it.Key == e->first; });
        e = covered && !listed ? plan.State.Entries.erase(e) : std::next(e);
    }
    return plan;
}

} // namespace lw
