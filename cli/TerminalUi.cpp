#include "cli/TerminalUi.h"

#include "cli/PromptTexts.h"
#include "objects/BadFile.h"

namespace lw::cli {

void TTermMain::ShowMessage(const std::string& text, const std::string& caption) {
    FTerm.NoteMessage(caption, text);
}

bool TTermPrompt::ShowPrompt(int kind, const std::string& title) {
    FCancel = false;
    const std::string heading = title.empty() ? PromptTitle(kind) : title;
    std::string text = PromptText(kind, FRpn);
    if (text == heading) text.clear(); // kind 10 carries its text as its title
    FTerm.Print("\n" + heading + "\n" + (text.empty() ? "" : "\n" + text) + "\n");
    if (IsModelessPrompt(kind)) {
        FVisible = true;
        if (OnWaiting) OnWaiting(kind);
        return false;
    }
    // Prompts that only tell what happened go on at once; the others wait for the user to
    // have done what they say.
    if (kind == 2 || kind == 5 || kind == 9) return true;
    FVisible = true;
    const bool ok = FTerm.WaitForEnter();
    FVisible = false;
    if (ok && OnWaiting) OnWaiting(kind);
    return ok;
}

bool TTermPrompt::ShowCustomPrompt(const std::string& text, const std::string& title) {
    const bool yes =
        FTerm.AskYesNo((title.empty() ? PromptTitle(0) : title) + ": " + OneLine(text));
    if (!yes) ++FDeclined;
    return yes;
}

bool TTermPrompt::IsVisible() {
    if (FCancel.exchange(false) || FTerm.Interrupted()) FVisible = false;
    return FVisible;
}

int TTermBadFile::Ask(const std::string& fileName, const std::string& kind, bool allowText) {
    if (allowText && FTextMode) return bfText;
    const std::string question =
        std::string(BadFileCaption) + " " + OneLine(BadFileQuestion(fileName, kind, allowText));
    if (!allowText) return FTerm.AskYesNo(question) ? bfYes : bfNo;
    switch (FTerm.AskChoice(question, "btc", "[b]inary, [t]ext or [C]ancel", 'b', 'c')) {
    case 'b':
        return bfBinary;
    case 't':
        return bfText;
    default:
        return bfNo;
    }
}

int TTermReplace::AskReplace(const std::string& name, int count) {
    const std::string question = "Confirm File Replace: This folder already contains a file "
                                 "named " +
                                 name + ". Would you like to replace the existing file?";
    char answer = 'n';
    if (count >= 2)
        answer = FTerm.AskChoice(question, "yanc", "[y]es, [a]ll, [N]o or [c]ancel", 'y', 'n');
    else
        answer = FTerm.AskChoice(question, "ync", "[y]es, [N]o or [c]ancel", 'y', 'n');
    switch (answer) {
    case 'y':
        FLast = mrYes;
        break;
    case 'a':
        FLast = mrAll;
        break;
    case 'c':
        FLast = mrCancel;
        break;
    default:
        FLast = mrNo;
        break;
    }
    return FLast;
}

TTerminalUi::TTerminalUi(TTerminal& term, TCalcState& state, bool rpn, bool textMode)
    : Main(term, state), Prompt(term, rpn), Status(term), Progress(Queue), BadFile(term, textMode),
      Replace(term), FTerm(term) {
    Progress.OnShow = [this, &term](const std::string& caption) {
        term.ProgressBegin(caption);
        if (term.Interrupted()) Progress.Cancel(); // Ctrl-C came before the transfer began
    };
    Progress.OnReport = [&term](const std::string& text, int kind, int, int) {
        if (term.Settings().Verbose && kind != 2)
            term.Print("[report " + std::to_string(kind) + "] " + OneLine(text) + "\n");
        switch (kind) {
        case 0:
            term.NoteTransferError(text);
            break;
        case 2:
            term.ProgressUpdate(text);
            break;
        case 3:
            term.ProgressEnd();
            break;
        default:
            break;
        }
    };
    FPrevious = SetUiHooks({&Main, &Prompt, &Status, &Progress, &Queue});
    term.WatchInterrupts([this] {
        Progress.Cancel();
        Prompt.Cancel();
        Status.Cancel();
        Queue.Wake();
    });
}

TTerminalUi::~TTerminalUi() {
    FTerm.StopWatching();
    SetUiHooks(FPrevious);
}

} // namespace lw::cli
