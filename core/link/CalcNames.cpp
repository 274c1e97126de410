#include "link/CalcNames.h"
#include "link/UiHooks.h"
#include "util/MessageTexts.h"

namespace lw {

const std::array<TSpecialChar, 40> SpecialChars = {{
    {0x80, "<)", false}, {0x81, "x-", true},  {0x82, ".V", true},  {0x83, "v/", false},
    {0x84, ".S", true},  {0x85, "GS", true},  {0x86, "|>", false}, {0x87, "pi", true},
    {0x88, ".d", true},  {0x89, "<=", false}, {0x8A, ">=", false}, {0x8B, "=/", false},
    {0x8C, "Ga", true},  {0x8D, "->", false}, {0x8E, "<-", false}, {0x8F, "|v", false},
    {0x90, "|^", false}, {0x91, "Gg", true},  {0x92, "Gd", true},  {0x93, "Ge", true},
    {0x94, "Gn", true},  {0x95, "Gh", true},  {0x96, "Gl", true},  {0x97, "Gr", true},
    {0x98, "Gs", true},  {0x99, "Gt", true},  {0x9A, "Gw", true},  {0x9B, "GD", true},
    {0x9C, "PI", true},  {0x9D, "GW", true},  {0x9E, "[]", true},  {0x9F, "oo", true},
    {0xAB, "<<", false}, {0xB0, "^o", true},  {0xB5, "Gm", true},  {0xBB, ">>", false},
    {0xD7, ".x", true},  {0xD8, "0/", false}, {0xDF, "Gb", true},  {0xF7, ":-", false},
}};

namespace {

struct TTables {
    std::array<uint8_t, 65536> Digraph{};
    std::array<uint16_t, 256> Index{};
    std::array<std::string, 256> Decimal;
    TTables() {
        for (int c = 0; c < 256; ++c) {
            const std::string text = "00" + std::to_string(c);
            Decimal[c] = text.substr(text.size() - 3);
        }
        for (size_t i = 0; i < SpecialChars.size(); ++i) {
            const TSpecialChar& s = SpecialChars[i];
            Digraph[static_cast<unsigned char>(s.Mnemonic[0]) * 256 +
                    static_cast<unsigned char>(s.Mnemonic[1])] = s.Code;
            Index[s.Code] = static_cast<uint16_t>(i + 1);
        }
    }
};

const TTables& Tables() {
    static const TTables tables;
    return tables;
}

uint8_t Digraph(char a, char b) {
    return Tables().Digraph[static_cast<unsigned char>(a) * 256 + static_cast<unsigned char>(b)];
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool ThreeDigits(std::string_view s, size_t at) {
    return at + 3 <= s.size() && IsDigit(s[at]) && IsDigit(s[at + 1]) && IsDigit(s[at + 2]);
}

char DigitsValue(std::string_view s, size_t at) {
    const int v = (s[at] - '0') * 100 + (s[at + 1] - '0') * 10 + (s[at + 2] - '0');
    return static_cast<char>(v % 256);
}

// e + mnemonic, or e + three digits when there is no (allowed) mnemonic.
void AppendEscaped(std::string& out, char e, unsigned char c, bool fileNamesOnly) {
    out += e;
    const uint16_t index = Tables().Index[c];
    if (index != 0 && (!fileNamesOnly || SpecialChars[index - 1].ForFileNames))
        out.append(SpecialChars[index - 1].Mnemonic, 2);
    else
        out += Tables().Decimal[c];
}

} // namespace

const std::array<uint8_t, 65536>& DigraphTable = Tables().Digraph;
const std::array<uint16_t, 256>& CodeIndex = Tables().Index;
const std::array<std::string, 256>& DecimalText = Tables().Decimal;

const std::string BadNameChars =
    std::string(" ,@#[]{}()\"':_+-*\\/^=<>!") + "\xAB\xBB\x83\x89\x8A\x88\x84";

std::string NameToFile(std::string_view name, bool caretMode) {
    const char e = caretMode ? '^' : '\\';
    std::string out;
    out.reserve(name.size() + 8);
    for (const char ch : name) {
        const auto c = static_cast<unsigned char>(ch);
        if (!caretMode && ch == '\\') {
            out += "\\\\";
        } else if (c >= 32 && c <= 126 &&
                   !(caretMode && FileNameUnsafeChars.find(ch) != std::string_view::npos)) {
            out += ch;
        } else {
            AppendEscaped(out, e, c, caretMode);
        }
    }
    return out;
}

std::string FileToName(std::string_view s, bool caretMode) {
    const char e = caretMode ? '^' : '\\';
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == e && i + 2 < s.size()) {
            if (ThreeDigits(s, i + 1) && s.substr(i + 1, 3) != "000") {
                out += DigitsValue(s, i + 1);
                i += 4;
            } else if (const uint8_t code = Digraph(s[i + 1], s[i + 2]); code != 0) {
                out += static_cast<char>(code);
                i += 3;
            } else {
                out += s[i + 1];
                i += 2;
            }
        } else {
            out += s[i++];
        }
    }
    return out;
}

