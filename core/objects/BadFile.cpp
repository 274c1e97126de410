#include "objects/BadFile.h"

namespace lw {

TUiText BadFileQuestionTemplate(bool allowText) {
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
    return FillUiText(BadFileQuestionTemplate(allowText).Text, {fileName, kind});
}

} // namespace lw
