// The file system calls whose form differs between platforms, behind one small interface:
// SysFilesPosix.cpp and SysFilesWin32.cpp. Paths are UTF-8 text; descriptors are the C
// runtime's, opened in binary mode; failures come back as errno values.
#pragma once
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace lw::sys {

// The characters that end a folder name in a path: "/" on POSIX, "/\\" on Windows.
extern const char* const PathSeparators;

// Opens an existing file for reading; -1 with errno set on failure.
int OpenForReading(const std::string& path);
// Creates `path` for writing, failing with EEXIST when it exists (the umask applies on POSIX);
// -1 with errno set on failure.
int CreateNewFile(const std::string& path);
// Creates a new file from `path`, whose last six characters are "XXXXXX" and are replaced by
// a name not in use; -1 with errno set on failure.
int CreateTempFile(std::string& path);
// Reads up to n bytes (repeating after a signal); the count, 0 at the end, -1 with errno.
long ReadSome(int fd, char* buf, size_t n);
// Writes all bytes; false with errno set on failure.
bool WriteAll(int fd, const char* data, size_t size);
// Closes; 0 or the errno of the close.
int CloseFile(int fd);
// Writes the file's data through to the disk; 0 or errno.
int FlushToDisk(int fd);
// The size of an open file; 0 or errno (EISDIR for a folder).
int OpenFileSize(int fd, uint64_t& size);

// Gives the file `fd` the permission bits of `model` when that is a regular file (POSIX only:
// Windows files carry no such bits).
void CopyPermissions(const std::string& model, int fd);
// Renames `from` over `to`, replacing a file there in one step; 0 or errno.
int RenameOver(const std::string& from, const std::string& to);
// Removes a file; 0 or errno.
int RemoveFile(const std::string& path);

enum class TPathKind { None, File, Folder, Other };
// What is at `path`, without following a final symbolic link (a link is Other).
TPathKind PathKind(const std::string& path);
// What is at `path`, following links (None also when it cannot be looked at).
TPathKind TargetKind(const std::string& path);

// The full path of the running program file; "" when it cannot be found.
std::string ProgramPath();
// The user's private temporary folder, created on first use, ending in a separator. On
// POSIX "$TMPDIR/linkwell-<uid>" with mode 0700 and refused when another user owns it; on
// Windows "linkwell" in the user's own temporary folder. Raises EFileError.
std::string PrivateTempFolder();

// The local time of `when`.
std::tm LocalTime(std::time_t when);

} // namespace lw::sys
