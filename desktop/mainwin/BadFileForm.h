// The "Wrong File Type?" dialog: asked before a file that does not suit the connected
// calculator is sent. A file without a binary header offers Binary, Text and Cancel (Cancel
// preselected); an object file of another model offers Yes and No (No preselected). Texts
// from the core (objects/BadFile.h).
#pragma once
#include "prompts/QuestionDialog.h"
#include "server/ServerUi.h"

class QPushButton;

namespace lw::gui {

class TFBadFile : public TQuestionDialog, public IBadFileDialog {
    Q_OBJECT
public:
    explicit TFBadFile(QWidget* parent = nullptr);
    // Shows the question modally; No for No, Cancel or a closed dialog.
    TBadFileAnswer Ask(const std::string& fileName, const std::string& kind,
                       bool allowText) override;

    QPushButton* btnYes;
    QPushButton* btnBinary;
    QPushButton* btnText;
    QPushButton* btnNo;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPushButton* FFocus = nullptr;
};

} // namespace lw::gui
