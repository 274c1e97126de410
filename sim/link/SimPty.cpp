// The serial cable: a pseudo-terminal pair whose PC end the simulator publishes.
#include "sim/link/SimTransport.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace lw::sim {
namespace {

uint32_t BaudOf(speed_t s) {
    static const struct {
        speed_t Code;
        uint32_t Baud;
    } table[] = {{B1200, 1200},     {B2400, 2400},     {B4800, 4800},    {B9600, 9600},
                 {B19200, 19200},   {B38400, 38400},   {B57600, 57600},  {B115200, 115200},
                 {B230400, 230400}, {B460800, 460800}, {B921600, 921600}};
    for (const auto& e : table)
        if (e.Code == s) return e.Baud;
    return 0;
}

class TPtyTransport : public ISimTransport {
public:
    explicit TPtyTransport(const std::string& linkPath) : LinkPath(linkPath) {
        Master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (Master < 0) FailWithErrno("posix_openpt");
        char name[128];
        if (grantpt(Master) != 0 || unlockpt(Master) != 0 || ptsname_r(Master, name, sizeof name))
            FailWithErrno("pseudo-terminal setup");
        SlavePath = name;
        // Our own hold on the PC's end: the master never sees a hang-up while the PC closes
        // and reopens, and line settings survive in between.
        Slave = open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (Slave < 0) FailWithErrno("open " + SlavePath);
        termios t{};
        if (tcgetattr(Slave, &t) != 0) FailWithErrno("tcgetattr");
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        cfsetispeed(&t, B9600);
        cfsetospeed(&t, B9600);
        if (tcsetattr(Slave, TCSANOW, &t) != 0) FailWithErrno("tcsetattr");
        Notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (Notify >= 0 && inotify_add_watch(Notify, name, IN_OPEN | IN_CLOSE) < 0) {
            close(Notify);
            Notify = -1;
        }
        if (!LinkPath.empty()) {
            struct stat st {};
            if (lstat(LinkPath.c_str(), &st) == 0) {
                if (!S_ISLNK(st.st_mode)) {
                    errno = EEXIST;
                    Cleanup();
                    FailWithErrno("refusing to replace " + LinkPath);
                }
                unlink(LinkPath.c_str());
            }
            if (symlink(name, LinkPath.c_str()) != 0) {
                int e = errno;
                Cleanup();
                errno = e;
                FailWithErrno("symlink " + LinkPath);
            }
            MadeLink = true;
        }
    }
    ~TPtyTransport() override { HangUp(); }

    int ReadFd() const override { return Master; }
    int WriteFd() const override { return Master; }
    int NotifyFd() const override { return Notify; }
    bool PcHasOpen() const override { return Notify < 0 || PcOpens > 0; }
    std::string PcPath() const override { return LinkPath.empty() ? SlavePath : LinkPath; }
    bool IsUsb() const override { return false; }

    void ServiceNotify() override {
        ReadOpenCloseEvents(Notify, [this](bool opened) {
            if (opened) {
                if (PcOpens++ == 0) PcLetGo(); // what came while nobody listened is gone
                return;
            }
            if (PcOpens > 0 && --PcOpens == 0) PcLetGo();
        });
    }

    uint32_t PcBaud() const override {
        termios t{};
        if (Slave < 0 || tcgetattr(Slave, &t) != 0) return 0;
        return BaudOf(cfgetospeed(&t));
    }

    void KeepRaw() override {
        termios t{};
        if (Slave < 0 || tcgetattr(Slave, &t) != 0) return;
        const tcflag_t lflags = ECHO | ECHONL | ICANON | ISIG | IEXTEN;
        const tcflag_t iflags = ISTRIP | INLCR | IGNCR | ICRNL | IXON;
        if ((t.c_lflag & lflags) == 0 && (t.c_iflag & iflags) == 0 && (t.c_oflag & OPOST) == 0)
            return;
        t.c_lflag &= ~lflags;
        t.c_iflag &= ~iflags;
        t.c_oflag &= ~OPOST;
        tcsetattr(Slave, TCSANOW, &t);
    }

    void HangUp() override {
        if (MadeLink) {
            char target[256];
            ssize_t n = readlink(LinkPath.c_str(), target, sizeof target - 1);
            if (n > 0 && std::string(target, n) == SlavePath) unlink(LinkPath.c_str());
            MadeLink = false;
        }
        Cleanup();
    }

private:
    // The PC closed its last descriptor, or opens the line again: what it did not read is
    // lost, as on a real line.
    // (Opens are counted from file events; two opens in a row with no read between them
    // are reported once, so a PC holding two descriptors at a time may be miscounted.)
    void PcLetGo() { tcflush(Slave, TCIFLUSH); }
    void Cleanup() {
        for (int* fd : {&Notify, &Slave, &Master})
            if (*fd >= 0) {
                close(*fd);
                *fd = -1;
            }
    }

    std::string LinkPath, SlavePath;
    int Master = -1, Slave = -1, Notify = -1;
    int PcOpens = 0;
    bool MadeLink = false;
};

} // namespace

std::unique_ptr<ISimTransport> CreatePtyTransport(const std::string& linkPath) {
    return std::make_unique<TPtyTransport>(linkPath);
}

std::unique_ptr<ISimTransport> CreateComTransport(const std::string& port) {
    throw std::runtime_error(port + ": COM ports are served by the Windows build; here the " +
                             "serial mode makes a pseudo-terminal (--link PATH)");
}

} // namespace lw::sim
