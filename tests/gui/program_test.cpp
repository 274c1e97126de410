// The desktop program's bones: the core's UI thread hook runs calls handed over by worker
// threads on Qt's main thread.
#include "mainwin/UiThread.h"

#include <QtTest>

#include <atomic>
#include <thread>

class TProgramTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_MAIN(TProgramTest)
#include "program_test.moc"
