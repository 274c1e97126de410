#include "PtyPeer.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace lw::test {

TPtyPeer::TPtyPeer() {
    FMaster = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (FMaster < 0 || ::grantpt(FMaster) != 0 || ::unlockpt(FMaster) != 0)
        throw std::runtime_error("no pseudo-terminal");
    FPath = ::ptsname(FMaster);
    FSlave = ::open(FPath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios tio{};
    ::tcgetattr(FSlave, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(FSlave, TCSANOW, &tio);
}

TPtyPeer::~TPtyPeer() {
    Join();
    if (FThread.joinable()) FThread.detach(); // a script past its bound: leave it, never hang
    if (FSlave >= 0) ::close(FSlave);
    if (FMaster >= 0) ::close(FMaster);
}

void TPtyPeer::Run(std::function<void(TPtyPeer&)> script) {
    FDone = false;
    FThread = std::thread([this, script = std::move(script)] {
        try {
            script(*this);
        } catch (const std::exception& e) {
            Fail(e.what());
        }
        FDone = true;
    });
}

bool TPtyPeer::Join(std::chrono::milliseconds bound) {
    if (!FThread.joinable()) return true;
    const auto until = std::chrono::steady_clock::now() + bound;
    while (!FDone && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (!FDone) return false;
    FThread.join();
    return true;
}

std::string TPtyPeer::Read(size_t n, int ms) {
    std::string out;
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (out.size() < n) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                              until - std::chrono::steady_clock::now())
                              .count();
        if (left <= 0) break;
        pollfd p{FMaster, POLLIN, 0};
        if (::poll(&p, 1, static_cast<int>(left)) <= 0) continue;
        char buf[4096];
        const ssize_t got = ::read(FMaster, buf, std::min(sizeof buf, n - out.size()));
        if (got > 0)
            out.append(buf, static_cast<size_t>(got));
        else if (got < 0 && errno != EINTR && errno != EAGAIN)
            break;
    }
    return out;
}

int TPtyPeer::ReadByte(int ms) {
    const std::string b = Read(1, ms);
    return b.empty() ? -1 : static_cast<unsigned char>(b[0]);
}

bool TPtyPeer::ReadPacket(std::string& data, int ms) {
    data.clear();
    const std::string size = Read(2, ms);
    if (size.size() < 2) return false;
    const size_t n =
        static_cast<unsigned char>(size[0]) * 256u + static_cast<unsigned char>(size[1]);
    data = Read(n, ms);
    const std::string check = Read(1, ms);
    if (data.size() < n || check.empty()) return false;
    unsigned sum = 0;
    for (char c : data) sum += static_cast<unsigned char>(c);
    return static_cast<unsigned char>(check[0]) == (sum & 0xFF);
}

void TPtyPeer::Write(const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(FMaster, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<size_t>(n);
    }
}

std::string TPtyPeer::Drain(int quietMs) {
    std::string all;
    for (;;) {
        const std::string got = Read(4096, quietMs);
        if (got.empty()) return all;
        all += got;
    }
}

} // namespace lw::test
