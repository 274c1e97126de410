// The terminal linkwell-cli talks through: questions on stdin/stderr (or answered by -y, or no
// without a terminal), the one updating progress line, the final message of a failed command,
// and Ctrl-C (the first cancels what is waiting, the second ends the program).
#pragma once
#include "util/Console.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lw::cli {

struct TTerminalSettings {
    bool Yes = false;     // answer every question yes
    bool Quiet = false;   // no progress output
    bool Verbose = false; // trace lines and every report to stderr
};

class TTerminal {
public:
    explicit TTerminal(const TTerminalSettings& settings);
    ~TTerminal();
    TTerminal(const TTerminal&) = delete;
    TTerminal& operator=(const TTerminal&) = delete;

    const TTerminalSettings& Settings() const { return FSettings; }
    // A session's command with -y or -q of its own.
    void SetYesAndQuiet(bool yes, bool quiet);
    // Questions can be asked: stdin is a terminal.
    bool Interactive() const { return FInteractive; }

    // A yes/no question: -y answers yes, no terminal answers no, Ctrl-C answers no.
    bool AskYesNo(const std::string& question);
    // A question with one-letter answers (`letters`, described by `labels`): returns the
    // letter typed, `onYes` under -y, `onNo` without a terminal, on Enter alone or on Ctrl-C.
    char AskChoice(const std::string& question, const std::string& letters,
                   const std::string& labels, char onYes, char onNo);
    // After instructions for the calculator: on a terminal (without -y) waits for Enter and
    // returns false on Ctrl-C; otherwise goes on at once.
    bool WaitForEnter();

    // Text for the user on stderr ("\r\n" becomes "\n"); nothing more is added.
    void Print(const std::string& text);
    // One line "linkwell-cli: <text>" on stderr.
    void Error(const std::string& text);

    // The progress line (only while stderr is a terminal and not quiet).
    void ProgressBegin(const std::string& caption);
    void ProgressUpdate(const std::string& text);
    void ProgressEnd();

    // Message boxes and transfer errors of the running command, kept for its final message.
    void NoteMessage(const std::string& caption, const std::string& text);
    void NoteTransferError(const std::string& text);
    // A failure the command goes on after: "linkwell-cli: <text>" now, with the kept messages
    // (which say what went wrong) in parentheses; they are not repeated at the end.
    void Report(const std::string& text);
    // Ends a failed command: "cancelled" after a Ctrl-C; else the kept messages (they say best
    // what went wrong) or, when there are none, `text` with the last transfer error. Returns
    // exit status 1.
    int Fail(const std::string& text);
    // Forgets the kept messages and transfer error (a failed attempt that is tried again).
    void DropMessages();
    // Ends a successful command: kept messages are printed as warnings. Returns 0.
    int Succeed();

    // Ctrl-C, SIGTERM and SIGHUP: from now on the first one calls `onFirst` (on a thread of
    // its own), the second ends the program with status 128 + the signal, as does the end of
    // a grace time after SIGTERM or SIGHUP. The constructor has already blocked the signals,
    // so the terminal must be made before any other thread.
    void WatchInterrupts(std::function<void()> onFirst);
    // Stops watching (Ctrl-C then stays blocked until the program ends).
    void StopWatching();
    bool Interrupted() const { return FInterrupts.load() > 0; }
    // SIGTERM or SIGHUP came: the program is to end.
    bool Ending() const { return FEnding.load() != 0; }
    // A session goes on after a Ctrl-C: the next one cancels again, as the first did. An
    // interrupt still being handled is waited for and cleared with the rest.
    void ClearInterrupts();
    // Set after each Ctrl-C, SIGTERM or SIGHUP until ClearInterrupts (for a wait on input
    // that a Ctrl-C ends).
    sys::TWakeFlag& InterruptFlag() { return FInterruptFlag; }
    // The texts of the messages printed by Error since the last call.
    std::vector<std::string> TakeErrors();

private:
    void Watch();
    // Reads one line from stdin, giving up on Ctrl-C; false when none came.
    bool ReadLine(std::string& line);

    TTerminalSettings FSettings;
    bool FInteractive = false;
    bool FProgressTty = false;
    bool FProgressOpen = false;
    std::string FCaption;
    std::vector<std::string> FMessages;
    std::string FTransferError;
    std::atomic<int> FInterrupts{0};
    std::mutex FInterruptLock; // one interrupt is counted, told and written, or cleared
    std::atomic<int> FEnding{0};
    sys::TWakeFlag FInterruptFlag;
    std::vector<std::string> FErrors;
    std::function<void()> FOnInterrupt;
    std::thread FWatcher;
};

// One line of a multi-line text: line ends and runs of blanks become single blanks.
std::string OneLine(const std::string& text);

} // namespace lw::cli
