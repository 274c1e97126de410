// What the simulated calculator holds, read from its own listing and its memory, for GUI tests
// that check what a window did to the calculator.
#pragma once
#include "sim/link/Simulator.h"

#include <map>
#include <string>
#include <vector>

namespace lw::test {

// One entry of the calculator's memory as the calculator lists it.
struct TSimEntry {
    std::string Name; // display form
    int Size = 0;     // bytes
    std::string Type; // type name
    bool Dir = false;
    bool operator==(const TSimEntry&) const = default;
    bool operator<(const TSimEntry& o) const { return Name < o.Name; }
};

// The calculator's directories ("HOME", "HOME WORK" ...) with their entries in listing order.
std::map<std::string, std::vector<TSimEntry>> SimMemory(sim::TSimulator& sim);
// The object file of variable `name` (display form) in directory `path`; "" when none.
std::string SimObjectFile(sim::TSimulator& sim, const std::string& path, const std::string& name);

} // namespace lw::test
