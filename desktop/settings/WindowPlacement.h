// Where dialogs appear: each dialog class keeps one owner (the main window registers itself
// when it is shown) and centres itself over it; without an owner a dialog keeps its design
// position. Windows restored onto a screen that no longer exists are moved back into view.
#pragma once
#include <QPointer>
#include <QWidget>

namespace lw::gui {

// One owner reference per dialog class, shared by all its instances.
template <class TDialog> class TOwnerForm {
public:
    static void Set(QWidget* owner) { Owner() = owner; }
    static QWidget* Get() { return Owner().data(); }

private:
    static QPointer<QWidget>& Owner() {
        static QPointer<QWidget> owner;
        return owner;
    }
};

// Centres `dialog` over `owner` (left and top halves truncated toward zero), then moves it
// `leftShift` pixels further left. Nothing without an owner.
void CentreOver(QWidget& dialog, const QWidget* owner, int leftShift = 0);

// Moves a top-level window whose frame lies on no available screen back onto the primary
// screen (a monitor was unplugged since its position was stored).
void KeepOnScreen(QWidget& window);

} // namespace lw::gui
