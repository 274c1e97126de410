// The compiler: command lines and object texts (calculator bytes) into objects.
#include "sim/calc/CalcReal.h"
#include "sim/calc/CalcText.h"
#include "sim/calc/CalcWords.h"

#include <cmath>

namespace lw::sim {

namespace {

constexpr char ProgramOpen = '\xAB';
constexpr char ProgramClose = '\xBB';
constexpr int MaxSourceNesting = 100;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool EndsWord(char c) {
    return IsBlank(c) || c == '{' || c == '}' || c == ProgramOpen || c == ProgramClose ||
           c == '"' || c == '\'';
}
bool EndsAlgebraicName(char c) {
    return IsBlank(c) || std::string_view("+-*/^()=,;'").find(c) != std::string_view::npos;
}

TNibs QuotedName(const std::string& name) {
    return MakeComposite(PrologAlgebraic, {MakeGlobal(name)});
}

// Infix algebraic text into postfix order.
class TAlgebraicParser {
public:
    TAlgebraicParser(std::string_view text, const TTextMode& mode) : T(text), Mode(mode) {}

    std::vector<TNibs> Parse() {
        Equation();
        Skip();
        if (P != T.size()) throw ESyntax();
        return Out;
    }

private:
    std::string_view T;
    const TTextMode& Mode;
    size_t P = 0;
    int Depth = 0;
    std::vector<TNibs> Out;

    void Skip() {
        while (P < T.size() && IsBlank(T[P])) ++P;
    }
    bool Accept(char c) {
        Skip();
        if (P < T.size() && T[P] == c) {
            ++P;
            return true;
        }
        return false;
    }
    void Equation() {
        Sum();
        if (Accept('=')) {
            Sum();
            Out.push_back(WordObject(W_EQ));
        }
    }
    void Sum() {
        Product();
        for (;;) {
            if (Accept('+')) {
                Product();
                Out.push_back(WordObject(W_ADD));
            } else if (Accept('-')) {
                Product();
                Out.push_back(WordObject(W_SUB));
            } else {
                return;
            }
        }
    }
    void Product() {
        Negation();
        for (;;) {
            if (Accept('*')) {
                Negation();
                Out.push_back(WordObject(W_MUL));
            } else if (Accept('/')) {
                Negation();
                Out.push_back(WordObject(W_DIV));
            } else {
                return;
            }
        }
    }
    void Negation() {
        if (++Depth > MaxSourceNesting) throw ESyntax();
        if (Accept('-')) {
            Negation();
            Out.push_back(WordObject(W_NEG));
        } else {
            Power();
        }
        --Depth;
    }
    void Power() {
        Atom();
        if (Accept('^')) {
            Negation();
            Out.push_back(WordObject(W_POW));
        }
    }
    void Atom() {
        Skip();
        if (Accept('(')) {
            Equation();
            if (!Accept(')')) throw ESyntax();
            return;
        }
        size_t end = P;
        while (end < T.size() && !EndsAlgebraicName(T[end])) ++end;
        // A number may hold the fraction mark and an exponent with its sign.
        if (P < T.size() &&
            ((T[P] >= '0' && T[P] <= '9') || T[P] == '.' || T[P] == Mode.Fraction)) {
            end = P;
            while (end < T.size() &&
                   ((T[end] >= '0' && T[end] <= '9') || T[end] == '.' || T[end] == Mode.Fraction ||
                    T[end] == 'E' || ((T[end] == '-' || T[end] == '+') && T[end - 1] == 'E')))
                ++end;
            const auto r = ParseReal(T.substr(P, end - P), Mode.Fraction);
            if (!r) throw ESyntax();
            Out.push_back(MakeReal(*r));
            P = end;
            return;
        }
        const std::string name(T.substr(P, end - P));
        if (name.empty()) throw ESyntax();
        P = end;
        const int w = WordByName(name);
        if (w >= 0 && WordInfo(w).Arity == 1 && w != W_NEG) {
            if (!Accept('(')) throw ESyntax();
            Equation();
            if (!Accept(')')) throw ESyntax();
            Out.push_back(WordObject(w));
            return;
        }
        if (!IsValidName(name)) throw ESyntax();
        Out.push_back(MakeGlobal(name));
    }
};

class TCompiler {
public:
    TCompiler(std::string_view text, const TTextMode& mode) : T(text), Mode(mode) {}

    std::vector<TNibs> Body() {
        std::vector<TNibs> items;
        for (;;) {
            Skip();
            if (P == T.size()) return items;
            items.push_back(Object());
        }
    }

private:
    std::string_view T;
    const TTextMode& Mode;
    size_t P = 0;
    int Depth = 0;
    bool Locals = false;

    void Skip() {
        while (P < T.size() && IsBlank(T[P])) ++P;
    }

    std::string Word() {
        Skip();
        const size_t start = P;
        while (P < T.size() && !EndsWord(T[P])) ++P;
        return std::string(T.substr(start, P - start));
    }

    // Items up to the closing character, which is consumed.
    std::vector<TNibs> Items(char close) {
        if (++Depth > MaxSourceNesting) throw ESyntax();
        std::vector<TNibs> items;
        for (;;) {
            Skip();
            if (P == T.size()) throw ESyntax();
            if (T[P] == close) {
                ++P;
                --Depth;
                return items;
            }
            items.push_back(Object());
        }
    }

