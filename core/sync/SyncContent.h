// What the sync compares: the contents of a file on either side, reduced to what matters.
// A binary object file counts by its object (the header's model letters and the transfer's
// padding do not); a text file by the calculator text it stands for (line ends, escapes and
// the header's modes do not).
#pragma once
#include <string>

namespace lw {

class TXModemServer;
struct TCalcState;

// Puts the sync's transfer mode and file-name form into the state for its lifetime, and the
// window's own back afterwards.
class TSyncModeScope {
public:
    TSyncModeScope(TCalcState& state, bool textMode, bool addExtension);
    ~TSyncModeScope();
    TSyncModeScope(const TSyncModeScope&) = delete;
    TSyncModeScope& operator=(const TSyncModeScope&) = delete;

private:
    TCalcState& FState;
    bool FTextMode, FAddExtension;
};

// The hash of a file's contents, or "" with `why` set when the file is not one the sync can
// send in this mode (not an object file of the calculator `modelCode`, or no text file).
std::string SyncContentHash(const std::string& bytes, bool textMode, const std::string& modelCode,
                            const std::string& fileName, std::string& why);

// Fetches a variable of the server's current directory as the file a copy would write (binary
// or text as the server's state says), into memory. False when the copy failed or the name
// was refused; the core's errors pass through.
bool FetchCalcFile(TXModemServer& server, const std::string& displayName, int typeIndex, int size,
                   std::string& bytes);

} // namespace lw
