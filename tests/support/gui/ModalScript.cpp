#include "support/gui/ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>

namespace lw::test {

TModalScript::TModalScript() {
    FTimer.setInterval(10);
    connect(&FTimer, &QTimer::timeout, this, &TModalScript::Poll);
    FTimer.start();
}

void TModalScript::Then(TAction action) {
    FActions.push_back(std::move(action));
}

void TModalScript::Click(QWidget* dialog, const QString& text) {
    for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        if (b->text().remove('&').trimmed() == text && b->isVisible()) {
            b->click();
            return;
        }
    }
    qWarning("No button '%s' in dialog '%s'", qPrintable(text), qPrintable(dialog->windowTitle()));
}

TModalScript::TAction TModalScript::CheckThenClick(std::function<void()> checks,
                                                   const QString& button) {
    return [checks = std::move(checks), button](QWidget* dialog) {
        checks();
        Click(dialog, button);
    };
}

void TModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    // A dialog that is gone may come again (dialogs are reused): its next showing is new.
    if (FLast && !FLast->isVisible()) FLast = nullptr;
    if (!modal || modal == FLast) return;
    for (const QPointer<QWidget>& left : FLeave)
        if (left == modal) return;
    FLast = modal;
    Seen.push_back(modal->windowTitle());
    if (FActions.empty()) {
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        else
            modal->close();
    } else {
        TAction action = std::move(FActions.front());
        FActions.pop_front();
        action(modal);
    }
    if (FLast && !FLast->isVisible()) FLast = nullptr;
}

} // namespace lw::test