    TNibs StringLiteral() {
        std::string chars;
        for (++P; P < T.size(); ++P) {
            if (T[P] == '"') {
                ++P;
                return MakeString(chars);
            }
            if (T[P] == '\\' && P + 1 < T.size() && (T[P + 1] == '"' || T[P + 1] == '\\')) ++P;
            chars += T[P];
        }
        throw ESyntax();
    }

    TNibs Algebraic() {
        const size_t close = T.find('\'', P + 1);
        if (close == std::string_view::npos) throw ESyntax();
        const std::string_view inner = T.substr(P + 1, close - P - 1);
        P = close + 1;
        auto items = TAlgebraicParser(inner, Mode).Parse();
        if (items.size() == 1 && PrologOf(items[0]) == PrologGlobal)
            return QuotedName(GlobalName(items[0]));
        return MakeComposite(PrologAlgebraic, items);
    }

    TNibs Complex() {
        const size_t close = T.find(')', P);
        if (close == std::string_view::npos) throw ESyntax();
        std::string_view inner = T.substr(P + 1, close - P - 1);
        P = close + 1;
        const char sep = Mode.Fraction == ',' ? ';' : ',';
        const size_t at = inner.find(sep);
        if (at == std::string_view::npos) throw ESyntax();
        auto trim = [](std::string_view s) {
            while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
            while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
            return s;
        };
        const auto re = ParseReal(trim(inner.substr(0, at)), Mode.Fraction);
        const auto im = ParseReal(trim(inner.substr(at + 1)), Mode.Fraction);
        if (!re || !im) throw ESyntax();
        return MakeComplex(*re, *im);
    }

    TNibs BinInt() {
        ++P; // '#'
        std::string digits = Word();
        if (digits.empty()) digits = Word();
        if (digits.empty()) throw ESyntax();
        int base = 10;
        switch (digits.back()) {
        case 'h':
            base = 16;
            break;
        case 'd':
            base = 10;
            break;
        case 'o':
            base = 8;
            break;
        case 'b':
            base = 2;
            break;
        default:
            digits += 'd';
        }
        digits.pop_back();
        if (digits.empty()) throw ESyntax();
        uint64_t v = 0;
        for (char c : digits) {
            int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : 99;
            if (d >= base) throw ESyntax();
            v = (v * uint64_t(base) + uint64_t(d)) & 0xFFFFFFFFFull;
        }
        return MakeBinInt(uint32_t(v & 0xFFFFF));
    }

    TNibs Tagged() {
        const size_t close = T.find(':', P + 1);
        if (close == std::string_view::npos || close == P + 1) throw ESyntax();
        const std::string tag(T.substr(P + 1, close - P - 1));
        P = close + 1;
        Skip();
        if (P == T.size()) throw ESyntax();
        TNibs obj = Object();
        if (PrologOf(obj) == PrologAlgebraic && obj.size() == 10 + CompositeItems(obj)[0].size() &&
            PrologOf(CompositeItems(obj)[0]) == PrologGlobal)
            obj = CompositeItems(obj)[0];
        return MakeTagged(tag, obj);
    }

    uint32_t Count() {
        const auto r = ParseReal(Word(), Mode.Fraction);
        if (!r || r->Negative) throw ESyntax();
        const double v = RealToDouble(*r);
        if (v > 4096 || v != std::floor(v)) throw ESyntax();
        return uint32_t(v);
    }

    TNibs Grob() {
        const uint32_t width = Count(), height = Count();
        const std::string hex = Word();
        if (hex.size() != size_t(GrobRowNibbles(width)) * height) throw ESyntax();
        TNibs rows;
        for (char c : hex) {
            const int d = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
            if (d < 0) throw ESyntax();
            rows += char(d);
        }
        return MakeGrob(width, height, rows);
    }

    TNibs Object() {
        Skip();
        const char c = T[P];
        // After →, the names up to the program or algebraic are local names.
        const bool local = Locals;
        Locals = false;
        if (c == '"') return StringLiteral();
        if (c == '{') {
            ++P;
            return MakeComposite(PrologList, Items('}'));
        }
        if (c == ProgramOpen) {
            ++P;
            return MakeComposite(PrologProgram, Items(ProgramClose));
        }
        if (c == '\'') return Algebraic();
        if (c == '(') return Complex();
        if (c == '#') return BinInt();
        if (c == ':') return Tagged();
        const std::string word = Word();
        if (word.empty()) throw ESyntax(); // a stray closing delimiter
        if (const auto r = ParseReal(word, Mode.Fraction)) return MakeReal(*r);
        if (word == "GROB") return Grob();
        const int w = WordByName(word);
        Locals = w == W_LOCALS;
        if (w >= 0) return WordObject(w);
        if (!IsValidName(word)) throw ESyntax();
        Locals = local;
        return local ? MakeLocal(word) : MakeGlobal(word);
    }
};

} // namespace

bool IsValidName(std::string_view name) {
    if (name.empty() || name.size() > 255) return false;
    if ((name[0] >= '0' && name[0] <= '9') || name[0] == '.') return false;
    for (char c : name)
        if (EndsWord(c) || EndsAlgebraicName(c) || c == '#' || c == ':' || c == '\0') return false;
    return WordByName(name) < 0;
}

std::vector<TNibs> CompileText(std::string_view text, const TTextMode& mode) {
    try {
        return TCompiler(text, mode).Body();
    } catch (const EBadObject&) {
        throw ESyntax();
    }
}

} // namespace lw::sim
