// The transfer prompts dialog: tells the user what to do on the calculator before the program
// can go on (start the server, a manual XRECV or XSEND, a screen capture, a ROM download, a
// reconnection after a restore) and asks the program's own questions. The wording follows the
// calculator's entry mode, ALG or RPN, which the user can switch while a prompt is open.
// Created once and reused; texts come from the core (link/PromptTexts.h).
#pragma once
#include "link/UiHooks.h"

#include <QDialog>

#include <string>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace lw::gui {

class TMessageMemo;

class TFDownLd : public QDialog, public IPromptDialog {
    Q_OBJECT
public:
    // `rpnPrompts`: the main window's RpnPrompts setting.
    explicit TFDownLd(bool rpnPrompts, QWidget* parent = nullptr);

    // IPromptDialog. Modeless kinds show without blocking and return false at once; the
    // others are modal and return true for OK (or "Connect...").
    bool ShowPrompt(TPromptKind kind, const std::string& title) override;
    bool ShowCustomPrompt(const std::string& text, const std::string& title) override;
    bool IsVisible() override { return isVisible(); }
    void Hide() override { hide(); }
    void Focus() override;

    // Hides the dialog when the prompt shown last is of `kind`.
    void HidePromptIfKind(TPromptKind kind);
    // Fills and lays out the dialog for `kind` without showing it.
    void SetPrompt(TPromptKind kind);

    // The current ALG/RPN choice, which the main window stores when it closes.
    bool RpnPrompts() const { return FRpnPrompts; }
    TPromptKind CurrentKind() const { return FCurrentKind; }

    TMessageMemo* Memo1;
    QGroupBox* grpPrompt;
    QRadioButton* rbtnALG;
    QRadioButton* rbtnRPN;
    QPushButton* btnOK;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;

private Q_SLOTS:
    void rbtnALGClick();
    void rbtnRPNClick();

private:
    bool FRpnPrompts;
    TPromptKind FCurrentKind = TPromptKind::Custom;
};

} // namespace lw::gui
