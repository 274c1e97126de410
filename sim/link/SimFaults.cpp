#include "sim/link/SimFaults.h"

#include <cstdint>
#include <sstream>
#include <vector>

namespace lw::sim {
namespace {

bool ToNumber(const std::string& text, uint64_t& value) {
    if (text.empty() || text.size() > 12) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + uint64_t(c - '0');
    }
    return true;
}

} // namespace

std::string ApplyFaultCommand(const std::string& line, TSimFaults& faults, uint64_t bytesOut,
                              uint64_t blocksOut) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    if (w.empty()) return "";
    const std::string& cmd = w[0];
    uint64_t n = 0, ms = 0;
    auto arg = [&](size_t i, uint64_t& v) { return w.size() > i && ToNumber(w[i], v); };
    const std::string usage = "ERROR: usage: ";

    if (cmd == "drop-byte" || cmd == "corrupt-byte" || cmd == "drop-block" ||
        cmd == "corrupt-block") {
        if (!arg(1, n) || n == 0 || w.size() != 2) return usage + cmd + " N (N >= 1)";
        bool block = cmd.find("block") != std::string::npos;
        uint64_t at = (block ? blocksOut : bytesOut) + n;
        if (cmd == "drop-byte") faults.DropByteAt = at;
        if (cmd == "corrupt-byte") faults.CorruptByteAt = at;
        if (cmd == "drop-block") faults.DropBlockAt = at;
        if (cmd == "corrupt-block") faults.CorruptBlockAt = at;
        return "OK " + cmd + " " + w[1];
    }
    if (cmd == "delay-byte" || cmd == "delay-block") {
        if (!arg(1, n) || n == 0 || !arg(2, ms) || w.size() != 3 || ms > 600000)
            return usage + cmd + " N MS";
        if (cmd == "delay-byte") {
            faults.DelayByteAt = bytesOut + n;
            faults.DelayByteMs = uint32_t(ms);
        } else {
            faults.DelayBlockAt = blocksOut + n;
            faults.DelayBlockMs = uint32_t(ms);
        }
        return "OK " + cmd + " " + w[1] + " " + w[2];
    }
    if (cmd == "nak" || cmd == "zero-before-ack" || cmd == "split") {
        if (!arg(1, n) || w.size() != 2 || n > 1000000) return usage + cmd + " N";
        if (cmd == "nak") faults.NakNext = uint32_t(n);
        if (cmd == "zero-before-ack") faults.ZeroBeforeAck = uint32_t(n);
        if (cmd == "split") faults.SplitWrites = uint32_t(n);
        return "OK " + cmd + " " + w[1];
    }
    if (cmd == "throttle") {
        if (w.size() == 2 && w[1] == "auto") {
            faults.ThrottleBaud = UINT32_MAX;
            return "OK throttle auto";
        }
        if (!arg(1, n) || w.size() != 2 || (n != 0 && n < 300) || n > 10000000)
            return usage + "throttle BAUD|auto (0 = off, 300 .. 10000000)";
        faults.ThrottleBaud = uint32_t(n);
        return "OK throttle " + w[1];
    }
    if (cmd == "cancel" || cmd == "bad-checksum" || cmd == "clear-faults") {
        if (w.size() != 1) return usage + cmd;
        if (cmd == "cancel") faults.CancelNext = true;
        if (cmd == "bad-checksum") faults.BadChecksumNext = true;
        if (cmd == "clear-faults") {
            uint32_t baud = faults.ThrottleBaud, split = faults.SplitWrites;
            faults = TSimFaults{};
            faults.ThrottleBaud = baud; // line settings, not faults
            faults.SplitWrites = split;
        }
        return "OK " + cmd;
    }
    return "";
}

} // namespace lw::sim
