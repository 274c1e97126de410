#include "sim/calc/CalcReal.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace lw::sim {

namespace {

constexpr int MaxExponent = 499;

// Rounds a digit string (d0 first, any length) to 12 digits; may carry into the exponent.
TReal Normalise(bool negative, int exponent, std::string digits) {
    size_t lead = 0;
    while (lead < digits.size() && digits[lead] == '0') ++lead;
    TReal r;
    if (lead == digits.size()) return r;
    exponent -= int(lead);
    digits.erase(0, lead);
    if (digits.size() > 12) {
        const bool up = digits[12] >= '5';
        digits.resize(12);
        if (up) {
            int i = 11;
            while (i >= 0 && digits[size_t(i)] == '9') digits[size_t(i--)] = '0';
            if (i >= 0) {
                ++digits[size_t(i)];
            } else {
                digits.insert(digits.begin(), '1');
                digits.resize(12);
                ++exponent;
            }
        }
    }
    digits.resize(12, '0');
    if (exponent > MaxExponent) { // overflow: the largest real
        digits = "999999999999";
        exponent = MaxExponent;
    }
    if (exponent < -MaxExponent) return r; // underflow: zero
    r.Negative = negative;
    r.Exponent = exponent;
    r.Digits = digits;
    return r;
}

} // namespace

TReal RealFromDouble(double value) {
    if (!std::isfinite(value)) return Normalise(std::signbit(value), MaxExponent + 1, "1");
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.11e", value);
    return *ParseReal(buf, '.');
}

double RealToDouble(const TReal& r) {
    std::string text = (r.Negative ? "-" : "") + r.Digits.substr(0, 1) + "." + r.Digits.substr(1) +
                       "e" + std::to_string(r.Exponent);
    return std::strtod(text.c_str(), nullptr);
}

std::optional<TReal> ParseReal(std::string_view t, char fraction) {
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) negative = t[i++] == '-';
    std::string digits;
    int pointAt = -1;
    for (; i < t.size(); ++i) {
        if (t[i] >= '0' && t[i] <= '9') {
            digits += t[i];
        } else if ((t[i] == fraction || t[i] == '.') && pointAt < 0) {
            pointAt = int(digits.size());
        } else {
            break;
        }
    }
    if (digits.empty()) return std::nullopt;
    int exp10 = 0;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        bool expNeg = false;
        if (i < t.size() && (t[i] == '-' || t[i] == '+')) expNeg = t[i++] == '-';
        if (i == t.size()) return std::nullopt;
        long e = 0;
        for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i)
            e = std::min(e * 10 + (t[i] - '0'), 100000L);
        exp10 = int(expNeg ? -e : e);
    }
    if (i != t.size()) return std::nullopt;
    if (pointAt < 0) pointAt = int(digits.size());
    return Normalise(negative, pointAt - 1 + exp10, digits);
}

std::string FormatReal(const TReal& r, char fraction) {
    if (r.IsZero()) return std::string("0") + fraction;
    std::string d = r.Digits;
    while (d.size() > 1 && d.back() == '0') d.pop_back();
    const int n = int(d.size());
    const int e = r.Exponent;
    std::string out = r.Negative ? "-" : "";
    if (e >= 0 && e < 12) {
        if (n <= e + 1) {
            out += d + std::string(size_t(e + 1 - n), '0') + fraction;
        } else {
            out += d.substr(0, size_t(e + 1)) + fraction + d.substr(size_t(e + 1));
        }
    } else if (e < 0 && n - e - 1 <= 12) {
        out += fraction + std::string(size_t(-e - 1), '0') + d;
    } else {
        out += d.substr(0, 1) + fraction + d.substr(1) + "E" + std::to_string(e);
    }
    return out;
}

TNibs MakeReal(const TReal& r) {
    TNibs o;
    AppendField(o, PrologReal, 5);
    const int e = r.Exponent < 0 ? 1000 + r.Exponent : r.Exponent;
    o += char(e % 10);
    o += char(e / 10 % 10);
    o += char(e / 100);
    for (int i = 11; i >= 0; --i) o += char(r.Digits[size_t(i)] - '0');
    o += char(r.Negative ? 9 : 0);
    return o;
}

TNibs MakeReal(double value) {
    return MakeReal(RealFromDouble(value));
}

TNibs MakeComplex(const TReal& re, const TReal& im) {
    TNibs o;
    AppendField(o, PrologComplex, 5);
    return o + MakeReal(re).substr(5) + MakeReal(im).substr(5);
}

TReal RealOf(const TNibs& obj, size_t pos) {
    const size_t b = 5 + pos;
    ReadField(obj, b, 16); // bounds
    TReal r;
    int e = obj[b] + 10 * obj[b + 1] + 100 * obj[b + 2];
    if (e >= 500) e -= 1000;
    r.Exponent = e;
    for (int i = 0; i < 12; ++i)
        r.Digits[size_t(i)] = char('0' + std::min<int>(9, obj[b + 14 - size_t(i)]));
    r.Negative = obj[b + 15] >= 5;
    if (r.IsZero()) return TReal{};
    return r;
}

TReal ComplexRe(const TNibs& obj) {
    return RealOf(obj, 0);
}
TReal ComplexIm(const TNibs& obj) {
    return RealOf(obj, 16);
}

} // namespace lw::sim
