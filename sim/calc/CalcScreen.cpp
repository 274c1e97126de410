#include "sim/calc/CalcScreen.h"

#include <cctype>
#include <cstring>

namespace lw::sim {

namespace {

constexpr int CellWidth = 4;
constexpr int LineHeight = 8;
constexpr size_t LineChars = ScreenWidth / CellWidth;

// A 3 x 5 font: five rows per glyph, one octal digit a row, the value 4 the leftmost pixel.
const char* Glyph(unsigned char c) {
    static const char* Digits[] = {"75557", "26227", "71747", "71717", "55711",
                                   "74717", "74757", "71111", "75757", "75717"};
    static const char* Letters[] = {"25755", "65656", "34443", "65556", "74647", "74644", "34553",
                                    "55755", "72227", "11153", "55655", "44447", "57755", "65555",
                                    "25552", "65644", "25573", "65655", "34216", "72222", "55557",
                                    "55552", "55775", "55255", "55222", "71247"};
    static const struct {
        char C;
        const char* Rows;
    } Marks[] = {{' ', "00000"}, {'.', "00002"}, {',', "00024"}, {':', "02020"},  {'-', "00700"},
                 {'+', "02720"}, {'*', "05250"}, {'/', "11244"}, {'\'', "22000"}, {'"', "55000"},
                 {'#', "57575"}, {'{', "32623"}, {'}', "62326"}, {'(', "12221"},  {')', "42224"},
                 {'[', "64446"}, {']', "31113"}, {'<', "12421"}, {'>', "42124"},  {'=', "07070"},
                 {'?', "71202"}, {'!', "22202"}, {'_', "00007"}, {'^', "25000"},  {'%', "51245"}};
    if (c >= '0' && c <= '9') return Digits[c - '0'];
    if (std::isalpha(c) && c < 128) return Letters[std::toupper(c) - 'A'];
    for (const auto& m : Marks)
        if (m.C == char(c)) return m.Rows;
    return "52525";
}

void DrawText(std::string& rows, int line, const std::string& text) {
    for (size_t i = 0; i < text.size() && i < LineChars; ++i) {
        const char* g = Glyph(static_cast<unsigned char>(text[i]));
        for (int r = 0; r < 5; ++r) {
            const int bits = g[r] - '0';
            for (int b = 0; b < 3; ++b) {
                if (!(bits & (4 >> b))) continue;
                const int x = int(i) * CellWidth + b;
                const int y = line * LineHeight + 1 + r;
                rows[size_t(y * ScreenRowBytes + x / 8)] |= char(1 << (x % 8));
            }
        }
    }
}

} // namespace

std::array<std::string, 8> ScreenLines(const TCalcMachine& m, const TTextMode& mode) {
    if (m.DisplayFrozen()) return m.DisplayLines();
    std::array<std::string, 8> lines;
    std::string path = "{";
    for (const auto& n : m.Mem.CurrentPath()) path += " " + n;
    lines[0] = path + " }";
    const size_t depth = m.Stack.size();
    for (size_t level = 1; level <= 7; ++level) {
        std::string text = std::to_string(level) + ":";
        if (level <= depth) {
            std::string obj = Decompile(m.Stack[depth - level], mode);
            for (auto& c : obj)
                if (c == '\n') c = ' ';
            const size_t room = LineChars - text.size();
            if (obj.size() > room) obj = obj.substr(0, room - 3) + "...";
            text += std::string(room - obj.size(), ' ') + obj;
        }
        lines[8 - level] = text;
    }
    return lines;
}

std::string RenderScreen(const TCalcMachine& m, const TTextMode& mode) {
    std::string rows(size_t(ScreenHeight * ScreenRowBytes), '\0');
    const auto lines = ScreenLines(m, mode);
    for (int i = 0; i < 8; ++i) DrawText(rows, i, lines[size_t(i)]);
    return rows;
}

} // namespace lw::sim
