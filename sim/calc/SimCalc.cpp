// The calculator model behind the simulated calculator's XModem server.
#include "link/CalcNames.h"
#include "sim/calc/CalcMachine.h"
#include "sim/calc/CalcScreen.h"
#include "sim/calc/SampleMemory.h"
#include "util/Files.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <stdexcept>

namespace lw::sim {

namespace {

namespace fs = std::filesystem;

constexpr uint32_t DefaultBaseMs = 30;
constexpr size_t KiB = 1024;

// The ROM version sits at a fixed place of the VERSION text: 23 characters in, so that it
// is 6 bytes from byte 46 of the identification's object file.
const std::string KbVersionLead = "Version ZQ-KBg ROM id: ";
static_assert(sizeof("Version ZQ-KBg ROM id: ") - 1 == 23);
const std::string KbRomVersion = "3.07-Q";

std::string KbVersionText(bool version11) {
    return KbVersionLead + KbRomVersion + "\nRevision " + (version11 ? "#1.1-Q" : "#3.07 ZQ-B") +
           " Firmware";
}

TModelInfo InfoOf(TModel model) {
    TModelInfo info;
    info.Model = model;
    info.Header = ModelHeader(model);
    info.VersionText = model == TModel::KA ? "Version ZQ-KAg ROM R" : KbVersionText(false);
    info.MemoryNibbles = (model == TModel::KA ? 256 : 512) * KiB * 2;
    return info;
}

// A calculator name as a file or folder name; "." and ".." are escaped so that no name
// addresses another folder.
std::string FileNameOf(const std::string& name) {
    std::string f = NameToFile(name, true);
    if (f.empty() || f == "." || f == "..") f = "^046" + f.substr(std::min<size_t>(1, f.size()));
    return f;
}

void LoadDir(TCalcMemory& mem, TDir& dir, const fs::path& folder) {
    std::vector<fs::directory_entry> entries(fs::directory_iterator(folder), {});
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
        return a.path().filename() < b.path().filename();
    });
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        const fs::path& p = it->path();
        if (it->is_directory()) {
            const std::string name = FileToName(p.filename().string(), true);
            mem.Store(dir, name, TCalcMemory::DirectoryObject(TDir{}));
            LoadDir(mem, *dir.Find(name)->Dir, p);
        } else if (p.extension() == ".zq") {
            TNibs obj;
            if (!ObjectOfFile(ReadFileToString(p.string()), obj))
                throw std::runtime_error("not a calculator object file: " + p.string());
            mem.Store(dir, FileToName(p.stem().string(), true), obj);
        }
    }
}

// Removes the object files of variables that are gone, and their folders when nothing else
// is left in them; other files stay.
void RemoveStale(const fs::path& path) {
    if (fs::is_directory(path)) {
        for (const auto& e : std::vector<fs::directory_entry>(fs::directory_iterator(path), {}))
            RemoveStale(e.path());
        if (fs::is_empty(path)) fs::remove(path);
    } else if (path.extension() == ".zq") {
        fs::remove(path);
    }
}

void SaveDir(const TDir& dir, const fs::path& folder, const std::string& header) {
    fs::create_directories(folder);
    std::set<fs::path> written;
    for (const auto& v : dir.Vars) {
        if (v.IsDir()) {
            written.insert(folder / FileNameOf(v.Name));
            SaveDir(*v.Dir, folder / FileNameOf(v.Name), header);
        } else {
            const fs::path file = folder / (FileNameOf(v.Name) + ".zq");
            written.insert(file);
            if (fs::is_directory(file)) RemoveStale(file);
            WriteStringToFile(ObjectFile(header, v.Obj), file.string());
        }
    }
    for (const auto& e : std::vector<fs::directory_entry>(fs::directory_iterator(folder), {}))
        if (!written.count(e.path())) RemoveStale(e.path());
}

class TSimCalculator : public ISimCalculator {
public:
    TSimCalculator(TModel model, bool sample) : M(InfoOf(model)) {
        if (sample) FillSampleMemory(M.Mem);
    }

