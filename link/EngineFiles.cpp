#include "link/EngineFiles.h"
#include "link/Engines.h"
#include "link/Port.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

std::string TempSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned v = seed ^ (static_cast<unsigned>(::getpid()) << 16) ^ (counter++ * 2654435761u);
    std::string s;
    for (int i = 0; i < 6; ++i, v /= 36) s += digits[v % 36];
    return s;
}

} // namespace

std::string UnableToOpenText(const std::string& fileName, int err) {
    return "Unable to open file " + fileName + " - WinErr=" + std::to_string(err);
}

void TReceiveFile::Open(const std::string& target) {
    FTarget = target;
    int fd = -1;
    int err = 0;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        FTemp = target + ".part" + TempSuffix();
        // Created like any new file (the umask applies); a target's own mode carries over.
        fd = ::open(FTemp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        err = errno;
        if (fd < 0 && err != EEXIST) break;
    }
    if (fd < 0) {
        FTemp.clear();
        RaiseLinkError(UnableToOpenText(target, err));
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
    ReceiveFileHandle = fd;
}

void TReceiveFile::Write(const char* data, size_t size) {
    const int fd = ReceiveFileHandle.load();
    while (size > 0) {
        const ssize_t w = fd < 0 ? -1 : ::write(fd, data, size);
        if (w < 0 && errno == EINTR) continue;
        if (w <= 0) {
            const int err = fd < 0 ? EBADF : errno;
            RaiseLinkError("Unable to write file " + FTarget + " - WinErr=" + std::to_string(err));
        }
        data += w;
        size -= static_cast<size_t>(w);
    }
}

void TReceiveFile::Close() {
    const int fd = ReceiveFileHandle.exchange(-1);
    if (fd >= 0) ::close(fd);
}

void TReceiveFile::Commit() {
    const int fd = ReceiveFileHandle.exchange(-1);
    int err = 0;
    if (fd < 0) err = EBADF;
    if (fd >= 0 && ::fsync(fd) != 0) err = errno;
    if (fd >= 0 && ::close(fd) != 0 && err == 0) err = errno;
    if (err == 0 && ::rename(FTemp.c_str(), FTarget.c_str()) != 0) err = errno;
    if (err != 0) {
        Discard();
        RaiseLinkError("Unable to write file " + FTarget + " - WinErr=" + std::to_string(err));
    }
    FTemp.clear();
}

void TReceiveFile::Discard() {
    Close();
    if (!FTemp.empty()) ::unlink(FTemp.c_str());
    FTemp.clear();
}

long long OpenSendFile(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) RaiseLinkError(UnableToOpenText(fileName, errno));
    struct stat st {};
    int err = ::fstat(fd, &st) != 0 ? errno : (S_ISDIR(st.st_mode) ? EISDIR : 0);
    if (err != 0) {
        ::close(fd);
        RaiseLinkError(UnableToOpenText(fileName, err));
    }
    SendFileHandle = fd;
    return static_cast<long long>(st.st_size);
}

void CloseSendFile() {
    const int fd = SendFileHandle.exchange(-1);
    if (fd >= 0) ::close(fd);
}

long ReadSendFile(char* data, size_t size) {
    const int fd = SendFileHandle.load();
    if (fd < 0) {
        errno = EBADF;
        return -1;
    }
    size_t got = 0;
    while (got < size) {
        const ssize_t r = ::read(fd, data + got, size - got);
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return -1;
        if (r == 0) break;
        got += static_cast<size_t>(r);
    }
    return static_cast<long>(got);
}

} // namespace lw
