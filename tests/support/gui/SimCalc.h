// The simulated calculator for GUI tests: the sample memory served in this process on a
// pseudo-terminal, and what the calculator holds, read from its own listing.
#pragma once
#include "sim/link/Simulator.h"

#include <map>
#include <memory>
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

class TGuiSim {
public:
    // Starts the sample calculator (KB); `empty`: with an empty HOME.
    explicit TGuiSim(bool empty = false);
    ~TGuiSim();
    sim::TSimulator& Sim() { return *FSim; }
    const std::string& Port() const { return FPort; }
    std::string Control(const std::string& line) { return FSim->Control(line); }
    // The calculator's directories ("HOME", "HOME WORK" ...) with their entries in listing order.
    std::map<std::string, std::vector<TSimEntry>> Memory();
    // The object file of variable `name` (display form) in directory `path`; "" when none.
    std::string ObjectFile(const std::string& path, const std::string& name);

private:
    std::unique_ptr<sim::TSimulator> FSim;
    std::string FPort;
};

} // namespace lw::test
