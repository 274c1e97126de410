// The windows the core talks to, on a terminal: the main window's state and message boxes,
// the transfer prompts, the connecting and busy notices, the modal progress (a call queue the
// main thread drains), and the wrong-file and replace questions.
#pragma once
#include "cli/Terminal.h"
#include "link/UiHooks.h"
#include "link/UiQueue.h"
#include "server/CalcState.h"
#include "server/ServerUi.h"

#include <atomic>
#include <functional>

namespace lw::cli {

class TTermMain : public IMainWindowHooks {
public:
    TTermMain(TTerminal& term, TCalcState& state) : FTerm(term), FState(state) {}
    void SetConnected(bool connected) override { FState.SetConnected(connected); }
    void SetBusy(bool busy) override { FState.SetBusy(busy); }
    void FocusMainWindow() override {}
    void Beep() override {}
    void ShowMessage(const std::string& text, const std::string& caption) override;

private:
    TTerminal& FTerm;
    TCalcState& FState;
};

class TTermPrompt : public IPromptDialog {
public:
    TTermPrompt(TTerminal& term, bool rpn) : FTerm(term), FRpn(rpn) {}
    bool ShowPrompt(TPromptKind kind, const std::string& title) override;
    bool ShowCustomPrompt(const std::string& text, const std::string& title) override;
    bool IsVisible() override;
    void Hide() override { FVisible = false; }
    void Focus() override {}

    // Ctrl-C: the prompt's Cancel (ends a wait for the calculator; after it, every later
    // prompt is cancelled too).
    void Cancel() { FCancel = true; }
    // Questions of the caller's own (speed change, improper name ...) answered no so far.
    int Declined() const { return FDeclined; }
    // Called after a modeless prompt (the calculator is expected to start sending) was shown:
    // the demo lets its simulated calculator start.
    std::function<void(TPromptKind kind)> OnWaiting;

private:
    TTerminal& FTerm;
    bool FRpn;
    bool FVisible = false;
    int FDeclined = 0;
    std::atomic<bool> FCancel{false};
};

class TTermStatus : public IStatusDialogs {
public:
    explicit TTermStatus(TTerminal& term) : FTerm(term) {}
    void ShowConnecting() override { FConnecting = true; }
    void CloseConnecting() override { FConnecting = false; }
    bool IsConnectingVisible() override { return FConnecting; }
    void ShowBusy() override { FBusy = true; }
    void CloseBusy() override { FBusy = false; }
    bool IsBusyVisible() override { return FBusy; }
    void FocusBusy() override {}
    // After a Ctrl-C every wait of the command is cancelled, until the interrupts are cleared
    // for the next command.
    bool CancelRequested() override { return FTerm.Interrupted(); }
    void ClearCancel() override {}

private:
    TTerminal& FTerm;
    bool FConnecting = false;
    bool FBusy = false;
};

class TTermBadFile : public IBadFileDialog {
public:
    TTermBadFile(TTerminal& term, bool textMode) : FTerm(term), FTextMode(textMode) {}
    TBadFileAnswer Ask(const std::string& fileName, const std::string& kind,
                       bool allowText) override;
    void SetTextMode(bool textMode) { FTextMode = textMode; }

private:
    TTerminal& FTerm;
    bool FTextMode;
};

class TTermReplace : public IReplaceDialog {
public:
    explicit TTermReplace(TTerminal& term) : FTerm(term) {}
    TModalResult AskReplace(const std::string& name, int count) override;
    // The answer to the last question (0 when none was asked since Reset).
    TModalResult LastAnswer() const { return FLast; }
    void Reset() { FLast = TModalResult::None; }

private:
    TTerminal& FTerm;
    TModalResult FLast = TModalResult::None;
};

// All of the above, installed as the core's hooks for the lifetime of the object. Ctrl-C
// cancels the progress wait, the prompt and the busy wait.
class TTerminalUi {
public:
    // `textMode`: -t, which answers the wrong-file question for header-less files with Text.
    TTerminalUi(TTerminal& term, TCalcState& state, bool rpn, bool textMode);
    ~TTerminalUi();
    TTerminalUi(const TTerminalUi&) = delete;
    TTerminalUi& operator=(const TTerminalUi&) = delete;

    TTermMain Main;
    TTermPrompt Prompt;
    TTermStatus Status;
    TUiCallQueue Queue;
    TQueuedProgress Progress;
    TTermBadFile BadFile;
    TTermReplace Replace;

private:
    TTerminal& FTerm;
    TUiHooks FPrevious;
};

} // namespace lw::cli
