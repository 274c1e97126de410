// The interactive shell where no line editor is to be had (the Windows build): the prompt and
// plain lines from standard input, edited by the console itself, without history or Tab
// completion. Ctrl-C cancels the running command or drops the line being typed.
#include "cli/Shell.h"

#include "cli/CliTexts.h"
#include "cli/Script.h"
#include "cli/SessionRunner.h"
#include "cli/Terminal.h"
#include "util/Console.h"

#include <cstdio>

namespace lw::cli {

namespace {

enum class TLineRead { Line, Interrupted, Ended };

TLineRead ReadPlainLine(TTerminal& term, std::string& line) {
    line.clear();
    for (;;) {
        const auto woken = term.InterruptFlag().WaitWithInput(-1);
        if (woken == sys::TWakeFlag::TWoken::Flag) return TLineRead::Interrupted;
        if (woken == sys::TWakeFlag::TWoken::Failed) return TLineRead::Ended;
        char c = 0;
        if (sys::ReadStdin(&c, 1) <= 0) return line.empty() ? TLineRead::Ended : TLineRead::Line;
        if (c == '\n') return TLineRead::Line;
        if (c != '\r') line += c;
    }
}

} // namespace

std::string HistoryPath() {
    return "";
}

int RunShell(TSessionRunner& runner, TTerminal& term) {
    runner.Start();
    std::string line;
    while (!runner.Finished() && !term.Ending()) {
        std::fputs(SessionPrompt(runner.Dir()).c_str(), stderr);
        std::fflush(stderr);
        const TLineRead read = ReadPlainLine(term, line);
        if (read == TLineRead::Ended || term.Ending()) {
            std::fputc('\n', stderr);
            break;
        }
        if (read == TLineRead::Interrupted) {
            std::fputs("^C\n", stderr);
            runner.ClearInterrupts();
            continue;
        }
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        for (const TStatement& statement : ParseScript(line)) {
            runner.Run(statement);
            if (runner.Finished() || term.Ending()) break;
        }
    }
    return 0;
}

} // namespace lw::cli
