#include "mainwin/UiThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace lw::gui {

bool TQtUiThread::IsUiThread() {
    return QCoreApplication::instance() &&
           QThread::currentThread() == QCoreApplication::instance()->thread();
}

void TQtUiThread::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TQtUiThread::RunSync(const std::function<void()>& fn) {
    if (IsUiThread() || !QCoreApplication::instance()) {
        fn();
        return;
    }
    // The caller waits until the call has run, so `fn` outlives it.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&fn] { fn(); }, Qt::BlockingQueuedConnection);
}

} // namespace lw::gui
