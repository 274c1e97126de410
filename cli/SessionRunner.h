// A session: many commands on one connection, from a script (run FILE, standard input, -c) or
// typed at the shell. Each command line is parsed as the program's own command line would be
// and dispatched through the command table; the session adds its own commands (cd, pwd, lcd,
// lpwd, help, reconnect, exit), keeps the working directory between commands, notices a lost
// link once, and connects again when asked (or by itself with --reconnect).
#pragma once
#include "cli/CliOptions.h"
#include "cli/Script.h"
#include "cli/Session.h"

#include <istream>
#include <string>
#include <utility>
#include <vector>

namespace lw::cli {

class TSessionRunner {
public:
    TSessionRunner(const TCliOptions& base, TTerminal& term, TTerminalUi& ui, TCalcState& state,
                   TXModemServer& server, std::string portName);

    // Runs what the options ask for (-c, run FILE, shell) and returns the exit status.
    int RunFromOptions();
    // Runs the commands of a script text (or one stream, read line by line): stops at the first
    // failure with its status, or with --keep-going runs the rest and returns 1 if any failed.
    int RunText(const std::string& text);
    int RunStream(std::istream& in);

    // Runs one command; returns its exit status (0, 1 failed, 2 usage error).
    int Run(const TStatement& statement);

    // The session's calculator directory, path form ("HOME GAMES").
    const std::string& Dir() const { return FDir; }
    // exit was given (or the program is to end).
    bool Finished() const { return FFinished; }
    // The entries of the working directory in the listing the session holds: name (display
    // form) and whether it is a directory.
    std::vector<std::pair<std::string, bool>> Entries();
    // Connects and reads the listing (the shell's start); a failure is reported, not raised.
    void Start();
    // After a Ctrl-C: the next command runs uncancelled.
    void ClearInterrupts();

    // The interactive shell refreshes the listing after commands that change the memory.
    bool Interactive = false;

private:
    int RunOnce(const TStatement& statement);
    int RunCommand(const TCliOptions& options);
    int RunBuiltin(const std::vector<std::string>& words);
    // A line of a session command's output (collected for the JSON line with --json).
    void Output(const std::string& line);
    int ChangeDir(const std::vector<std::string>& words);
    // Connects as the session's commands do, held open, and reads the listing; throws on failure.
    void ConnectAndList();
    int ChangeLocalDir(const std::vector<std::string>& words);
    // Connects again, trying until the calculator answers or the bound passes; true when done.
    bool Reconnect(bool wait);
    void RefreshListing();
    // Prints the JSON line of one command.
    void PrintJson(const TStatement& statement, int status);

    const TCliOptions& FBase;
    TTerminal& FTerm;
    TTerminalUi& FUi;
    TCalcState& FState;
    TXModemServer& FServer;
    std::string FPortName;
    std::string FDir;
    bool FFinished = false;
    bool FLost = false;              // the link was lost and not yet reconnected
    bool FStopped = false;           // a script ends after a lost link
    bool FDropped = false;           // the last command lost the link
    std::vector<std::string> FLines; // the command's output with --json
    std::string FDocument;           // its JSON document
};

// The path one level up ("HOME" stays).
std::string ParentDirPath(const std::string& path);
// The path `arg` of cd names from `current`: "..", a path from HOME, or names below.
std::string ResolveDirPath(const std::string& current, const std::string& arg);

} // namespace lw::cli
