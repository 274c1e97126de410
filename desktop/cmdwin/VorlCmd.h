// The "Calculator Commands" window: command lines typed here run on the calculator through the
// host window's server client, and a picture of the calculator's stack (its lowest seven
// levels) is shown above them. Created once at program start, shown from the main window's
// View menu and hidden again when closed; it opens at start when it was open at the last
// close of the program.
#pragma once
#include <QDialog>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace lw::gui {

class IVorlCmdHost;
class TWindowPosSave;

class TFVorlCmd : public QDialog {
    Q_OBJECT
public:
    // Registers itself with `host`, which enables it from then on.
    explicit TFVorlCmd(IVorlCmdHost& host, QWidget* parent = nullptr);
    ~TFVorlCmd() override;

    // The shown text until the first stack picture.
    static const char* const WarningText;
    // Characters a paste puts into the command box at most.
    static constexpr int MaxPaste = 99;

    // The command box, Update and Send work exactly when connected and not busy.
    void SetCommandEnabled(bool connected, bool busy);
    // Replaces the memo's contents by the stack picture (the main window is busy meanwhile).
    void UpdateStack();
    bool AutoUpdate() const;
    // The View menu's "Calculator Command": shows the window (restored and focused) or closes it.
    void ShowFromMenu(bool show);
    // The program ends: closes the window, storing its settings also when it is hidden
    // already, so it opens at the next start exactly when it is open now.
    void CloseAtExit();

    void btnSendClick();
    void btnStackClick();
    void mnuPaste2Click();

    QPlainTextEdit* Memo1;
    QWidget* Panel1;
    QCheckBox* chbAutoUpdate;
    QLabel* lblCmd;
    QComboBox* cmboCmd;
    QPushButton* btnStack;
    QPushButton* btnSend;
    QPushButton* btnOK;
    QMenu* PopupMenu1;
    QAction *mnuSelectAll, *mnuCopy;
    QMenu* PopupMenu2;
    QAction *mnuSelectAll2, *mnuCut2, *mnuCopy2, *mnuPaste2;
    TWindowPosSave* WindowPosSave1;

protected:
    // The Close button, the cancel key and the window's close button all end here.
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void FormClose();
    void AddToHistory(const QString& text);
    bool Ready() const { return FConnected && !FBusy; }

    IVorlCmdHost& FHost;
    bool FConnected = false;
    bool FBusy = false;
};

} // namespace lw::gui
