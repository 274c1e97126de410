#include "cli/Terminal.h"

#include "cli/CliTexts.h"

#include <cctype>
#include <cstdio>
#include <iostream>
#include <utility>

namespace lw::cli {

namespace {

// After a request to end (SIGTERM, SIGHUP) the command has this long to wind down before the
// program ends anyway (the system then releases the line with the process).
constexpr int EndGraceMs = 10000;

std::string ForTerminal(std::string text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

} // namespace

std::string OneLine(const std::string& text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    return out;
}

TTerminal::TTerminal(const TTerminalSettings& settings)
    : FSettings(settings), FInteractive(sys::StdinIsTerminal()),
      FProgressTty(sys::StderrIsTerminal() && !settings.Quiet) {
    // A request to end the program ends the command the same way as Ctrl-C, so that the port
    // is closed and the calculator told.
    sys::CatchConsoleSignals();
}

TTerminal::~TTerminal() {
    StopWatching();
}

void TTerminal::SetYesAndQuiet(bool yes, bool quiet) {
    FSettings.Yes = yes;
    FSettings.Quiet = quiet;
    FProgressTty = sys::StderrIsTerminal() && !quiet;
}

void TTerminal::ClearInterrupts() {
    // Waits for an interrupt being handled to be told whole, so that none of it (a cancel
    // request, the flag) is left behind for the next prompt or command.
    const std::lock_guard lock(FInterruptLock);
    FInterruptFlag.Clear();
    FInterrupts = 0;
}

std::vector<std::string> TTerminal::TakeErrors() {
    return std::exchange(FErrors, {});
}

void TTerminal::StopWatching() {
    if (FWatcher.joinable()) {
        sys::StopConsoleSignalWait(FWatcher);
        FWatcher.join();
    }
}

void TTerminal::WatchInterrupts(std::function<void()> onFirst) {
    FOnInterrupt = std::move(onFirst);
    FWatcher = std::thread([this] { Watch(); });
}

void TTerminal::Watch() {
    int ending = 0; // the signal number of the request to end, whose grace time runs
    for (;;) {
        int number = 0;
        const sys::TConsoleSignal signal = sys::WaitConsoleSignal(ending ? EndGraceMs : -1, number);
        if (signal == sys::TConsoleSignal::Stopped) return;
        if (signal == sys::TConsoleSignal::TimedOut)
            sys::ExitAtOnce(128 + ending); // the command did not end in time
        if (signal == sys::TConsoleSignal::End && ending == 0) ending = FEnding = number;
        const std::lock_guard lock(FInterruptLock);
        if (++FInterrupts == 1) {
            if (FOnInterrupt) FOnInterrupt();
            // Told last, so that whoever waits on it sees the interrupt whole.
            FInterruptFlag.Set();
        } else {
            sys::WriteStderr("\n", 1);
            sys::ExitAtOnce(128 + number);
        }
    }
}

bool TTerminal::ReadLine(std::string& line) {
    line.clear();
    const int interruptsBefore = FInterrupts.load();
    for (;;) {
        if (FInterrupts.load() != interruptsBefore) return false;
        const auto woken = FInterruptFlag.WaitWithInput(100);
        if (woken == sys::TWakeFlag::TWoken::Failed) return false;
        if (woken != sys::TWakeFlag::TWoken::Input) continue;
        char c = 0;
        const long n = sys::ReadStdin(&c, 1);
        if (n <= 0) return !line.empty();
        if (c == '\n') return true;
        line += c;
    }
}

bool TTerminal::AskYesNo(const std::string& question) {
    return AskChoice(question, "yn", "[y]es or [N]o", 'y', 'n') == 'y';
}

char TTerminal::AskChoice(const std::string& question, const std::string& letters,
                          const std::string& labels, char onYes, char onNo) {
    if (FSettings.Yes) {
        if (FSettings.Verbose) Print(question + "\n-> " + std::string(1, onYes) + " (--yes)\n");
        return onYes;
    }
    if (!FInteractive) {
        if (FSettings.Verbose)
            Print(question + "\n-> " + std::string(1, onNo) + " (no terminal)\n");
        return onNo;
    }
    ProgressEnd();
    Print(question + "\n");
    for (;;) {
        Print(labels + "? ");
        std::string line;
        if (!ReadLine(line)) {
            Print("\n");
            return onNo;
        }
        const std::string answer = OneLine(line);
        if (answer.empty()) return onNo; // Enter alone: the safe answer
        const char c = char(std::tolower(static_cast<unsigned char>(answer.front())));
        if (letters.find(c) != std::string::npos) return c;
    }
}

bool TTerminal::WaitForEnter() {
    if (FSettings.Yes || !FInteractive) return true;
    Print("Press Enter to go on, Ctrl-C to cancel\n");
    std::string line;
    const bool ok = ReadLine(line);
    if (!ok) Print("\n");
    return ok;
}

void TTerminal::Print(const std::string& text) {
    std::cerr << ForTerminal(text) << std::flush;
}

void TTerminal::Error(const std::string& text) {
    ProgressEnd();
    // One line, whatever line ends the core's texts hold ("Connection Error.\r\nPlease ...").
    const std::string line = OneLine(text);
    FErrors.push_back(line);
    std::cerr << ProgramName << ": " << line << '\n' << std::flush;
}

void TTerminal::ProgressBegin(const std::string& caption) {
    FCaption = OneLine(caption);
}

void TTerminal::ProgressUpdate(const std::string& text) {
    if (!FProgressTty) return;
    std::cerr << "\r\033[K" << FCaption << (FCaption.empty() ? "" : ": ") << OneLine(text)
              << std::flush;
    FProgressOpen = true;
}

void TTerminal::ProgressEnd() {
    if (!FProgressOpen) return;
    std::cerr << '\n' << std::flush;
    FProgressOpen = false;
}

void TTerminal::NoteMessage(const std::string& caption, const std::string& text) {
    FMessages.push_back(caption.empty() ? OneLine(text) : caption + ": " + OneLine(text));
}

void TTerminal::NoteTransferError(const std::string& text) {
    FTransferError = OneLine(text);
}

void TTerminal::Report(const std::string& text) {
    std::string causes;
    for (const auto& m : FMessages) causes += (causes.empty() ? "" : "; ") + m;
    if (causes.empty()) causes = FTransferError;
    Error(causes.empty() ? text : text + " (" + causes + ")");
    FMessages.clear();
    FTransferError.clear();
}

int TTerminal::Fail(const std::string& text) {
    if (Interrupted()) {
        Error(CancelledText()); // whatever broke off, the user asked for it
    } else if (!FMessages.empty()) {
        for (const auto& m : FMessages) Error(m);
    } else if (!FTransferError.empty() && FTransferError != text) {
        Error(text + " (" + FTransferError + ")");
    } else {
        Error(text);
    }
    FMessages.clear();
    FTransferError.clear();
    return 1;
}

void TTerminal::DropMessages() {
    FMessages.clear();
    FTransferError.clear();
}

int TTerminal::Succeed() {
    for (const auto& m : FMessages) Error("warning: " + m);
    FMessages.clear();
    FTransferError.clear();
    return 0;
}

} // namespace lw::cli
