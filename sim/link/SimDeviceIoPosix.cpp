#include "sim/link/SimDeviceIo.h"

#include <cerrno>
#include <csignal>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace lw::sim {

TWakeSignal::TWakeSignal() : Handle(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    // A write to a line or a pipe whose reader has gone fails with EPIPE instead of ending the
    // process.
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

TWakeSignal::~TWakeSignal() {
    if (Handle >= 0) close(int(Handle));
}

void TWakeSignal::Raise() {
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(int(Handle), &one, sizeof one);
}

TDeviceWait TDeviceWait::For(TWakeSignal& wake, int notifyFd, int fd, bool forWrite,
                             int timeoutMs) {
    const short events = forWrite ? POLLOUT : POLLIN;
    pollfd p[3];
    int count = 0;
    p[count++] = {int(wake.Handle), POLLIN, 0};
    const int notify = notifyFd >= 0 ? count : -1;
    if (notifyFd >= 0) p[count++] = {notifyFd, POLLIN, 0};
    const int line = fd >= 0 ? count : -1;
    if (fd >= 0) p[count++] = {fd, events, 0};
    TDeviceWait seen;
    const int rc = poll(p, nfds_t(count), timeoutMs);
    if (rc < 0) {
        seen.Failed = errno != EINTR;
        return seen;
    }
    if (rc == 0) return seen;
    if (p[0].revents & POLLIN) {
        uint64_t v;
        [[maybe_unused]] ssize_t n = read(int(wake.Handle), &v, sizeof v);
        seen.Woken = true;
    }
    seen.Notified = notify >= 0 && (p[notify].revents & POLLIN);
    seen.Ready = line >= 0 && (p[line].revents & (events | POLLHUP | POLLERR));
    return seen;
}

long ReadDevice(int fd, char* buf, size_t n) {
    const ssize_t got = read(fd, buf, n);
    if (got > 0) return long(got);
    return got < 0 && (errno == EAGAIN || errno == EINTR) ? 0 : -1;
}

long WriteDevice(int fd, const char* data, size_t n) {
    const ssize_t put = write(fd, data, n);
    if (put >= 0) return long(put);
    return errno == EAGAIN || errno == EINTR ? 0 : -1;
}

} // namespace lw::sim
