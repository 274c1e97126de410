#include "mainwin/BadFileForm.h"

#include "prompts/MessageMemo.h"
#include "settings/WindowPlacement.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw::gui {

TFBadFile::TFBadFile(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName("TFBadFile");
    setWindowTitle(BadFileCaption);
    Memo1 = new TMessageMemo(60, this);
    Memo1->setObjectName("Memo1");
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
    auto* root = new QVBoxLayout(this);
    root->addWidget(Memo1);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);
}

QPushButton* TFBadFile::AddAnswer(const char* caption, const char* name, TBadFileAnswer answer) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, answer] {
        FAnswer = answer;
        accept();
    });
    return button;
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
    layout()->activate();
    FAnswer = TBadFileAnswer::No;
    // Escape and closing the dialog answer No.
    return exec() == QDialog::Accepted ? FAnswer : TBadFileAnswer::No;
}

void TFBadFile::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, TOwnerForm<TFBadFile>::Get());
    if (FFocus) FFocus->setFocus();
}

} // namespace lw::gui
