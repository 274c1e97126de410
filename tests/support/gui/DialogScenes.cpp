#include "support/gui/DialogScenes.h"
#include "support/gui/ModalScript.h"

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
#include <QDialog>
#include <QDir>
#include <QImage>

namespace lw::test {

void ShowDialogScenes(const TSaveScene& save, QWidget* owner) {
    gui::TOwnerForm<gui::TFDownLd>::Set(owner);
    gui::TOwnerForm<gui::TFBadFile>::Set(owner);
    gui::TOwnerForm<gui::TFReplaceFile>::Set(owner);
    gui::TOwnerForm<gui::TFProperty>::Set(owner);
    gui::TOwnerForm<gui::TFAboutForm>::Set(owner);
    gui::TOwnerForm<gui::TFOptions>::Set(owner);
    // Opens a dialog; once it is up and drawn, saves it and rejects it.
    auto scene = [&](const char* name, const std::function<void()>& open) {
        TModalScript script;
        script.Then([&](QWidget* dialog) {
            for (int i = 0; i < 5; ++i) QApplication::processEvents(); // layout and painting settle
            save(*dialog, name);
            static_cast<QDialog*>(dialog)->reject();
        });
        open();
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
