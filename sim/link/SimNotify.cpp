#include "sim/link/SimTransport.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <sys/inotify.h>
#include <unistd.h>

namespace lw::sim {

void ReadOpenCloseEvents(int notifyFd, const std::function<void(bool opened)>& onEvent) {
    if (notifyFd < 0) return;
    alignas(inotify_event) char buf[4096];
    for (;;) {
        const ssize_t n = read(notifyFd, buf, sizeof buf);
        if (n <= 0) break;
        for (char* p = buf; p < buf + n;) {
            const auto* e = reinterpret_cast<const inotify_event*>(p);
            if (e->mask & IN_OPEN) onEvent(true);
            if (e->mask & IN_CLOSE) onEvent(false);
            p += sizeof(inotify_event) + e->len;
        }
    }
}

void FailWithErrno(const std::string& what) {
    throw std::runtime_error(what + ": " + std::strerror(errno));
}

} // namespace lw::sim
