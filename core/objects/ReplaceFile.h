// The "Confirm File Replace" question: asked before a PC file replaces a calculator variable.
// The desktop dialog and the terminal ask it with the same texts.
#pragma once
#include <string>

namespace lw {

inline constexpr const char* ReplaceFileCaption = "Confirm File Replace";
// The buttons, left to right; All shows only when the batch holds two files or more.
inline constexpr const char* ReplaceFileYes = "&Yes";
inline constexpr const char* ReplaceFileAll = "&All";
inline constexpr const char* ReplaceFileNo = "&No";
inline constexpr const char* ReplaceFileCancel = "Cancel     ";

// "\r\nThis folder already contains a file named NAME.\r\n\r\nWould you like to replace the
// existing file?\r\n\r\n"
std::string ReplaceFileQuestion(const std::string& name);
// Whether the All button is offered for a batch of `count` files.
inline bool ReplaceFileOffersAll(int count) {
    return count >= 2;
}

} // namespace lw
