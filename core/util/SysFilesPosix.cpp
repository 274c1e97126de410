// The file system calls on POSIX systems.
#include "util/SysFiles.h"

#include "util/Files.h"
#include "util/MessageTexts.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw::sys {

const char* const PathSeparators = "/";

int OpenForReading(const std::string& path) {
    return ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
}

int CreateNewFile(const std::string& path) {
    // Created like any new file: the umask applies without being changed.
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

int CreateTempFile(std::string& path) {
    return ::mkostemp(path.data(), O_CLOEXEC);
}

long ReadSome(int fd, char* buf, size_t n) {
    for (;;) {
        const ssize_t got = ::read(fd, buf, n);
        if (got >= 0 || errno != EINTR) return static_cast<long>(got);
    }
}

bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

int CloseFile(int fd) {
    return ::close(fd) != 0 ? errno : 0;
}

int FlushToDisk(int fd) {
    return ::fsync(fd) != 0 ? errno : 0;
}

int OpenFileSize(int fd, uint64_t& size) {
    struct stat st {};
    if (::fstat(fd, &st) != 0) return errno;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    size = static_cast<uint64_t>(st.st_size);
    return 0;
}

void CopyPermissions(const std::string& model, int fd) {
    struct stat st {};
    if (::stat(model.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::fchmod(fd, st.st_mode & 07777);
}

int RenameOver(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) != 0 ? errno : 0;
}

int RemoveFile(const std::string& path) {
    return ::unlink(path.c_str()) != 0 ? errno : 0;
}

namespace {
TPathKind KindOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return TPathKind::File;
    if (S_ISDIR(st.st_mode)) return TPathKind::Folder;
    return TPathKind::Other;
}
} // namespace

TPathKind PathKind(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? KindOf(st) : TPathKind::None;
}

TPathKind TargetKind(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? KindOf(st) : TPathKind::None;
}

std::string ProgramPath() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n <= 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

std::string PrivateTempFolder() {
    const auto fail = [](const TUiText& what, const std::string& dir, int err) {
        throw EFileError(msg::Fill(what, {dir, std::strerror(err)}));
    };
    const char* base = std::getenv("TMPDIR");
    std::string dir = (base && *base) ? base : "/tmp";
    if (dir.size() > 1000) dir.resize(1000);
    if (dir.back() != '/') dir += '/';
    dir += "linkwell-" + std::to_string(::getuid());
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        fail(msg::CannotCreateFolder, dir, errno);
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0) fail(msg::CannotUseFolder, dir, errno);
    // Another user's folder or a link planted in the shared temporary path is not ours.
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) fail(msg::CannotUseFolder, dir, EPERM);
    if ((st.st_mode & 0777) != 0700) ::chmod(dir.c_str(), 0700);
    return dir + '/';
}

std::tm LocalTime(std::time_t when) {
    std::tm t{};
    ::localtime_r(&when, &t);
    return t;
}

} // namespace lw::sys
