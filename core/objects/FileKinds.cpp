#include "objects/FileKinds.h"

#include "objects/FileHeaders.h"
#include "objects/ObjectTypes.h"
#include "util/MessageTexts.h"

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

// Why a file that is no object file is no backup archive.
const TUiText& PlainRefusal(std::string_view head, uint64_t size) {
    if (size == 0) return msg::EmptyNotArchive;
    if (head.starts_with(TextPrefixLong) || head.starts_with(TextPrefixShort))
        return msg::CalcTextNotArchive;
    if (LooksLikeText(head)) return msg::TextNotArchive;
    return msg::NotArchive;
}

} // namespace

std::string BackupArchiveRefusal(const std::string& fileName, std::string_view head, uint64_t size,
                                 std::string_view modelCode) {
    if (!head.starts_with(ObjectFileMagic)) return msg::Fill(PlainRefusal(head, size), {fileName});
    // The family of the header decides which types the object may have.
    const size_t rows = head.size() > 5 && head[5] == 'B' ? ObjectTypeCount : OlderFamilyTypeCount;
    uint64_t prolog = 0;
    const int row = NibbleField(head, BodyNibble, PrologNibbles, prolog)
                        ? FindObjectType(static_cast<uint32_t>(prolog), rows)
                        : -1;
    if (row != BackupRow) {
        return row >= 0
                   ? msg::Fill(msg::TypedObjectNotArchive, {fileName, ObjectTypes[row].Name.Text})
                   : msg::Fill(msg::ObjectNotArchive, {fileName});
    }
    const std::string_view model = head.substr(4, 2);
    if (!modelCode.empty() && model != modelCode)
        return msg::Fill(msg::ArchiveOfOtherModel, {fileName, model, modelCode});
    uint64_t length = 0; // counts itself and the memory behind it
    if (!NibbleField(head, BodyNibble + PrologNibbles, 5, length))
        return msg::Fill(msg::ArchiveCutShort, {fileName});
    const uint64_t needed = (BodyNibble + PrologNibbles + length + 1) / 2;
    if (size < needed)
        return msg::Fill(msg::ArchiveCutShortBytes,
                         {fileName, std::to_string(size), std::to_string(needed)});
    return "";
}

std::string RomImageRefusal(const std::string& fileName, std::string_view head, uint64_t size) {
    if (size == 0) return msg::Fill(msg::EmptyNotRom, {fileName});
    if (head.starts_with(ObjectFileMagic)) return msg::Fill(msg::ObjectNotRom, {fileName});
    if (StartsWithCalcHeader(head)) return msg::Fill(msg::CalcTextNotRom, {fileName});
    if (size > MaxRomImageSize)
        return msg::Fill(msg::RomTooLarge,
                         {fileName, std::to_string(size), std::to_string(MaxRomImageSize)});
    return "";
}

} // namespace lw
