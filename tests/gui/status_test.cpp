// The progress dialog driven by a real transfer engine over the simulated calculator, the
// busy and connecting dialogs, the log window, and the help marks on hints; the core's UI thread
// hook runs calls handed over by worker threads on Qt's main thread.
#include "support/gui/GuiFixture.h"

#include "server/Commands.h"
#include "settings/HelpHints.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"

#include <QtTest>
#include <QtWidgets>

#include <atomic>
#include <thread>

using namespace lw;
using lw::test::TGuiFixture;

namespace {

// Counts the reports that reach the progress dialog, also those it drops.
class TCountingProgress : public IProgressDialog {
public:
    explicit TCountingProgress(IProgressDialog& inner) : FInner(inner) {}
    TModalResult ShowProgress(const std::string& caption, bool showCancel) override {
        return FInner.ShowProgress(caption, showCancel);
    }
    void Progress(const std::string& text, TStatusKind kind, int position, int max,
                  int extra) override {
        ++Calls;
        FInner.Progress(text, kind, position, max, extra);
    }
    int Calls = 0;

private:
    IProgressDialog& FInner;
};

} // namespace

class TStatusTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void TransferEndsAtFullProgressWithEveryMessageLogged() {
        TGuiFixture f;
        f.Connect();
        QVERIFY(!f.CnctStatus.isVisible());
        QStringList reported;
        const auto linesBefore = f.Log.Lines().size();
        connect(&f.CmStatus, &gui::TFCmStatus::Reported, this,
                [&](const QString& text) { reported << text; });
        const std::string path = CopyEntryToFolder(*f.Server, "MSG", 17, 0, f.File(""));
        QVERIFY(!path.empty());
        QVERIFY(QFile::exists(QString::fromStdString(path)));
        QVERIFY(!f.CmStatus.isVisible());
        QVERIFY(f.CmStatus.ProgressBar1->maximum() > 1);
        QCOMPARE(f.CmStatus.ProgressBar1->value(), f.CmStatus.ProgressBar1->maximum());
        QVERIFY(reported.size() > 1);
        QCOMPARE(f.Log.Lines().mid(linesBefore),
                 reported.join('\n').replace("\r\n", "\n").split('\n'));
    }

    // The user cancels a slow transfer: the dialog cannot be closed while Cancel is
    // disabled; Cancel ends the transfer; what the ending engine still reports is dropped.
    void CancelEndsTheTransferAndLaterMessagesAreDropped() {
        TGuiFixture f;
        TCountingProgress counting(f.CmStatus);
        f.InstallHooks(nullptr, nullptr, &counting);
        f.Connect();
        QVERIFY(f.Control("throttle 9600").rfind("OK", 0) == 0);
        int callsAtCancel = -1, linesAtCancel = -1;
        bool stayedOpen = false;
        connect(&f.CmStatus, &gui::TFCmStatus::Reported, this, [&](const QString&, int kind) {
            if (kind != skProgress || callsAtCancel >= 0) return;
            f.CmStatus.Progress("0", skCancelButton, 0, 0, 0);
            f.CmStatus.close();
            QTest::keyClick(&f.CmStatus, Qt::Key_Escape);
            stayedOpen = f.CmStatus.isVisible() && !f.CmStatus.btnCancel->isEnabled();
            f.CmStatus.Progress("1", skCancelButton, 0, 0, 0);
            callsAtCancel = counting.Calls;
            linesAtCancel = int(f.Log.Lines().size());
            f.CmStatus.btnCancel->click();
        });
        QCOMPARE(CopyEntryToFolder(*f.Server, "BIG", 17, 70000, f.File("")), std::string());
        QVERIFY(stayedOpen);
        QVERIFY(callsAtCancel > 0);
        QVERIFY2(counting.Calls > callsAtCancel, "the engine reported nothing after Cancel");
        QCOMPARE(int(f.Log.Lines().size()), linesAtCancel);
        QVERIFY(!f.CmStatus.isVisible());
    }

    void BusyAndConnectingDialogs() {
        TGuiFixture f;
        QWidget owner;
        owner.setGeometry(100, 100, 600, 400);
        gui::TOwnerForm<gui::TFCnctStatus>::Set(&owner);
        gui::TOwnerForm<gui::TFCmndStatus>::Set(&owner);
        IStatusDialogs& status = *UiHooks().Status;
        status.ShowConnecting();
        QVERIFY(status.IsConnectingVisible());
        QVERIFY(f.CnctStatus.windowFlags().testFlag(Qt::FramelessWindowHint));
        const QRect o = owner.frameGeometry(), c = f.CnctStatus.frameGeometry();
        QCOMPARE(c.left(), o.left() + (o.width() - c.width()) / 2 - 20);
        QCOMPARE(c.top(), o.top() + (o.height() - c.height()) / 2);
        status.CloseConnecting();
        QVERIFY(!status.IsConnectingVisible());

        status.ShowBusy();
        QVERIFY(status.IsBusyVisible() && !status.CancelRequested());
        QCOMPARE(f.CmndStatus.frameGeometry().center().x(), o.center().x());
        f.CmndStatus.btnCancel->click();
        QVERIFY(!status.IsBusyVisible() && status.CancelRequested());
        status.ClearCancel();
        QVERIFY(!status.CancelRequested());
        gui::TOwnerForm<gui::TFCnctStatus>::Set(nullptr);
        gui::TOwnerForm<gui::TFCmndStatus>::Set(nullptr);
    }

    void LogWindowCopiesClearsAndSavesItsPosition() {
        TGuiFixture f;
        f.Log.AddLine("first");
        f.Log.AddLine("second");
        f.Log.show();
        f.Log.move(33, 44);
        f.Log.mnuSelectAll->trigger();
        f.Log.mnuCopy->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QString("first\nsecond"));
        f.Log.btnClear->click();
        QVERIFY(f.Log.Lines().isEmpty());
        f.Log.btnOK->click();
        QVERIFY(!f.Log.isVisible());
        QCOMPARE(gui::TSettingsStore("LogForm").ReadInteger("Left", 0), 33);
    }

    void HelpMarksOnHints() {
        QWidget root;
        auto* topic = new QPushButton("Connect", &root);
        auto* popup = new QPushButton("Log", &root);
        auto* marked = new QPushButton("Done", &root);
        auto* none = new QPushButton("Plain", &root);
        const std::pair<QPushButton*, int> contexts[] = {
            {topic, 5001}, {popup, 10}, {marked, 5001}, {none, 1}};
        for (auto [button, context] : contexts) {
            button->setProperty(gui::HelpContextProperty, context);
            button->setToolTip(button->text());
        }
        marked->setToolTip("?already");
        gui::MarkHelpHints(root);
        gui::MarkHelpHints(root);
        QCOMPARE(topic->toolTip(), QString("?* Connect"));
        QCOMPARE(popup->toolTip(), QString("? Log"));
        QCOMPARE(marked->toolTip(), QString("?already"));
        QCOMPARE(none->toolTip(), QString("Plain"));
    }

    void RunSyncFromAWorkerRunsOnTheUiThread() {
        lw::gui::TQtUiThread ui;
        QVERIFY(ui.IsUiThread());
        std::atomic<bool> ranOnUi{false}, returned{false}, workerIsUi{true};
        std::thread worker([&] {
            workerIsUi = ui.IsUiThread();
            ui.RunSync([&] { ranOnUi = ui.IsUiThread(); });
            returned = true;
        });
        QTRY_VERIFY_WITH_TIMEOUT(returned.load(), 5000);
        worker.join();
        QVERIFY(!workerIsUi.load());
        QVERIFY(ranOnUi.load());
    }
};

QTEST_MAIN(TStatusTest)
#include "status_test.moc"
