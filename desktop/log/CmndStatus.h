// The "Calculator is Working" dialog shown while the calculator runs a script: its Cancel
// button asks the server client to stop waiting (the calculator continues on its own).
#pragma once
#include <QDialog>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace lw::gui {

class TFCmndStatus : public QDialog {
    Q_OBJECT
public:
    explicit TFCmndStatus(QWidget* parent = nullptr);

    bool CancelRequested() const { return FCancel; }
    void ClearCancel() { FCancel = false; }

    QPlainTextEdit* Memo1;
    QProgressBar* Animate1;
    QPushButton* btnCancel;

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override; // Cancel and the cancel key set the request

private:
    bool FCancel = false;
};

} // namespace lw::gui
