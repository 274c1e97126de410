#include "server/TextTransfer.h"

#include "link/CalcNames.h"
#include "server/CalcState.h"
#include "server/XPObject.h"

namespace lw {
namespace {

constexpr size_t TextStart = 13;       // first character of a fetched string object file
constexpr size_t ModeListWindow = 150; // where the mode list's "}" is looked for
constexpr size_t ShortTextLimit = 300; // longest file sent as a string literal
constexpr size_t HeaderSemicolonLimit = 21;
constexpr size_t HeaderFieldLimit = 20;

// The character after `field` in the header when the field begins within its first 20
// characters; 0 otherwise.
char HeaderField(const std::string& header, const std::string& field) {
    const auto q = header.find(field);
    if (q == std::string::npos || q + 1 > HeaderFieldLimit) return 0;
    const size_t at = q + field.size();
    return at < header.size() ? header[at] : 0;
}

} // namespace

std::string TextGetModeList(const std::string& data) {
    if (data.size() <= TextStart) return {};
    const std::string window = data.substr(TextStart, ModeListWindow);
    const auto close = window.find('}');
    return close == std::string::npos ? std::string() : window.substr(0, close + 1);
}

std::string BuildTextFile(const std::string& data, const std::string& modeList, int typeIndex,
                          const TCalcState& state) {
    const std::string flags = ParseFlags(modeList, 4);
    const char* angle = "D";
    if (flags.compare(0, 2, "01") == 0)
        angle = "G";
    else if (flags.compare(0, 2, "10") == 0)
        angle = "R";
    const char* mark = flags[2] == '1' ? "," : ".";
    const int level = state.TransIO < 0 ? 0 : (state.TransIO > 9 ? 9 : state.TransIO);
    const std::string lineEnd = state.AddCR ? "\r\n" : "\n";

    const size_t bodyStart = TextStart + modeList.size();
    const std::string source = bodyStart < data.size() ? data.substr(bodyStart) : std::string();
    std::string quote;
    if (typeIndex == AlgebraicTypeIndex && (source.empty() || source[0] != '\''))
        quote = "'";
    else if (typeIndex == StringTypeIndex)
        quote = "\"";
    const std::string body = TranslateOut(source, state.TransIO, state.Trans031,
                                          typeIndex == StringTypeIndex, state.AddCR);
    return "%%ZQ: T(" + std::to_string(level) + ")A(" + angle + ")F(" + mark + ");" + lineEnd +
           quote + body + quote + lineEnd;
}

TTextPut PrepareTextPut(const std::string& fileText) {
    TTextPut put;
    put.Short = fileText.size() <= ShortTextLimit;
    const auto semicolon = fileText.find(';');
    if (semicolon == std::string::npos || semicolon + 1 > HeaderSemicolonLimit) {
        put.Text = TranslateIn(fileText, put.Short);
        return put;
    }
    const std::string header = fileText.substr(0, semicolon + 1) + "\n";
    // The character right after the ";" (the line end) is always skipped, then every blank
    // and control character up to the source text.
    size_t i = semicolon + 2;
    while (i < fileText.size() && static_cast<unsigned char>(fileText[i]) <= ' ') ++i;
    put.Text = i < fileText.size() ? TranslateIn(fileText.substr(i), put.Short) : std::string();
    switch (HeaderField(header, "A(")) {
    case 'D':
        put.Modes = "DEG ";
        break;
    case 'G':
        put.Modes = "GRAD ";
        break;
    case 'R':
        put.Modes = "RAD ";
        break;
    default:
        break;
    }
    switch (HeaderField(header, "F(")) {
    case ',':
        put.Modes += "-51 SF ";
        break;
    case '.':
        put.Modes += "-51 CF ";
        break;
    default:
        break;
    }
    return put;
}

std::string StringObjectFile(const std::string& modelCode, const std::string& text) {
    const size_t n = 2 * text.size() + 5; // nibbles of the length field and the characters
    if (n >= (size_t{1} << 20)) return {};
    std::string file = "ZQZQ" + modelCode + "-C,*";
    file += static_cast<char>((n % 16) * 16);
    file += static_cast<char>((n % 4096) / 16);
    file += static_cast<char>((n % 1048576) / 4096);
    return file + text;
}

std::string TextPutScript(const std::string& name, const std::string& modelCode,
                          const std::string& modes, const std::string& value) {
    const std::string syntaxError =
        std::string(modelCode == "KB" ? "#26067h SYSEVAL " : "#141E5h SYSEVAL ") +
        "CLLCD \"Syntax Error\" 4 DISP 5 WAIT ";
    return "'" + name + "' RCLF " + modes + "-55 CF " + value + "IFERR OBJ\\-> THEN SWAP STOF " +
           syntaxError + "ELSE SWAP STOF OVER IFERR PURGE THEN PGDIR END SWAP STO END ";
}

std::string TextGetScript(const std::string& name) {
    return "RCLF 64 STWS STD -17 FS? -18 FS? -51 FS? IOPAR 6 GET 4 \\->LIST \\->STR '" + name +
           "' RCL \\->STR + '$$$t' STO STOF";
}

} // namespace lw
