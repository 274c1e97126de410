// The list of usable ports: "Auto", the serial devices that can be opened exclusively, and
// the USB calculators present.
#include "link/PortPosix.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace lw {
namespace {

std::string PortListSeparator = "\n";

// Names in `dir` made of `prefix` and a decimal number, in numeric order.
std::vector<std::string> NumberedEntries(const std::string& dir, const std::string& prefix) {
    std::vector<std::pair<long, std::string>> found;
    if (DIR* d = ::opendir(dir.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            const std::string name = e->d_name;
            if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
                continue;
            const std::string digits = name.substr(prefix.size());
            if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
                continue;
            found.emplace_back(std::atol(digits.c_str()), name);
        }
        ::closedir(d);
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (auto& f : found) names.push_back(std::move(f.second));
    return names;
}

} // namespace

namespace port {

std::string ListPortsIn(const std::string& devDir, const std::string& usbRoot) {
    std::string list = "Auto\n";
    for (const char* prefix : {"ttyS", "ttyUSB", "ttyACM"}) {
        const bool needUart = std::string(prefix) == "ttyS";
        for (const std::string& name : NumberedEntries(devDir, prefix)) {
            const std::string path = devDir + "/" + name;
            int err = 0;
            const int fd = OpenSerialDevice(path, err);
            if (fd < 0) continue;
            const bool usable = !needUart || HasUart(fd);
            CloseSerialDevice(fd);
            if (usable) list += path + PortListSeparator;
        }
    }
    for (const char* suffix : {"", "_1", "_2", "_3", "_4"}) {
        const std::string dir = usbRoot + "/" + UsbDeviceName + suffix;
        const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) continue;
        ::close(fd);
        list += std::string(UsbCalculatorText) + suffix + PortListSeparator;
    }
    return list;
}

} // namespace port

void SetPortListSeparator(const std::string& separator) {
    PortListSeparator = separator;
}

std::string ListPorts() {
    return port::ListPortsIn("/dev", UsbRoot());
}

} // namespace lw
