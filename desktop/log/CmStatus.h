// The modal transfer progress dialog. While a transfer engine works on its own thread the UI
// thread sits in this dialog; the engine's reports (handed over to the UI thread) set its
// text and progress bar and are copied into the log window, and its final report closes it.
#pragma once
#include "link/UiHooks.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

namespace lw::gui {

class TFLogForm;

class TFCmStatus : public QDialog, public IProgressDialog {
    Q_OBJECT
public:
    // `log`: the log window that receives every shown message (may be null).
    explicit TFCmStatus(TFLogForm* log, QWidget* parent = nullptr);

    // Shows the dialog modally until the engine's final report (Ok) or Cancel (Cancel).
    TModalResult ShowProgress(const std::string& caption, bool showCancel) override;
    // One report; dropped while the dialog is not showing (after Cancel, before the next
    // transfer), from the log too.
    void Progress(const std::string& text, TStatusKind kind, int position, int max,
                  int extra) override;

    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QPushButton* btnCancel;
    QTimer* tmrCmStat;

Q_SIGNALS:
    // After a report was handled (not for dropped ones).
    void Reported(const QString& text, int kind);

protected:
    void reject() override; // refused while Cancel is disabled
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    TFLogForm* FLog;
};

} // namespace lw::gui
