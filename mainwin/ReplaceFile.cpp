#include "mainwin/ReplaceFile.h"

#include "objects/ReplaceFile.h"
#include "prompts/MessageMemo.h"
#include "settings/WindowPlacement.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw::gui {

TFReplaceFile::TFReplaceFile(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TFReplaceFile");
    setWindowTitle(ReplaceFileCaption);
    Memo1 = new TMessageMemo(50, this);
    Memo1->setObjectName("Memo1");
    btnYes = AddAnswer(ReplaceFileYes, "btnYes", TModalResult::Yes);
    btnAll = AddAnswer(ReplaceFileAll, "btnAll", TModalResult::All);
    btnNo = AddAnswer(ReplaceFileNo, "btnNo", TModalResult::No);
    btnCancel = AddAnswer(ReplaceFileCancel, "btnCancel", TModalResult::Cancel);
    btnYes->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {btnYes, btnAll, btnNo, btnCancel}) buttons->addWidget(b);
    buttons->addStretch();
    auto* root = new QVBoxLayout(this);
    root->addWidget(Memo1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TFReplaceFile::AddAnswer(const char* caption, const char* name, TModalResult result) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, result] { done(int(result)); });
    return button;
}

TModalResult TFReplaceFile::AskReplace(const std::string& name, int count) {
    Memo1->SetMessage(ReplaceFileQuestion(name));
    btnAll->setVisible(ReplaceFileOffersAll(count));
    layout()->activate();
    if (QWidget* main = TOwnerForm<TFReplaceFile>::Get()) {
        main->raise();
        main->activateWindow();
    }
    switch (TModalResult(exec())) {
    case TModalResult::Yes:
        return TModalResult::Yes;
    case TModalResult::All:
        return TModalResult::All;
    case TModalResult::No:
        return TModalResult::No;
    default:
        return TModalResult::Cancel;
    }
}

void TFReplaceFile::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, TOwnerForm<TFReplaceFile>::Get());
    btnYes->setFocus();
}

} // namespace lw::gui
