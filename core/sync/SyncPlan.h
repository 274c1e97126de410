// Keeping a PC folder and a calculator directory alike: the plan (what to do with each name,
// and why) and the run that carries it out. Contents are compared, never dates (the listing
// has none): binary object files as objects, text files as the calculator text they stand
// for. The folder's state file tells which side changed since the last sync.
#pragma once
#include "sync/SyncState.h"
#include "util/UiText.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

namespace lw {

class TXModemServer;

enum class TSyncAction : int {
    Send,       // PC -> calculator (a directory: made on the calculator)
    Fetch,      // calculator -> PC (a directory: made on the PC)
    Conflict,   // changed on both sides; done only with a preferred side
    DeleteCalc, // deleted on the PC: delete on the calculator too
    DeletePc,   // deleted on the calculator: delete the PC file too
    Same,       // alike on both sides
    Skip,       // left alone, the reason says why
};
inline constexpr int SyncActionCount = 7;
// "send", "fetch", "conflict", "delete-calc", "delete-pc", "same", "skip".
const char* SyncActionName(TSyncAction action);
// The same name with its key, for the desktop program's translations.
TUiText SyncActionText(TSyncAction action);

enum class TSyncDirection { Both, ToCalc, ToPc };
enum class TSyncPrefer { None, Calc, Pc };

struct TSyncOptions {
    std::string PcDir = {};
    std::string CalcDir = "HOME"; // path form
    TSyncDirection Direction = TSyncDirection::Both;
    bool Delete = false;     // deletions are carried to the other side
    bool Recursive = false;  // subdirectories and subfolders too
    bool TrustSizes = false; // an unchanged listed size means unchanged contents
    bool TextMode = false;
    bool AddExtension = true; // binary files are NAME.zq (else NAME)
    TSyncPrefer Prefer = TSyncPrefer::None;
    std::time_t Now = 0; // the date of conflict copies (0: the clock)
};

struct TSyncItem {
    std::string Key;     // the name's path below the synchronized directory: "X", "GAMES X"
    std::string CalcDir; // the calculator directory holding it ("HOME GAMES")
    std::string Name;    // the calculator name (display form)
    std::string PcPath;  // the PC file (or folder) it pairs with, whether or not it exists
    TSyncAction Action = TSyncAction::Same;
    std::string Reason;
    bool IsDir = false;
    bool HasPc = false, HasCalc = false;
    int TypeIndex = 0;
    int64_t CalcSize = -1;
    std::string PcHash, CalcHash; // "" while not known
    std::string CalcData;         // the fetched file, when the plan had to fetch it
    bool Enabled = true;          // the user may leave a line out
};

struct TSyncPlan {
    TSyncOptions Options;
    std::vector<TSyncItem> Items; // a directory comes before its entries
    TSyncState State;
    int Fetched = 0;                   // variables the plan fetched to compare
    std::vector<std::string> Prefixes; // the directories the plan looked into ("", "GAMES ")

    std::array<int, SyncActionCount> Counts() const; // of the enabled lines
    // Conflicts that no preferred side resolves.
    bool HasUnresolvedConflicts() const;
    // Nothing left to do: every enabled line is the same on both sides or left alone.
    bool InSync() const;
};

// Makes the plan. The server client is connected with the listing read; it is left in
// Options.CalcDir. Fetches variables to compare only where the sizes and the state cannot
// tell. Raises the core's errors on a failed transfer.
TSyncPlan MakeSyncPlan(TXModemServer& server, const TSyncOptions& options);

struct TSyncRunReport {
    int Done = 0;
    int Failed = 0;                          // the run stops at the first failed action
    bool Stopped = false;                    // stopped by the caller between actions
    std::string Failure;                     // what failed, for the message
    std::vector<std::string> ConflictCopies; // PC files that keep the side not preferred
};

// Carries out the enabled lines in order. After each successful action the state file is
// written anew, so a run that stops (failure, hang-up, Cancel) leaves both sides consistent
// with it and the next run takes up the rest. `step` is told each action before it starts
// (index into plan.Items) and returns false to stop there.
TSyncRunReport RunSyncPlan(TXModemServer& server, TSyncPlan& plan,
                           const std::function<bool(size_t)>& step = {});

// The name of the copy that keeps the side not preferred in a conflict:
// "X.conflict-2026-12-07.zq" for "X.zq"; a number is added when that file exists.
std::string ConflictCopyPath(const std::string& pcPath, std::time_t when);

} // namespace lw
