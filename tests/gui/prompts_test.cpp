// The transfer prompts dialog: ALG/RPN wording switched while a prompt is open, the dialog
// sized to its text, the buttons and titles of each kind, modeless prompts.
#include "link/PromptTexts.h"
#include "prompts/DownLd.h"
#include "prompts/MessageMemo.h"
#include "settings/WindowPlacement.h"
#include "support/gui/ModalScript.h"

#include <QtTest>
#include <QtWidgets>

using lw::TPromptKind;
using lw::gui::TFDownLd;
using lw::test::TModalScript;

namespace {

// A prompt text as the memo shows it.
QString Shown(TPromptKind kind, bool rpn) {
    QString s = QString::fromStdString(lw::PromptText(kind, rpn));
    s.remove('\r');
    if (s.endsWith('\n')) s.chop(1);
    return s;
}

// The whole text and the buttons lie inside the dialog, one above the other.
void CheckFits(TFDownLd& d) {
    QVERIFY(d.Memo1->geometry().bottom() < d.btnCancel->geometry().top());
    QVERIFY(d.btnCancel->geometry().bottom() < d.height());
    QVERIFY(d.Memo1->WrappedLineCount() >= d.Memo1->toPlainText().count('\n') + 1);
    QTRY_COMPARE_WITH_TIMEOUT(d.Memo1->verticalScrollBar()->maximum(), 0, 5000);
}

int CentreDistance(const QRect& a, const QRect& b) {
    return (a.center() - b.center()).manhattanLength();
}

} // namespace

class TPromptsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void AlgRpnSwitchChangesTheOpenPromptAndItsSize() {
        QWidget owner;
        owner.setGeometry(100, 100, 900, 700);
        owner.show();
        lw::gui::TOwnerForm<TFDownLd>::Set(&owner);
        TFDownLd d(true);
        TModalScript script;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::Connect, true));
                QVERIFY(d.rbtnRPN->isChecked());
                QVERIFY(CentreDistance(d.frameGeometry(), owner.frameGeometry()) <= 2);
                QCOMPARE(d.focusWidget(), d.btnOK);
                CheckFits(d);
                const int height = d.height();
                d.rbtnALG->click(); // the ALG text has one line more
                QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::Connect, false));
                QVERIFY(d.height() > height);
                CheckFits(d);
                d.rbtnRPN->click();
                QCOMPARE(d.height(), height);
                d.rbtnALG->click();
            },
            "OK"));
        QVERIFY(d.ShowPrompt(TPromptKind::Connect, ""));
        QVERIFY(!d.RpnPrompts());
        QCOMPARE(script.Pending(), 0);
        lw::gui::TOwnerForm<TFDownLd>::Set(nullptr);
    }

    void CustomPromptKeepsTheCallersTextAndTitle() {
        TFDownLd d(false);
        TModalScript script;
        int shortHeight = 0;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QVERIFY(d.grpPrompt->isHidden());
                QCOMPARE(d.Memo1->toPlainText(), QString("Line one\nLine two"));
                QCOMPARE(d.windowTitle(), QString("Set the Calculator"));
                shortHeight = d.height();
            },
            "Cancel"));
        QVERIFY(!d.ShowCustomPrompt("Line one\r\nLine two\r\n", ""));
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.windowTitle(), QString("Erase Calculator?"));
                QVERIFY(d.height() > shortHeight);
                CheckFits(d);
            },
            "OK"));
        const std::string longText(40 * 12, 'w'); // wraps to many lines
        QVERIFY(d.ShowCustomPrompt("a\r\n" + longText, "Erase Calculator?"));
        QCOMPARE(script.Pending(), 0);
    }

    void AcknowledgeAndReconnectButtons() {
        TFDownLd d(true);
        TModalScript script;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QVERIFY(d.btnCancel->isHidden());
                QCOMPARE(d.btnOK->text(), QString("OK"));
                QVERIFY(std::abs(d.btnOK->geometry().center().x() - d.width() / 2) <= 1);
                QVERIFY(!d.grpPrompt->isHidden());
            },
            "OK"));
        QVERIFY(d.ShowPrompt(TPromptKind::ServerSent, ""));
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.windowTitle(), QString("Wait for the Calculator"));
                QVERIFY(!d.btnCancel->isHidden());
                QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::Reconnect, true));
            },
            "Connect..."));
        QVERIFY(d.ShowPrompt(TPromptKind::Reconnect, ""));
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.btnOK->text(), QString("OK"));
                QCOMPARE(d.windowTitle(), QString("Set the Calculator"));
            },
            "Cancel"));
        QVERIFY(!d.ShowPrompt(TPromptKind::RomDownload, ""));
        QCOMPARE(script.Pending(), 0);
    }

    void ModelessPromptsReturnAtOnce() {
        TFDownLd d(true);
        QVERIFY(!d.ShowPrompt(TPromptKind::FileXRecv, ""));
        QVERIFY(d.IsVisible());
        QVERIFY(!d.isModal());
        QVERIFY(d.btnOK->isHidden());
        d.rbtnALG->click();
        QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::FileXRecv, false));
        d.HidePromptIfKind(TPromptKind::CaptureNext); // another prompt is up: it stays
        QVERIFY(d.IsVisible());
        d.btnCancel->click();
        QVERIFY(!d.IsVisible());

        QVERIFY(!d.ShowPrompt(TPromptKind::CaptureNext, "Another Capture"));
        QCOMPARE(d.windowTitle(), QString("Another Capture"));
        QVERIFY(d.IsVisible());
        d.HidePromptIfKind(TPromptKind::CaptureNext);
        QVERIFY(!d.IsVisible());
    }
};

QTEST_MAIN(TPromptsTest)
#include "prompts_test.moc"
