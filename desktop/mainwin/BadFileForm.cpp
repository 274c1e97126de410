#include "mainwin/BadFileForm.h"

#include "objects/FileHeaders.h"
#include "prompts/CoreTexts.h"
#include "prompts/MessageMemo.h"
#include "settings/WindowPlacement.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace lw::gui {

TFBadFile::TFBadFile(QWidget* parent)
    : TQuestionDialog(parent, "TFBadFile", TrCore(BadFileCaptionText), 60) {
    btnYes = AddAnswer(TrCore(BadFileYesText), "btnYes", TBadFileAnswer::Yes);
    btnBinary = AddAnswer(TrCore(BadFileBinaryText), "btnBinary", TBadFileAnswer::Binary);
    btnText = AddAnswer(TrCore(BadFileTextText), "btnText", TBadFileAnswer::Text);
    btnNo = AddAnswer(TrCore(BadFileNoText), "btnNo", TBadFileAnswer::No);
    btnCancel = AddAnswer(TrCore(BadFileCancelText), "btnCancel", TBadFileAnswer::No);
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
    const TUiText question = BadFileQuestionTemplate(allowText, kind == UnknownFileKind);
    Memo1->SetMessage(
        QString::fromStdString(FillUiText(TrCore(question).toStdString(), {fileName, kind})));
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
