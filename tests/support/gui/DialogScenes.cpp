#include "support/gui/DialogScenes.h"

#include "link/UiHooks.h"
#include "mainwin/About.h"
#include "mainwin/BadFileForm.h"
#include "mainwin/Properties.h"
#include "mainwin/ReplaceFile.h"
#include "prompts/DownLd.h"
#include "settings/WindowPlacement.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QPointer>
#include <QTimer>

namespace lw::test {

QImage GrabModal(const std::function<void()>& open) {
    QImage image;
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
        image = modal->grab().toImage();
        poll.stop();
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        else
            modal->close();
    });
    poll.start(20);
    open();
    return image;
}

QStringList SaveDialogScenes(const QString& folder, QWidget* owner) {
    gui::TOwnerForm<gui::TFDownLd>::Set(owner);
    gui::TOwnerForm<gui::TFBadFile>::Set(owner);
    gui::TOwnerForm<gui::TFReplaceFile>::Set(owner);
    gui::TOwnerForm<gui::TFProperty>::Set(owner);
    gui::TOwnerForm<gui::TFAboutForm>::Set(owner);
    QStringList written;
    auto save = [&](const char* name, const QImage& image) {
        const QString path = QDir(folder).filePath(QString(name) + ".png");
        if (!image.isNull() && image.save(path)) written << path;
    };

    gui::TFDownLd prompt(true, owner);
    save("prompt-connect-rpn", GrabModal([&] { prompt.ShowPrompt(TPromptKind::Connect, ""); }));
    save("prompt-reconnect", GrabModal([&] { prompt.ShowPrompt(TPromptKind::Reconnect, ""); }));
    gui::TFBadFile badFile(owner);
    save("bad-file", GrabModal([&] { badFile.Ask("/home/user/calc/solver.src", ".src", true); }));
    gui::TFReplaceFile replace(owner);
    save("replace-file", GrabModal([&] { replace.AskReplace("PROG", 3); }));
    gui::TFProperty properties(owner);
    save("properties", GrabModal([&] {
             properties.ShowProperties({"PROG", "N", "NOTES"}, 2871,
                                       gui::PropertySeconds(2871, "9600", false));
         }));
    gui::TFAboutForm about(owner);
    save("about", GrabModal([&] { about.exec(); }));
    return written;
}

} // namespace lw::test
