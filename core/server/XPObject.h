// One directory or variable of the calculator's memory, as the listing reports it. A directory
// owns the records of its entries.
//
// Lifetime: re-reading a directory (TXModemServer::GetFileList, ClearChildren) frees the
// records of its entries and builds new ones, so a pointer or reference to an entry is valid
// only until the next refresh of its directory or of any directory above it. A view keeps
// paths (GetPath, FindPath), not records, across a refresh.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lw {

class TXModemServer;
class TXPObject;

using TItemList = std::vector<std::unique_ptr<TXPObject>>;

constexpr int DirectoryTypeIndex = 34;
constexpr int StringTypeIndex = 17;
constexpr int AlgebraicTypeIndex = 35;

class TXPObject {
public:
    TXPObject() = default;
    ~TXPObject(); // frees the whole subtree without deep recursion
    TXPObject(const TXPObject&) = delete;
    TXPObject& operator=(const TXPObject&) = delete;

    TItemList Children;
    bool Listed = false; // Children is valid
    int32_t SizeBytes = 0;
    bool OddNibble = false;
    TXPObject* Parent = nullptr;
    std::string Name;      // display form
    int32_t TypeIndex = 0; // object-type row + 9; 34 = directory
    std::string TypeName;
    TXModemServer* Server = nullptr;

    // Frees every entry; the list is no longer valid.
    void ClearChildren();
    // Marks the list valid and hands it out (shared, not copied).
    TItemList& GetChildren();
    // "HOME", then each directory down to this record, separated by single blanks.
    std::string GetPath() const;
    // The size in bytes; for the root 100 + the sizes of its direct entries.
    int32_t GetSize() const;
    bool IsDirectory() const { return TypeIndex == DirectoryTypeIndex; }
    // The direct entry named exactly `name` (display form), or nullptr.
    TXPObject* FindChild(const std::string& name) const;
    // The directory at `path` ("HOME" and the names below it separated by single blanks, as
    // GetPath gives them) searched from this record as HOME; nullptr when a step is missing
    // or is not a directory.
    TXPObject* FindDir(const std::string& path);
};

} // namespace lw
