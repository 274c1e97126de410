// The calculator's language at run time: the stack, the flags, the display and the
// evaluation of programs, algebraics, names and built-in words over the memory.
#pragma once
#include "sim/calc/CalcMemory.h"
#include "sim/calc/CalcText.h"
#include "sim/calc/SimCalculator.h"

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

namespace lw::sim {

// A calculator error ("Too Few Arguments", "Undefined Name", ...): it ends the command
// line unless an IFERR catches it.
class ECalcError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TModelInfo {
    TModel Model = TModel::KB;
    std::string Header;      // object file header
    std::string VersionText; // first result of VERSION
    size_t MemoryNibbles = 0;
};

class TCalcMachine {
public:
    explicit TCalcMachine(TModelInfo info) : Info(std::move(info)) {}

    TCalcMemory Mem;
    std::vector<TNibs> Stack;
    TModelInfo Info;

    // Runs a command line; the outcome's RunMs counts only WAIT time here.
    TScriptOutcome Run(const std::string& script);

    bool Flag(int flag) const;
    void SetFlag(int flag, bool set);
    TTextMode Mode() const;
    std::string FreeMemoryText() const;
    // The lines shown by DISP since the display was last cleared ("" when none), and the
    // last error that reached the top of a command line.
    std::string DisplayText() const;
    const std::string& LastError() const { return Error; }
    bool DisplayFrozen() const { return Frozen; }
    const std::array<std::string, 8>& DisplayLines() const { return Lines; }

private:
    std::array<bool, 64> SysFlags{};
    std::array<bool, 64> UserFlags{};
    int WordSize = 64;
    std::array<std::string, 8> Lines;
    bool Frozen = false;
    std::string Error;
    TScriptOutcome Outcome;
    bool Stopped = false;
    int Depth = 0;
    uint64_t Steps = 0;

    // Evaluation (CalcMachine.cpp).
    void RunRange(const std::vector<TNibs>& seq, size_t from, size_t to);
    void Execute(const TNibs& item);
    void EvalObject(const TNibs& obj);
    void EvalName(const std::string& name, bool pushUnknown);
    void EvalAlgebraic(const TNibs& obj);
    void RunWord(int word);
    bool Symbolic = false;
    // The local variables of the running → structures, innermost last.
    std::vector<std::vector<std::pair<std::string, TNibs>>> LocalFrames;
    void RunLocals(const std::vector<TNibs>& seq, size_t at, size_t to, size_t& next);

    // The stack and the variables share the calculator's memory: "Insufficient Memory"
    // when the stack (CheckRoom) or the stored variables (CheckMemory) outgrow it.
    void CheckRoom() const;
    void CheckMemory() const;

    // Stack helpers.
    void Need(size_t n) const;
    TNibs Pop();
    const TNibs& Peek(size_t level = 1) const;
    void Push(TNibs obj) { Stack.push_back(std::move(obj)); }
    double PopReal();
    double PeekReal(size_t level = 1) const;
    std::string PeekName(size_t level = 1) const; // a global or a quoted name

    // Word groups (CalcStackWords.cpp, CalcSystemWords.cpp); false when not theirs.
    bool StackWord(int word);
    bool SystemWord(int word);
    void Arithmetic(int word);
    TNibs Symbolic2(const TNibs& a, const TNibs& b, int word) const;
    std::string ToText(const TNibs& obj) const;
    const TVar* Lookup(const std::string& name) const;
    TNibs FlagsList() const;
    void StoreFlags(const TNibs& obj);
    void Display(const TNibs& obj, double line);
    TNibs BackupObject() const;
};

} // namespace lw::sim
