// The decompiler: an object's text in calculator bytes.
#include "sim/calc/CalcReal.h"
#include "sim/calc/CalcText.h"
#include "sim/calc/CalcWords.h"

namespace lw::sim {

namespace {

enum TLevel { LvEq = 0, LvSum = 1, LvProduct = 2, LvNeg = 3, LvPower = 4, LvAtom = 5 };

enum class TPlace { Top, InList, InProgram };

std::string Text(const TNibs& obj, const TTextMode& mode, TPlace place);

std::string QuotedChars(const std::string& chars) {
    std::string out = "\"";
    for (char c : chars) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string BinIntText(uint32_t value, const TTextMode& mode) {
    if (mode.WordSize < 20) value &= (1u << mode.WordSize) - 1;
    static const char* Hex = "0123456789ABCDEF";
    std::string digits;
    do {
        digits.insert(digits.begin(), Hex[value & 15]);
        value >>= 4;
    } while (value);
    return "# " + digits + "h";
}

std::string Wrap(const std::string& text, bool paren) {
    return paren ? "(" + text + ")" : text;
}

struct TPiece {
    std::string Text;
    int Level;
};

// An algebraic's infix text from the postfix order in which it is stored.
std::string InfixText(const TNibs& alg, const TTextMode& mode) {
    std::vector<TPiece> st;
    for (const auto& item : CompositeItems(alg)) {
        const int w = WordOf(item);
        const int arity = w >= 0 ? WordInfo(w).Arity : 0;
        if (w < 0 || arity == 0 || st.size() < size_t(arity)) {
            const uint32_t prolog = PrologOf(item);
            int level = LvAtom;
            if (prolog == PrologReal && RealOf(item).Negative) level = LvNeg;
            st.push_back(
                {prolog == PrologGlobal ? GlobalName(item) : Text(item, mode, TPlace::InList),
                 level});
            continue;
        }
        if (arity == 1) {
            TPiece a = st.back();
            st.pop_back();
            if (w == W_NEG)
                st.push_back({"-" + Wrap(a.Text, a.Level < LvNeg), LvNeg});
            else
                st.push_back({std::string(WordInfo(w).Name) + "(" + a.Text + ")", LvAtom});
            continue;
        }
        TPiece b = st.back();
        st.pop_back();
        TPiece a = st.back();
        st.pop_back();
        const std::string op = WordInfo(w).Name;
        int level = LvEq, leftMin = LvSum, rightMin = LvSum;
        if (w == W_ADD || w == W_SUB) level = LvSum, leftMin = LvSum, rightMin = LvProduct;
        if (w == W_MUL || w == W_DIV) level = LvProduct, leftMin = LvProduct, rightMin = LvNeg;
        if (w == W_POW) level = LvPower, leftMin = LvAtom, rightMin = LvNeg;
        st.push_back(
            {Wrap(a.Text, a.Level < leftMin) + op + Wrap(b.Text, b.Level < rightMin), level});
    }
    std::string out;
    for (const auto& p : st) out += (out.empty() ? "" : " ") + p.Text;
    return out;
}

std::string ItemsText(const TNibs& obj, const TTextMode& mode, TPlace place) {
    std::string out;
    for (const auto& item : CompositeItems(obj)) out += " " + Text(item, mode, place);
    return out + " ";
}

std::string DirectoryText(const TNibs& dir, const TTextMode& mode) {
    std::string out = "DIR";
    const uint32_t f = ReadField(dir, 8, 5);
    if (f != 0) {
        const size_t last = 8 + f;
        size_t p = 13;
        for (;;) {
            const size_t n = ReadField(dir, p, 2);
            const size_t start = p + 4 + 2 * n;
            const size_t end = ObjectEnd(dir, start);
            out += "\n  " + NibsToBytes(std::string_view(dir).substr(p + 2, 2 * n)) + " " +
                   Text(dir.substr(start, end - start), mode, TPlace::InList);
            if (p >= last) break;
            p = end + 5;
        }
    }
    return out + "\nEND";
}

std::string Text(const TNibs& obj, const TTextMode& mode, TPlace place) {
    const int w = WordOf(obj);
    if (w >= 0) return WordInfo(w).Name;
    const char f = mode.Fraction;
    switch (PrologOf(obj)) {
    case PrologReal:
        return FormatReal(RealOf(obj), f);
    case PrologComplex:
        return "(" + FormatReal(ComplexRe(obj), f) + (f == ',' ? ";" : ",") +
               FormatReal(ComplexIm(obj), f) + ")";
    case PrologString:
        return QuotedChars(StringChars(obj));
    case PrologLocal:
        return GlobalName(obj);
    case PrologGlobal:
        return place == TPlace::Top ? "'" + GlobalName(obj) + "'" : GlobalName(obj);
    case PrologBinInt:
        return BinIntText(BinIntValue(obj), mode);
    case PrologList:
        return "{" + ItemsText(obj, mode, TPlace::InList) + "}";
    case PrologProgram:
        return "\xAB" + ItemsText(obj, mode, TPlace::InProgram) + "\xBB";
    case PrologAlgebraic:
        if (IsQuotedName(obj)) return "'" + GlobalName(CompositeItems(obj)[0]) + "'";
        return "'" + InfixText(obj, mode) + "'";
    case PrologTagged:
        return ":" + TagOf(obj) + ":" + Text(TaggedObject(obj), mode, TPlace::Top);
    case PrologGrob: {
        std::string out = "GROB " + std::to_string(ReadField(obj, 15, 5)) + " " +
                          std::to_string(ReadField(obj, 10, 5)) + " ";
        const size_t end = 5 + ReadField(obj, 5, 5);
        for (size_t i = 20; i < end; ++i) out += "0123456789ABCDEF"[obj.at(i) & 15];
        return out;
    }
    case PrologDirectory:
        return DirectoryText(obj, mode);
    case PrologBackup:
        return "Backup HOME";
    default:
        return "External";
    }
}

} // namespace

std::string Decompile(const TNibs& obj, const TTextMode& mode) {
    try {
        return Text(obj, mode, TPlace::Top);
    } catch (const std::exception&) {
        return "External"; // an object whose inside does not hold together
    }
}

} // namespace lw::sim
