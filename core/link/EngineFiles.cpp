#include "link/EngineFiles.h"
#include "link/Engines.h"
#include "link/Port.h"
#include "util/Files.h"
#include "util/SysFiles.h"

#include <cerrno>

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
        if (fd < 0) return EBADF;
        return sys::WriteAll(fd, data, size) ? 0 : errno;
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
    if (!FTemp.empty()) sys::RemoveFile(FTemp);
    FTemp.clear();
}

long long OpenSendFile(const std::string& fileName) {
    TFd fd(sys::OpenForReading(fileName));
    if (!fd) RaiseLinkError(UnableToOpenText(fileName, errno));
    uint64_t size = 0;
    if (const int err = sys::OpenFileSize(fd.Get(), size); err != 0)
        RaiseLinkError(UnableToOpenText(fileName, err));
    SendFileHandle.Put(std::move(fd));
    return static_cast<long long>(size);
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
            const long r = sys::ReadSome(fd, data + got, size - got);
            if (r < 0) return -1;
            if (r == 0) break;
            got += static_cast<size_t>(r);
        }
        return static_cast<long>(got);
    });
}

} // namespace lw
