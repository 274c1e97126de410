// The USB cable: a device folder holding the two pipes of the calculator's USB driver.
#include "sim/link/SimTransport.h"

#include "link/Port.h"

#include <cerrno>
#include <fcntl.h>
#include <stdexcept>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw::sim {
namespace {

// Makes a FIFO at path; a FIFO left there by an earlier run is replaced, anything else is
// refused.
void MakeFifo(const std::string& path) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0) {
        if (!S_ISFIFO(st.st_mode)) {
            errno = EEXIST;
            FailWithErrno("refusing to replace " + path);
        }
        unlink(path.c_str());
    }
    if (mkfifo(path.c_str(), 0660) != 0) FailWithErrno("mkfifo " + path);
}

class TFifoTransport : public ISimTransport {
public:
    TFifoTransport(const std::string& root, const std::string& suffix) {
        if (suffix != "" && suffix != "_1" && suffix != "_2" && suffix != "_3" && suffix != "_4")
            throw std::runtime_error("device suffix must be empty or _1 .. _4: " + suffix);
        std::string base = root.empty() ? "." : root;
        if (base.size() > 1 && base.back() == '/') base.pop_back();
        mkdir(base.c_str(), 0775); // the root may exist already
        Folder = base + "/" + UsbDeviceName + suffix;
        if (mkdir(Folder.c_str(), 0775) != 0 && errno != EEXIST) FailWithErrno("mkdir " + Folder);
        MadeFolder = true;
        try {
            MakeFifo(Folder + "/PIPE0");
            MakeFifo(Folder + "/PIPE1");
            ToPc = open((Folder + "/PIPE0").c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (ToPc < 0) FailWithErrno("open PIPE0");
            FromPc = open((Folder + "/PIPE1").c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
            if (FromPc < 0) FailWithErrno("open PIPE1");
        } catch (...) {
            HangUp();
            throw;
        }
        Notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (Notify >= 0 &&
            inotify_add_watch(Notify, (Folder + "/PIPE0").c_str(), IN_OPEN | IN_CLOSE) < 0) {
            close(Notify);
            Notify = -1;
        }
    }
    ~TFifoTransport() override { HangUp(); }

    int ReadFd() const override { return FromPc; }
    int WriteFd() const override { return ToPc; }
    int NotifyFd() const override { return Notify; }
    bool PcHasOpen() const override { return Notify < 0 || PcOpens > 0; }
    std::string PcPath() const override { return Folder; }
    bool IsUsb() const override { return true; }
    uint32_t PcBaud() const override { return 0; }
    void KeepRaw() override {}

    void ServiceNotify() override {
        ReadOpenCloseEvents(Notify, [this](bool opened) {
            if (opened)
                ++PcOpens;
            else if (PcOpens > 0 && --PcOpens == 0)
                DropUnread();
        });
    }

    void HangUp() override {
        for (int* fd : {&Notify, &ToPc, &FromPc})
            if (*fd >= 0) {
                close(*fd);
                *fd = -1;
            }
        if (MadeFolder) {
            unlink((Folder + "/PIPE0").c_str());
            unlink((Folder + "/PIPE1").c_str());
            rmdir(Folder.c_str());
            MadeFolder = false;
        }
    }

private:
    // The PC let go of its read pipe: bytes it did not read are lost, as on a real cable.
    void DropUnread() {
        char buf[4096];
        while (read(ToPc, buf, sizeof buf) > 0) {}
    }

    std::string Folder;
    int ToPc = -1, FromPc = -1, Notify = -1;
    int PcOpens = 0;
    bool MadeFolder = false;
};

} // namespace

std::unique_ptr<ISimTransport> CreateFifoTransport(const std::string& root,
                                                   const std::string& suffix) {
    return std::make_unique<TFifoTransport>(root, suffix);
}

} // namespace lw::sim