std::string TranslateOut(std::string_view text, int level, bool escapeControls, bool escapeQuotes,
                         bool crlf) {
    const int limit = level == 2 ? 159 : level == 3 ? 255 : 0;
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (escapeQuotes && (ch == '"' || ch == '\\')) out += '\\';
        const bool high = c >= 128 && c <= limit;
        const bool control = escapeControls && ((c < 32 && c != 10) || c == 127);
        if (high || control)
            AppendEscaped(out, '\\', c, false);
        else if (crlf && ch == '\n')
            out += "\r\n";
        else
            out += ch;
    }
    return out;
}

std::string TranslateIn(std::string_view text, bool quote) {
    size_t n = text.size();
    while (n > 0 && static_cast<unsigned char>(text[n - 1]) <= ' ') --n;
    text = text.substr(0, n);
    std::string out;
    out.reserve(n + n / 8);
    size_t i = 0;
    while (i < n) {
        const char c = text[i];
        if (c == '\\' && i + 1 < n) {
            if (ThreeDigits(text, i + 1)) {
                out += DigitsValue(text, i + 1);
                i += 4;
            } else if (uint8_t code = i + 2 < n ? Digraph(text[i + 1], text[i + 2]) : 0;
                       code != 0) {
                out += static_cast<char>(code);
                i += 3;
            } else if (quote) {
                out += "\\\\";
                if (text[i + 1] == '\\') {
                    out += "\\\\";
                    i += 2;
                } else {
                    i += 1;
                }
            } else {
                out += c;
                out += text[i + 1];
                i += 2;
            }
        } else if (c == '\r') {
            ++i;
        } else if (quote && c == '"') {
            out += "\\\"";
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

bool IsProperCalcName(std::string_view displayName) {
    const std::string name = FileToName(displayName, false);
    if (name.empty()) return true;
    if (IsDigit(name[0])) return false;
    return name.find_first_of(BadNameChars) == std::string::npos;
}

std::string ImproperNameQuestion(std::string_view displayName) {
    return msg::Fill(msg::ImproperNameQuestion,
                     {NameToFile(FileToName(displayName, false), false)});
}

bool CheckCalcName(std::string_view displayName, bool* proper) {
    const bool isProper = IsProperCalcName(displayName);
    if (proper) *proper = isProper;
    if (isProper) return true;
    const TUiHooks& ui = UiHooks();
    ui.Main->Beep();
    return ui.Prompt->ShowCustomPrompt(ImproperNameQuestion(displayName),
                                       std::string(ImproperNameTitle));
}

std::string ParseFlags(std::string_view text, size_t count) {
    std::string result(count, '0');
    if (const auto close = text.find('}'); close != std::string_view::npos)
        text = text.substr(0, close);
    const auto dot = text.find('.');
    const auto comma = text.find(',');
    char sep = ' ';
    if (dot != std::string_view::npos && (comma == std::string_view::npos || dot < comma))
        sep = '.';
    else if (comma != std::string_view::npos)
        sep = ',';
    size_t pos = 0;
    if (const auto open = text.find('{'); open != std::string_view::npos) pos = open + 1;
    while (pos < text.size() && text[pos] == ' ') ++pos;
    size_t k = 0;
    while (k < count) {
        const auto at = text.find(sep, pos);
        if (at == std::string_view::npos) break;
        if (at > 0) result[k] = text[at - 1];
        ++k;
        pos = at + 1;
    }
    return result;
}

} // namespace lw
