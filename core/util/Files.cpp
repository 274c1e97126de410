#include "util/Files.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& file, int err) {
    throw EFileError(what + " " + file + ": " + std::strerror(err));
}

// "Cannot read from file <name> - <the system's reason>", in the form of UnableToOpenText.
std::string CannotReadText(const std::string& fileName, int err) {
    return "Cannot read from file " + fileName + " - " + std::strerror(err);
}

std::string TempSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned v = seed ^ (static_cast<unsigned>(::getpid()) << 16) ^ (counter++ * 2654435761u);
    std::string s;
    for (int i = 0; i < 6; ++i, v /= 36) s += digits[v % 36];
    return s;
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

} // namespace

std::string UnableToOpenText(const std::string& fileName, int err) {
    return "Unable to open file " + fileName + " - " + std::strerror(err);
}

std::string UnableToWriteText(const std::string& fileName, int err) {
    return "Unable to write file " + fileName + " - " + std::strerror(err);
}

void TFd::Reset(int fd) noexcept {
    if (FFd >= 0 && FFd != fd) ::close(FFd);
    FFd = fd;
}

int TFd::Close() noexcept {
    const int fd = Release();
    return fd >= 0 && ::close(fd) != 0 ? errno : 0;
}

TFd OpenReplacement(const std::string& target, std::string& tempPath, int& err) {
    TFd fd;
    err = 0;
    for (int attempt = 0; attempt < 100 && !fd; ++attempt) {
        tempPath = target + ".part" + TempSuffix();
        // Created like any new file: the umask applies without being changed.
        fd.Reset(::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        err = fd ? 0 : errno;
        if (err != 0 && err != EEXIST) break;
    }
    if (!fd) {
        tempPath.clear();
        return fd;
    }
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(fd.Get(), st.st_mode & 07777);
    return fd;
}

int CommitReplacement(TFd fd, const std::string& tempPath, const std::string& target) {
    int err = fd ? 0 : EBADF;
    if (err == 0 && ::fsync(fd.Get()) != 0) err = errno;
    if (const int closed = fd.Close(); err == 0) err = closed;
    if (err == 0 && ::rename(tempPath.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0 && !tempPath.empty()) ::unlink(tempPath.c_str());
    return err;
}

std::string ProgramFolder() {
    char buf[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return ".";
    std::string path(buf, static_cast<size_t>(n));
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ProgramDataFolder(const std::string& probe) {
    const std::string program = ProgramFolder();
    const auto holds = [&probe](const std::string& folder) {
        struct stat st {};
        return ::stat((folder + "/" + probe).c_str(), &st) == 0;
    };
    if (holds(program)) return program;
    const auto slash = program.rfind('/');
    if (slash != std::string::npos) {
        const std::string installed = program.substr(0, slash) + "/share/linkwell";
        if (holds(installed)) return installed;
    }
    return program;
}

std::string TempFolder() {
    const char* base = std::getenv("TMPDIR");
    std::string dir = (base && *base) ? base : "/tmp";
    if (dir.size() > 1000) dir.resize(1000);
    if (dir.back() != '/') dir += '/';
    dir += "linkwell-" + std::to_string(::getuid());
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
        Fail("Cannot create folder", dir, errno);
    struct stat st {};
    if (::lstat(dir.c_str(), &st) != 0) Fail("Cannot use folder", dir, errno);
    // Another user's folder or a link planted in the shared temporary path is not ours.
    if (!S_ISDIR(st.st_mode) || st.st_uid != ::getuid()) Fail("Cannot use folder", dir, EPERM);
    if ((st.st_mode & 0777) != 0700) ::chmod(dir.c_str(), 0700);
    return dir + '/';
}

void WriteStringToFile(const std::string& text, const std::string& fileName) {
    std::string temp;
    int err = 0;
    TFd fd = OpenReplacement(fileName, temp, err);
    if (!fd) throw EFileError(UnableToOpenText(fileName, err));
    if (!WriteAll(fd.Get(), text.data(), text.size())) {
        err = errno;
        fd.Close();
        ::unlink(temp.c_str());
    } else {
        err = CommitReplacement(std::move(fd), temp, fileName);
    }
    if (err != 0) throw EFileError(UnableToWriteText(fileName, err));
}

std::string ReadFileToString(const std::string& fileName) {
    const TFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) throw EFileError(UnableToOpenText(fileName, errno));
    std::string out;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EFileError(CannotReadText(fileName, errno));
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::string ReadFileHead(const std::string& fileName, size_t count, uint64_t* size) {
    const TFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) throw EFileError(UnableToOpenText(fileName, errno));
    if (size) {
        struct stat st {};
        if (::fstat(fd.Get(), &st) != 0) throw EFileError(UnableToOpenText(fileName, errno));
        *size = static_cast<uint64_t>(st.st_size);
    }
    std::string head(count, '\0');
    size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd.Get(), head.data() + got, count - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw EFileError(CannotReadText(fileName, errno));
        }
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    head.resize(got);
    return head;
}

std::string ExtractFileName(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& path) {
    const std::string name = ExtractFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

} // namespace lw
