// One directory or variable of the calculator's memory, as the listing reports it. A directory
// owns the records of its entries.
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
    TItemList Children;
    bool Listed = false;
    int32_t SizeBytes = 0;
    bool OddNibble = false;
    TXPObject* Parent = nullptr;
    std::string Name; // display form
    int32_t TypeIndex = 0;
    std::string TypeName;
    TXModemServer* Server = nullptr;

    void ClearChildren();
    TItemList& GetChildren();
    std::string GetPath() const;
    int32_t GetSize() const;
    bool IsDirectory() const { return TypeIndex == DirectoryTypeIndex; }
};

} // namespace lw
