// Tab completion in the shell, apart from the terminal: what the word under the cursor may
// become, from the command names, each command's options, the calculator entries of the
// working directory (the listing the session holds) and the PC's files.
#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lw::cli {

struct TCompletionSource {
    std::vector<std::string> Commands; // the commands and the session's own
    std::function<std::vector<std::string>(const std::string& command)> Options;
    std::vector<std::pair<std::string, bool>> Entries; // name (display form), is a directory
};

struct TCompletion {
    size_t Start = 0;                    // where the word under completion begins in the line
    std::string Word;                    // that word as far as typed, quotes taken off
    std::vector<std::string> Candidates; // whole words, sorted; PC folders end in "/"
};

// The candidates for the last word of `line` (the text before the cursor).
TCompletion Complete(const std::string& line, const TCompletionSource& source);

// PC files and folders whose path begins with `prefix` (folders only with foldersOnly).
std::vector<std::string> PcFileCandidates(const std::string& prefix, bool foldersOnly);

// The longest beginning all the words share.
std::string CommonPrefix(const std::vector<std::string>& words);

} // namespace lw::cli
