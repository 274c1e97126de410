#include "objects/BadFile.h"

#include "objects/FileHeaders.h"

namespace lw {

TUiText BadFileQuestionTemplate(bool allowText, bool unknownKind) {
    // The kind is part of the sentence: the unknown kind has sentences of its own, so that a
    // translation can word them whole.
    if (unknownKind && allowText)
        return LW_UI_TEXT("CoreTexts",
                          "%1\r\n\r\nis a Unknown file and does not match the calculator.\r\n"
                          "This may damage the calculator contents.\r\n\r\nHow should this "
                          "file be downloaded?",
                          "BadFileQuestionUnknownText");
    if (unknownKind)
        return LW_UI_TEXT("CoreTexts",
                          "%1\r\n\r\nis a Unknown file and does not match the calculator.\r\n"
                          "This may damage the calculator contents.\r\n\r\nDo you wish to "
                          "continue?",
                          "BadFileQuestionUnknownBinary");
    if (allowText)
        return LW_UI_TEXT("CoreTexts",
                          "%1\r\n\r\nis a %2 file and does not match the calculator.\r\nThis "
                          "may damage the calculator contents.\r\n\r\nHow should this file be "
                          "downloaded?",
                          "BadFileQuestionText");
    return LW_UI_TEXT("CoreTexts",
                      "%1\r\n\r\nis a %2 file and does not match the calculator.\r\nThis may "
                      "damage the calculator contents.\r\n\r\nDo you wish to continue?",
                      "BadFileQuestionBinary");
}

std::string BadFileQuestion(const std::string& fileName, const std::string& kind, bool allowText) {
    return FillUiText(BadFileQuestionTemplate(allowText, kind == UnknownFileKind).Text,
                      {fileName, kind});
}

} // namespace lw
