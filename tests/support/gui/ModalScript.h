// Answers the modal dialogs of a GUI test by script: each time a new modal dialog shows, the
// next queued action runs on it (click a button, type, check what it shows). A dialog that
// shows with no action left is rejected, and a click on a button the dialog lacks fails the test
// and rejects the dialog, so a test never hangs on an unexpected question.
#pragma once
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace lw::test {

class TModalScript : public QObject {
    Q_OBJECT
public:
    using TAction = std::function<void(QWidget* dialog)>;
    TModalScript();
    // Queues the action for the next modal dialog that shows.
    void Then(TAction action);
    // Clicks the dialog's button whose text (without '&' and trailing blanks) is `text`. When
    // there is none, the running test fails and the dialog is rejected.
    static void Click(QWidget* dialog, const QString& text);
    // An action that runs `checks` (Qt Test checks) and then clicks `button`; a failed check
    // only ends `checks`, so the dialog is still answered and the test goes on to report it.
    static TAction CheckThenClick(std::function<void()> checks, const QString& button);
    int Pending() const { return int(FActions.size()); }
    // Leaves this dialog alone when it shows modally (one that closes itself, such as the
    // progress dialog of a transfer).
    void Leave(QWidget* dialog) { FLeave.push_back(dialog); }
    // Titles of the dialogs seen, in order (those rejected for want of an action too).
    std::vector<QString> Seen;

private:
    static void Dismiss(QWidget* dialog);
    void Poll();
    QTimer FTimer;
    QPointer<QWidget> FLast;
    std::deque<TAction> FActions;
    std::vector<QPointer<QWidget>> FLeave;
};

} // namespace lw::test
