// Variables, directories, flags, display, memory and the backup and restore words.
#include "sim/calc/CalcMachine.h"
#include "sim/calc/CalcReal.h"
#include "sim/calc/CalcWords.h"

#include <algorithm>
#include <cmath>

namespace lw::sim {

namespace {

constexpr double MaxWaitSeconds = 3600;
const char* const CopyrightText = "Copyright ZQ 2026";

int FlagNumber(double v) {
    if (v != std::floor(v) || v == 0 || v < -64 || v > 64) throw ECalcError("Bad Argument Value");
    return int(v);
}

} // namespace

TNibs TCalcMachine::FlagsList() const {
    std::vector<TNibs> words;
    for (const auto* flags : {&SysFlags, &UserFlags}) {
        for (size_t w = 0; w < 4; ++w) {
            uint32_t v = 0;
            for (size_t b = 0; b < 16; ++b)
                if ((*flags)[w * 16 + b]) v |= 1u << b;
            words.push_back(MakeBinInt(v));
        }
    }
    return MakeComposite(PrologList, words);
}

void TCalcMachine::StoreFlags(const TNibs& obj) {
    std::vector<TNibs> words;
    if (PrologOf(obj) == PrologBinInt) words.push_back(obj);
    if (PrologOf(obj) == PrologList) words = CompositeItems(obj);
    if (words.empty() || words.size() > 8) throw ECalcError("Bad Argument Type");
    for (const auto& w : words)
        if (PrologOf(w) != PrologBinInt) throw ECalcError("Bad Argument Type");
    for (size_t i = 0; i < words.size(); ++i) {
        auto& flags = i < 4 ? SysFlags : UserFlags;
        const uint32_t v = BinIntValue(words[i]);
        for (size_t b = 0; b < 16; ++b) flags[(i % 4) * 16 + b] = (v >> b) & 1;
    }
}

void TCalcMachine::Display(const TNibs& obj, double line) {
    const int n = int(std::clamp(line, 1.0, double(Lines.size())));
    Lines[size_t(n - 1)] = ToText(obj);
    Frozen = true;
}

TNibs TCalcMachine::BackupObject() const {
    return MakeBackup(TCalcMemory::DirectoryObject(Mem.Home()));
}

bool TCalcMachine::SystemWord(int word) {
    switch (word) {
    case W_STO: {
        const std::string name = PeekName();
        Need(2);
        TDir& dir = Mem.Current();
        if (const TVar* old = dir.Find(name); old && old->IsDir())
            throw ECalcError("Directory Not Allowed");
        if (Mem.UsedNibbles() + Peek(2).size() > Info.MemoryNibbles)
            throw ECalcError("Insufficient Memory");
        try {
            Mem.Store(dir, name, Peek(2));
        } catch (const EBadObject&) {
            throw ECalcError("Bad Argument Type");
        }
        Stack.resize(Stack.size() - 2);
        return true;
    }
    case W_RCL: {
        const TVar* var = Lookup(PeekName());
        if (!var) throw ECalcError("Undefined Name");
        Stack.back() = TCalcMemory::ObjectOf(*var);
        return true;
    }
    case W_PURGE: {
        std::vector<std::string> names;
        if (PrologOf(Peek()) == PrologList) {
            for (const auto& item : CompositeItems(Peek())) {
                Push(item);
                names.push_back(PeekName());
                Stack.pop_back();
            }
        } else {
            names.push_back(PeekName());
        }
        TDir& dir = Mem.Current();
        for (const auto& name : names)
            if (const TVar* v = dir.Find(name); v && v->IsDir() && !v->Dir->Vars.empty())
                throw ECalcError("Non-Empty Directory");
        for (const auto& name : names) Mem.Remove(dir, name);
        Stack.pop_back();
        return true;
    }
    case W_PGDIR: {
        const std::string name = PeekName();
        const TVar* v = Mem.Current().Find(name);
        if (!v) throw ECalcError("Undefined Name");
        if (!v->IsDir()) throw ECalcError("Bad Argument Type");
        Mem.Remove(Mem.Current(), name);
        Stack.pop_back();
        return true;
    }
    case W_CRDIR: {
        const std::string name = PeekName();
        if (Mem.Current().Find(name)) throw ECalcError("Name Conflict");
        Mem.Store(Mem.Current(), name, TCalcMemory::DirectoryObject(TDir{}));
        Stack.pop_back();
        return true;
    }
    case W_HOME:
        Mem.SetCurrent(Mem.Home());
        return true;
    case W_UPDIR:
        if (Mem.Current().Parent) Mem.SetCurrent(*Mem.Current().Parent);
        return true;
    case W_PATH: {
        std::vector<TNibs> names;
        for (const auto& n : Mem.CurrentPath()) names.push_back(MakeGlobal(n));
        Push(MakeComposite(PrologList, names));
        return true;
    }
    case W_SF:
    case W_CF:
    case W_FSQ:
    case W_FCQ: {
        const int flag = FlagNumber(PeekReal());
        Stack.pop_back();
        if (word == W_SF || word == W_CF)
            SetFlag(flag, word == W_SF);
        else
            Push(MakeReal(Flag(flag) == (word == W_FSQ) ? 1.0 : 0.0));
        return true;
    }
    case W_RCLF:
        Push(FlagsList());
        return true;
    case W_STOF:
        StoreFlags(Peek());
        Stack.pop_back();
        return true;
    case W_STWS:
        WordSize = int(std::clamp(PeekReal(), 1.0, 64.0));
        Stack.pop_back();
        return true;
    case W_RCWS:
        Push(MakeReal(double(WordSize)));
        return true;
    case W_STD:
        return true;
    case W_DEG:
    case W_RAD:
    case W_GRAD:
        SetFlag(-17, word == W_RAD);
        SetFlag(-18, word == W_GRAD);
        return true;
    case W_MEM: {
        const size_t used = Mem.UsedNibbles();
        const size_t free = used < Info.MemoryNibbles ? Info.MemoryNibbles - used : 0;
        Push(MakeReal(double(free) / 2));
        return true;
    }
    case W_NEWOB:
        Need(1);
        return true;
    case W_VERSION:
        Push(MakeString(Info.VersionText));
        Push(MakeString(CopyrightText));
        return true;
    case W_SYSEVAL:
        if (PrologOf(Peek()) != PrologBinInt) throw ECalcError("Bad Argument Type");
        Stack.pop_back(); // the system routines the PC calls need no answer here
        return true;
    case W_RESTORE: {
        const TNibs& b = Peek();
        if (PrologOf(b) != PrologBackup) throw ECalcError("Bad Argument Type");
        try {
            TCalcMemory::DirectoryFromObject(b.substr(10)); // check before anything changes
            Mem.ReplaceHome(b.substr(10));
        } catch (const EBadObject&) {
            throw ECalcError("Bad Argument Value");
        }
        Stack.clear();
        Outcome.Action = TScriptOutcome::StopServer;
        Stopped = true;
        return true;
    }
    case W_CLLCD:
        Lines = {};
        Frozen = true;
        return true;
    case W_DISP: {
        const double line = PeekReal();
        Need(2);
        Display(Peek(2), line);
        Stack.resize(Stack.size() - 2);
        return true;
    }
    case W_WAIT: {
        const double s = std::clamp(PeekReal(), 0.0, MaxWaitSeconds);
        Stack.pop_back();
        Outcome.RunMs += uint32_t(std::lround(s * 1000));
        return true;
    }
    case W_SENDMEM:
        Outcome.Action = TScriptOutcome::SendObject;
        Outcome.Payload = ObjectFile(Info.Header, BackupObject());
        return true;
    case W_XSERVER:
        Lines = {};
        Lines[0] = "XModem Server";
        Frozen = true;
        return true;
    }
    return false;
}

} // namespace lw::sim
