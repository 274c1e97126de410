// The port list of the Windows build: "Auto", then the machine's COM ports. Windows has no
// per-group device permissions, so no port is listed as denied.
#include "link/Port.h"
#include "link/SerialWin32.h"
#include "util/MessageTexts.h"

namespace lw {

namespace {
std::string PortListSeparator = "\n";
} // namespace

void SetPortListSeparator(const std::string& separator) {
    PortListSeparator = separator;
}

std::string NoPermissionNote(const std::string& group) {
    return msg::Fill(msg::NoPermissionNote, {group});
}

std::vector<TDeniedPort> DeniedPorts() {
    return {};
}

std::string ListPorts() {
    std::string list = "Auto\n";
    for (const std::string& port : port::ComPorts()) list += port + PortListSeparator;
    return list;
}

} // namespace lw
