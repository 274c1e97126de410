#include "sim/calc/CalcMemory.h"

namespace lw::sim {

namespace {

void AppendNameField(TNibs& o, const std::string& name) {
    AppendField(o, uint32_t(name.size()), 2);
    o += BytesToNibs(name);
    AppendField(o, uint32_t(name.size()), 2);
}

std::unique_ptr<TDir> ParseDirectory(const TNibs& obj, size_t pos, size_t& end, int depth) {
    if (depth > 64 || ReadField(obj, pos, 5) != PrologDirectory)
        throw EBadObject("not a directory object");
    auto dir = std::make_unique<TDir>();
    const uint32_t f = ReadField(obj, pos + 8, 5);
    if (f == 0) {
        end = pos + 13;
        return dir;
    }
    const size_t last = pos + 8 + f;
    size_t p = pos + 13;
    for (;;) {
        if (p > last) throw EBadObject("directory entries overrun their last entry");
        const size_t n = ReadField(obj, p, 2);
        if (n == 0 || ReadField(obj, p + 2 + 2 * n, 2) != n) throw EBadObject("bad entry name");
        TVar var;
        var.Name = NibsToBytes(std::string_view(obj).substr(p + 2, 2 * n));
        const size_t start = p + 4 + 2 * n;
        size_t objEnd = 0;
        if (ReadField(obj, start, 5) == PrologDirectory) {
            var.Dir = ParseDirectory(obj, start, objEnd, depth + 1);
            var.Dir->Parent = dir.get();
        } else {
            objEnd = ObjectEnd(obj, start);
            var.Obj = obj.substr(start, objEnd - start);
        }
        dir->Vars.push_back(std::move(var));
        if (p == last) {
            end = objEnd;
            return dir;
        }
        p = objEnd + 5; // past the next entry's back link
    }
}

void ListDir(const TDir& dir, std::string& out) {
    for (const auto& v : dir.Vars) {
        const TNibs obj = TCalcMemory::ObjectOf(v);
        const uint32_t prolog = PrologOf(obj);
        const auto size = uint32_t(obj.size());
        out += char(v.Name.size());
        out += v.Name;
        out += char(prolog & 0xFF);
        out += char((prolog >> 8) & 0xFF);
        out += char(size & 0xFF);
        out += char((size >> 8) & 0xFF);
        out += char((size >> 16) & 0x0F);
        out += '\0';
        out += '\0';
        if (v.IsDir()) {
            ListDir(*v.Dir, out);
            out += '\0';
        }
    }
}

} // namespace

TVar* TDir::Find(const std::string& name) {
    for (auto& v : Vars)
        if (v.Name == name) return &v;
    return nullptr;
}

const TVar* TDir::Find(const std::string& name) const {
    return const_cast<TDir*>(this)->Find(name);
}

TCalcMemory::TCalcMemory() : HomeDir(std::make_unique<TDir>()), Cur(HomeDir.get()) {}

std::vector<std::string> TCalcMemory::CurrentPath() const {
    std::vector<std::string> names;
    for (const TDir* d = Cur; d->Parent; d = d->Parent) {
        for (const auto& v : d->Parent->Vars)
            if (v.Dir.get() == d) names.insert(names.begin(), v.Name);
    }
    names.insert(names.begin(), "HOME");
    return names;
}

void TCalcMemory::Store(TDir& dir, const std::string& name, const TNibs& obj) {
    TVar var;
    var.Name = name;
    if (PrologOf(obj) == PrologDirectory) {
        size_t end = 0;
        var.Dir = ParseDirectory(obj, 0, end, 0);
        var.Dir->Parent = &dir;
    } else {
        var.Obj = obj;
    }
    if (TVar* old = dir.Find(name)) {
        for (TDir* d = Cur; d; d = d->Parent)
            if (old->Dir && d == old->Dir.get()) Cur = &dir;
        *old = std::move(var);
    } else {
        dir.Vars.insert(dir.Vars.begin(), std::move(var));
    }
}

bool TCalcMemory::Remove(TDir& dir, const std::string& name) {
    for (auto it = dir.Vars.begin(); it != dir.Vars.end(); ++it) {
        if (it->Name != name) continue;
        for (TDir* d = Cur; d; d = d->Parent)
            if (it->Dir && d == it->Dir.get()) Cur = &dir;
        dir.Vars.erase(it);
        return true;
    }
    return false;
}

void TCalcMemory::ReplaceHome(const TNibs& directoryObject) {
    size_t end = 0;
    HomeDir = ParseDirectory(directoryObject, 0, end, 0);
    Cur = HomeDir.get();
}

void TCalcMemory::Clear() {
    HomeDir = std::make_unique<TDir>();
    Cur = HomeDir.get();
}

TNibs TCalcMemory::ObjectOf(const TVar& var) {
    return var.IsDir() ? DirectoryObject(*var.Dir) : var.Obj;
}

TNibs TCalcMemory::DirectoryObject(const TDir& dir) {
    TNibs o;
    AppendField(o, PrologDirectory, 5);
    AppendField(o, 0, 3);
    AppendField(o, 0, 5); // offset to the last entry, filled in below
    size_t previous = 0;
    for (size_t i = 0; i < dir.Vars.size(); ++i) {
        if (i > 0) AppendField(o, uint32_t(o.size() - previous), 5);
        previous = o.size();
        AppendNameField(o, dir.Vars[i].Name);
        o += ObjectOf(dir.Vars[i]);
    }
    if (!dir.Vars.empty()) WriteField(o, 8, uint32_t(previous - 8), 5);
    return o;
}

std::unique_ptr<TDir> TCalcMemory::DirectoryFromObject(const TNibs& obj) {
    size_t end = 0;
    return ParseDirectory(obj, 0, end, 0);
}

std::string TCalcMemory::Listing() const {
    std::string out;
    ListDir(*HomeDir, out);
    out += '\0';
    return out;
}

} // namespace lw::sim
