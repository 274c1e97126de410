// Answers the file questions of the main window's commands by script instead of the file
// dialog: each question takes the next queued answer and is recorded. A question with no
// answer left is cancelled, so a test never hangs on an unexpected dialog.
#pragma once
#include "settings/FileChooser.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace lw::test {

class TFileScript {
public:
    using TAnswer = std::function<QString(const gui::TFileRequest&)>;
    TFileScript();  // installs itself as the chooser
    ~TFileScript(); // puts the previous chooser back
    TFileScript(const TFileScript&) = delete;
    TFileScript& operator=(const TFileScript&) = delete;

    void Then(TAnswer answer);
    void Then(const std::string& path); // "" cancels
    int Pending() const { return int(FAnswers.size()); }
    std::vector<gui::TFileRequest> Requests;

private:
    std::deque<TAnswer> FAnswers;
    gui::TFileChooser FPrevious;
};

} // namespace lw::test
