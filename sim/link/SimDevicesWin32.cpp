// Windows has neither pseudo-terminals nor FIFOs: the device transports are refused with a
// message that says so. The in-memory transport works as everywhere.
#include "sim/link/SimTransport.h"

#include <stdexcept>

namespace lw::sim {

std::unique_ptr<ISimTransport> CreatePtyTransport(const std::string&) {
    throw std::runtime_error("the serial mode needs a pseudo-terminal, which Windows does not have "
                             "(linkwell-cli --demo runs the simulator in-process)");
}

std::unique_ptr<ISimTransport> CreateFifoTransport(const std::string&, const std::string&) {
    throw std::runtime_error("the USB mode needs FIFOs, which Windows does not have "
                             "(linkwell-cli --demo runs the simulator in-process)");
}

} // namespace lw::sim
