// Evaluation: command lines, programs with their IF and IFERR structures, names, algebraics.
#include "sim/calc/CalcMachine.h"

#include "sim/calc/CalcReal.h"
#include "sim/calc/CalcWords.h"
#include "util/ScopeExit.h"

#include <cstdio>
#include <new>
#include <tuple>
#include <utility>

namespace lw::sim {

namespace {

constexpr int MaxDepth = 100;            // nested evaluations before "Insufficient Memory"
constexpr uint64_t MaxSteps = 2'000'000; // a runaway command line is interrupted
constexpr size_t MaxStackDepth = 10'000;
constexpr uint64_t RoomCheckSteps = 16; // steps between checks of the stack's size

// The positions of THEN, ELSE (0 when absent) and END that belong to the IF or IFERR at
// `at`.
std::tuple<size_t, size_t, size_t> MatchStructure(const std::vector<TNibs>& seq, size_t at,
                                                  size_t to) {
    size_t thenAt = 0, elseAt = 0;
    int depth = 0;
    for (size_t i = at + 1; i < to; ++i) {
        const int w = WordOf(seq[i]);
        if (w == W_IF || w == W_IFERR) {
            ++depth;
        } else if (w == W_END) {
            if (depth == 0) {
                if (!thenAt) break;
                return {thenAt, elseAt, i};
            }
            --depth;
        } else if (depth == 0 && w == W_THEN && !thenAt) {
            thenAt = i;
        } else if (depth == 0 && w == W_ELSE && thenAt && !elseAt) {
            elseAt = i;
        }
    }
    throw ECalcError("Invalid Syntax");
}

// Sets a variable for a scope and puts the old value back when the scope ends.
template <typename T> auto SetForScope(T& var, T value) {
    return ScopeExit([&var, old = std::exchange(var, value)] { var = old; });
}

} // namespace

TScriptOutcome TCalcMachine::Run(const std::string& script) {
    Outcome = TScriptOutcome{};
    Stopped = false;
    Depth = 0;
    Steps = 0;
    LocalFrames.clear();
    Frozen = false;
    Error.clear();
    try {
        std::vector<TNibs> seq;
        try {
            seq = CompileText(script, Mode());
        } catch (const ESyntax&) {
            throw ECalcError("Invalid Syntax");
        }
        RunRange(seq, 0, seq.size());
    } catch (const ECalcError& e) {
        Error = e.what();
        Lines = {};
        Lines[0] = "Error:";
        Lines[1] = Error;
        Frozen = true;
    } catch (const std::bad_alloc&) {
        Error = "Insufficient Memory";
    } catch (const std::exception&) { // a malformed object met on the way
        Error = "Bad Argument Type";
    }
    return Outcome;
}

void TCalcMachine::RunRange(const std::vector<TNibs>& seq, size_t from, size_t to) {
    for (size_t i = from; i < to && !Stopped;) {
        const int w = WordOf(seq[i]);
        if (w == W_IF || w == W_IFERR) {
            const auto [thenAt, elseAt, endAt] = MatchStructure(seq, i, to);
            const size_t branchEnd = elseAt ? elseAt : endAt;
            if (w == W_IF) {
                RunRange(seq, i + 1, thenAt);
                if (PopReal() != 0)
                    RunRange(seq, thenAt + 1, branchEnd);
                else if (elseAt)
                    RunRange(seq, elseAt + 1, endAt);
            } else {
                bool failed = false;
                try {
                    RunRange(seq, i + 1, thenAt);
                } catch (const ECalcError&) {
                    failed = true;
                }
                if (failed)
                    RunRange(seq, thenAt + 1, branchEnd);
                else if (elseAt)
                    RunRange(seq, elseAt + 1, endAt);
            }
            i = endAt + 1;
            continue;
        }
        if (w == W_LOCALS) {
            RunLocals(seq, i, to, i);
            continue;
        }
        if (w == W_THEN || w == W_ELSE || w == W_END) throw ECalcError("Invalid Syntax");
        Execute(seq[i]);
        ++i;
    }
}

// → a b « ... »: takes one stack level per name (the deepest for the first name) and runs
// the program or algebraic with those names bound.
void TCalcMachine::RunLocals(const std::vector<TNibs>& seq, size_t at, size_t to, size_t& next) {
    size_t j = at + 1;
    std::vector<std::pair<std::string, TNibs>> frame;
    while (j < to && PrologOf(seq[j]) == PrologLocal) frame.push_back({GlobalName(seq[j++]), {}});
    if (frame.empty() || j >= to ||
        (PrologOf(seq[j]) != PrologProgram && PrologOf(seq[j]) != PrologAlgebraic))
        throw ECalcError("Invalid Syntax");
    Need(frame.size());
    const size_t base = Stack.size() - frame.size();
    for (size_t k = 0; k < frame.size(); ++k) frame[k].second = std::move(Stack[base + k]);
    Stack.resize(base);
    LocalFrames.push_back(std::move(frame));
    const ScopeExit pop([this] { LocalFrames.pop_back(); });
    EvalObject(seq[j]);
    next = j + 1;
}

void TCalcMachine::Execute(const TNibs& item) {
    if (++Steps > MaxSteps) throw ECalcError("Interrupted");
    if (Stack.size() > MaxStackDepth || Steps % RoomCheckSteps == 0) CheckRoom();
    const int w = WordOf(item);
    if (w >= 0) return RunWord(w);
    const uint32_t prolog = PrologOf(item);
    if (prolog == PrologGlobal || prolog == PrologLocal)
        return EvalName(GlobalName(item), Symbolic);
    if (IsQuotedName(item)) return Push(CompositeItems(item)[0]);
    Push(item);
}

void TCalcMachine::EvalObject(const TNibs& obj) {
    if (Depth >= MaxDepth) throw ECalcError("Insufficient Memory");
    const auto depthGuard = SetForScope(Depth, Depth + 1);
    switch (PrologOf(obj)) {
    case PrologProgram: {
        const auto items = CompositeItems(obj);
        const auto symbolicGuard = SetForScope(Symbolic, false);
        RunRange(items, 0, items.size());
        break;
    }
    case PrologGlobal:
        EvalName(GlobalName(obj), true);
        break;
    case PrologAlgebraic:
        if (IsQuotedName(obj))
            EvalName(GlobalName(CompositeItems(obj)[0]), true);
        else
            EvalAlgebraic(obj);
        break;
    case PrologTagged:
        Push(TaggedObject(obj));
        break;
    default:
        Push(obj);
    }
}

void TCalcMachine::EvalAlgebraic(const TNibs& obj) {
    const auto items = CompositeItems(obj);
    const auto symbolicGuard = SetForScope(Symbolic, true);
    const size_t before = Stack.size();
    RunRange(items, 0, items.size());
    if (Stack.size() != before + 1) throw ECalcError("Bad Argument Type");
}

void TCalcMachine::EvalName(const std::string& name, bool pushUnknown) {
    for (auto f = LocalFrames.rbegin(); f != LocalFrames.rend(); ++f)
        for (const auto& [local, value] : *f)
            if (local == name) return Push(value);
    const TVar* var = Lookup(name);
    if (!var) {
        // IOPAR answers with its defaults until the user stores one.
        if (name == "IOPAR") {
            std::vector<TNibs> items;
            for (double v : {9600.0, 0.0, 0.0, 0.0, 3.0, 1.0}) items.push_back(MakeReal(v));
            return Push(MakeComposite(PrologList, items));
        }
        if (pushUnknown) Push(MakeGlobal(name));
        return; // an unknown word leaves the stack as it was
    }
    if (var->IsDir()) return Mem.SetCurrent(*var->Dir);
    const uint32_t prolog = PrologOf(var->Obj);
    if (prolog == PrologProgram || (Symbolic && prolog == PrologAlgebraic)) {
        const TNibs obj = var->Obj; // the program may purge its own variable
        return EvalObject(obj);
    }
    Push(var->Obj);
}

void TCalcMachine::CheckRoom() const {
    if (Stack.size() > MaxStackDepth) throw ECalcError("Insufficient Memory");
    size_t total = 0;
    for (const auto& o : Stack) total += o.size();
    if (total > Info.MemoryNibbles) throw ECalcError("Insufficient Memory");
}

void TCalcMachine::CheckMemory() const {
    if (Mem.UsedNibbles() > Info.MemoryNibbles) throw ECalcError("Insufficient Memory");
}

const TVar* TCalcMachine::Lookup(const std::string& name) const {
    for (const TDir* d = &Mem.Current(); d; d = d->Parent)
        if (const TVar* v = d->Find(name)) return v;
    return nullptr;
}

void TCalcMachine::RunWord(int word) {
    if (StackWord(word) || SystemWord(word)) return;
    throw ECalcError("Invalid Syntax");
}

void TCalcMachine::Need(size_t n) const {
    if (Stack.size() < n) throw ECalcError("Too Few Arguments");
}

TNibs TCalcMachine::Pop() {
    Need(1);
    TNibs o = std::move(Stack.back());
    Stack.pop_back();
    return o;
}

const TNibs& TCalcMachine::Peek(size_t level) const {
    Need(level);
    return Stack[Stack.size() - level];
}

double TCalcMachine::PeekReal(size_t level) const {
    const TNibs& o = Peek(level);
    if (PrologOf(o) == PrologReal) return RealToDouble(RealOf(o));
    if (PrologOf(o) == PrologBinInt) return double(BinIntValue(o));
    throw ECalcError("Bad Argument Type");
}

double TCalcMachine::PopReal() {
    const double v = PeekReal();
    Stack.pop_back();
    return v;
}

std::string TCalcMachine::PeekName(size_t level) const {
    const TNibs& o = Peek(level);
    if (PrologOf(o) == PrologGlobal) return GlobalName(o);
    if (IsQuotedName(o)) return GlobalName(CompositeItems(o)[0]);
    throw ECalcError("Bad Argument Type");
}

bool TCalcMachine::Flag(int flag) const {
    if (flag < 0 && flag >= -64) return SysFlags[size_t(-flag - 1)];
    if (flag > 0 && flag <= 64) return UserFlags[size_t(flag - 1)];
    return false;
}

void TCalcMachine::SetFlag(int flag, bool set) {
    if (flag < 0 && flag >= -64) SysFlags[size_t(-flag - 1)] = set;
    if (flag > 0 && flag <= 64) UserFlags[size_t(flag - 1)] = set;
}

TTextMode TCalcMachine::Mode() const {
    TTextMode m;
    m.Fraction = Flag(-51) ? ',' : '.';
    m.WordSize = WordSize;
    return m;
}

std::string TCalcMachine::FreeMemoryText() const {
    const size_t used = Mem.UsedNibbles();
    const size_t free = used < Info.MemoryNibbles ? Info.MemoryNibbles - used : 0;
    return std::to_string(free / 2) + (Flag(-51) ? ',' : '.') + (free % 2 ? "5" : "0");
}

std::string TCalcMachine::DisplayText() const {
    std::string out;
    for (const auto& line : Lines) out += line + "\n";
    while (!out.empty() && out.back() == '\n') out.pop_back();
    return out;
}

} // namespace lw::sim
