#include "objects/FileKinds.h"

#include "objects/FileHeaders.h"
#include "objects/ObjectTypes.h"

#include <algorithm>

namespace lw {
namespace {

constexpr size_t BodyNibble = ObjectHeaderSize * 2; // the object starts behind the header
constexpr size_t PrologNibbles = 5;

// The little-endian field of `count` nibbles at nibble `n` of `data`; false past its end.
bool NibbleField(std::string_view data, size_t n, size_t count, uint64_t& value) {
    if ((n + count + 1) / 2 > data.size()) return false;
    value = 0;
    for (size_t i = count; i-- > 0;) {
        const auto byte = static_cast<unsigned char>(data[(n + i) / 2]);
        value = value * 16 + ((n + i) % 2 == 0 ? byte & 0x0F : byte >> 4);
    }
    return true;
}

bool StartsWithCalcHeader(std::string_view head) {
    return head.starts_with(ObjectFileMagic) || head.starts_with(TextPrefixLong) ||
           head.starts_with(TextPrefixShort);
}

// Plain text: no bytes below blank but tabs, line and page ends (UTF-8 passes).
bool LooksLikeText(std::string_view head) {
    return std::all_of(head.begin(), head.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x20 || b == '\t' || b == '\n' || b == '\r' || b == '\f';
    });
}

// What a file that is no backup archive and no object file is.
std::string PlainKind(std::string_view head, uint64_t size) {
    if (size == 0) return "an empty file";
    if (head.starts_with(TextPrefixLong) || head.starts_with(TextPrefixShort))
        return "a calculator text file";
    if (LooksLikeText(head)) return "a text file";
    return "";
}

} // namespace

std::string BackupArchiveRefusal(const std::string& fileName, std::string_view head, uint64_t size,
                                 std::string_view modelCode) {
    const std::string notArchive = ", not a backup archive";
    if (!head.starts_with(ObjectFileMagic)) {
        const std::string kind = PlainKind(head, size);
        return fileName + (kind.empty() ? " is not a backup archive" : " is " + kind + notArchive);
    }
    // The family of the header decides which types the object may have.
    const size_t rows = head.size() > 5 && head[5] == 'B' ? ObjectTypeCount : OlderFamilyTypeCount;
    uint64_t prolog = 0;
    const int row = NibbleField(head, BodyNibble, PrologNibbles, prolog)
                        ? FindObjectType(static_cast<uint32_t>(prolog), rows)
                        : -1;
    if (row != BackupRow) {
        const std::string holding =
            row >= 0 ? " holding a " + std::string(ObjectTypes[row].Name) : std::string();
        return fileName + " is a calculator object file" + holding + notArchive;
    }
    const std::string_view model = head.substr(4, 2);
    if (!modelCode.empty() && model != modelCode)
        return fileName + " is a backup archive of a " + std::string(model) +
               " calculator, not of the connected " + std::string(modelCode);
    uint64_t length = 0; // counts itself and the memory behind it
    if (!NibbleField(head, BodyNibble + PrologNibbles, 5, length))
        return fileName + " is a backup archive cut short";
    const uint64_t needed = (BodyNibble + PrologNibbles + length + 1) / 2;
    if (size < needed)
        return fileName + " is a backup archive cut short: " + std::to_string(size) + " of " +
               std::to_string(needed) + " bytes";
    return "";
}

std::string RomImageRefusal(const std::string& fileName, std::string_view head, uint64_t size) {
    const std::string notImage = ", not an operating-system image";
    if (size == 0) return fileName + " is an empty file" + notImage;
    if (head.starts_with(ObjectFileMagic))
        return fileName + " is a calculator object file" + notImage;
    if (StartsWithCalcHeader(head)) return fileName + " is a calculator text file" + notImage;
    if (size > MaxRomImageSize)
        return fileName + " is too large for an operating-system image: " + std::to_string(size) +
               " bytes, more than the " + std::to_string(MaxRomImageSize) +
               " the calculator's flash holds";
    return "";
}

} // namespace lw
