// The main window while the calculator is slow or silent and while a command runs: the window
// keeps answering, a long wait offers Cancel, one command runs at a time, a refresh or a close
// asked for meanwhile waits for the command, and the keyboard stays with the list or the tree.
#include "mainwin/ZQDir.h"
#include "support/gui/GapMeter.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/WindowParts.h"

#include <QtTest>
#include <QtWidgets>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

using namespace lw;
using namespace lw::gui;

namespace {

// Runs `fn` on the window's thread every 10 ms until it returns true.
class TWatch {
public:
    explicit TWatch(std::function<bool()> fn) : FFn(std::move(fn)) {
        QObject::connect(&FTimer, &QTimer::timeout, [this] {
            if (FFn()) FTimer.stop();
        });
        FTimer.start(10);
    }

private:
    QTimer FTimer;
    std::function<bool()> FFn;
};

// Ends the calculator's silence after `ms` at the latest (sooner when the test ends).
std::jthread UnmuteAfter(sim::TSimulator& sim, int ms) {
    return std::jthread([&sim, ms](std::stop_token stop) {
        std::mutex m;
        std::condition_variable_any cv;
        std::unique_lock lock(m);
        cv.wait_for(lock, stop, std::chrono::milliseconds(ms), [] { return false; });
        sim.Control("unmute");
    });
}

} // namespace

class TWaitsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    TFZQDir* W = nullptr;

    void Activate() {
        W->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W));
    }

    // Rows for the two links: the serial line and the USB pipes.
    static void Links() {
        QTest::addColumn<bool>("usb");
        QTest::newRow("serial") << false;
        QTest::newRow("usb") << true;
    }
    // The controls that would start calculator work and are enabled now; the menus' other
    // items (view, help, options, exit) are left out.
    QStringList EnabledCommands() const {
        const QSet<QString> other = {"mnuExit",         "mnuToolbar",         "mnuStatusBar",
                                     "mnuLargeIcons",   "mnuSmallIcons",      "mnuList",
                                     "mnuDetails",      "mnuOptions",         "mnuVorl",
                                     "mnuSelectAll",    "mnuInvertSelection", "mnuProperty",
                                     "mnuContentsHelp", "mnuCommHelp",        "mnuTextHelp",
                                     "mnuTroubleHelp",  "mnuWhatsThis",       "mnuAbout"};
        QStringList on;
        std::function<void(const QMenu*)> walk = [&](const QMenu* menu) {
            for (QAction* a : menu->actions()) {
                if (a->menu())
                    walk(a->menu());
                else if (!a->isSeparator() && a->isVisible() && a->isEnabled() &&
                         !other.contains(a->objectName()) && !on.contains(a->objectName()))
                    on << a->objectName();
            }
        };
        for (QAction* top : W->menuBar()->actions())
            if (top->menu()) walk(top->menu());
        walk(test::Parts(W).PopupMenu1);
        // A menu of nothing but commands is off as a whole.
        if (test::Parts(W).mnuROM->isEnabled()) on << test::Parts(W).mnuROM->objectName();
        for (QWidget* w : std::initializer_list<QWidget*>{
                 test::Parts(W).tbtnConnect, test::Parts(W).tbtnScrnCapture,
                 test::Parts(W).tbtnXferMode, test::Parts(W).cmboPort, test::Parts(W).cmboSpeed})
            if (w->isEnabled()) on << w->objectName();
        return on;
    }

