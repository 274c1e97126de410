// A small stand-in for the calculator model: variables as object files in one directory,
// scripted outcomes, a fixed screen.
#pragma once
#include "sim/calc/SimCalculator.h"

#include <map>
#include <set>
#include <string>

namespace lw::test {

class TFakeCalculator : public sim::ISimCalculator {
public:
    sim::TModel Model() const override { return sim::TModel::KB; }
    std::string ObjectFileHeader() const override { return "ZQZQKB-R"; }
    std::string IdentText() const override { return "XMODEM server (fake)"; }
    std::string Listing() const override {
        return std::string("\x01X\x2C\x2A\x0B\x00\x00\x00\x00", 10);
    }
    std::string FreeMemoryText() const override { return "12345.5"; }
    bool GetVariable(const std::string& name, std::string& file) const override {
        auto it = Vars.find(name);
        if (it == Vars.end()) return false;
        file = it->second;
        return true;
    }
    bool PutVariable(const std::string& name, const std::string& file) override {
        if (file.compare(0, 4, "ZQZQ") != 0) return false;
        Vars[name] = file;
        return true;
    }
    sim::TScriptOutcome RunScript(const std::string& script) override {
        auto it = Outcomes.find(script);
        return it == Outcomes.end() ? sim::TScriptOutcome{} : it->second;
    }
    void SetFlag(int flag, bool set) override {
        if (set)
            Flags.insert(flag);
        else
            Flags.erase(flag);
    }
    bool Flag(int flag) const override { return Flags.count(flag) > 0; }
    std::string ScreenRows() const override { return Screen; }
    std::string StackText() const override { return ""; }
    void LoadFromFolder(const std::string&) override {}
    void SaveToFolder(const std::string&) const override {}

    std::map<std::string, std::string> Vars;
    std::map<std::string, sim::TScriptOutcome> Outcomes;
    std::set<int> Flags;
    std::string Screen;
};

} // namespace lw::test
