#include "support/gui/FileScript.h"

namespace lw::test {

TFileScript::TFileScript() {
    FPrevious = gui::SetFileChooser([this](QWidget*, const gui::TFileRequest& request) {
        Requests.push_back(request);
        if (FAnswers.empty()) return QString();
        const TAnswer answer = std::move(FAnswers.front());
        FAnswers.pop_front();
        return answer(request);
    });
}

TFileScript::~TFileScript() {
    gui::SetFileChooser(std::move(FPrevious));
}

void TFileScript::Then(TAnswer answer) {
    FAnswers.push_back(std::move(answer));
}

void TFileScript::Then(const std::string& path) {
    Then([path](const gui::TFileRequest&) { return QString::fromStdString(path); });
}

} // namespace lw::test
