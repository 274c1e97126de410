// Mouse and drag-and-drop events sent straight to a widget as the desktop would deliver them,
// for tests that cannot run the desktop's own drag loop (the offscreen platform has none).
#pragma once
#include <QEvent>
#include <QPoint>
#include <QStringList>
#include <memory>

class QMimeData;
class QWidget;

namespace lw::test {

// One mouse event at `at` (widget coordinates).
void SendMouse(QWidget* widget, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
               Qt::MouseButtons buttons);
// Drags `mime` into `widget` and over `at`; true when the widget would take it as a copy.
bool SendDragOver(QWidget* widget, const QMimeData* mime, const QPoint& at);
// Drags `mime` over `at` and drops it there; true when the drop was accepted.
bool SendDrop(QWidget* widget, const QMimeData* mime, const QPoint& at);
// A file list as a file manager offers it (text/uri-list only).
std::unique_ptr<QMimeData> UriListOf(const QStringList& files);

} // namespace lw::test
