#include "link/UiHooks.h"
#include "link/UiQueue.h"

namespace lw {
namespace {

class THeadlessMain : public IMainWindowHooks {
public:
    void SetConnected(bool) override {}
    void SetBusy(bool) override {}
    void FocusMainWindow() override {}
    void Beep() override {}
    void ShowMessage(const std::string&, const std::string&) override {}
};

class THeadlessPrompt : public IPromptDialog {
public:
    bool ShowPrompt(TPromptKind, const std::string&) override { return false; }
    bool ShowCustomPrompt(const std::string&, const std::string&) override { return false; }
    bool IsVisible() override { return false; }
    void Hide() override {}
    void Focus() override {}
};

class THeadlessStatus : public IStatusDialogs {
public:
    void ShowConnecting() override {}
    void CloseConnecting() override {}
    bool IsConnectingVisible() override { return false; }
    void ShowBusy() override {}
    void CloseBusy() override {}
    bool IsBusyVisible() override { return false; }
    void FocusBusy() override {}
    bool CancelRequested() override { return false; }
    void ClearCancel() override {}
};

struct THeadless {
    THeadlessMain Main;
    THeadlessPrompt Prompt;
    THeadlessStatus Status;
    TUiCallQueue Thread;
    TQueuedProgress Progress{Thread};
};

THeadless& Headless() {
    static THeadless headless;
    return headless;
}

TUiHooks& Installed() {
    static TUiHooks hooks = [] {
        THeadless& h = Headless();
        return TUiHooks{&h.Main, &h.Prompt, &h.Status, &h.Progress, &h.Thread};
    }();
    return hooks;
}

} // namespace

const TUiHooks& UiHooks() {
    return Installed();
}

TUiHooks SetUiHooks(const TUiHooks& hooks) {
    TUiHooks& current = Installed();
    const TUiHooks before = current;
    THeadless& h = Headless();
    current.Main = hooks.Main ? hooks.Main : &h.Main;
    current.Prompt = hooks.Prompt ? hooks.Prompt : &h.Prompt;
    current.Status = hooks.Status ? hooks.Status : &h.Status;
    current.Progress = hooks.Progress ? hooks.Progress : &h.Progress;
    current.Thread = hooks.Thread ? hooks.Thread : &h.Thread;
    return before;
}

} // namespace lw
