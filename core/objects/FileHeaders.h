// The headers of calculator files on the PC and the check of a file's head against the
// connected calculator. Binary object files begin "ZQZQ" + model code + "-" + letter; text
// files begin with a header line such as "%%ZQ: T(3)A(D)F(.);".
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace lw {

constexpr size_t ObjectHeaderSize = 8;
inline constexpr std::string_view ObjectFileMagic = "ZQZQ";
// Beginnings that mark a text file.
inline constexpr std::string_view TextPrefixLong = "%ZQZQ: ";
inline constexpr std::string_view TextPrefixShort = "%%ZQ: ";

// The kind of a file with neither a calculator header nor an extension.
inline constexpr const char* UnknownFileKind = "Unknown";

// What the first bytes of a file say about sending it to a calculator of `modelCode`.
struct THeaderCheck {
    bool Matches = false; // may be sent without asking
    bool IsText = false;  // goes as text
    // When it does not match: what the question calls the file, and whether the user may
    // choose between text and binary (only for files without a binary header).
    std::string Kind;
    bool AllowText = false;
};

// `head`: the file's first 8 bytes (fewer for a shorter file; the rest counts as zero
// bytes). `fileName` gives the extension named for a file without a binary header.
THeaderCheck ClassifyHeader(std::string_view head, std::string_view modelCode,
                            const std::string& fileName);

// The text file header line (without a line end): translation digit, angle letter ("D", "R"
// or "G") and fraction mark ("." or ",").
std::string TextHeaderLine(int translation, char angle, char fractionMark);

} // namespace lw
