#include "mainwin/BadFileForm.h"

#include "prompts/MessageMemo.h"
#include "settings/WindowPlacement.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace lw::gui {

TFBadFile::TFBadFile(QWidget* parent) : TQuestionDialog(parent, "TFBadFile", BadFileCaption, 60) {
    btnYes = AddAnswer(BadFileYes, "btnYes", TBadFileAnswer::Yes);
    btnBinary = AddAnswer(BadFileBinary, "btnBinary", TBadFileAnswer::Binary);
    btnText = AddAnswer(BadFileText, "btnText", TBadFileAnswer::Text);
    btnNo = AddAnswer(BadFileNo, "btnNo", TBadFileAnswer::No);
    btnCancel = AddAnswer(BadFileCancel, "btnCancel", TBadFileAnswer::No);
    btnYes->setDefault(true);

    // Yes and Binary on the left, Text in the middle, No and Cancel on the right; only one
    // of each pair is ever shown.
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnYes);
    buttons->addWidget(btnBinary);
    buttons->addStretch();
    buttons->addWidget(btnText);
    buttons->addStretch();
    buttons->addWidget(btnNo);
    buttons->addWidget(btnCancel);
    Arrange(buttons);
}

TBadFileAnswer TFBadFile::Ask(const std::string& fileName, const std::string& kind,
                              bool allowText) {
    Memo1->SetMessage(BadFileQuestion(fileName, kind, allowText));
    btnYes->setVisible(!allowText);
    btnNo->setVisible(!allowText);
    btnBinary->setVisible(allowText);
    btnText->setVisible(allowText);
    btnCancel->setVisible(allowText);
    FFocus = allowText ? btnCancel : btnNo;
    // Escape and closing the dialog answer No.
    return AskModal(TBadFileAnswer::No);
}

void TFBadFile::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, TOwnerForm<TFBadFile>::Get());
    if (FFocus) FFocus->setFocus();
}

} // namespace lw::gui
