#include "prompts/DownLd.h"

#include "link/PromptTexts.h"
#include "prompts/CoreTexts.h"
#include "prompts/MessageMemo.h"
#include "settings/WindowPlacement.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lw::gui {

namespace {
// Wide enough for the longest line of the calculator instructions.
constexpr int MemoWidthChars = 56;
} // namespace

TFDownLd::TFDownLd(bool rpnPrompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), FRpnPrompts(rpnPrompts) {
    setObjectName("TFDownLd");
    setWindowTitle(TrPromptTitle(TPromptKind::Custom));

    grpPrompt = new QGroupBox(tr("Show prompts for a calculator in"), this);
    grpPrompt->setObjectName("grpPrompt");
    rbtnALG = new QRadioButton(tr("ALG Mode"), grpPrompt);
    rbtnALG->setObjectName("rbtnALG");
    rbtnRPN = new QRadioButton(tr("RPN Mode"), grpPrompt);
    rbtnRPN->setObjectName("rbtnRPN");
    auto* modes = new QHBoxLayout(grpPrompt);
    modes->addWidget(rbtnALG);
    modes->addWidget(rbtnRPN);
    modes->addStretch();

    Memo1 = new TMessageMemo(MemoWidthChars, this);
    Memo1->setObjectName("Memo1");

    btnOK = new QPushButton(TrPromptOkCaption(TPromptKind::Custom), this);
    btnOK->setObjectName("btnOK");
    btnCancel = new QPushButton(tr("Cancel    "), this);
    btnCancel->setObjectName("btnCancel");
    // OK and Cancel side by side in the middle; OK alone (no Cancel) is centred.
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    buttons->addStretch();

    auto* root = new QVBoxLayout(this);
    root->addWidget(grpPrompt);
    root->addWidget(Memo1);
    root->addLayout(buttons);
    // A fixed border: the dialog always has the size its contents ask for.
    root->setSizeConstraint(QLayout::SetFixedSize);

    connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);
    // Cancel hides the dialog: a modal prompt ends with Cancel, a modeless one disappears,
    // which ends the caller's wait.
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(rbtnALG, &QRadioButton::clicked, this, &TFDownLd::rbtnALGClick);
    connect(rbtnRPN, &QRadioButton::clicked, this, &TFDownLd::rbtnRPNClick);
    SetPrompt(FCurrentKind);
}

void TFDownLd::SetPrompt(TPromptKind kind) {
    // A custom prompt keeps the caller's text; every other kind shows its own.
    if (kind != TPromptKind::Custom) Memo1->SetMessage(TrPromptText(kind, FRpnPrompts));
    Memo1->FitHeight();
    grpPrompt->setVisible(kind != TPromptKind::Custom);
    rbtnALG->setChecked(!FRpnPrompts);
    rbtnRPN->setChecked(FRpnPrompts);
    layout()->activate();
}

bool TFDownLd::ShowPrompt(TPromptKind kind, const std::string& title) {
    FCurrentKind = kind;
    // A prompt still up from before makes way for this one.
    if (isVisible()) hide();
    btnOK->setText(TrPromptOkCaption(kind));
    setWindowTitle(title.empty() ? TrPromptTitle(kind) : TrCoreText(title));
    btnCancel->setVisible(!IsAcknowledgePrompt(kind));
    const bool modeless = IsModelessPrompt(kind);
    btnOK->setVisible(!modeless);
    SetPrompt(kind);
    if (modeless) {
        setModal(false);
        show();
        raise();
        activateWindow();
        return false;
    }
    return exec() == QDialog::Accepted;
}

bool TFDownLd::ShowCustomPrompt(const std::string& text, const std::string& title) {
    Memo1->SetMessage(TrCoreText(text));
    return ShowPrompt(TPromptKind::Custom, title);
}

void TFDownLd::Focus() {
    raise();
    activateWindow();
}

void TFDownLd::HidePromptIfKind(TPromptKind kind) {
    if (FCurrentKind == kind) hide();
}

void TFDownLd::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CentreOver(*this, TOwnerForm<TFDownLd>::Get());
    if (!btnOK->isHidden())
        btnOK->setFocus();
    else if (!btnCancel->isHidden())
        btnCancel->setFocus();
}

void TFDownLd::rbtnALGClick() {
    FRpnPrompts = false;
    SetPrompt(FCurrentKind);
}

void TFDownLd::rbtnRPNClick() {
    FRpnPrompts = true;
    SetPrompt(FCurrentKind);
}

} // namespace lw::gui
