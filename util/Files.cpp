#include "util/Files.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& file, int err) {
    throw EFileError(what + " " + file + ": " + std::strerror(err));
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
    std::string tmpl = fileName + ".partXXXXXX";
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0) Fail("Cannot create file", fileName, errno);
    bool ok = WriteAll(fd, text.data(), text.size());
    int err = errno;
    if (ok && ::fsync(fd) != 0) ok = false, err = errno;
    // Keep the usual permissions of a newly created file rather than mkstemp's 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat st {};
    ::fchmod(fd, ::stat(fileName.c_str(), &st) == 0 ? (st.st_mode & 07777) : (0666 & ~mask));
    if (::close(fd) != 0 && ok) ok = false, err = errno;
    if (ok && ::rename(tmpl.c_str(), fileName.c_str()) != 0) ok = false, err = errno;
    if (!ok) {
        ::unlink(tmpl.c_str());
        Fail("Cannot write file", fileName, err);
    }
}

std::string ReadFileToString(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) Fail("Cannot open file", fileName, errno);
    std::string out;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            ::close(fd);
            Fail("Cannot read from file", fileName, err);
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return out;
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
