// The file system calls on Windows: UTF-8 paths become wide paths for the C runtime's and the
// system's wide calls; descriptors are binary.
#include "util/SysFiles.h"

#include "util/Files.h"
#include "util/MessageTexts.h"
#include "util/WinText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

namespace lw::sys {

const char* const PathSeparators = "/\\";

namespace {

// An errno value for the system's last error, for the calls that do not set errno.
int ErrnoOfLastError() {
    switch (::GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
        return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
        return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return EBUSY;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return EEXIST;
    case ERROR_DISK_FULL:
        return ENOSPC;
    default:
        return EIO;
    }
}

TPathKind KindOf(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(WidePath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return TPathKind::None;
    if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return TPathKind::Other;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? TPathKind::Folder : TPathKind::File;
}

} // namespace

int OpenForReading(const std::string& path) {
    return ::_wopen(WidePath(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
}

int CreateNewFile(const std::string& path) {
    return ::_wopen(WidePath(path).c_str(),
                    _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

int CreateTempFile(std::string& path) {
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const size_t tail = path.size() >= 6 ? path.size() - 6 : 0;
    unsigned v = ::GetTickCount() ^ (::GetCurrentProcessId() << 12);
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (size_t i = tail; i < path.size(); ++i, v = v * 1103515245u + 12345u)
            path[i] = digits[(v >> 16) % 36];
        const int fd = CreateNewFile(path);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

long ReadSome(int fd, char* buf, size_t n) {
    return ::_read(fd, buf, static_cast<unsigned>(n > 0x40000000 ? 0x40000000 : n));
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const unsigned chunk = static_cast<unsigned>(size > 0x40000000 ? 0x40000000 : size);
        const int n = ::_write(fd, data, chunk);
        if (n < 0) return false;
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

int CloseFile(int fd) {
    return ::_close(fd) != 0 ? errno : 0;
}

int FlushToDisk(int fd) {
    return ::_commit(fd) != 0 ? errno : 0;
}

int OpenFileSize(int fd, uint64_t& size) {
    struct _stat64 st {};
    if (::_fstat64(fd, &st) != 0) return errno;
    if (st.st_mode & _S_IFDIR) return EISDIR;
    size = static_cast<uint64_t>(st.st_size);
    return 0;
}

void CopyPermissions(const std::string&, int) {}

int RenameOver(const std::string& from, const std::string& to) {
    return ::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : ErrnoOfLastError();
}

int RemoveFile(const std::string& path) {
    return ::DeleteFileW(WidePath(path).c_str()) ? 0 : ErrnoOfLastError();
}

TPathKind PathKind(const std::string& path) {
    return KindOf(path);
}

TPathKind TargetKind(const std::string& path) {
    struct _stat64 st {};
    if (::_wstat64(WidePath(path).c_str(), &st) != 0) return TPathKind::None;
    if (st.st_mode & _S_IFREG) return TPathKind::File;
    return (st.st_mode & _S_IFDIR) ? TPathKind::Folder : TPathKind::Other;
}

std::string ProgramPath() {
    std::wstring buf(32768, L'\0');
    const DWORD n = ::GetModuleFileNameW(nullptr, buf.data(), DWORD(buf.size()));
    if (n == 0 || n >= buf.size()) return {};
    buf.resize(n);
    return PortablePath(Utf8Text(buf));
}

std::string PrivateTempFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    const DWORD n = ::GetTempPathW(MAX_PATH + 1, base);
    if (n == 0 || n > MAX_PATH) throw EFileError("Cannot find the temporary folder");
    std::string dir = PortablePath(Utf8Text(std::wstring(base, n)));
    if (dir.back() != '/') dir += '/';
    dir += "linkwell";
    if (!::CreateDirectoryW(WidePath(dir).c_str(), nullptr) &&
        ::GetLastError() != ERROR_ALREADY_EXISTS)
        throw EFileError(
            msg::Fill(msg::CannotCreateFolder, {dir, std::strerror(ErrnoOfLastError())}));
    if (KindOf(dir) != TPathKind::Folder)
        throw EFileError(msg::Fill(msg::CannotUseFolder, {dir, std::strerror(EPERM)}));
    return dir + '/';
}

std::tm LocalTime(std::time_t when) {
    std::tm t{};
    ::localtime_s(&t, &when);
    return t;
}

} // namespace lw::sys
