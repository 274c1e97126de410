#include "settings/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace lw::gui {

void CentreOver(QWidget& dialog, const QWidget* owner, int leftShift) {
    if (!owner) return;
    const QRect o = owner->frameGeometry();
    const QRect d = dialog.frameGeometry();
    dialog.move(o.left() + (o.width() - d.width()) / 2 - leftShift,
                o.top() + (o.height() - d.height()) / 2);
}

void KeepOnScreen(QWidget& window) {
    const QRect frame = window.frameGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(frame)) return;
    QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary) return;
    const QRect avail = primary->availableGeometry();
    window.move(avail.left() + std::max(0, (avail.width() - frame.width()) / 2),
                avail.top() + std::max(0, (avail.height() - frame.height()) / 2));
}

} // namespace lw::gui
