// The interactive shell: the line editor (libedit) with the calculator directory as prompt,
// history kept in the user's state folder, Tab completion, Ctrl-C cancelling the running
// command (or the line being typed) and Ctrl-D or exit ending the session.
#pragma once
#include <string>

namespace lw::cli {

class TSessionRunner;
class TTerminal;

// Runs the shell on the terminal until the user ends it; returns the exit status (0).
int RunShell(TSessionRunner& runner, TTerminal& term);

// The history file: $XDG_STATE_HOME/linkwell/history, else ~/.local/state/linkwell/history.
std::string HistoryPath();

} // namespace lw::cli
