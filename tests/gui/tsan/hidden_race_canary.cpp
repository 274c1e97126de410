// A deliberate data race between a thread of ours and a slot that Qt's event loop calls under
// QTest::qExec, as every desktop test runs. Under ThreadSanitizer with the desktop tests'
// suppressions it must be reported: a suppression that matches Qt anywhere in a stack would
// hide it, and with it every race of our code that Qt calls into.
#include <QTest>
#include <QTimer>

#include <thread>

namespace {

int Shared = 0;

class THiddenRaceCanary : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void RaceInASlotIsReported() {
        std::thread writer([] { Shared = 1; });
        QTimer::singleShot(10, this, [] { Shared = 2; });
        QTest::qWait(50);
        writer.join();
        QVERIFY(Shared != 0);
    }
};

} // namespace

QTEST_MAIN(THiddenRaceCanary)
#include "hidden_race_canary.moc"
