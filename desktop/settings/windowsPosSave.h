// Remembered window bounds: a form carries one TWindowPosSave (as a child object) naming its
// section of the settings store; the form restores its bounds, visibility and font from it
// when created and saves them when it stores its settings.
//
// Only a form's sizeable border stores Width and Height. A form counts as fixed (a dialog
// border) when its minimum and maximum sizes are equal (setFixedSize, or a layout with
// QLayout::SetFixedSize) or it carries Qt::MSWindowsFixedSizeDialogHint; every other form
// is sizeable.
#pragma once
#include <QObject>
#include <QString>
#include <QStringList>

class QWidget;

namespace lw::gui {

class TSettingsStore;

class TWindowPosSave : public QObject {
    Q_OBJECT
public:
    // `owner`: the form (a top-level widget); with any other owner both operations do nothing.
    explicit TWindowPosSave(QWidget* owner, const QString& subKey = QString());

    QString SubKey;
    // Object names of child widgets whose bounds and visibility are stored with the form's
    // (compared without regard to case); their value names are prefixed with the name.
    QStringList ImportantComponents;

    // From the form's creation: bounds (Width/Height only when sizeable), then visibility,
    // then font; listed child widgets when restoreComponents. A form that would come back
    // on no screen is moved onto one.
    void RestoreWindowPos(bool restoreComponents, bool restoreForm);
    // `closing`: the form is about to close, so its visibility is stored as false.
    void SaveWindowPos(bool closing);

    static bool IsSizeable(const QWidget& form);

private:
    QWidget* Form() const;
    template <class F> void ForEachImportant(QWidget& parent, F&& fn);
};

} // namespace lw::gui
