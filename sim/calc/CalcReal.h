// The calculator's decimal reals: 12 BCD mantissa digits, a 3-digit exponent in tens'
// complement and a sign nibble. Text in both directions works on the digits themselves,
// so a real's text form compiles back to the very same object.
#pragma once
#include "sim/calc/CalcObjects.h"

#include <optional>
#include <string>
#include <string_view>

namespace lw::sim {

struct TReal {
    bool Negative = false;
    int Exponent = 0;                    // of the first digit: value = d0.d1d2... x 10^Exponent
    std::string Digits = "000000000000"; // 12 decimal digit characters, d0 first
    bool IsZero() const { return Digits[0] == '0'; }
};

TReal RealFromDouble(double value);
double RealToDouble(const TReal& r);
// Parses a number text ("12", "-1.5E-3", ".5"); `fraction` is the fraction mark ('.' or
// ','). Nothing when the text is no number.
std::optional<TReal> ParseReal(std::string_view text, char fraction);
// The calculator's standard text form ("1.", ".5", "-2.25", "1.E15", "1.5E-13").
std::string FormatReal(const TReal& r, char fraction);

TNibs MakeReal(const TReal& r);
TNibs MakeReal(double value);
TNibs MakeComplex(const TReal& re, const TReal& im);
TReal RealOf(const TNibs& obj, size_t pos = 0); // a real object, or a complex part at pos 0/16
TReal ComplexRe(const TNibs& obj);
TReal ComplexIm(const TNibs& obj);

} // namespace lw::sim