private Q_SLOTS:
    void init() {
        const bool usb = QByteArray(QTest::currentDataTag()) == "usb";
        F = std::make_unique<test::TMainWindowFixture>(true, test::TGuiOptions{.Usb = usb});
        W = F->W.get();
        QVERIFY(W->Connected());
        Activate();
    }
    void cleanup() {
        F->Control("unmute");
        F.reset();
    }

    void SilentCalculatorLeavesTheWindowAnsweringAndCancelEndsTheWait_data() { Links(); }
    void SilentCalculatorLeavesTheWindowAnsweringAndCancelEndsTheWait() {
        F->Control("mute");
        const std::jthread unmute = UnmuteAfter(*F->Sim, 8000);
        QElapsedTimer clock;
        qint64 shownAt = -1, messageAt = -1;
        QStringList messages;
        TWatch cancel([&] {
            if (!F->CmndStatus.isVisible()) return false;
            shownAt = clock.elapsed();
            F->CmndStatus.btnCancel->click();
            return true;
        });
        F->Script.Then([&](QWidget* d) {
            messageAt = clock.elapsed();
            messages << static_cast<QMessageBox*>(d)->text();
            test::TModalScript::Click(d, "OK");
        });
        test::TGapMeter gaps;
        clock.start();
        QTest::keyClick(W, Qt::Key_F5); // View > Refresh
        // The busy dialog offers Cancel after about a second of silence; Cancel ends the
        // command within a second, disconnected, with one message.
        QVERIFY2(shownAt >= 900 && shownAt < 2500, qPrintable(QString::number(shownAt)));
        QVERIFY2(messageAt > shownAt && messageAt - shownAt < 1000,
                 qPrintable(QString::number(messageAt - shownAt)));
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().startsWith("Connection Error."));
        QVERIFY(!W->Connected());
        QVERIFY(!F->CmndStatus.isVisible());
        QVERIFY2(gaps.LongestMs() < 200, qPrintable(QString::number(gaps.LongestMs())));
    }

    // While a command runs no other can start: every menu item, popup item and toolbar control
    // that would reach the calculator is off, also once the busy dialog shows; its Cancel works.
    void EveryOtherCommandIsOffWhileOneRuns_data() { Links(); }
    void EveryOtherCommandIsOffWhileOneRuns() {
        F->Control("mute");
        const std::jthread unmute = UnmuteAfter(*F->Sim, 8000);
        QElapsedTimer clock;
        std::optional<QStringList> early, working;
        bool cancelUsable = false;
        TWatch watch([&] {
            if (!early && W->CommandRunning() && clock.elapsed() >= 200) early = EnabledCommands();
            if (!F->CmndStatus.isVisible()) return false;
            working = EnabledCommands();
            cancelUsable = F->CmndStatus.btnCancel->isEnabled();
            F->CmndStatus.btnCancel->click();
            return true;
        });
        F->Script.Then([](QWidget* d) { test::TModalScript::Click(d, "OK"); });
        clock.start();
        QTest::keyClick(W, Qt::Key_F5);
        QVERIFY(early && working);
        QVERIFY2(early->isEmpty(), qPrintable(early->join(' ')));
        QVERIFY2(working->isEmpty(), qPrintable(working->join(' ')));
        QVERIFY(cancelUsable);
        QVERIFY(!W->CommandRunning());

        // Disconnected, the capture, the manual transfers and the ROM download are offered;
        // while a connect runs they are off too.
        QVERIFY(!W->Connected());
        QVERIFY(test::Parts(W).mnuCaptureScreen->isEnabled());
        std::optional<QStringList> connecting;
        clock.restart();
        TWatch watchConnect([&] {
            if (!W->CommandRunning() || clock.elapsed() < 200) return false;
            connecting = EnabledCommands();
            return true;
        });
        F->Script.Then([](QWidget* d) { test::TModalScript::Click(d, "OK"); });
        test::Parts(W).tbtnConnect->click();
        QVERIFY(connecting);
        QVERIFY2(connecting->isEmpty(), qPrintable(connecting->join(' ')));
    }

    void KeyboardStaysWithTheListAndTheTreeAfterCommands() {
        QVERIFY(F->Select("HOME"));
        QVERIFY(F->SelectEntries({"WORK"}));
        test::Parts(W).ListView1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), test::Parts(W).ListView1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME WORK"));
        QCOMPARE(QApplication::focusWidget(), test::Parts(W).ListView1);
        // Down moves in the list, Backspace goes up, F5 refreshes: the list keeps the keys.
        const int row = test::Parts(W).ListView1->currentIndex().row();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(test::Parts(W).ListView1->currentIndex().row(), row + 1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME"));
        QCOMPARE(QApplication::focusWidget(), test::Parts(W).ListView1);
        int before = test::Parts(W).RefreshCount;
        QTest::keyClick(W, Qt::Key_F5);
        QCOMPARE(test::Parts(W).RefreshCount, before + 1);
        QCOMPARE(QApplication::focusWidget(), test::Parts(W).ListView1);
        // The tree likewise.
        test::Parts(W).TreeView1->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), test::Parts(W).TreeView1);
        before = test::Parts(W).RefreshCount;
        QTest::keyClick(W, Qt::Key_F5);
        QCOMPARE(test::Parts(W).RefreshCount, before + 1);
        QCOMPARE(QApplication::focusWidget(), test::Parts(W).TreeView1);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QVERIFY(test::Parts(W).CurrentPath != "HOME");
    }

    // A step inside a command ends its busy state while the command goes on: the window stays
    // busy, and a refresh or a close asked for meanwhile waits for the command's end.
    void InnerStepsDoNotEndTheCommand() {
        const int before = test::Parts(W).RefreshCount;
        bool enabledMidway = true, refreshedMidway = true;
        W->RunCommand([&] {
            W->SetBusy(true);
            W->SetBusy(false);
            W->RequestRefresh();
            W->RequestRefresh();
            QTest::qWait(100); // the messages a wait lets run
            enabledMidway = test::Parts(W).mnuRefresh->isEnabled() ||
                            test::Parts(W).ListView1->isEnabled() ||
                            test::Parts(W).TreeView1->isEnabled() ||
                            test::Parts(W).tbtnScrnCapture->isEnabled();
            refreshedMidway = test::Parts(W).RefreshCount != before;
        });
        QVERIFY(!enabledMidway);
        QVERIFY(!refreshedMidway);
        // Asked for twice, the refresh runs once, after the command.
        QTRY_COMPARE_WITH_TIMEOUT(test::Parts(W).RefreshCount, before + 1, 10000);
        QTest::qWait(100);
        QCOMPARE(test::Parts(W).RefreshCount, before + 1);
        QVERIFY(test::Parts(W).ListView1->isEnabled() && test::Parts(W).mnuRefresh->isEnabled());

        bool closedMidway = true;
        W->RunCommand([&] {
            W->SetBusy(true);
            W->SetBusy(false);
            W->close();
            QTest::qWait(100);
            closedMidway = !W->isVisible() || !W->Connected();
        });
        QVERIFY(!closedMidway);
        QTRY_VERIFY_WITH_TIMEOUT(!W->isVisible(), 10000);
    }

    void SecondCloseOffersToCancelTheRunningCommand() {
        F->Control("mute");
        const std::jthread unmute = UnmuteAfter(*F->Sim, 8000);
        QString question;
        F->Script.Then([&](QWidget* d) {
            question = static_cast<QMessageBox*>(d)->text();
            test::TModalScript::Click(d, "Yes");
        });
        F->Script.Then([](QWidget* d) { test::TModalScript::Click(d, "OK"); });
        bool visibleAfterFirst = false;
        QElapsedTimer clock;
        QTimer::singleShot(200, W, [&] {
            W->close();
            visibleAfterFirst = W->isVisible();
            QTimer::singleShot(200, W, [&] {
                clock.start();
                W->close();
            });
        });
        bool closed = false;
        connect(W, &TFZQDir::Closed, this, [&] { closed = true; });
        QTest::keyClick(W, Qt::Key_F5);
        QVERIFY(visibleAfterFirst);
        QVERIFY(question.contains("Cancel"));
        QTRY_VERIFY_WITH_TIMEOUT(closed, 5000);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!W->isVisible());
    }
};

QTEST_MAIN(TWaitsTest)
#include "waits_test.moc"
