// The "Wrong File Type?" question: asked before a file whose head does not suit the connected
// calculator is sent. The desktop dialog and the terminal ask it with the same texts.
#pragma once
#include "util/UiText.h"

#include <string>

namespace lw {

// Answers of IBadFileDialog::Ask.
enum class TBadFileAnswer : int {
    Text = -1,   // send as text (files without a binary header)
    Binary = -2, // send as binary (files without a binary header)
    Yes = 1,     // send anyway (a binary file of another model)
    No = 2,      // No or Cancel: do not send
};

inline constexpr TUiText BadFileCaptionText =
    LW_UI_TEXT("CoreTexts", "Wrong File Type?", "BadFileCaption");
// The buttons: Yes and Binary share the left place, No and Cancel the right one.
inline constexpr TUiText BadFileYesText = LW_UI_TEXT("CoreTexts", "&Yes", "BadFileYes");
inline constexpr TUiText BadFileNoText = LW_UI_TEXT("CoreTexts", "&No", "BadFileNo");
inline constexpr TUiText BadFileBinaryText = LW_UI_TEXT("CoreTexts", "&Binary", "BadFileBinary");
inline constexpr TUiText BadFileTextText = LW_UI_TEXT("CoreTexts", "&Text", "BadFileText");
inline constexpr TUiText BadFileCancelText =
    LW_UI_TEXT("CoreTexts", "Cancel     ", "BadFileCancel");
inline constexpr const char* BadFileCaption = BadFileCaptionText.Text;
inline constexpr const char* BadFileYes = BadFileYesText.Text;       // answer Yes, the default
inline constexpr const char* BadFileNo = BadFileNoText.Text;         // answer No
inline constexpr const char* BadFileBinary = BadFileBinaryText.Text; // answer Binary
inline constexpr const char* BadFileText = BadFileTextText.Text;     // answer Text
inline constexpr const char* BadFileCancel = BadFileCancelText.Text; // answer No

// The question before %1 filled in with the file name and %2 with its kind, for the answers
// Binary/Text/Cancel (`allowText`) or Yes/No; for UnknownFileKind (`unknownKind`) the kind is
// in the sentence and only %1 is filled in.
TUiText BadFileQuestionTemplate(bool allowText, bool unknownKind = false);
// The question's text. `allowText`: the file has no binary header, and the answers are Binary,
// Text and Cancel (Cancel preselected); otherwise Yes and No (No preselected).
std::string BadFileQuestion(const std::string& fileName, const std::string& kind, bool allowText);

} // namespace lw
