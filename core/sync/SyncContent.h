// What the sync compares: the contents of a file on either side, reduced to what matters.
// A binary object file counts by its object (the header's model letters and the transfer's
// padding do not); a text file by the calculator text it stands for (line ends, escapes and
// the header's modes do not).
#pragma once
#include "server/CalcState.h"
#include "util/ScopeExit.h"

#include <string>

namespace lw {

class TXModemServer;

// Puts the sync's transfer mode and file-name form into the state until the returned guard
// ends, and the window's own back then.
[[nodiscard]] inline auto SyncModeScope(TCalcState& state, bool textMode, bool addExtension) {
    ScopeExit restore([&state, text = state.TextMode, extension = state.AddExtension] {
        state.TextMode = text;
        state.AddExtension = extension;
    });
    state.TextMode = textMode;
    state.AddExtension = addExtension;
    return restore;
}

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
