#include "support/gui/SimCalc.h"

#include "link/CalcNames.h"
#include "objects/ObjectTypes.h"

namespace lw::test {

std::map<std::string, std::vector<TSimEntry>> SimMemory(sim::TSimulator& sim) {
    std::string listing;
    sim.Invoke([&listing](sim::ISimCalculator& calc) { listing = calc.Listing(); });
    std::map<std::string, std::vector<TSimEntry>> memory;
    std::vector<std::string> open{"HOME"};
    memory["HOME"];
    const auto byte = [&listing](size_t at) { return static_cast<unsigned char>(listing[at]); };
    size_t pos = 0;
    while (pos < listing.size() && !open.empty()) {
        const size_t n = byte(pos);
        if (n == 0) {
            open.pop_back();
            ++pos;
            continue;
        }
        TSimEntry e;
        e.Name = NameToFile(listing.substr(pos + 1, n), false);
        pos += n + 1;
        const uint32_t prolog = byte(pos) | byte(pos + 1) << 8;
        int row = 0;
        PrologName(prolog, row, e.Type);
        const uint32_t nibbles = byte(pos + 2) | byte(pos + 3) << 8 | (byte(pos + 4) & 15) << 16;
        e.Size = int((nibbles + 1) / 2);
        e.Dir = prolog == 0x2A96;
        pos += 7;
        memory[open.back()].push_back(e);
        if (e.Dir) {
            open.push_back(open.back() + " " + e.Name);
            memory[open.back()];
        }
    }
    return memory;
}

std::string SimObjectFile(sim::TSimulator& sim, const std::string& path, const std::string& name) {
    std::string file;
    sim.Invoke([&](sim::ISimCalculator& calc) {
        calc.RunScript(FileToName(path, false));
        if (!calc.GetVariable(FileToName(name, false), file)) file.clear();
        calc.RunScript("HOME");
    });
    return file;
}

} // namespace lw::test
