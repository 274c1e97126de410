// The POSIX serial backend: exclusive opening, raw 8N1 line settings, speeds, and reads and
// writes that wait with poll at most as long as they are told.
#include "link/PortPosix.h"
#include "util/Files.h"
#include "util/MessageTexts.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <grp.h>
#include <linux/serial.h>
#include <memory>
#include <mutex>
#include <poll.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <termios.h>
#include <unistd.h>

namespace lw::port {
namespace {

struct TSpeed {
    int Baud;
    speed_t Code;
};

// clang-format off
constexpr TSpeed StandardSpeeds[] = {
    {50, B50}, {75, B75}, {110, B110}, {134, B134}, {150, B150}, {200, B200}, {300, B300},
    {600, B600}, {1200, B1200}, {1800, B1800}, {2400, B2400}, {4800, B4800}, {9600, B9600},
    {19200, B19200}, {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
    {460800, B460800}, {500000, B500000}, {576000, B576000}, {921600, B921600},
    {1000000, B1000000}, {1152000, B1152000}, {1500000, B1500000}, {2000000, B2000000},
};
// clang-format on

bool StandardSpeed(int baud, speed_t& code) {
    for (const TSpeed& s : StandardSpeeds) {
        if (s.Baud == baud) {
            code = s.Code;
            return true;
        }
    }
    return false;
}

int PollMs(uint32_t waitMs) {
    return waitMs > static_cast<uint32_t>(INT32_MAX) ? -1 : static_cast<int>(waitMs);
}

class TSerialBackend : public IPortBackend, public IFdBackend {
public:
    TSerialBackend(std::string name, int fd) : FName(std::move(name)), FFd(fd) {}
    ~TSerialBackend() override { CloseSerialDevice(FFd); }
    TSerialBackend(const TSerialBackend&) = delete;
    TSerialBackend& operator=(const TSerialBackend&) = delete;

    std::string Name() const override { return FName; }
    TLineTraits Traits() const override { return {true, false}; }
    long Read(char* buf, size_t n, uint32_t waitMs) override {
        return ReadFd(FFd, buf, n, waitMs, /*hangUpAtEnd=*/true, FError);
    }
    long Write(const char* data, size_t n, uint32_t waitMs) override {
        return WriteFd(FFd, data, n, waitMs, FError);
    }
    void Purge() override { ::tcflush(FFd, TCIFLUSH); }
    bool SetSpeed(int speed) override { return SetSerialSpeed(FFd, speed); }
    bool Present() override { return true; } // a vanished device shows as a failed read
    std::string LastError() const override { return FError; }
    int InputFd() const override { return FFd; }

private:
    std::string FName;
    int FFd;
    std::string FError;
};

} // namespace

void IgnoreBrokenPipes() {
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGPIPE, SIG_IGN); });
}

long ReadFd(int fd, char* buf, size_t n, uint32_t waitMs, bool hangUpAtEnd, std::string& error) {
    if (n == 0) return 0;
    for (bool waited = false;; waited = true) {
        const ssize_t r = ::read(fd, buf, n);
        if (r > 0) return static_cast<long>(r);
        if (r == 0 && hangUpAtEnd) {
            error = "the line hung up";
            return -1;
        }
        if (r < 0 && errno == EINTR) continue;
        if (r < 0 && errno != EAGAIN) {
            error = std::strerror(errno);
            return -1;
        }
        if (waited || waitMs == 0) return 0;
        pollfd pfd{fd, POLLIN, 0};
        const int p = ::poll(&pfd, 1, PollMs(waitMs));
        if (p < 0 && errno != EINTR) {
            error = std::strerror(errno);
            return -1;
        }
        if (p > 0 && (pfd.revents & POLLNVAL)) {
            error = std::strerror(EBADF);
            return -1;
        }
        if (p == 0) return 0;
        // POLLIN or POLLHUP: the next read tells which.
    }
}

long WriteFd(int fd, const char* data, size_t n, uint32_t waitMs, std::string& error) {
    for (bool waited = false;; waited = true) {
        const ssize_t w = ::write(fd, data, n);
        if (w >= 0) return static_cast<long>(w);
        if (errno == EINTR) continue;
        if (errno != EAGAIN) {
            error = std::strerror(errno);
            return -1;
        }
        if (waited || waitMs == 0) return 0;
        pollfd pfd{fd, POLLOUT, 0};
        const int p = ::poll(&pfd, 1, PollMs(waitMs));
        if (p < 0 && errno != EINTR) {
            error = std::strerror(errno);
            return -1;
        }
        if (p > 0 && (pfd.revents & (POLLERR | POLLNVAL))) {
            error = std::strerror(EIO);
            return -1;
        }
        if (p == 0) return 0;
    }
}

int InputFd(const TPortRec& port) {
    const auto* fds = dynamic_cast<const IFdBackend*>(port.Backend.get());
    return fds ? fds->InputFd() : -1;
}

