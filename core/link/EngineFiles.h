// The PC files of the transfer engines. Their descriptors live in the slots SendFileHandle and
// ReceiveFileHandle so that the serious-error path can close them.
#pragma once
#include <cstddef>
#include <string>

namespace lw {

// A receive into a file: the bytes go to a new temporary file beside the target, which is
// renamed over the target only by Commit. Anything else (Discard, destruction) removes it
// and leaves the target as it was.
class TReceiveFile {
public:
    TReceiveFile() = default;
    ~TReceiveFile() { Discard(); }
    TReceiveFile(const TReceiveFile&) = delete;
    TReceiveFile& operator=(const TReceiveFile&) = delete;

    // Creates the temporary file; RaiseLinkError when it cannot.
    void Open(const std::string& target);
    // Appends bytes; RaiseLinkError when they cannot be written.
    void Write(const char* data, size_t size);
    // Closes the descriptor if the slot still holds it (the temporary file stays until
    // Discard).
    void Close();
    // Flushes, closes and renames over the target; RaiseLinkError on failure (the temporary
    // file is then removed).
    void Commit();
    // Closes and removes the temporary file.
    void Discard();

private:
    std::string FTarget;
    std::string FTemp;
};

// Opens a file to send and records it in SendFileHandle; RaiseLinkError when it cannot.
// Returns the size.
long long OpenSendFile(const std::string& fileName);
// Closes the file in SendFileHandle, if any.
void CloseSendFile();
// Reads up to `size` bytes from the file in SendFileHandle; -1 on failure.
long ReadSendFile(char* data, size_t size);

} // namespace lw
