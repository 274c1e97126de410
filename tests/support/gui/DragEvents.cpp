#include "support/gui/DragEvents.h"

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QWidget>

namespace lw::test {

void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

bool SendDragOver(QWidget* widget, const QMimeData* mime, const QPoint& at) {
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(widget, &enter);
    if (!enter.isAccepted()) return false;
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
    return move.isAccepted() && move.dropAction() == Qt::CopyAction;
}

bool SendDrop(QWidget* widget, const QMimeData* mime, const QPoint& at) {
    if (!SendDragOver(widget, mime, at)) return false;
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton,
                    Qt::NoModifier);
    QApplication::sendEvent(widget, &drop);
    return drop.isAccepted();
}

std::unique_ptr<QMimeData> UriListOf(const QStringList& files) {
    auto mime = std::make_unique<QMimeData>();
    QList<QUrl> urls;
    for (const QString& f : files) urls << QUrl::fromLocalFile(f);
    mime->setUrls(urls);
    return mime;
}

} // namespace lw::test
