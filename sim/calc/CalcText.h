// The calculator's text form of objects, both ways: the decompiler (the →STR text) and the
// compiler (STR→, OBJ→ and command lines), over calculator bytes.
#pragma once
#include "sim/calc/CalcObjects.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lw::sim {

struct TTextMode {
    char Fraction = '.'; // ',' while flag -51 is set
    int WordSize = 64;   // binary integers show their low WordSize bits
};

class ESyntax : public std::runtime_error {
public:
    ESyntax() : std::runtime_error("Invalid Syntax") {}
};

// The text of an object as →STR gives it (a string is quoted here; →STR itself leaves a
// string alone).
std::string Decompile(const TNibs& obj, const TTextMode& mode);
// A command line or program text as the objects of a program body, in order. A quoted name
// becomes an algebraic holding only that name (it pushes the name when run). Throws ESyntax.
std::vector<TNibs> CompileText(std::string_view text, const TTextMode& mode);

// A calculator name: not empty, at most 255 bytes, not starting with a digit or a period,
// and free of the characters that delimit tokens or make algebraic operators.
bool IsValidName(std::string_view name);

} // namespace lw::sim
