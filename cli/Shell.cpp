#include "cli/Shell.h"

#include "cli/CliOptions.h"
#include "cli/CliTexts.h"
#include "cli/Completion.h"
#include "cli/Script.h"
#include "cli/SessionRunner.h"
#include "cli/Terminal.h"

#include <histedit.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <filesystem>
#include <langinfo.h>

#include <unistd.h>

namespace lw::cli {

namespace {

// What the editor's callbacks reach through its client data.
struct TShellContext {
    TSessionRunner& Runner;
    TTerminal& Term;
    FILE* Out;
    std::string Prompt;
    bool Interrupted = false; // the line being typed was broken off by a Ctrl-C
    std::mbstate_t Shift{};
};

TShellContext& Context(EditLine* el) {
    void* data = nullptr;
    el_get(el, EL_CLIENTDATA, &data);
    return *static_cast<TShellContext*>(data);
}

char* Prompt(EditLine* el) {
    TShellContext& c = Context(el);
    c.Prompt = SessionPrompt(c.Runner.Dir());
    return c.Prompt.data();
}

// Reads one character from the terminal; a Ctrl-C (or SIGTERM, SIGHUP) ends the line.
int ReadChar(EditLine* el, wchar_t* out) {
    TShellContext& c = Context(el);
    for (;;) {
        const auto woken = c.Term.InterruptFlag().WaitWithInput(-1);
        if (woken == sys::TWakeFlag::TWoken::Failed) return -1;
        if (woken == sys::TWakeFlag::TWoken::Flag) {
            c.Interrupted = true;
            errno = EINTR;
            return -1;
        }
        char byte = 0;
        const long n = sys::ReadStdin(&byte, 1);
        if (n == 0) return 0;
        if (n < 0) return -1;
        wchar_t wc = 0;
        const size_t used = std::mbrtowc(&wc, &byte, 1, &c.Shift);
        if (used == size_t(-2)) continue; // more bytes of the character follow
        if (used == size_t(-1)) {
            c.Shift = {};
            wc = static_cast<unsigned char>(byte);
        }
        *out = wc;
        return 1;
    }
}

std::vector<std::string> SessionCommandNames() {
    std::vector<std::string> names = CommandNames();
    for (const char* own : {"cd", "pwd", "lcd", "lpwd", "help", "reconnect", "exit"})
        names.push_back(own);
    return names;
}

// Prints the candidates in columns under the line.
void ListCandidates(FILE* out, const std::vector<std::string>& candidates) {
    size_t width = 0;
    for (const auto& c : candidates) width = std::max(width, c.size());
    width += 2;
    const size_t columns = std::max<size_t>(1, 80 / width);
    std::string text = "\n";
    for (size_t i = 0; i < candidates.size(); ++i) {
        const bool lineEnds = (i + 1) % columns == 0 || i + 1 == candidates.size();
        text += candidates[i];
        text += lineEnds ? std::string("\n") : std::string(width - candidates[i].size(), ' ');
    }
    std::fputs(text.c_str(), out);
}

unsigned char CompleteWord(EditLine* el, int) {
    TShellContext& c = Context(el);
    const LineInfo* info = el_line(el);
    const std::string before(info->buffer, info->cursor);
    TCompletionSource source{SessionCommandNames(), CommandOptionNames, c.Runner.Entries()};
    const TCompletion done = Complete(before, source);
    if (done.Candidates.empty()) return CC_ERROR;
    std::string insert;
    if (done.Candidates.size() == 1) {
        const std::string& only = done.Candidates.front();
        insert = QuoteWord(only) + (only.back() == '/' ? "" : " ");
    } else {
        const std::string common = CommonPrefix(done.Candidates);
        if (common.size() <= done.Word.size()) {
            ListCandidates(c.Out, done.Candidates);
            return CC_REDISPLAY;
        }
        insert = QuoteWord(common);
        if (insert != common) insert.pop_back(); // the quote stays open for the rest
    }
    el_deletestr(el, int(before.size() - done.Start));
    el_insertstr(el, insert.c_str());
    return CC_REFRESH;
}

// Characters beyond ASCII (the arrow of calculator names typed as such) need a UTF-8 locale.
void UseUtf8Locale() {
    if (std::setlocale(LC_CTYPE, "") && std::strcmp(nl_langinfo(CODESET), "UTF-8") == 0) return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace

std::string HistoryPath() {
    const char* state = std::getenv("XDG_STATE_HOME");
    const char* home = std::getenv("HOME");
    std::string folder;
    if (state && *state == '/')
        folder = state;
    else if (home && *home)
        folder = std::string(home) + "/.local/state";
    else
        return "";
    return folder + "/linkwell/history";
}

int RunShell(TSessionRunner& runner, TTerminal& term) {
    UseUtf8Locale();
    runner.Start();
    // The editor draws on the terminal itself, so that standard output stays the commands'.
    FILE* tty = nullptr;
    if (const char* name = ::ttyname(STDIN_FILENO)) tty = std::fopen(name, "we");
    FILE* out = tty ? tty : stderr;
    TShellContext context{runner, term, out, "", false, {}};

    EditLine* el = el_init(ProgramName, stdin, out, stderr);
    History* history = history_init();
    HistEvent event;
    ::history(history, &event, H_SETSIZE, 1000);
    ::history(history, &event, H_SETUNIQUE, 1);
    const std::string historyPath = HistoryPath();
    if (!historyPath.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(historyPath).parent_path(),
                                            ignored);
        ::history(history, &event, H_LOAD, historyPath.c_str());
    }
    el_set(el, EL_CLIENTDATA, &context);
    el_set(el, EL_EDITOR, "emacs");
    el_set(el, EL_PROMPT, Prompt);
    el_set(el, EL_GETCFN, ReadChar);
    el_set(el, EL_HIST, ::history, history);
    // The wide form keeps the name and help text as given; the narrow form copies them into
    // strings the editor never frees.
    el_wset(el, EL_ADDFN, L"lw-complete", L"Complete a command, option or name", CompleteWord);
    el_set(el, EL_BIND, "^I", "lw-complete", nullptr);
    el_source(el, nullptr); // the user's ~/.editrc

    while (!runner.Finished() && !term.Ending()) {
        int count = 0;
        context.Interrupted = false;
        const char* line = el_gets(el, &count);
        if (!line) {
            if (!context.Interrupted || term.Ending()) {
                std::fputc('\n', out); // Ctrl-D: the prompt's line ends
                break;
            }
            std::fputs("^C\n", out); // the line typed so far is dropped
            std::fflush(out);
            runner.ClearInterrupts();
            continue;
        }
        std::string text(line, size_t(count));
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        if (text.find_first_not_of(" \t") == std::string::npos) continue;
        ::history(history, &event, H_ENTER, text.c_str());
        if (!historyPath.empty()) ::history(history, &event, H_SAVE, historyPath.c_str());
        for (const TStatement& statement : ParseScript(text)) {
            runner.Run(statement);
            if (runner.Finished() || term.Ending()) break;
        }
    }
    el_end(el);
    history_end(history);
    if (tty) std::fclose(tty);
    return 0;
}

} // namespace lw::cli
