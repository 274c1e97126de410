#include "sim/calc/CalcWords.h"

#include <array>

namespace lw::sim {

namespace {

constexpr uint32_t WordBase = 0x1B000; // far from every prolog (0x026xx to 0x0312B)
constexpr uint32_t WordStep = 0x10;

constexpr std::array<TWordInfo, W_COUNT> Words = {{
    {"+", 2},      {"-", 2},       {"*", 2},        {"/", 2},        {"^", 2},       {"NEG", 1},
    {"==", 0},     {"=", 2},       {"DUP", 0},      {"DROP", 0},     {"SWAP", 0},    {"OVER", 0},
    {"ROT", 0},    {"CLEAR", 0},   {"DEPTH", 0},    {"DUPN", 0},     {"DROPN", 0},   {"PICK", 0},
    {"IF", 0},     {"THEN", 0},    {"ELSE", 0},     {"END", 0},      {"IFERR", 0},   {"EVAL", 0},
    {"STO", 0},    {"RCL", 0},     {"PURGE", 0},    {"PGDIR", 0},    {"CRDIR", 0},   {"HOME", 0},
    {"UPDIR", 0},  {"PATH", 0},    {"\x8DLIST", 0}, {"LIST\x8D", 0}, {"GET", 0},     {"SIZE", 0},
    {"DOSUBS", 0}, {"TYPE", 0},    {"\x8DSTR", 0},  {"STR\x8D", 0},  {"OBJ\x8D", 0}, {"SF", 0},
    {"CF", 0},     {"FS?", 0},     {"FC?", 0},      {"RCLF", 0},     {"STOF", 0},    {"STWS", 0},
    {"RCWS", 0},   {"STD", 0},     {"DEG", 0},      {"RAD", 0},      {"GRAD", 0},    {"MEM", 0},
    {"NEWOB", 0},  {"VERSION", 0}, {"SYSEVAL", 0},  {"RESTORE", 0},  {"CLLCD", 0},   {"DISP", 0},
    {"WAIT", 0},   {"SIN", 1},     {"COS", 1},      {"TAN", 1},      {"SQ", 1},      {"ABS", 1},
    {"INV", 1},    {"EXP", 1},     {"LN", 1},       {"\x83", 1},     {"SENDMEM", 0}, {"XSERVER", 0},
    {"\x8D", 0},
}};

} // namespace

const TWordInfo& WordInfo(int word) {
    return Words.at(size_t(word));
}

uint32_t WordAddress(int word) {
    return WordBase + WordStep * uint32_t(word);
}

int WordByName(std::string_view name) {
    for (size_t i = 0; i < Words.size(); ++i)
        if (name == Words[i].Name) return int(i);
    return -1;
}

int WordOf(std::string_view obj) {
    if (obj.size() != 5) return -1;
    const uint32_t a = ReadField(obj, 0, 5);
    if (a < WordBase || (a - WordBase) % WordStep != 0) return -1;
    const uint32_t i = (a - WordBase) / WordStep;
    return i < Words.size() ? int(i) : -1;
}

} // namespace lw::sim
