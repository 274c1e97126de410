#include "mainwin/UiThread.h"

#include "util/ScopeExit.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace lw::gui {
namespace {

int MessageDepth = 0; // UI thread only

// One call a worker thread waits for.
struct TPendingCall {
    const std::function<void()>* Fn;
    bool* Done;
};

// The calls handed to the UI thread. A worker thread puts its call here under the mutex and
// only then wakes the UI thread through Qt's queue; the UI thread takes the call under the same
// mutex. The hand-over of the call and everything it refers to thus goes through the standard
// library's primitives, which thread checkers see (Qt's own queue is not instrumented).
std::mutex QueueMutex;
std::condition_variable QueueRan;
std::deque<TPendingCall> Queue;

class TUiCallQueue : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE void RunPending() {
        for (;;) {
            TPendingCall call{};
            {
                std::lock_guard lock(QueueMutex);
                if (Queue.empty()) return;
                call = Queue.front();
                Queue.pop_front();
            }
            const ScopeExit signal([&] {
                std::lock_guard lock(QueueMutex);
                *call.Done = true;
                QueueRan.notify_all();
            });
            (*call.Fn)();
        }
    }
};

// The receiver of the wake-ups: made by the first TQtUiThread, on the UI thread, and kept for
// the rest of the program.
TUiCallQueue& Receiver() {
    static TUiCallQueue* receiver = new TUiCallQueue;
    return *receiver;
}

} // namespace

TQtUiThread::TQtUiThread() {
    Receiver();
}

bool TQtUiThread::IsUiThread() {
    return QCoreApplication::instance() &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

void TQtUiThread::ProcessMessages() {
    ++MessageDepth;
    const ScopeExit done([] { --MessageDepth; });
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TQtUiThread::LettingMessagesRun() {
    return MessageDepth > 0;
}

void TQtUiThread::RunSync(const std::function<void()>& fn) {
    if (IsUiThread() || !QCoreApplication::instance()) {
        fn();
        return;
    }
    // The caller waits until the call has run, so `fn` and `done` outlive it. The wake-up is
    // queued by name: Qt then allocates its event itself, and nothing written here is read on
    // the UI thread without the mutex.
    bool done = false;
    {
        std::lock_guard lock(QueueMutex);
        Queue.push_back({&fn, &done});
    }
    QMetaObject::invokeMethod(&Receiver(), "RunPending", Qt::QueuedConnection);
    std::unique_lock lock(QueueMutex);
    QueueRan.wait(lock, [&] { return done; });
}

} // namespace lw::gui

#include "UiThread.moc"
