#include "cli/TerminalUi.h"

#include "link/PromptTexts.h"
#include "objects/BadFile.h"
#include "objects/ReplaceFile.h"

namespace lw::cli {

void TTermMain::ShowMessage(const std::string& text, const std::string& caption) {
    FTerm.NoteMessage(caption, text);
}

bool TTermPrompt::ShowPrompt(TPromptKind kind, const std::string& title) {
    FCancel = false;
    const std::string heading = title.empty() ? PromptTitle(kind) : title;
    std::string text = PromptText(kind, FRpn);
    if (text == heading) text.clear(); // CaptureNext carries its text as its title
    FTerm.Print("\n" + heading + "\n" + (text.empty() ? "" : "\n" + text) + "\n");
    if (IsModelessPrompt(kind)) {
        FVisible = true;
        if (OnWaiting) OnWaiting(kind);
        return false;
    }
    // Prompts that only tell what happened go on at once; the others wait for the user to
    // have done what they say.
    if (IsAcknowledgePrompt(kind) || kind == TPromptKind::Reconnect) return true;
    FVisible = true;
    const bool ok = FTerm.WaitForEnter();
    FVisible = false;
    if (ok && OnWaiting) OnWaiting(kind);
    return ok;
}

bool TTermPrompt::ShowCustomPrompt(const std::string& text, const std::string& title) {
    const bool yes = FTerm.AskYesNo((title.empty() ? PromptTitle(TPromptKind::Custom) : title) +
                                    ": " + OneLine(text));
    if (!yes) ++FDeclined;
    return yes;
}

bool TTermPrompt::IsVisible() {
    if (FCancel.exchange(false) || FTerm.Interrupted()) FVisible = false;
    return FVisible;
}

TBadFileAnswer TTermBadFile::Ask(const std::string& fileName, const std::string& kind,
                                 bool allowText) {
    if (allowText && FTextMode) return TBadFileAnswer::Text;
    const std::string question =
        std::string(BadFileCaption) + " " + OneLine(BadFileQuestion(fileName, kind, allowText));
    if (!allowText) return FTerm.AskYesNo(question) ? TBadFileAnswer::Yes : TBadFileAnswer::No;
    switch (FTerm.AskChoice(question, "btc", "[b]inary, [t]ext or [C]ancel", 'b', 'c')) {
    case 'b':
        return TBadFileAnswer::Binary;
    case 't':
        return TBadFileAnswer::Text;
    default:
        return TBadFileAnswer::No;
    }
}

TModalResult TTermReplace::AskReplace(const std::string& name, int count) {
    const std::string question =
        std::string(ReplaceFileCaption) + ": " + OneLine(ReplaceFileQuestion(name));
    char answer = 'n';
    if (ReplaceFileOffersAll(count))
        answer = FTerm.AskChoice(question, "yanc", "[y]es, [a]ll, [N]o or [c]ancel", 'y', 'n');
    else
        answer = FTerm.AskChoice(question, "ync", "[y]es, [N]o or [c]ancel", 'y', 'n');
    switch (answer) {
    case 'y':
        FLast = TModalResult::Yes;
        break;
    case 'a':
        FLast = TModalResult::All;
        break;
    case 'c':
        FLast = TModalResult::Cancel;
        break;
    default:
        FLast = TModalResult::No;
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
    Progress.OnReport = [&term](const std::string& text, TStatusKind kind, int, int) {
        if (term.Settings().Verbose && kind != skProgress)
            term.Print("[report " + std::to_string(kind) + "] " + OneLine(text) + "\n");
        switch (kind) {
        case skError:
            term.NoteTransferError(text);
            break;
        case skProgress:
            term.ProgressUpdate(text);
            break;
        case skFinished:
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
        Queue.Wake();
    });
}

TTerminalUi::~TTerminalUi() {
    FTerm.StopWatching();
    SetUiHooks(FPrevious);
}

} // namespace lw::cli
