#include "cli/Completion.h"

#include "cli/Script.h"

#include "util/SysFiles.h"

#include <algorithm>
#include <filesystem>
#include <set>

namespace lw::cli {

namespace {

// Where the current command (after the last ";" outside quotes) and its last word begin.
void FindLastWord(const std::string& line, size_t& command, size_t& word) {
    command = 0;
    word = 0;
    char quote = 0;
    bool inWord = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote) {
            if (c == quote)
                quote = 0;
            else if (quote == '"' && c == '\\')
                ++i;
            continue;
        }
        if (c == ';') {
            command = i + 1;
            inWord = false;
        } else if (c == ' ' || c == '\t') {
            inWord = false;
        } else {
            if (!inWord) word = i;
            inWord = true;
            if (c == '\'' || c == '"')
                quote = c;
            else if (c == '\\')
                ++i;
        }
    }
    if (!inWord) word = line.size();
    word = std::max(word, command);
}

// The words of a piece of command line, quotes taken off (an open quote counts as closed).
std::vector<std::string> Words(const std::string& text) {
    const std::vector<TStatement> statements = ParseScript(text);
    return statements.empty() ? std::vector<std::string>{} : statements.front().Words;
}

void AddMatching(std::set<std::string>& out, const std::vector<std::string>& from,
                 const std::string& prefix) {
    for (const auto& w : from)
        if (w.rfind(prefix, 0) == 0) out.insert(w);
}

bool TakesCalcNames(const std::string& command) {
    return command == "get" || command == "rm" || command == "mv" || command == "eval";
}

bool TakesPcFiles(const std::string& command) {
    return command == "put" || command == "backup" || command == "restore" ||
           command == "xmodem-send" || command == "xmodem-receive" || command == "rom" ||
           command == "capture" || command == "run";
}

} // namespace

TCompletion Complete(const std::string& line, const TCompletionSource& source) {
    TCompletion result;
    size_t commandStart = 0;
    FindLastWord(line, commandStart, result.Start);
    const std::vector<std::string> before =
        Words(line.substr(commandStart, result.Start - commandStart));
    const std::vector<std::string> typed = Words(line.substr(result.Start));
    result.Word = typed.empty() ? "" : typed.front();
    const std::string& word = result.Word;

    std::set<std::string> found;
    if (before.empty()) {
        AddMatching(found, source.Commands, word);
    } else if (!word.empty() && word[0] == '-') {
        if (source.Options) AddMatching(found, source.Options(before.front()), word);
    } else {
        const std::string& command = before.front();
        const std::string& previous = before.back();
        std::vector<std::string> names;
        if ((command == "get" || command == "capture") && previous == "-o") {
            names = PcFileCandidates(word, command == "get");
        } else if (TakesCalcNames(command) || command == "cd") {
            for (const auto& [name, isDir] : source.Entries)
                if (command != "cd" || isDir) names.push_back(name);
            if (command == "cd") names.push_back("..");
        } else if (TakesPcFiles(command)) {
            names = PcFileCandidates(word, false);
        } else if (command == "lcd" || command == "sync") {
            names = PcFileCandidates(word, true);
        } else if (command == "help") {
            names = source.Commands;
        }
        AddMatching(found, names, word);
    }
    result.Candidates.assign(found.begin(), found.end());
    return result;
}

std::vector<std::string> PcFileCandidates(const std::string& prefix, bool foldersOnly) {
    const size_t slash = prefix.rfind('/');
    const std::string folderPart = slash == std::string::npos ? "" : prefix.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? prefix : prefix.substr(slash + 1);
    const std::string folder = folderPart.empty() ? "." : folderPart;
    std::vector<std::string> out;
    std::error_code err;
    for (std::filesystem::directory_iterator it(folder, err), end; !err && it != end;
         it.increment(err)) {
        const std::u8string utf8 = it->path().filename().u8string();
        const std::string name(reinterpret_cast<const char*>(utf8.data()), utf8.size());
        if (name.empty() || name.rfind(base, 0) != 0) continue;
        if (name[0] == '.' && (base.empty() || base[0] != '.')) continue;
        const bool isDir = sys::TargetKind(folder + "/" + name) == sys::TPathKind::Folder;
        if (foldersOnly && !isDir) continue;
        out.push_back(folderPart + name + (isDir ? "/" : ""));
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::string CommonPrefix(const std::vector<std::string>& words) {
    if (words.empty()) return "";
    std::string prefix = words.front();
    for (const auto& w : words) {
        size_t n = 0;
        while (n < prefix.size() && n < w.size() && prefix[n] == w[n]) ++n;
        prefix.resize(n);
    }
    return prefix;
}

} // namespace lw::cli
