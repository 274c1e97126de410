// Screenshot scenes of the transfer prompts and the small dialogs: each dialog is opened the
// way the program opens it, drawn once it is up, saved as a PNG and answered with Cancel.
// For the README's pictures (scripts/screenshots.sh) and for looking at the dialogs by hand.
#pragma once
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace lw::test {

// Runs `open` (which shows a modal dialog and waits for it), and returns the dialog as drawn
// once it is up; the dialog is then rejected. A null image when no dialog came within 5 s.
QImage GrabModal(const std::function<void()>& open);

// Saves the dialog scenes into `folder` as prompt-connect-rpn.png, prompt-reconnect.png,
// bad-file.png, replace-file.png, properties.png and about.png; `owner` (may be null) is the
// main window the dialogs centre on and the about box takes its caption from. Returns the
// files written.
QStringList SaveDialogScenes(const QString& folder, QWidget* owner);

} // namespace lw::test
