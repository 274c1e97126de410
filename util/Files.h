// Folder and whole-file routines shared by the server client and the front ends.
#pragma once
#include <stdexcept>
#include <string>

namespace lw {

// Raised by the file routines; the message names the file and the system's reason.
class EFileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

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

// The file-name part of a path (after the last '/').
std::string ExtractFileName(const std::string& path);
// The extension of a path's file-name part, dot included ("" when there is none).
std::string ExtractFileExt(const std::string& path);

} // namespace lw
