// Calculator names and texts: conversions between calculator bytes, the display form
// (backslash escapes), the file-name form (caret escapes) and PC text files; the improper-
// name check; the parsing of a calculator list of flag values.
#pragma once
#include "util/MessageTexts.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lw {

struct TSpecialChar {
    uint8_t Code;
    char Mnemonic[3];
    bool ForFileNames; // the mnemonic may stand in a PC file name
};

// The 40 calculator characters that have a two-letter mnemonic, in table order.
extern const std::array<TSpecialChar, 40> SpecialChars;

// Lookup tables built once at start: the code of each mnemonic (first letter * 256 + second
// letter; 0 where there is none), each code's position in SpecialChars plus one (0 = none),
// and each code's three-digit decimal text.
extern const std::array<uint8_t, 65536>& DigraphTable;
extern const std::array<uint16_t, 256>& CodeIndex;
extern const std::array<std::string, 256>& DecimalText;

// Characters a PC file name cannot hold, escaped in caret mode.
inline constexpr std::string_view FileNameUnsafeChars = "^\\/<>:*?\"|";
// Characters that make a calculator name improper (besides a leading digit).
extern const std::string BadNameChars;

// Calculator bytes -> escaped form: with caretMode a PC file name ("^" escapes, only the
// mnemonics flagged for file names), without it the display form ("\" escapes).
std::string NameToFile(std::string_view name, bool caretMode);
// Escaped form -> calculator bytes.
std::string FileToName(std::string_view escaped, bool caretMode);

// Calculator text -> PC text. Level 2 escapes codes 128..159, level 3 codes 128..255, other
// levels none; escapeControls escapes codes below 32 (but LF) and 127; escapeQuotes puts a
// backslash before '"' and '\'; crlf writes line ends as CR LF.
std::string TranslateOut(std::string_view text, int level, bool escapeControls, bool escapeQuotes,
                         bool crlf);
// PC text -> calculator text; quote prepares the text to stand inside a string literal.
std::string TranslateIn(std::string_view text, bool quote);

// Whether a display-form name is a proper calculator name.
bool IsProperCalcName(std::string_view displayName);
// Checks a display-form name; for an improper one, beeps and asks the user whether to go on
// (through the prompt dialog). Returns true to go on; `proper` (when given) tells whether the
// name itself is proper.
bool CheckCalcName(std::string_view displayName, bool* proper = nullptr);
// Texts of the improper-name question.
std::string ImproperNameQuestion(std::string_view displayName);
inline constexpr std::string_view ImproperNameTitle = msg::ImproperNameTitle.Text;

// One character per element of a calculator list such as "{ 1. 0. }": the character just
// before each separator; `count` characters, "0" where the list has no element.
std::string ParseFlags(std::string_view text, size_t count);

} // namespace lw