    TModel Model() const override { return M.Info.Model; }
    std::string ObjectFileHeader() const override { return M.Info.Header; }
    std::string IdentText() const override {
        return M.Info.Model == TModel::KA ? "ZQ KAg XModem Server R" : "ZQ KBg XModem Server";
    }
    std::string Listing() const override { return M.Mem.Listing(); }
    std::vector<std::string> HomeVariables() const override {
        std::vector<std::string> names;
        for (const TVar& v : M.Mem.Home().Vars)
            if (!v.IsDir()) names.push_back(v.Name);
        return names;
    }
    std::string FreeMemoryText() const override { return M.FreeMemoryText(); }

    bool GetVariable(const std::string& name, std::string& objectFile) const override {
        const TVar* v = M.Mem.Current().Find(name);
        if (!v) return false;
        objectFile = ObjectFile(M.Info.Header, TCalcMemory::ObjectOf(*v));
        return true;
    }

    bool PutVariable(const std::string& name, const std::string& objectFile) override {
        TNibs obj;
        if (name.empty() || name.size() > 255 || !ObjectOfFile(objectFile, obj)) return false;
        TDir& dir = M.Mem.Current();
        if (M.Mem.UsedNibbles() + obj.size() > M.Info.MemoryNibbles) return false;
        try {
            // Like STO, a put never replaces a directory (and all it holds).
            if (const TVar* old = dir.Find(name); old && old->IsDir()) return false;
            M.Mem.Store(dir, name, obj);
        } catch (const EBadObject&) {
            return false;
        }
        return true;
    }

    TScriptOutcome RunScript(const std::string& script) override {
        TScriptOutcome out = M.Run(script);
        out.RunMs += FixedMs ? FixedMs : BaseMs;
        return out;
    }

    void SetFlag(int flag, bool set) override { M.SetFlag(flag, set); }
    bool Flag(int flag) const override { return M.Flag(flag); }
    std::string ScreenRows() const override { return RenderScreen(M, Mode()); }
    std::string StackText() const override {
        std::string out;
        for (const auto& o : M.Stack) out += Decompile(o, Mode()) + "\n";
        if (!out.empty()) out.pop_back();
        return out;
    }

    void LoadFromFolder(const std::string& dir) override {
        if (!fs::is_directory(dir)) throw std::runtime_error("no such folder: " + dir);
        TCalcMemory mem;
        try {
            LoadDir(mem, mem.Home(), dir);
        } catch (const fs::filesystem_error& e) {
            throw std::runtime_error(e.what());
        } catch (const EBadObject& e) {
            throw std::runtime_error(std::string("bad object in ") + dir + ": " + e.what());
        }
        M.Mem.ReplaceHome(TCalcMemory::DirectoryObject(mem.Home()));
    }

    void SaveToFolder(const std::string& dir) const override {
        try {
            SaveDir(M.Mem.Home(), dir, M.Info.Header);
        } catch (const fs::filesystem_error& e) {
            throw std::runtime_error(e.what());
        }
    }

    void SetScriptTiming(uint32_t baseMs, uint32_t fixedMs) override {
        BaseMs = baseMs;
        FixedMs = fixedMs;
    }
    void SetVersion11(bool on) override {
        if (M.Info.Model == TModel::KB) M.Info.VersionText = KbVersionText(on);
    }
    std::string DisplayText() const override { return M.DisplayText(); }
    std::string LastError() const override { return M.LastError(); }
    std::vector<std::string> CurrentPath() const override { return M.Mem.CurrentPath(); }

private:
    TCalcMachine M;
    uint32_t BaseMs = DefaultBaseMs;
    uint32_t FixedMs = 0;

    TTextMode Mode() const { return M.Mode(); }
};

} // namespace

std::unique_ptr<ISimCalculator> CreateSampleCalculator(TModel model) {
    return std::make_unique<TSimCalculator>(model, true);
}

std::unique_ptr<ISimCalculator> CreateEmptyCalculator(TModel model) {
    return std::make_unique<TSimCalculator>(model, false);
}

} // namespace lw::sim
