// The list of usable ports: "Auto", the serial devices that can be opened exclusively, and
// the USB calculators present; and the ports this user lacks the permission to open.
#include "link/PortPosix.h"
#include "util/MessageTexts.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
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

// True when the kernel says the serial device `name` has no UART (its type is unknown).
bool KnownWithoutUart(const std::string& name) {
    std::ifstream type("/sys/class/tty/" + name + "/type");
    int value = -1;
    return (type >> value) && value == 0;
}

constexpr const char* UsbSuffixes[] = {"", "_1", "_2", "_3", "_4"};

// The errno of a permission check on a USB device's pipes (0 when both may be used). The
// pipes are not opened: a writer opening and closing them would end the calculator's read.
int UsbPipeError(const std::string& dir) {
    for (const auto& [pipe, mode] : {std::pair{"/PIPE0", R_OK}, std::pair{"/PIPE1", W_OK}})
        if (::faccessat(AT_FDCWD, (dir + pipe).c_str(), mode, AT_EACCESS) != 0) return errno;
    return 0;
}

} // namespace

namespace port {

namespace {

// Calls found(path, fd or -1, errno) for every numbered serial device of `devDir`.
template <class F> void ScanSerialDevices(const std::string& devDir, F&& found) {
    for (const char* prefix : {"ttyS", "ttyUSB", "ttyACM"}) {
        for (const std::string& name : NumberedEntries(devDir, prefix)) {
            const std::string path = devDir + "/" + name;
            int err = 0;
            const int fd = OpenSerialDevice(path, err);
            // A /dev/ttyS name without a real UART is no port; for one this user may not
            // open, the kernel's record of the UART type tells.
            const bool usable =
                std::string(prefix) != "ttyS" || (fd >= 0 ? HasUart(fd) : !KnownWithoutUart(name));
            if (usable) found(path, fd, err);
            CloseSerialDevice(fd);
        }
    }
}

bool Denied(int err) {
    return err == EACCES || err == EPERM;
}

} // namespace

std::string ListPortsIn(const std::string& devDir, const std::string& usbRoot) {
    std::string list = "Auto\n";
    ScanSerialDevices(devDir, [&](const std::string& path, int fd, int) {
        if (fd >= 0) list += path + PortListSeparator;
    });
    for (const char* suffix : UsbSuffixes) {
        const std::string dir = usbRoot + "/" + UsbDeviceName + suffix;
        const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) continue;
        ::close(fd);
        if (!Denied(UsbPipeError(dir)))
            list += std::string(UsbCalculatorText) + suffix + PortListSeparator;
    }
    return list;
}

std::vector<TDeniedPort> DeniedPortsIn(const std::string& devDir, const std::string& usbRoot) {
    std::vector<TDeniedPort> denied;
    ScanSerialDevices(devDir, [&](const std::string& path, int fd, int err) {
        if (fd < 0 && Denied(err))
            denied.push_back({path, OwnerGroup(path), PermissionDeniedText(path)});
    });
    for (const char* suffix : UsbSuffixes) {
        const std::string dir = usbRoot + "/" + UsbDeviceName + suffix;
        if (Denied(UsbPipeError(dir)))
            denied.push_back({std::string(UsbCalculatorText) + suffix, OwnerGroup(dir + "/PIPE0"),
                              PermissionDeniedText(dir + "/PIPE0")});
    }
    return denied;
}

} // namespace port

void SetPortListSeparator(const std::string& separator) {
    PortListSeparator = separator;
}

std::string NoPermissionNote(const std::string& group) {
    return msg::Fill(msg::NoPermissionNote, {group});
}

std::vector<TDeniedPort> DeniedPorts() {
    return port::DeniedPortsIn("/dev", UsbRoot());
}

std::string ListPorts() {
    return port::ListPortsIn("/dev", UsbRoot());
}

} // namespace lw
