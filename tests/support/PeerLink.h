// The calculator's end of a link, for tests and benchmarks that play the calculator by script:
// a pseudo-terminal pair (the PC opens the slave path as its serial port), a USB device
// folder with two FIFOs (the PC opens "ZQlink" under the root this sets), or an in-memory
// link on a simulated clock. Header-only so that benchmarks can use it too. Its time is the
// clock in use (link/Clock.h).
#pragma once
#include "link/Clock.h"
#include "link/MemoryLink.h"
#include "link/Port.h"
#include "link/SimulatedClock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace lw::test {

// Milliseconds taken by fn, on the clock in use (simulated milliseconds on a simulated one).
template <class F> uint64_t Timed(F&& fn) {
    const auto start = Clock().Now();
    fn();
    return static_cast<uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock().Now() - start).count());
}

inline uint64_t PeerNowUs() {
    using namespace std::chrono;
    return static_cast<uint64_t>(
        duration_cast<microseconds>(Clock().Now().time_since_epoch()).count());
}

// Byte I/O of the calculator's end. Reads wait at most `timeoutMs` for the wanted bytes and
// return what arrived.
class TPeerLink {
public:
    virtual ~TPeerLink() = default;
    // The name the PC passes to OpenPort.
    virtual std::string PortName() const = 0;
    // Ends the link the way the calculator vanishes.
    virtual void Hangup() = 0;

    // Wire-time emulation: microseconds per byte (0 = as fast as the link goes). Bytes sent
    // reach the PC only after their wire time; bytes received count their wire time before a
    // reply may go out.
    double UsPerByte = 0;

    void Write(const std::string& data) {
        if (UsPerByte <= 0) {
            WriteRaw(data.data(), data.size());
            return;
        }
        // The line is busy from the first byte on: later chunks follow on the wire clock.
        constexpr size_t chunk = 64;
        FWireClock = std::max<double>(FWireClock, double(PeerNowUs()));
        for (size_t pos = 0; pos < data.size(); pos += chunk) {
            const size_t n = std::min(chunk, data.size() - pos);
            FWireClock += UsPerByte * double(n);
            WaitUntil(FWireClock);
            WriteRaw(data.data() + pos, n);
        }
    }
    void WriteByte(uint8_t b) { Write(std::string(1, static_cast<char>(b))); }

    std::string Read(size_t n, int timeoutMs) {
        std::string out;
        const uint64_t deadline = PeerNowUs() + uint64_t(timeoutMs) * 1000;
        bool first = true;
        while (out.size() < n) {
            const uint64_t now = PeerNowUs();
            if (now >= deadline) break;
            char buf[4096];
            const long r = ReadRaw(buf, std::min(sizeof buf, n - out.size()),
                                   int((deadline - now + 999) / 1000));
            if (r < 0) break;
            if (r > 0 && UsPerByte > 0) {
                // The first byte arrives at its wire time; the rest follow at line speed.
                if (first) FWireClock = std::max<double>(FWireClock, double(PeerNowUs()));
                FWireClock += UsPerByte * double(r);
            }
            if (r > 0) first = false;
            out.append(buf, size_t(r));
        }
        if (UsPerByte > 0 && !out.empty()) WaitUntil(FWireClock);
        return out;
    }
    // One byte, or -1 on time-out.
    int ReadByte(int timeoutMs) {
        const std::string b = Read(1, timeoutMs);
        return b.empty() ? -1 : static_cast<uint8_t>(b[0]);
    }
    // Writes `bytes` and returns the one-byte answer (-1 on time-out).
    int Reply(const std::string& bytes, int timeoutMs = 5000) {
        Write(bytes);
        return ReadByte(timeoutMs);
    }
    int Reply(uint8_t b, int timeoutMs = 5000) { return Reply(std::string(1, char(b)), timeoutMs); }
    // Takes what arrives until the line is quiet for `quietMs`.
    std::string Drain(int quietMs) {
        std::string all;
        for (std::string got; !(got = Read(4096, quietMs)).empty();) all += got;
        return all;
    }

protected:
    virtual void WriteRaw(const char* data, size_t size) = 0;
    // Waits at most timeoutMs for bytes; returns the count (0 on time-out), -1 on failure.
    virtual long ReadRaw(char* buf, size_t size, int timeoutMs) = 0;

