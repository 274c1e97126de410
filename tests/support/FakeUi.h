// Scripted stand-ins for the windows the core talks to. Each records what was asked of it and
// answers from its script.
#pragma once
#include "link/PromptTexts.h"
#include "link/UiHooks.h"
#include "link/UiQueue.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace lw::test {

class TFakeMain : public IMainWindowHooks {
public:
    void SetConnected(bool connected) override { Connected = connected; }
    void SetBusy(bool busy) override { Busy = busy; }
    void FocusMainWindow() override {}
    void Beep() override { ++Beeps; }
    void ShowMessage(const std::string& text, const std::string& caption) override {
        Messages.push_back(caption + ": " + text);
    }
    bool Connected = false;
    bool Busy = false;
    int Beeps = 0;
    std::vector<std::string> Messages;
};

class TFakePrompt : public IPromptDialog {
public:
    bool ShowPrompt(TPromptKind kind, const std::string& title) override {
        Kinds.push_back(kind);
        Titles.push_back(title);
        if (IsModelessPrompt(kind)) {
            Visible = true;
            return false;
        }
        return Next();
    }
    bool ShowCustomPrompt(const std::string& text, const std::string& title) override {
        Texts.push_back(text);
        Titles.push_back(title);
        return Next();
    }
    bool IsVisible() override { return Visible; }
    void Hide() override { Visible = false; }
    void Focus() override {}

    std::deque<bool> Answers; // answers to modal prompts in order; false once used up
    bool Visible = false;
    std::vector<TPromptKind> Kinds;
    std::vector<std::string> Texts, Titles;

private:
    bool Next() {
        if (Answers.empty()) return false;
        const bool a = Answers.front();
        Answers.pop_front();
        return a;
    }
};

class TFakeStatus : public IStatusDialogs {
public:
    void ShowConnecting() override { ConnectingVisible = true; }
    void CloseConnecting() override { ConnectingVisible = false; }
    bool IsConnectingVisible() override { return ConnectingVisible; }
    void ShowBusy() override {
        BusyVisible = true, ++BusyShown;
        if (OnShowBusy) OnShowBusy();
    }
    void CloseBusy() override { BusyVisible = false; }
    bool IsBusyVisible() override { return BusyVisible; }
    void FocusBusy() override {}
    bool CancelRequested() override { return Cancel; }
    void ClearCancel() override { Cancel = false; }
    bool ConnectingVisible = false, BusyVisible = false, Cancel = false;
    int BusyShown = 0;
    std::function<void()> OnShowBusy; // what the user does when the busy dialog shows
};

// Installs the fakes for the lifetime of the object and restores the previous hooks after.
class TFakeUi {
public:
    TFakeUi() : Progress(Queue) {
        Progress.OnReport = [this](const std::string& text, int kind, int pos, int max) {
            Reports.push_back({text, kind, pos, max});
        };
        Previous = SetUiHooks({&Main, &Prompt, &Status, &Progress, &Queue});
    }
    ~TFakeUi() { SetUiHooks(Previous); }
    TFakeUi(const TFakeUi&) = delete;
    TFakeUi& operator=(const TFakeUi&) = delete;

    struct TReport {
        std::string Text;
        int Kind, Position, Max;
    };
    TFakeMain Main;
    TFakePrompt Prompt;
    TFakeStatus Status;
    TUiCallQueue Queue;
    TQueuedProgress Progress;
    std::vector<TReport> Reports;

private:
    TUiHooks Previous;
};

} // namespace lw::test
