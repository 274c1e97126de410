#include "support/gui/ModalScript.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTest>

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
    // A script that names a button the dialog lacks is wrong: the test fails now, and the
    // dialog goes, so the test runs on to its end instead of waiting on it until its time-out.
    const QByteArray why =
        "No button '" + text.toUtf8() + "' in dialog '" + dialog->windowTitle().toUtf8() + "'";
    QTest::qFail(why.constData(), __FILE__, __LINE__);
    Dismiss(dialog);
}

void TModalScript::Dismiss(QWidget* dialog) {
    if (auto* d = qobject_cast<QDialog*>(dialog))
        d->reject();
    else
        dialog->close();
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
        Dismiss(modal);
    } else {
        TAction action = std::move(FActions.front());
        FActions.pop_front();
        action(modal);
    }
    if (FLast && !FLast->isVisible()) FLast = nullptr;
}

} // namespace lw::test
