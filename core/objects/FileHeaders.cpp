#include "objects/FileHeaders.h"

#include "util/Files.h"

namespace lw {

THeaderCheck ClassifyHeader(std::string_view head, std::string_view modelCode,
                            const std::string& fileName) {
    std::string bytes(head.substr(0, ObjectHeaderSize));
    bytes.resize(ObjectHeaderSize, '\0');
    const std::string_view h(bytes);
    THeaderCheck check;
    const bool binary = h.starts_with(ObjectFileMagic);
    if (binary && h.substr(ObjectFileMagic.size()).starts_with(modelCode)) check.Matches = true;
    if (h.starts_with(TextPrefixLong) || h.starts_with(TextPrefixShort)) {
        check.Matches = true;
        check.IsText = true;
    }
    if (check.Matches) return check;
    if (binary) {
        check.Kind = bytes.substr(2, 4);
    } else {
        check.Kind = ExtractFileExt(fileName);
        if (check.Kind.empty()) check.Kind = UnknownFileKind;
    }
    check.AllowText = !binary;
    return check;
}

std::string TextHeaderLine(int translation, char angle, char fractionMark) {
    return "%%ZQ: T(" + std::to_string(translation % 10) + ")A(" + std::string(1, angle) + ")F(" +
           std::string(1, fractionMark) + ");";
}

} // namespace lw
