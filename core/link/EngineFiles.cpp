#include "link/EngineFiles.h"
#include "link/Engines.h"
#include "link/Port.h"
#include "util/Files.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {

void TReceiveFile::Open(const std::string& target) {
    FTarget = target;
    int err = 0;
    TFd fd = OpenReplacement(target, FTemp, err);
    if (!fd) RaiseLinkError(UnableToOpenText(target, err));
    ReceiveFileHandle.Put(std::move(fd));
}

void TReceiveFile::Write(const char* data, size_t size) {
    const int err = ReceiveFileHandle.Use([&](int fd) {
        while (size > 0) {
            const ssize_t w = fd < 0 ? -1 : ::write(fd, data, size);
            if (w < 0 && errno == EINTR) continue;
            if (w <= 0) return fd < 0 ? EBADF : errno;
            data += w;
            size -= static_cast<size_t>(w);
        }
        return 0;
    });
    if (err != 0) RaiseLinkError(UnableToWriteText(FTarget, err));
}

void TReceiveFile::Close() {
    ReceiveFileHandle.Close();
}

void TReceiveFile::Commit() {
    const int err = CommitReplacement(ReceiveFileHandle.Take(), FTemp, FTarget);
    FTemp.clear();
    if (err != 0) RaiseLinkError(UnableToWriteText(FTarget, err));
}

void TReceiveFile::Discard() {
    Close();
    if (!FTemp.empty()) ::unlink(FTemp.c_str());
    FTemp.clear();
}

long long OpenSendFile(const std::string& fileName) {
    TFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) RaiseLinkError(UnableToOpenText(fileName, errno));
    struct stat st {};
    const int err = ::fstat(fd.Get(), &st) != 0 ? errno : (S_ISDIR(st.st_mode) ? EISDIR : 0);
    if (err != 0) RaiseLinkError(UnableToOpenText(fileName, err));
    SendFileHandle.Put(std::move(fd));
    return static_cast<long long>(st.st_size);
}

void CloseSendFile() {
    SendFileHandle.Close();
}

long ReadSendFile(char* data, size_t size) {
    return SendFileHandle.Use([&](int fd) -> long {
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
    });
}

} // namespace lw
