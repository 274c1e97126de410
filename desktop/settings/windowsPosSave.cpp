#include "settings/windowsPosSave.h"

#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"

#include <QWidget>

namespace lw::gui {

TWindowPosSave::TWindowPosSave(QWidget* owner, const QString& subKey)
    : QObject(owner), SubKey(subKey) {
    setObjectName("WindowPosSave1");
}

QWidget* TWindowPosSave::Form() const {
    auto* owner = qobject_cast<QWidget*>(parent());
    return owner && owner->isWindow() ? owner : nullptr;
}

bool TWindowPosSave::IsSizeable(const QWidget& form) {
    if (form.windowFlags().testFlag(Qt::MSWindowsFixedSizeDialogHint)) return false;
    return form.minimumSize() != form.maximumSize();
}

template <class F> void TWindowPosSave::ForEachImportant(QWidget& parent, F&& fn) {
    for (QObject* child : parent.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w->isWindow()) continue;
        if (ImportantComponents.contains(w->objectName(), Qt::CaseInsensitive)) fn(*w);
        ForEachImportant(*w, fn);
    }
}

void TWindowPosSave::RestoreWindowPos(bool restoreComponents, bool restoreForm) {
    QWidget* form = Form();
    if (!form) return;
    TSettingsStore store(SubKey);
    if (restoreForm) {
        int width = form->width(), height = form->height();
        if (IsSizeable(*form)) {
            width = store.ReadInteger("Width", width);
            height = store.ReadInteger("Height", height);
        }
        const int top = store.ReadInteger("Top", form->y());
        const int left = store.ReadInteger("Left", form->x());
        form->move(left, top);
        form->resize(width, height);
        KeepOnScreen(*form);
        form->setVisible(store.ReadBool("Visible", form->isVisible()));
        QFont font = form->font();
        font.setFamily(store.ReadString("Font", font.family()));
        const int size = store.ReadInteger("FontSize", font.pixelSize() > 0 ? -font.pixelSize()
                                                                            : font.pointSize());
        // A negative size is a character height in pixels.
        if (size < 0)
            font.setPixelSize(-size);
        else if (size > 0)
            font.setPointSize(size);
        if (font != form->font()) form->setFont(font);
    }
    if (restoreComponents) {
        ForEachImportant(*form, [&](QWidget& w) {
            const QString p = w.objectName();
            const int width = store.ReadInteger(p + "Width", w.width());
            const int height = store.ReadInteger(p + "Height", w.height());
            const int top = store.ReadInteger(p + "Top", w.y());
            const int left = store.ReadInteger(p + "Left", w.x());
            w.setGeometry(left, top, width, height);
            w.setVisible(store.ReadBool(p + "Visible", !w.isHidden()));
        });
    }
}

void TWindowPosSave::SaveWindowPos(bool closing) {
    QWidget* form = Form();
    if (!form) return;
    TSettingsStore store(SubKey);
    store.WriteBool("Visible", form->isVisible() && !closing);
    store.WriteInteger("Top", form->y());
    store.WriteInteger("Left", form->x());
    if (IsSizeable(*form)) {
        store.WriteInteger("Width", form->width());
        store.WriteInteger("Height", form->height());
    }
    const QFont font = form->font();
    store.WriteString("Font", font.family());
    store.WriteInteger("FontSize", font.pixelSize() > 0 ? -font.pixelSize() : font.pointSize());
    ForEachImportant(*form, [&](QWidget& w) {
        const QString p = w.objectName();
        store.WriteBool(p + "Visible", !w.isHidden());
        store.WriteInteger(p + "Top", w.y());
        store.WriteInteger(p + "Left", w.x());
        store.WriteInteger(p + "Width", w.width());
        store.WriteInteger(p + "Height", w.height());
    });
}

} // namespace lw::gui
