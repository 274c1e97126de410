// The record a synchronized PC folder keeps of the last sync (".linkwell-sync", JSON): for each
// calculator name, the content hash on both sides and the calculator's listed size. It tells a
// change here from a change there, and a deletion from a new file.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace lw {

inline constexpr const char* SyncStateFileName = ".linkwell-sync";

struct TSyncEntry {
    std::string PcHash;    // the PC file's contents at the last sync
    std::string CalcHash;  // the calculator variable's contents at the last sync
    int64_t CalcSize = -1; // the listed size then; -1 when not known
};

struct TSyncState {
    std::string CalcDir; // the calculator directory the folder was synchronized with
    std::string Mode;    // "binary" or "text": hashes of one mode mean nothing in the other
    std::map<std::string, TSyncEntry> Entries; // key: the name's path below CalcDir
    bool Unreadable = false; // a state file was there but could not be read: treated as empty
};

// The content hash the state records: 64-bit FNV-1a as 16 hex digits.
std::string SyncHash(std::string_view bytes);

// The state file's text and back. Parsing fails (returns false) on anything that is not a
// state file; `state` is then left empty.
std::string SyncStateToJson(const TSyncState& state);
bool SyncStateFromJson(std::string_view json, TSyncState& state);

// Reads the state file of `pcDir`: empty when there is none (or when it was made for another
// calculator directory or mode: its hashes say nothing about this pairing).
TSyncState LoadSyncState(const std::string& pcDir, const std::string& calcDir,
                         const std::string& mode);
// Replaces the state file of `pcDir` by writing a new file and renaming it over the old one.
void SaveSyncState(const std::string& pcDir, const TSyncState& state);

} // namespace lw