    static void WriteAllFd(int fd, const char* data, size_t size) {
        while (size > 0) {
            const ssize_t w = ::write(fd, data, size);
            if (w > 0) {
                data += w;
                size -= size_t(w);
            } else if (w < 0 && errno == EAGAIN) {
                pollfd p{fd, POLLOUT, 0};
                ::poll(&p, 1, 100);
            } else if (!(w < 0 && errno == EINTR)) {
                return; // the PC side went away; the test sees it elsewhere
            }
        }
    }
    static long ReadFd(int fd, char* buf, size_t size, int timeoutMs) {
        pollfd p{fd, POLLIN, 0};
        const int r = ::poll(&p, 1, timeoutMs);
        if (r <= 0) return r == 0 ? 0 : (errno == EINTR ? 0 : -1);
        const ssize_t n = ::read(fd, buf, size);
        if (n < 0) return (errno == EAGAIN || errno == EINTR) ? 0 : -1;
        if (n == 0) {
            ::poll(nullptr, 0, std::min(timeoutMs, 10)); // no writer: avoid spinning
            return 0;
        }
        return n;
    }

private:
    static void WaitUntil(double us) {
        const double now = double(PeerNowUs());
        if (us > now) Clock().SleepFor(std::chrono::microseconds(uint64_t(us - now)));
    }
    double FWireClock = 0;
};

// A pseudo-terminal pair: the peer holds the master, the PC opens the slave path. The pair
// keeps a raw slave descriptor of its own so that the line stays up between PC opens.
class TPtyPeer : public TPeerLink {
public:
    TPtyPeer() {
        FMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (FMaster < 0 || ::grantpt(FMaster) != 0 || ::unlockpt(FMaster) != 0)
            throw std::runtime_error("cannot create a pseudo-terminal");
        char name[128];
        if (::ptsname_r(FMaster, name, sizeof name) != 0)
            throw std::runtime_error("cannot name the pseudo-terminal");
        FSlavePath = name;
        FSlave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios tio{};
        ::tcgetattr(FSlave, &tio);
        ::cfmakeraw(&tio);
        ::tcsetattr(FSlave, TCSANOW, &tio);
        ::fcntl(FMaster, F_SETFL, ::fcntl(FMaster, F_GETFL) | O_NONBLOCK);
    }
    ~TPtyPeer() override {
        if (FMaster >= 0) ::close(FMaster);
        if (FSlave >= 0) ::close(FSlave);
    }
    std::string PortName() const override { return FSlavePath; }
    void Hangup() override {
        if (FMaster >= 0) ::close(FMaster);
        FMaster = -1;
    }

protected:
    void WriteRaw(const char* d, size_t n) override { WriteAllFd(FMaster, d, n); }
    long ReadRaw(char* b, size_t n, int t) override { return ReadFd(FMaster, b, n, t); }

private:
    int FMaster = -1;
    int FSlave = -1;
    std::string FSlavePath;
};

