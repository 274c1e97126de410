// Session command lines: a text cut into commands (";" and line ends separate them, "#" starts
// a comment) and each command into words, with quoting for names and file names that hold
// blanks. Single quotes keep everything; double quotes keep everything but \" and \\; a
// backslash outside quotes escapes a blank, a quote, ";", "#" or a backslash and is kept before
// anything else, so a calculator name such as A\->B is typed as it is shown.
#pragma once
#include <string>
#include <vector>

namespace lw::cli {

struct TStatement {
    std::vector<std::string> Words;
    int Line = 1;      // 1-based line of the text it began on
    std::string Error; // a quoting error ("" when the words are whole)
};

// The commands of `text` in order; empty commands (blank, comment only) are left out.
std::vector<TStatement> ParseScript(const std::string& text);

// `word` as a session line takes it: quoted when it holds what would split it.
std::string QuoteWord(const std::string& word);

} // namespace lw::cli
