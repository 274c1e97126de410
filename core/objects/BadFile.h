// The "Wrong File Type?" question: asked before a file whose head does not suit the connected
// calculator is sent. The desktop dialog and the terminal ask it with the same texts.
#pragma once
#include <string>

namespace lw {

// Answers of IBadFileDialog::Ask.
enum class TBadFileAnswer : int {
    Text = -1,   // send as text (files without a binary header)
    Binary = -2, // send as binary (files without a binary header)
    Yes = 1,     // send anyway (a binary file of another model)
    No = 2,      // No or Cancel: do not send
};

inline constexpr const char* BadFileCaption = "Wrong File Type?";
// The buttons: Yes and Binary share the left place, No and Cancel the right one.
inline constexpr const char* BadFileYes = "&Yes";           // answer Yes, the default button
inline constexpr const char* BadFileNo = "&No";             // answer No
inline constexpr const char* BadFileBinary = "&Binary";     // answer Binary
inline constexpr const char* BadFileText = "&Text";         // answer Text
inline constexpr const char* BadFileCancel = "Cancel     "; // answer No

// The question's text. `allowText`: the file has no binary header, and the answers are Binary,
// Text and Cancel (Cancel preselected); otherwise Yes and No (No preselected).
std::string BadFileQuestion(const std::string& fileName, const std::string& kind, bool allowText);

} // namespace lw
