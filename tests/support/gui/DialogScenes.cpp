#include "support/gui/DialogScenes.h"

#include "link/UiHooks.h"
#include "mainwin/About.h"
#include "mainwin/BadFileForm.h"
#include "mainwin/Properties.h"
#include "mainwin/ReplaceFile.h"
#include "prompts/DownLd.h"
#include "server/CalcState.h"
#include "settings/Options.h"
#include "settings/WindowPlacement.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QTimer>

namespace lw::test {

bool WhileModal(const std::function<void()>& open,
                const std::function<void(QWidget& dialog)>& withDialog) {
    bool done = false;
    QTimer poll;
    QDeadlineTimer deadline(5000);
    int seenFor = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) {
            if (deadline.hasExpired()) poll.stop();
            return;
        }
        // A few rounds of the event loop first, so that layout and painting have settled.
        if (++seenFor < 5) return;
        poll.stop();
        withDialog(*modal);
        done = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start(20);
    open();
    return done;
}

void ShowDialogScenes(const TSaveScene& save, QWidget* owner) {
    gui::TOwnerForm<gui::TFDownLd>::Set(owner);
    gui::TOwnerForm<gui::TFBadFile>::Set(owner);
    gui::TOwnerForm<gui::TFReplaceFile>::Set(owner);
    gui::TOwnerForm<gui::TFProperty>::Set(owner);
    gui::TOwnerForm<gui::TFAboutForm>::Set(owner);
    gui::TOwnerForm<gui::TFOptions>::Set(owner);
    auto scene = [&](const char* name, const std::function<void()>& open) {
        WhileModal(open, [&](QWidget& dialog) { save(dialog, name); });
    };

    gui::TFDownLd prompt(true, owner);
    scene("prompt-connect-rpn", [&] { prompt.ShowPrompt(TPromptKind::Connect, ""); });
    scene("prompt-reconnect", [&] { prompt.ShowPrompt(TPromptKind::Reconnect, ""); });
    gui::TFBadFile badFile(owner);
    scene("bad-file", [&] { badFile.Ask("/home/user/calc/solver.src", ".src", true); });
    gui::TFReplaceFile replace(owner);
    scene("replace-file", [&] { replace.AskReplace("PROG", 3); });
    gui::TFProperty properties(owner);
    scene("properties", [&] {
        properties.ShowProperties({"PROG", "N", "NOTES"}, 2871,
                                  gui::PropertySeconds(2871, "9600", false));
    });
    gui::TFAboutForm about(owner);
    scene("about", [&] { about.exec(); });
    gui::TFOptions options(owner);
    TCalcState state;
    std::string editor = "/usr/bin/mousepad";
    scene("file-options", [&] { options.ShowOptions(state, editor); });
}

QStringList SaveDialogScenes(const QString& folder, QWidget* owner) {
    QStringList written;
    ShowDialogScenes(
        [&](QWidget& dialog, const QString& name) {
            const QString path = QDir(folder).filePath(name + ".png");
            if (dialog.grab().toImage().save(path)) written << path;
        },
        owner);
    return written;
}

} // namespace lw::test
