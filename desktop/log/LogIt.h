// The log window: every message a transfer reported, collected by the progress dialog, and
// reports of settings that could not be saved. Hidden until the user opens it.
#pragma once
#include <QDialog>

class QAction;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace lw::gui {

class TWindowPosSave;

class TFLogForm : public QDialog {
    Q_OBJECT
public:
    explicit TFLogForm(QWidget* parent = nullptr);
    ~TFLogForm() override;

    // Appends one line to the memo.
    void AddLine(const QString& text);
    QStringList Lines() const;

    // The position is saved under "LogForm" on closing when the program runs on its own
    // (not when a window of another program hosts the log).
    bool SavePositionOnClose = true;

    QPlainTextEdit* Memo1;
    QMenu* PopupMenu1;
    QAction* mnuSelectAll;
    QAction* mnuCopy;
    QPushButton* btnClear;
    QPushButton* btnOK;
    TWindowPosSave* WindowPosSave1;

protected:
    // Every way of closing ends here (OK, the cancel key, the window's close button).
    void done(int result) override;
};

} // namespace lw::gui
