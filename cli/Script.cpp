#include "cli/Script.h"

#include "cli/CliTexts.h"

namespace lw::cli {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// What a backslash outside quotes escapes.
bool IsEscapable(char c) {
    return IsBlank(c) || c == '\'' || c == '"' || c == ';' || c == '#' || c == '\\';
}

} // namespace

std::vector<TStatement> ParseScript(const std::string& text) {
    std::vector<TStatement> out;
    TStatement current;
    std::string word;
    bool inWord = false; // a word has begun (an empty quoted word counts)
    int line = 1;
    auto endWord = [&] {
        if (inWord) current.Words.push_back(word);
        word.clear();
        inWord = false;
    };
    auto endStatement = [&] {
        endWord();
        if (!current.Words.empty() || !current.Error.empty()) out.push_back(current);
        current = TStatement{};
        current.Line = line;
    };
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\n' || c == ';') {
            endStatement();
            if (c == '\n') current.Line = ++line;
        } else if (IsBlank(c)) {
            endWord();
        } else if (c == '#' && !inWord) {
            while (i + 1 < text.size() && text[i + 1] != '\n') ++i;
        } else if (c == '\\' && i + 1 < text.size() && IsEscapable(text[i + 1])) {
            word += text[++i];
            inWord = true;
        } else if (c == '\'' || c == '"') {
            inWord = true;
            size_t j = i + 1;
            for (; j < text.size() && text[j] != c && text[j] != '\n'; ++j) {
                if (c == '"' && text[j] == '\\' && j + 1 < text.size() &&
                    (text[j + 1] == '"' || text[j + 1] == '\\'))
                    ++j;
                word += text[j];
            }
            if (j >= text.size() || text[j] != c) {
                current.Error = UnclosedQuoteText();
                i = j - 1; // the line end still ends the command
            } else {
                i = j;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    endStatement();
    return out;
}

std::string QuoteWord(const std::string& word) {
    if (word.empty()) return "''";
    bool plain = true;
    for (char c : word)
        if (IsBlank(c) || c == '\'' || c == '"' || c == ';' || c == '#' || c == '\n') plain = false;
    if (plain && word.find("\\\\") == std::string::npos) return word;
    if (word.find('\'') == std::string::npos) return "'" + word + "'";
    std::string out = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + "\"";
}

} // namespace lw::cli
