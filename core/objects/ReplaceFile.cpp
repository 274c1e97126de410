#include "objects/ReplaceFile.h"

namespace lw {

std::string ReplaceFileQuestion(const std::string& name) {
    return FillUiText(ReplaceFileQuestionTemplate.Text, {name});
}

} // namespace lw
