// The PC side of text transfers: turning the fetched source text of a variable into a text
// file, and a text file into what the calculator is asked to compile.
#pragma once
#include <string>

namespace lw {

struct TCalcState;

// --- text get

// The mode list at the start of the fetched "$$$t" string (its characters begin at byte 13,
// counting from 0): the text up to and including the first "}" among its first 150
// characters; "" when there is none.
std::string TextGetModeList(const std::string& data);
// The text file made from the fetched object `data` (already cut to its true length) whose
// characters begin with `modeList`: the header line, then the source text, wrapped in double
// quotes for a string and in single quotes for an algebraic that lacks them.
std::string BuildTextFile(const std::string& data, const std::string& modeList, int typeIndex,
                          const TCalcState& state);

// --- text put

struct TTextPut {
    std::string Modes;  // "DEG "/"GRAD "/"RAD " then "-51 SF "/"-51 CF " from the header
    std::string Text;   // the calculator text to compile (translated, header removed)
    bool Short = false; // the file is at most 300 bytes: send it as a string literal
};
// Reads a text file's header (a ";" among its first 21 characters) and translates the rest.
TTextPut PrepareTextPut(const std::string& fileText);
// The binary object file of a string holding `text` (the long form's "$$$a"). Empty when the
// text is too long for a string object's 20-bit length field.
std::string StringObjectFile(const std::string& modelCode, const std::string& text);
// The script that compiles `value` (a string literal, or the long form's "$$$a" recall) and
// stores the result under `name`, showing "Syntax Error" on the calculator on failure.
std::string TextPutScript(const std::string& name, const std::string& modelCode,
                          const std::string& modes, const std::string& value);
// The script of a text get: the modes list and the variable's source text into "$$$t".
std::string TextGetScript(const std::string& name);

} // namespace lw
