#include "mainwin/UiThread.h"
#include "util/ScopeExit.h"

#include "util/ScopeExit.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <condition_variable>
#include <mutex>

namespace lw::gui {

bool TQtUiThread::IsUiThread() {
    return QCoreApplication::instance() &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

namespace {

int MessageDepth = 0; // UI thread only

} // namespace

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
    // The call is queued to the UI thread and the caller waits on the standard library's
    // primitives (not a blocking queued call), so the hand-over is visible to thread checkers
    // as well as to the compiler. The caller waits until the call has run, so `fn` outlives it.
    std::mutex mutex;
    std::condition_variable ran;
    bool done = false;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [&] {
            const ScopeExit signal([&] {
                std::lock_guard lock(mutex);
                done = true;
                ran.notify_one();
            });
            fn();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex);
    ran.wait(lock, [&] { return done; });
}

} // namespace lw::gui
