#include "util/Files.h"

#include "util/MessageTexts.h"
#include "util/SysFiles.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>

namespace lw {
namespace {

// "Cannot read from file <name> - <the system's reason>", in the form of UnableToOpenText.
std::string CannotReadText(const std::string& fileName, int err) {
    return msg::Fill(msg::CannotRead, {fileName, std::strerror(err)});
}

std::string TempSuffix() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed = std::random_device{}();
    static const char digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    static const unsigned started =
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    unsigned v = seed ^ (started << 16) ^ (counter++ * 2654435761u);
    std::string s;
    for (int i = 0; i < 6; ++i, v /= 36) s += digits[v % 36];
    return s;
}

} // namespace

std::string UnableToOpenText(const std::string& fileName, int err) {
    return msg::Fill(msg::UnableToOpen, {fileName, std::strerror(err)});
}

std::string UnableToWriteText(const std::string& fileName, int err) {
    return msg::Fill(msg::UnableToWrite, {fileName, std::strerror(err)});
}

void TFd::Reset(int fd) noexcept {
    if (FFd >= 0 && FFd != fd) sys::CloseFile(FFd);
    FFd = fd;
}

int TFd::Close() noexcept {
    const int fd = Release();
    return fd >= 0 ? sys::CloseFile(fd) : 0;
}

TFd OpenReplacement(const std::string& target, std::string& tempPath, int& err) {
    TFd fd;
    err = 0;
    for (int attempt = 0; attempt < 100 && !fd; ++attempt) {
        tempPath = target + ".part" + TempSuffix();
        fd.Reset(sys::CreateNewFile(tempPath));
        err = fd ? 0 : errno;
        if (err != 0 && err != EEXIST) break;
    }
    if (!fd) {
        tempPath.clear();
        return fd;
    }
    sys::CopyPermissions(target, fd.Get());
    return fd;
}

int CommitReplacement(TFd fd, const std::string& tempPath, const std::string& target) {
    int err = fd ? 0 : EBADF;
    if (err == 0) err = sys::FlushToDisk(fd.Get());
    if (const int closed = fd.Close(); err == 0) err = closed;
    if (err == 0) err = sys::RenameOver(tempPath, target);
    if (err != 0 && !tempPath.empty()) sys::RemoveFile(tempPath);
    return err;
}

std::string ProgramFolder() {
    const std::string path = sys::ProgramPath();
    if (path.empty()) return ".";
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ProgramDataFolder(const std::string& probe) {
    const std::string program = ProgramFolder();
    const auto holds = [&probe](const std::string& folder) {
        return sys::TargetKind(folder + "/" + probe) != sys::TPathKind::None;
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
    return sys::PrivateTempFolder();
}

void WriteStringToFile(const std::string& text, const std::string& fileName) {
    std::string temp;
    int err = 0;
    TFd fd = OpenReplacement(fileName, temp, err);
    if (!fd) throw EFileError(UnableToOpenText(fileName, err));
    if (!sys::WriteAll(fd.Get(), text.data(), text.size())) {
        err = errno;
        fd.Close();
        sys::RemoveFile(temp);
    } else {
        err = CommitReplacement(std::move(fd), temp, fileName);
    }
    if (err != 0) throw EFileError(UnableToWriteText(fileName, err));
}

std::string ReadFileToString(const std::string& fileName) {
    const TFd fd(sys::OpenForReading(fileName));
    if (!fd) throw EFileError(UnableToOpenText(fileName, errno));
    std::string out;
    char buf[65536];
    for (;;) {
        const long n = sys::ReadSome(fd.Get(), buf, sizeof buf);
        if (n < 0) throw EFileError(CannotReadText(fileName, errno));
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    return out;
}

std::string ReadFileHead(const std::string& fileName, size_t count, uint64_t* size) {
    const TFd fd(sys::OpenForReading(fileName));
    if (!fd) throw EFileError(UnableToOpenText(fileName, errno));
    if (size) {
        if (const int err = sys::OpenFileSize(fd.Get(), *size); err != 0 && err != EISDIR)
            throw EFileError(UnableToOpenText(fileName, err));
    }
    std::string head(count, '\0');
    size_t got = 0;
    while (got < count) {
        const long n = sys::ReadSome(fd.Get(), head.data() + got, count - got);
        if (n < 0) throw EFileError(CannotReadText(fileName, errno));
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }
    head.resize(got);
    return head;
}

std::string ExtractFileName(const std::string& path) {
    const auto slash = path.find_last_of(sys::PathSeparators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string ExtractFileExt(const std::string& path) {
    const std::string name = ExtractFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

std::string LowerFileExt(const std::string& path) {
    std::string ext = ExtractFileExt(path);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

} // namespace lw
