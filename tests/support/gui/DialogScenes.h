// Screenshot scenes of the transfer prompts and the small dialogs: each dialog is opened the
// way the program opens it, handed over for drawing once it is up, then answered with Cancel.
// For the README's pictures (scripts/screenshots.sh) and for looking at the dialogs by hand.
#pragma once
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace lw::test {

using TSaveScene = std::function<void(QWidget& dialog, const QString& name)>;

// Opens the scenes prompt-connect-rpn, prompt-reconnect, bad-file, replace-file, properties
// and about in turn and calls `save` with each dialog while it is up. `owner` (may be null)
// is the main window the dialogs centre on and the about box takes its caption from.
void ShowDialogScenes(const TSaveScene& save, QWidget* owner);

// The same scenes drawn (without a window frame) into <folder>/<scene>.png. Returns the files
// written.
QStringList SaveDialogScenes(const QString& folder, QWidget* owner);

} // namespace lw::test