int OpenSerialDevice(const std::string& path, int& err) {
    TFd device(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!device) {
        err = errno;
        return -1;
    }
    const int fd = device.Get();
    // Every refusal below closes the device on the way out.
    auto fail = [&](int e) {
        err = e;
        return -1;
    };
    if (!::isatty(fd)) return fail(ENOTTY);
    // Another program may hold it with TIOCEXCL (only the superuser gets past that) or with
    // an advisory lock; either way it is in use.
    int exclusive = 0;
    if (::ioctl(fd, TIOCGEXCL, &exclusive) == 0 && exclusive) return fail(EBUSY);
    // The lock is the claim: the kernel drops it with the last descriptor, even of a killed
    // process. TIOCEXCL is added only where the kernel also clears it at the last close; a
    // pseudo-terminal keeps it for as long as its other end is open, which would shut out
    // every later run.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail(errno == EWOULDBLOCK ? EBUSY : errno);
    if (!IsPseudoTerminal(fd) && ::ioctl(fd, TIOCEXCL) != 0) return fail(errno);
    return device.Release();
}

std::string SerialOpenFailureText(const std::string& path, int err) {
    switch (err) {
    case ENOENT:
    case ENXIO:
    case ENODEV:
        return msg::Fill(msg::PortMissing, {path});
    case EISDIR:
    case ENOTTY:
        return msg::Fill(msg::PortNotSerial, {path});
    case EBUSY:
        return msg::Fill(msg::PortInUse, {path});
    case EACCES:
    case EPERM:
        return PermissionDeniedText(path);
    default:
        return path + ": " + std::strerror(err);
    }
}

std::string OwnerGroup(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return "";
    const group* g = ::getgrgid(st.st_gid);
    return g ? g->gr_name : std::to_string(st.st_gid);
}

std::string PermissionDeniedText(const std::string& path) {
    struct stat st {};
    const std::string group = OwnerGroup(path);
    if (::stat(path.c_str(), &st) != 0 || group.empty())
        return msg::Fill(msg::PermissionDenied, {path});
    // Membership of the group helps only where the group may read and write.
    if ((st.st_mode & (S_IRGRP | S_IWGRP)) == (S_IRGRP | S_IWGRP))
        return msg::Fill(msg::PermissionDeniedGroup, {path, group});
    const passwd* owner = ::getpwuid(st.st_uid);
    return msg::Fill(
        msg::PermissionDeniedOwner,
        {path, owner ? std::string(owner->pw_name) : std::to_string(st.st_uid), group});
}

void CloseSerialDevice(int fd) {
    if (fd < 0) return;
    ::ioctl(fd, TIOCNXCL);
    ::close(fd);
}

bool IsPseudoTerminal(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode)) return false;
    const unsigned m = major(st.st_rdev);
    return (m >= 136 && m <= 143) || m == 3; // UNIX98 and legacy pseudo-terminal ends
}

bool HasUart(int fd) {
    serial_struct info{};
    return ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type != PORT_UNKNOWN;
}

std::string SerialDevicePath(const std::string& name) {
    if (name.size() > 3 && name.compare(0, 3, "COM") == 0 && name.find('/') == std::string::npos) {
        const int n = std::atoi(name.c_str() + 3);
        if (n >= 1) return "/dev/ttyS" + std::to_string(n - 1);
    }
    return name;
}

bool SetSerialSpeed(int fd, int speed) {
    if (speed <= 0) {
        errno = EINVAL;
        return false;
    }
    speed_t code;
    if (!StandardSpeed(speed, code)) return SetCustomSerialSpeed(fd, speed);
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;
    if (::cfsetispeed(&tio, code) != 0 || ::cfsetospeed(&tio, code) != 0) return false;
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

bool ConfigureSerial(int fd, int speed) {
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0) return false;
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
    // One byte satisfies a read; with O_NONBLOCK an empty line then reads as EAGAIN and a
    // read of 0 bytes means the line hung up.
    tio.c_cc[VMIN] = 1;
    tio.c_cc[VTIME] = 0;
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) return false;
    if (!SetSerialSpeed(fd, speed)) return false;
    int lines = TIOCM_DTR | TIOCM_RTS;
    if (::ioctl(fd, TIOCMBIS, &lines) != 0 && !IsPseudoTerminal(fd)) return false;
    return true;
}

} // namespace lw::port

namespace lw {

std::unique_ptr<IPortBackend> OpenSerialBackend(const std::string& name, int speed,
                                                std::string& failure) {
    port::IgnoreBrokenPipes();
    const std::string path = port::SerialDevicePath(name);
    int err = 0;
    const int fd = port::OpenSerialDevice(path, err);
    if (fd < 0) {
        failure = port::SerialOpenFailureText(path, err);
        return nullptr;
    }
    auto line = std::make_unique<port::TSerialBackend>(name, fd);
    if (!port::ConfigureSerial(fd, speed)) {
        failure = msg::Fill(msg::PortSetupFailed, {path, std::strerror(errno)});
        return nullptr;
    }
    return line;
}

} // namespace lw
