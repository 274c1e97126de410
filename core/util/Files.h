// Folder and whole-file routines shared by the server client and the front ends.
#pragma once
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace lw {

// Raised by the file routines; the message names the file and the system's reason.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "Unable to open file <name> - <the system's reason>": the one text for a file that cannot
// be opened or created, whoever reports it.
std::string UnableToOpenText(const std::string& fileName, int err);
// "Unable to write file <name> - <the system's reason>".
std::string UnableToWriteText(const std::string& fileName, int err);

// Owns one file descriptor and closes it when it goes.
class TFd {
public:
    explicit TFd(int fd = -1) noexcept : FFd(fd) {}
    ~TFd() { Reset(); }
    TFd(TFd&& other) noexcept : FFd(other.Release()) {}
    TFd& operator=(TFd&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    TFd(const TFd&) = delete;
    TFd& operator=(const TFd&) = delete;

    int Get() const noexcept { return FFd; }
    explicit operator bool() const noexcept { return FFd >= 0; }
    // Gives the descriptor up without closing it.
    int Release() noexcept {
        const int fd = FFd;
        FFd = -1;
        return fd;
    }
    void Reset(int fd = -1) noexcept;
    // Closes now; 0 or the errno of close.
    int Close() noexcept;

private:
    int FFd;
};

// Writing a file by replacement, in two steps so that the descriptor can be held elsewhere
// meanwhile. OpenReplacement creates a new file "<target>.part<random>" beside the target,
// with the target's mode when the target is a regular file and that of any new file (the
// umask applies) otherwise; on failure the descriptor is invalid and err says why.
TFd OpenReplacement(const std::string& target, std::string& tempPath, int& err);
// Flushes and closes fd and renames tempPath over target; 0 or the errno. On failure
// tempPath is removed and the target is as it was.
int CommitReplacement(TFd fd, const std::string& tempPath, const std::string& target);

// Folder of the running program file, without a trailing separator ("/" stays "/").
std::string ProgramFolder();

// Folder of the files the program ships beside it (calculator-side programs, help pages):
// the program's own folder when it holds `probe` (a build tree), else the installed data
// folder `<prefix>/share/linkwell` next to the program's `<prefix>/bin` when that holds it,
// else the program's folder. No trailing separator.
std::string ProgramDataFolder(const std::string& probe);

// The user's private temporary folder (mode 0700, created on first use below the system
// temporary path), always ending in a separator.
std::string TempFolder();

// Replaces `fileName` with exactly `text`. The bytes go to a temporary file in the same
// folder that is renamed over the target only when complete, so a failure never leaves a
// truncated file and never destroys the file that was there before.
void WriteStringToFile(const std::string& text, const std::string& fileName);

// The whole file as a byte string.
std::string ReadFileToString(const std::string& fileName);
// The first `count` bytes of a file (all of a shorter one); `size`, when given, receives the
// whole file's size. Raises EFileError when the file cannot be opened or read (a folder
// cannot be read).
std::string ReadFileHead(const std::string& fileName, size_t count, uint64_t* size = nullptr);

// The file-name part of a path (after the last '/').
std::string ExtractFileName(const std::string& path);
// The extension of a path's file-name part, dot included ("" when there is none).
std::string ExtractFileExt(const std::string& path);
// The same in lower case (ASCII), to compare with the extensions the program knows.
std::string LowerFileExt(const std::string& path);

} // namespace lw
