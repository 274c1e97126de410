// Stack, arithmetic, list and text words.
#include "sim/calc/CalcMachine.h"
#include "sim/calc/CalcReal.h"
#include "sim/calc/CalcWords.h"

#include <cmath>
#include <complex>

namespace lw::sim {

namespace {

using TComplex = std::complex<double>;

bool IsSymbolic(uint32_t prolog) {
    return prolog == PrologGlobal || prolog == PrologAlgebraic;
}
bool IsNumber(uint32_t prolog) {
    return prolog == PrologReal || prolog == PrologComplex;
}

TComplex ComplexValue(const TNibs& o) {
    if (PrologOf(o) == PrologReal) return {RealToDouble(RealOf(o)), 0};
    return {RealToDouble(ComplexRe(o)), RealToDouble(ComplexIm(o))};
}

TNibs ComplexObject(TComplex z) {
    return MakeComplex(RealFromDouble(z.real()), RealFromDouble(z.imag()));
}

std::vector<TNibs> AlgebraicItems(const TNibs& o) {
    if (PrologOf(o) == PrologAlgebraic) return CompositeItems(o);
    return {o};
}

double ApplyReal(int word, double a, double b) {
    switch (word) {
    case W_ADD:
        return a + b;
    case W_SUB:
        return a - b;
    case W_MUL:
        return a * b;
    case W_DIV:
        if (b == 0) throw ECalcError("Infinite Result");
        return a / b;
    case W_POW:
        return std::pow(a, b);
    }
    throw ECalcError("Bad Argument Type");
}

double ApplyFunction(int word, double x) {
    switch (word) {
    case W_NEG:
        return -x;
    case W_SIN:
        return std::sin(x);
    case W_COS:
        return std::cos(x);
    case W_TAN:
        return std::tan(x);
    case W_SQ:
        return x * x;
    case W_ABS:
        return std::fabs(x);
    case W_INV:
        if (x == 0) throw ECalcError("Infinite Result");
        return 1 / x;
    case W_EXP:
        return std::exp(x);
    case W_LN:
        if (x <= 0) throw ECalcError("Bad Argument Value");
        return std::log(x);
    case W_SQRT:
        if (x < 0) throw ECalcError("Bad Argument Value");
        return std::sqrt(x);
    }
    throw ECalcError("Bad Argument Type");
}

int TypeNumber(const TNibs& o) {
    const int w = WordOf(o);
    if (w >= 0) return WordInfo(w).Arity ? 18 : 19;
    switch (PrologOf(o)) {
    case PrologReal:
        return 0;
    case PrologComplex:
        return 1;
    case PrologString:
        return 2;
    case PrologList:
        return 5;
    case PrologGlobal:
        return 6;
    case PrologProgram:
        return 8;
    case PrologAlgebraic:
        return 9;
    case PrologBinInt:
        return 10;
    case PrologGrob:
        return 11;
    case PrologTagged:
        return 12;
    case PrologDirectory:
        return 15;
    case PrologBackup:
        return 17;
    }
    return 20;
}

bool SameObject(const TNibs& a, const TNibs& b) {
    if (IsNumber(PrologOf(a)) && IsNumber(PrologOf(b))) return ComplexValue(a) == ComplexValue(b);
    return a == b;
}

} // namespace

std::string TCalcMachine::ToText(const TNibs& obj) const {
    if (PrologOf(obj) == PrologString) return StringChars(obj);
    return Decompile(obj, Mode());
}

TNibs TCalcMachine::Symbolic2(const TNibs& a, const TNibs& b, int word) const {
    auto items = AlgebraicItems(a);
    for (auto& item : AlgebraicItems(b)) items.push_back(std::move(item));
    items.push_back(WordObject(word));
    return MakeComposite(PrologAlgebraic, items);
}

void TCalcMachine::Arithmetic(int word) {
    if (WordInfo(word).Arity == 1) {
        const TNibs& x = Peek();
        const uint32_t p = PrologOf(x);
        TNibs r;
        if (p == PrologReal) {
            r = MakeReal(ApplyFunction(word, RealToDouble(RealOf(x))));
        } else if (p == PrologComplex && word == W_NEG) {
            r = ComplexObject(-ComplexValue(x));
        } else if (IsSymbolic(p)) {
            auto items = AlgebraicItems(x);
            items.push_back(WordObject(word));
            r = MakeComposite(PrologAlgebraic, items);
        } else {
            throw ECalcError("Bad Argument Type");
        }
        Stack.back() = std::move(r);
        return;
    }
    const TNibs& a = Peek(2);
    const TNibs& b = Peek(1);
    const uint32_t pa = PrologOf(a), pb = PrologOf(b);
    TNibs r;
    if (pa == PrologReal && pb == PrologReal) {
        r = MakeReal(ApplyReal(word, RealToDouble(RealOf(a)), RealToDouble(RealOf(b))));
    } else if (IsNumber(pa) && IsNumber(pb) && word != W_EQ) {
        const TComplex x = ComplexValue(a), y = ComplexValue(b);
        if (word == W_DIV && y == TComplex(0, 0)) throw ECalcError("Infinite Result");
        r = ComplexObject(word == W_ADD   ? x + y
                          : word == W_SUB ? x - y
                          : word == W_MUL ? x * y
                          : word == W_DIV ? x / y
                                          : std::pow(x, y));
    } else if (word == W_ADD && pa == PrologList) {
        auto items = CompositeItems(a);
        if (pb == PrologList) {
            for (auto& item : CompositeItems(b)) items.push_back(std::move(item));
        } else {
            items.push_back(b);
        }
        r = MakeComposite(PrologList, items);
    } else if (word == W_ADD && pb == PrologList) {
        auto items = CompositeItems(b);
        items.insert(items.begin(), a);
        r = MakeComposite(PrologList, items);
    } else if (word == W_ADD && (pa == PrologString || pb == PrologString)) {
        r = MakeString(ToText(a) + ToText(b));
    } else if (pa == PrologBinInt && (pb == PrologBinInt || pb == PrologReal)) {
        const double y = pb == PrologBinInt ? BinIntValue(b) : RealToDouble(RealOf(b));
        const double v = ApplyReal(word, BinIntValue(a), std::floor(y));
        const double wrapped = std::isfinite(v) ? std::fmod(std::floor(v), 1048576.0) : 0;
        r = MakeBinInt(uint32_t(int64_t(wrapped) & 0xFFFFF));
    } else if ((IsSymbolic(pa) || IsNumber(pa)) && (IsSymbolic(pb) || IsNumber(pb))) {
        r = Symbolic2(a, b, word);
    } else {
        throw ECalcError("Bad Argument Type");
    }
    Stack.pop_back();
    Stack.back() = std::move(r);
}

bool TCalcMachine::StackWord(int word) {
    switch (word) {
    case W_ADD:
    case W_SUB:
    case W_MUL:
    case W_DIV:
    case W_POW:
    case W_NEG:
    case W_EQ:
    case W_SIN:
    case W_COS:
    case W_TAN:
    case W_SQ:
    case W_ABS:
    case W_INV:
    case W_EXP:
    case W_LN:
    case W_SQRT:
        Arithmetic(word);
        return true;
    case W_SAME: {
        const bool same = SameObject(Peek(2), Peek(1));
        Stack.resize(Stack.size() - 2);
        Push(MakeReal(same ? 1.0 : 0.0));
        return true;
    }
    case W_DUP:
        Push(TNibs(Peek()));
        return true;
    case W_DROP:
        Pop();
        return true;
    case W_SWAP:
        Need(2);
        std::swap(Stack[Stack.size() - 1], Stack[Stack.size() - 2]);
        return true;
    case W_OVER:
        Push(TNibs(Peek(2)));
        return true;
    case W_ROT: {
        Need(3);
        TNibs third = std::move(Stack[Stack.size() - 3]);
        Stack.erase(Stack.end() - 3);
        Push(std::move(third));
        return true;
    }
    case W_CLEAR:
        Stack.clear();
        return true;
    case W_DEPTH:
        Push(MakeReal(double(Stack.size())));
        return true;
    case W_DUPN:
    case W_DROPN:
    case W_PICK: {
        const double n = PeekReal();
        if (n < 0 || n != std::floor(n) || n > double(Stack.size()) - 1 ||
            (word == W_PICK && n < 1))
            throw ECalcError(n < 0 || n != std::floor(n) ? "Bad Argument Value"
                                                         : "Too Few Arguments");
        const size_t k = size_t(n);
        if (word == W_DUPN) { // room for the copies first
            size_t total = 0;
            for (const auto& o : Stack) total += o.size();
            for (size_t i = 1; i <= k; ++i) total += Peek(i + 1).size();
            if (total > Info.MemoryNibbles || Stack.size() + k > 10'000)
                throw ECalcError("Insufficient Memory");
        }
        Stack.pop_back();
        if (word == W_DUPN) {
            const size_t start = Stack.size() - k;
            for (size_t i = 0; i < k; ++i) Stack.push_back(Stack[start + i]);
        } else if (word == W_DROPN) {
            Stack.resize(Stack.size() - k);
        } else {
            Push(TNibs(Stack[Stack.size() - k]));
        }
        return true;
    }
    case W_EVAL:
        EvalObject(Pop());
        return true;
    case W_TOLIST: {
        const double n = PeekReal();
        if (n < 0 || n != std::floor(n)) throw ECalcError("Bad Argument Value");
        if (n > double(Stack.size()) - 1) throw ECalcError("Too Few Arguments");
        Stack.pop_back();
        const auto start = Stack.end() - ptrdiff_t(n);
        const std::vector<TNibs> items(start, Stack.end());
        Stack.erase(start, Stack.end());
        Push(MakeComposite(PrologList, items));
        return true;
    }
    case W_LISTTO: {
        if (PrologOf(Peek()) != PrologList) throw ECalcError("Bad Argument Type");
        const auto items = CompositeItems(Pop());
        for (const auto& item : items) Push(item);
        Push(MakeReal(double(items.size())));
        return true;
    }
    case W_GET: {
        const double n = PeekReal();
        if (PrologOf(Peek(2)) != PrologList) throw ECalcError("Bad Argument Type");
        const auto items = CompositeItems(Peek(2));
        if (n < 1 || n > double(items.size()) || n != std::floor(n))
            throw ECalcError("Bad Argument Value");
        Stack.resize(Stack.size() - 2);
        Push(items[size_t(n) - 1]);
        return true;
    }
    case W_SIZE: {
        const TNibs& o = Peek();
        double n = 1;
        if (PrologOf(o) == PrologList) n = double(CompositeItems(o).size());
        if (PrologOf(o) == PrologString) n = double(StringChars(o).size());
        Stack.back() = MakeReal(n);
        return true;
    }
    case W_DOSUBS: {
        const double n = PeekReal(2);
        if (PrologOf(Peek(3)) != PrologList) throw ECalcError("Bad Argument Type");
        const auto items = CompositeItems(Peek(3));
        if (n < 1 || n != std::floor(n) || n > double(items.size()))
            throw ECalcError("Bad Argument Value");
        const TNibs prog = Pop();
        Stack.resize(Stack.size() - 2);
        const size_t before = Stack.size();
        for (size_t i = 0; i + size_t(n) <= items.size(); ++i) {
            for (size_t k = 0; k < size_t(n); ++k) Push(items[i + k]);
            EvalObject(prog);
            if (Stack.size() < before) throw ECalcError("Too Few Arguments");
        }
        const std::vector<TNibs> results(Stack.begin() + ptrdiff_t(before), Stack.end());
        Stack.resize(before);
        Push(MakeComposite(PrologList, results));
        return true;
    }
    case W_TYPE:
        Stack.back() = MakeReal(double(TypeNumber(Peek())));
        return true;
    case W_TOSTR:
        if (PrologOf(Peek()) != PrologString) Stack.back() = MakeString(ToText(Peek()));
        return true;
    case W_STRTO:
    case W_OBJTO: {
        const TNibs& o = Peek();
        const uint32_t p = PrologOf(o);
        if (p == PrologString) {
            std::vector<TNibs> seq;
            try {
                seq = CompileText(StringChars(o), Mode());
            } catch (const ESyntax&) {
                throw ECalcError("Invalid Syntax");
            }
            Stack.pop_back();
            RunRange(seq, 0, seq.size());
        } else if (word == W_OBJTO && p == PrologList) {
            RunWord(W_LISTTO);
        } else if (word == W_OBJTO && p == PrologComplex) {
            const TNibs z = Pop();
            Push(MakeReal(ComplexRe(z)));
            Push(MakeReal(ComplexIm(z)));
        } else if (word == W_OBJTO && p == PrologTagged) {
            const TNibs t = Pop();
            Push(TaggedObject(t));
            Push(MakeString(TagOf(t)));
        } else {
            throw ECalcError("Bad Argument Type");
        }
        return true;
    }
    }
    return false;
}

} // namespace lw::sim
