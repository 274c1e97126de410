// The "Confirm File Replace" question: asked before a PC file replaces a calculator variable.
// The desktop dialog and the terminal ask it with the same texts.
#pragma once
#include "util/UiText.h"

#include <string>

namespace lw {

inline constexpr TUiText ReplaceFileCaptionText =
    LW_UI_TEXT("CoreTexts", "Confirm File Replace", "ReplaceFileCaption");
// The buttons, left to right; All shows only when the batch holds two files or more.
inline constexpr TUiText ReplaceFileYesText = LW_UI_TEXT("CoreTexts", "&Yes", "ReplaceFileYes");
inline constexpr TUiText ReplaceFileAllText = LW_UI_TEXT("CoreTexts", "&All", "ReplaceFileAll");
inline constexpr TUiText ReplaceFileNoText = LW_UI_TEXT("CoreTexts", "&No", "ReplaceFileNo");
inline constexpr TUiText ReplaceFileCancelText =
    LW_UI_TEXT("CoreTexts", "Cancel     ", "ReplaceFileCancel");
inline constexpr const char* ReplaceFileCaption = ReplaceFileCaptionText.Text;
inline constexpr const char* ReplaceFileYes = ReplaceFileYesText.Text;
inline constexpr const char* ReplaceFileAll = ReplaceFileAllText.Text;
inline constexpr const char* ReplaceFileNo = ReplaceFileNoText.Text;
inline constexpr const char* ReplaceFileCancel = ReplaceFileCancelText.Text;

// The question before %1 is filled in with the name.
inline constexpr TUiText ReplaceFileQuestionTemplate = LW_UI_TEXT(
    "CoreTexts",
    "\r\nThis folder already contains a file named %1.\r\n\r\nWould you like to replace the "
    "existing file?\r\n\r\n",
    "ReplaceFileQuestion");
// "\r\nThis folder already contains a file named NAME.\r\n\r\nWould you like to replace the
// existing file?\r\n\r\n"
std::string ReplaceFileQuestion(const std::string& name);
// Whether the All button is offered for a batch of `count` files.
inline bool ReplaceFileOffersAll(int count) {
    return count >= 2;
}

} // namespace lw
