// The "Confirm File Replace" dialog: asked before a PC file replaces a calculator variable.
// Yes, All (only for a batch of two files or more), No, Cancel. Texts from the core
// (objects/ReplaceFile.h).
#pragma once
#include "prompts/QuestionDialog.h"
#include "server/ServerUi.h"

class QPushButton;

namespace lw::gui {

class TFReplaceFile : public TQuestionDialog, public IReplaceDialog {
    Q_OBJECT
public:
    explicit TFReplaceFile(QWidget* parent = nullptr);
    // Brings the main window (the owner) to the front and asks modally: Yes, All, No or
    // Cancel (also for Escape).
    TModalResult AskReplace(const std::string& name, int count) override;

    QPushButton* btnYes;
    QPushButton* btnAll;
    QPushButton* btnNo;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace lw::gui
