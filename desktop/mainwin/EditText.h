// Edit as text: the selected variable is fetched in text form into the program's private
// temporary folder, the user's text editor runs on the file, and when the file's contents
// changed meanwhile it is sent back under the variable's name (TFZQDir::mnuEditTextClick).
// Here: how the editor is started.
#pragma once
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace lw::gui {

// A program and its arguments, started without a shell.
struct TEditorCommand {
    QString Program;
    QStringList Arguments;
    bool operator==(const TEditorCommand&) const = default;
};

// The command that opens `file` in the editor. `setting` is the program when it names an
// existing file as a whole (blanks and all: what Browse stores), otherwise a command line split
// into words with the usual quoting. The file is always one argument of its own, the last.
// An empty setting takes $VISUAL, then $EDITOR, from `env` when it starts a graphical editor
// (see IsTerminalEditor), else the desktop's own choice for text files through xdg-open.
TEditorCommand EditorCommand(const QString& setting, const QString& file,
                             const QProcessEnvironment& env);

// Whether a command line (split into words) starts an editor that runs inside a terminal:
// one of the common terminal editors by its file name (vi, vim, nano, ed ...), Debian's
// "editor"/"sensible-editor" choices, or emacs/emacsclient asked for a terminal frame. Any
// other program is taken as graphical. Started from a desktop program such an editor would
// have no terminal to show itself in.
bool IsTerminalEditor(const QStringList& words);

} // namespace lw::gui
