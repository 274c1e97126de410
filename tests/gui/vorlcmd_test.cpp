// The command window against the in-process simulated calculator: lines typed and sent, the
// stack picture as the calculator shows it, the history, the paste limit, the enabling by the
// main window, and the window coming back at the next start.
#include "cmdwin/VorlCmd.h"
#include "mainwin/ZQDir.h"
#include "settings/windowsPosSave.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/SimCalc.h"
#include "support/gui/WindowParts.h"

#include <QtTest>
#include <QtWidgets>

using namespace lw;
using namespace lw::gui;

class TVorlCmdTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    TFZQDir* W = nullptr;
    std::unique_ptr<TFVorlCmd> V;

    // Ends the program and starts it again: a new main window and command window.
    void Restart() {
        W->close(); // with the command window still there, as at the program's end
        V.reset();
        F->Reopen();
        W = F->W.get();
        V = std::make_unique<TFVorlCmd>(*W);
    }

    // Types `line` into the command box and presses Enter.
    void Send(const QString& line) {
        QLineEdit* edit = V->cmboCmd->lineEdit();
        edit->setFocus();
        QTest::keyClicks(edit, line);
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY(!W->Busy());
    }
    QStringList Memo() const {
        const QString text = V->Memo1->toPlainText();
        return text.isEmpty() ? QStringList() : text.split('\n');
    }
    QStringList History() const {
        QStringList items;
        for (int i = 0; i < V->cmboCmd->count(); ++i) items << V->cmboCmd->itemText(i);
        return items;
    }

private Q_SLOTS:
    void initTestCase() {
        F = std::make_unique<test::TMainWindowFixture>(false);
        W = F->W.get();
        V = std::make_unique<TFVorlCmd>(*W);
    }
    void cleanupTestCase() {
        V.reset();
        F.reset();
    }

    void WarnsAndWaitsUntilConnectedAndIdle() {
        QVERIFY(!V->isVisible());
        QVERIFY(!TWindowPosSave::IsSizeable(*V));
        QVERIFY(V->width() >= 271 && V->height() >= 270);
        QVERIFY(V->AutoUpdate());
        QCOMPARE(V->Memo1->toPlainText(), QString(TFVorlCmd::WarningText).remove('\r'));
        QVERIFY(!V->cmboCmd->isEnabled() && !V->btnSend->isEnabled());
        test::Parts(W).mnuVorl->trigger();
        QVERIFY(V->isVisible());
        W->tbtnConnectClick(false);
        QVERIFY(W->Connected());
        QVERIFY(V->cmboCmd->isEnabled() && V->btnSend->isEnabled() && V->btnStack->isEnabled());
        W->SetBusy(true);
        QVERIFY(!V->cmboCmd->isEnabled() && !V->btnStack->isEnabled());
        V->btnSendClick(); // refused while busy: the warning stays
        QVERIFY(V->Memo1->toPlainText().contains("WARNING"));
        W->SetBusy(false);
        QVERIFY(V->btnSend->isEnabled());
    }

    void SendsLinesAndShowsTheStackAsTheCalculatorDoes() {
        Send("3 4");
        QCOMPARE(Memo(), QStringList({"2: 3.", "1: 4."}));
        Send("\"ABC\"");
        QCOMPARE(Memo(), QStringList({"3: 3.", "2: 4.", "1: \"ABC\""}));
        Send("CLEAR");
        QCOMPARE(Memo(), QStringList());
        Send("1 2 3 4 5 6 7 8 9 10");
        QCOMPARE(Memo(),
                 QStringList({"7: 4.", "6: 5.", "5: 6.", "4: 7.", "3: 8.", "2: 9.", "1: 10."}));
        // The picture's variable is gone again.
        const auto memory = test::SimMemory(*F->Sim);
        for (const test::TSimEntry& e : memory.at("HOME")) QVERIFY(e.Name != "$$$t");
    }

    void HistoryNewestFirstWithoutRepeatsInAnyCase() {
        QCOMPARE(History(), QStringList({"1 2 3 4 5 6 7 8 9 10", "CLEAR", "\"ABC\"", "3 4"}));
        Send("\"abc\"");
        QCOMPARE(History(), QStringList({"\"abc\"", "1 2 3 4 5 6 7 8 9 10", "CLEAR", "3 4"}));
        QCOMPARE(V->cmboCmd->currentText(), QString());
        Send("CLEAR");
        QCOMPARE(History(), QStringList({"CLEAR", "\"abc\"", "1 2 3 4 5 6 7 8 9 10", "3 4"}));
        // Enter alone updates the picture and adds nothing.
        F->Sim->Invoke([](sim::ISimCalculator& c) { c.RunScript("42"); });
        Send("");
        QCOMPARE(Memo(), QStringList({"1: 42."}));
        QCOMPARE(History().size(), 4);
    }

    void AutoUpdateOffLeavesThePicture() {
        V->chbAutoUpdate->setChecked(false);
        Send("DROP");
        QCOMPARE(Memo(), QStringList({"1: 42."}));
        QCOMPARE(History().first(), QString("DROP"));
        V->btnStack->click();
        QCOMPARE(Memo(), QStringList());
    }

    void PasteTakesAtMost99Characters() {
        const QString long150 = QString(150, 'x');
        QApplication::clipboard()->setText(long150);
        QLineEdit* edit = V->cmboCmd->lineEdit();
        edit->setText("ab");
        edit->setSelection(0, 1);
        V->mnuPaste2->trigger();
        QCOMPARE(edit->text(), QString(99, 'x') + "b");
        edit->clear();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text().size(), TFVorlCmd::MaxPaste);
        edit->clear();
    }

    // Last: ends the program twice, with the window open and with it closed.
    void OpensAtStartWhenOpenAtTheLastClose() {
        QVERIFY(V->isVisible());
        Restart();
        QVERIFY(V->isVisible());
        QVERIFY(!V->AutoUpdate());
        V->btnOK->click();
        QVERIFY(!V->isVisible());
        Restart();
        QVERIFY(!V->isVisible());
    }
};

QTEST_MAIN(TVorlCmdTest)
#include "vorlcmd_test.moc"
