#include "settings/HelpHints.h"

#include <QApplication>
#include <QWidget>

namespace lw::gui {
namespace {

void MarkOne(QWidget& w) {
    const int context = w.property(HelpContextProperty).toInt();
    const QString hint = w.toolTip();
    if (context <= 1 || hint.isEmpty() || hint.startsWith('?')) return;
    w.setToolTip((context % 10000 >= 5000 ? QStringLiteral("?* ") : QStringLiteral("? ")) + hint);
}

} // namespace

void MarkHelpHints(QWidget& root) {
    MarkOne(root);
    for (QWidget* w : root.findChildren<QWidget*>()) MarkOne(*w);
}

void MarkAllHelpHints() {
    for (QWidget* w : QApplication::topLevelWidgets()) MarkHelpHints(*w);
}

} // namespace lw::gui
