#include "mainwin/EditText.h"

#include "mainwin/ZQDir.h"
#include "server/Commands.h"
#include "server/XModemServer.h"

#include "util/ScopeExit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>

#include <memory>
#include <optional>
#include <vector>

namespace lw::gui {
namespace {

// The words of a command line; a whole existing file path stays one word.
QStringList CommandWords(const QString& line) {
    if (!line.trimmed().isEmpty() && QFileInfo(line).isFile()) return {line};
    return QProcess::splitCommand(line);
}

// The file's bytes; nothing when it cannot be read (gone, or never written).
std::optional<QByteArray> Contents(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return f.readAll();
}

// Starts `process` and runs the event loop until it has started or failed to: a slow start
// never holds the window up. True when it runs.
bool StartWithoutBlocking(QProcess& process) {
    QEventLoop loop;
    QObject::connect(&process, &QProcess::started, &loop, &QEventLoop::quit);
    QObject::connect(&process, &QProcess::errorOccurred, &loop, &QEventLoop::quit);
    process.start();
    if (process.state() == QProcess::Starting) loop.exec();
    return process.state() == QProcess::Running;
}

// Runs the event loop until `process` has ended: the windows repaint and move meanwhile, and
// the busy main window starts no command. `wait` points to the loop meanwhile; the window
// ends it early when the program is closing. False when it did, or when `closing` already.
bool WaitForEnd(QProcess& process, QEventLoop*& wait, bool closing) {
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    if (process.state() == QProcess::NotRunning) return true;
    if (closing) return false;
    wait = &loop;
    const int ended = loop.exec();
    wait = nullptr;
    return ended == 0;
}

// Editors the program no longer waits for: never destroyed, since destroying a QProcess ends
// the program it runs.
void LeaveRunning(std::unique_ptr<QProcess> process) {
    static std::vector<std::unique_ptr<QProcess>>* left =
        new std::vector<std::unique_ptr<QProcess>>;
    process->disconnect();
    left->push_back(std::move(process));
}

// The editor ended at once: asks the user to say when the edit is done. True for Done.
bool AskWhenDone(QWidget* parent, const QString& name) {
    QMessageBox box(QMessageBox::Information,
                    QCoreApplication::translate("TFZQDir", "Edit as Text"),
                    QCoreApplication::translate(
                        "TFZQDir", "Editing %1 \u2014 press Done when you have saved your changes")
                        .arg(name),
                    QMessageBox::Cancel, parent);
    box.setObjectName("EditDone");
    QPushButton* done =
        box.addButton(QCoreApplication::translate("TFZQDir", "Done"), QMessageBox::AcceptRole);
    box.setDefaultButton(done);
    box.exec();
    return box.clickedButton() == done;
}

} // namespace

bool IsTerminalEditor(const QStringList& words) {
    static const QStringList terminal = {"vi",
                                         "vim",
                                         "vim.basic",
                                         "vim.tiny",
                                         "nvim",
                                         "view",
                                         "ex",
                                         "ed",
                                         "red",
                                         "nano",
                                         "rnano",
                                         "pico",
                                         "joe",
                                         "jmacs",
                                         "jstar",
                                         "jpico",
                                         "jed",
                                         "micro",
                                         "ne",
                                         "kak",
                                         "hx",
                                         "helix",
                                         "mcedit",
                                         "mg",
                                         "vis",
                                         "zile",
                                         "jove",
                                         "le",
                                         "tilde",
                                         "editor",
                                         "sensible-editor"};
    if (words.isEmpty()) return false;
    const QString name = QFileInfo(words.first()).fileName();
    if (terminal.contains(name)) return true;
    if (name == "emacs" || name == "emacsclient")
        for (const QString& w : words.mid(1))
            if (w == "-nw" || w == "-t" || w == "--tty" || w == "--no-window-system") return true;
    return false;
}

TEditorCommand EditorCommand(const QString& setting, const QString& file,
                             const QProcessEnvironment& env) {
    QStringList words = CommandWords(setting);
    for (const char* name : {"VISUAL", "EDITOR"}) {
        if (!words.isEmpty()) break;
        const QStringList candidate = CommandWords(env.value(name));
        if (!IsTerminalEditor(candidate)) words = candidate;
    }
    if (words.isEmpty()) words = QStringList{"xdg-open"};
    const QString program = words.takeFirst();
    return {program, words << file};
}

void TFZQDir::mnuEditTextClick() {
    // The copy never places the file on the clipboard; the next ordinary copy does again.
    PutOnClipboard = false;
    mnuCopyAsTextClick();
    if (LastCopiedFile.isEmpty()) return;
    const QString file = LastCopiedFile;
    const std::optional<QByteArray> fetched = Contents(file);
    const TEditorCommand command = EditorCommand(QString::fromStdString(Editor), file,
                                                 QProcessEnvironment::systemEnvironment());

    // Busy from the start: while the editor starts the window answers, but runs no command.
    const ScopeExit notBusy([this] { SetBusy(false); });
    SetBusy(true);
    // Owned here; an editor still running when the program ends is left running (below).
    auto editor = std::make_unique<QProcess>();
    editor->setProgram(command.Program);
    editor->setArguments(command.Arguments);
    editor->setStandardInputFile(QProcess::nullDevice());
    editor->setProcessChannelMode(QProcess::ForwardedChannels);
    if (!StartWithoutBlocking(*editor)) {
        QMessageBox::critical(
            this, QCoreApplication::translate("TFZQDir", "Edit Error"),
            QCoreApplication::translate(
                "TFZQDir", "Cannot start the editor (%1)\n\nor the file, %2\n\nis missing.")
                .arg(command.Program, file));
        return;
    }
    QElapsedTimer running;
    running.start();
    if (!WaitForEnd(*editor, FEditWait, FCloseWhenIdle)) {
        // The program is ending: the person's editor and file stay; nothing is sent.
        LeaveRunning(std::move(editor));
        QMessageBox::information(
            this, QCoreApplication::translate("TFZQDir", "Edit as Text"),
            QCoreApplication::translate("TFZQDir",
                                        "The editor is still running. Changes to\n\n%1\n\nwill not "
                                        "be sent to the calculator; the file stays there.")
                .arg(file));
        return;
    }

    std::optional<QByteArray> edited = Contents(file);
    // A file that vanished meanwhile is neither sent nor deleted.
    if (!edited) return;
    if (edited == fetched && running.elapsed() < EditorHandOverMs) {
        if (!AskWhenDone(this, QString::fromStdString(PutNameForFile(file.toStdString())))) {
            QFile::remove(file);
            return;
        }
        edited = Contents(file);
        if (!edited) return;
    }
    if (edited != fetched) {
        FServer->ChangeDir(CurrentPath.toStdString());
        bool replaceAll = true;
        if (PutFileToCalc(*FServer, file.toStdString(), replaceAll, 1, true) != TPutOutcome::Sent) {
            // The edit stays in the file rather than being lost with it.
            QMessageBox::critical(
                this, QCoreApplication::translate("TFZQDir", "Write Error"),
                QCoreApplication::translate(
                    "TFZQDir",
                    "Cannot write changes to the calculator.\n\nThe changes are kept in %1")
                    .arg(file));
            return;
        }
    }
    QFile::remove(file);
}

} // namespace lw::gui
