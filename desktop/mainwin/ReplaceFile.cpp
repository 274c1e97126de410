#include "mainwin/ReplaceFile.h"

#include "objects/ReplaceFile.h"
#include "prompts/CoreTexts.h"
#include "prompts/MessageMemo.h"
#include "settings/WindowPlacement.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace lw::gui {

TFReplaceFile::TFReplaceFile(QWidget* parent)
    : TQuestionDialog(parent, "TFReplaceFile", TrCore(ReplaceFileCaptionText), 50) {
    btnYes = AddAnswer(TrCore(ReplaceFileYesText), "btnYes", TModalResult::Yes);
    btnAll = AddAnswer(TrCore(ReplaceFileAllText), "btnAll", TModalResult::All);
    btnNo = AddAnswer(TrCore(ReplaceFileNoText), "btnNo", TModalResult::No);
    btnCancel = AddAnswer(TrCore(ReplaceFileCancelText), "btnCancel", TModalResult::Cancel);
    btnYes->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnYes, btnAll, btnNo, btnCancel}) buttons->addWidget(b);
    buttons->addStretch();
    Arrange(buttons);
}

TModalResult TFReplaceFile::AskReplace(const std::string& name, int count) {
    Memo1->SetMessage(TrCore(ReplaceFileQuestionTemplate).arg(QString::fromStdString(name)));
    btnAll->setVisible(ReplaceFileOffersAll(count));
    if (QWidget* main = TOwnerForm<TFReplaceFile>::Get()) {
        main->raise();
        main->activateWindow();
    }
    // Escape and closing the dialog answer Cancel.
    return AskModal(TModalResult::Cancel);
}

void TFReplaceFile::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, TOwnerForm<TFReplaceFile>::Get());
    btnYes->setFocus();
}

} // namespace lw::gui