// A USB device folder "<root>/ZQlink<suffix>" with PIPE0 (calculator -> PC) and PIPE1
// (PC -> calculator), both held open read-write so that the PC never sees an end of stream.
// Sets $LINKWELL_USB_ROOT to the root for its lifetime.
class TFifoPeer : public TPeerLink {
public:
    explicit TFifoPeer(const std::string& suffix = "") {
        char tmpl[] = "/tmp/lw-usb-XXXXXX";
        if (!::mkdtemp(tmpl)) throw std::runtime_error("cannot create a USB root");
        FRoot = tmpl;
        FDir = FRoot + "/ZQlink" + suffix;
        ::mkdir(FDir.c_str(), 0700);
        ::mkfifo((FDir + "/PIPE0").c_str(), 0600);
        ::mkfifo((FDir + "/PIPE1").c_str(), 0600);
        FToPc = ::open((FDir + "/PIPE0").c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        FFromPc = ::open((FDir + "/PIPE1").c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (FToPc < 0 || FFromPc < 0) throw std::runtime_error("cannot open the USB pipes");
        const char* old = std::getenv("LINKWELL_USB_ROOT");
        FHadOld = old != nullptr;
        if (old) FOld = old;
        ::setenv("LINKWELL_USB_ROOT", FRoot.c_str(), 1);
    }
    ~TFifoPeer() override {
        Hangup();
        ::rmdir(FRoot.c_str());
        if (FHadOld)
            ::setenv("LINKWELL_USB_ROOT", FOld.c_str(), 1);
        else
            ::unsetenv("LINKWELL_USB_ROOT");
    }
    std::string PortName() const override { return "ZQlink"; }
    const std::string& Root() const { return FRoot; }
    // Closes the pipes and removes the device folder.
    void Hangup() override {
        if (FToPc >= 0) ::close(FToPc);
        if (FFromPc >= 0) ::close(FFromPc);
        FToPc = FFromPc = -1;
        ::unlink((FDir + "/PIPE0").c_str());
        ::unlink((FDir + "/PIPE1").c_str());
        ::rmdir(FDir.c_str());
    }

protected:
    void WriteRaw(const char* d, size_t n) override { WriteAllFd(FToPc, d, n); }
    long ReadRaw(char* b, size_t n, int t) override { return ReadFd(FFromPc, b, n, t); }

private:
    std::string FRoot, FDir, FOld;
    bool FHadOld = false;
    int FToPc = -1;
    int FFromPc = -1;
};

// The simulated time of a test: a simulated clock installed as the clock in use for the
// object's lifetime, with the constructing thread (the test's, which plays the PC) as a party.
class TSimulatedTime {
public:
    TSimulatedTime() {
        SetClock(&FClock);
        FClock.AddParty();
        FClock.EnterParty();
    }
    ~TSimulatedTime() {
        FClock.LeaveParty();
        SetClock(nullptr);
    }
    TSimulatedTime(const TSimulatedTime&) = delete;
    TSimulatedTime& operator=(const TSimulatedTime&) = delete;
    TSimulatedClock& Clock() { return FClock; }

private:
    TSimulatedClock FClock;
};

// An in-memory link on simulated time: the PC opens "memory" (a serial line, or the USB
// device when usb); the test's thread is a party of the clock.
class TMemoryPeer : public TPeerLink {
public:
    explicit TMemoryPeer(bool usb) : FLink({.Name = "memory", .Usb = usb}, FTime.Clock()) {}
    ~TMemoryPeer() override {
        // The port must not outlive the clock its waits read.
        if (CalcPort.IsOpen()) ResetPortRec(CalcPort);
    }
    std::string PortName() const override { return FLink.Name(); }
    void Hangup() override { FLink.HangUp(); }
    TMemoryLink& Link() { return FLink; }

protected:
    void WriteRaw(const char* d, size_t n) override { FLink.Send(std::string_view(d, n)); }
    long ReadRaw(char* b, size_t n, int t) override {
        const std::string got = FLink.Take(n);
        if (!got.empty() || FLink.IsHungUp()) {
            std::copy(got.begin(), got.end(), b);
            return got.empty() ? -1 : static_cast<long>(got.size());
        }
        FLink.Wait(Clock().Now() + std::chrono::milliseconds(t), true);
        const std::string late = FLink.Take(n);
        std::copy(late.begin(), late.end(), b);
        return static_cast<long>(late.size());
    }

private:
    TSimulatedTime FTime;
    TMemoryLink FLink;
};

} // namespace lw::test
