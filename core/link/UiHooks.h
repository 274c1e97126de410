// The only way the core reaches windows. Each interface stands for one window (or the UI
// thread itself) and holds just the calls the core makes into it. The desktop program
// implements them with Qt, linkwell-cli on a terminal, tests with scripted fakes. Until a
// front end installs its own, headless defaults are in place: no dialog is ever visible,
// questions are answered no, and the thread that first asked for the hooks is the UI thread.
#pragma once
#include <functional>
#include <string>

namespace lw {

// What a transfer engine reports to the progress dialog.
enum TStatusKind : int {
    skError = 0,        // an error text (shown like a message)
    skMessage = 1,      // a message: shown and logged
    skProgress = 2,     // a message with progress: Position of Max
    skFinished = 3,     // the transfer has ended: the dialog closes with TModalResult::Ok
    skCancelButton = 4, // Cancel enabled when the text is "1", disabled otherwise
};

// How a modal dialog ended.
enum class TModalResult : int { None = 0, Ok = 1, Cancel = 2, Yes = 6, No = 7, All = 8 };

// What the transfer prompts dialog asks the user to do (texts in link/PromptTexts.h).
enum class TPromptKind : int {
    Custom = 0,       // the caller's own text and title
    ServerXRecv = 1,  // before sending the server program by the calculator's XRECV
    ServerSent = 2,   // after the server program was sent
    CaptureFirst = 3, // before the first screen capture
    FileXRecv = 4,    // before sending a file by the calculator's XRECV
    FileSent = 5,     // after such a file was sent
    FileXSend = 6,    // before receiving a file by the calculator's XSEND
    RomDownload = 7,  // before sending a new operating system
    Connect = 8,      // before connecting from the menu
    Reconnect = 9,    // after a restore: the button reads "Connect..."
    CaptureNext = 10, // before every further screen capture
};

// The main window (state flags, focus, beeps, message boxes).
class IMainWindowHooks {
public:
    virtual ~IMainWindowHooks() = default;
    virtual void SetConnected(bool connected) = 0;
    virtual void SetBusy(bool busy) = 0;
    virtual void FocusMainWindow() = 0;
    virtual void Beep() = 0;
    // A message box with an OK button.
    virtual void ShowMessage(const std::string& text, const std::string& caption) = 0;
    // While the busy dialog shows: the variable list and the directory tree take no input
    // until the window next updates its controls.
    virtual void DisableBrowsing() {}
};

// The transfer prompts dialog: tells the user what to do on the calculator, and asks the
// program's own questions. The kinds for which IsModelessPrompt holds are shown and false is
// returned at once; the others are modal and return true for a positive answer.
class IPromptDialog {
public:
    virtual ~IPromptDialog() = default;
    virtual bool ShowPrompt(TPromptKind kind, const std::string& title) = 0;
    virtual bool ShowCustomPrompt(const std::string& text, const std::string& title) = 0;
    virtual bool IsVisible() = 0;
    virtual void Hide() = 0;
    virtual void Focus() = 0;
};

// The "Looking for Calculator" notice and the "Calculator is Working" busy dialog.
class IStatusDialogs {
public:
    virtual ~IStatusDialogs() = default;
    virtual void ShowConnecting() = 0;
    virtual void CloseConnecting() = 0;
    virtual bool IsConnectingVisible() = 0;
    virtual void ShowBusy() = 0;
    virtual void CloseBusy() = 0;
    virtual bool IsBusyVisible() = 0;
    virtual void FocusBusy() = 0;
    // The busy dialog's Cancel button sets the request; the server client clears it.
    virtual bool CancelRequested() = 0;
    virtual void ClearCancel() = 0;
};

// The modal transfer progress dialog. ShowProgress returns once a skFinished report arrived
// (TModalResult::Ok) or the user cancelled (TModalResult::Cancel); while it waits it carries
// out the reports that the transfer thread hands to the UI thread. Progress handles one
// report, on the UI thread, and ignores it while the dialog is not showing.
class IProgressDialog {
public:
    virtual ~IProgressDialog() = default;
    virtual TModalResult ShowProgress(const std::string& caption, bool showCancel) = 0;
    virtual void Progress(const std::string& text, TStatusKind kind, int position, int max,
                          int extra) = 0;
};

// The user-interface thread: the thread that owns the server client.
class IUiThread {
public:
    virtual ~IUiThread() = default;
    virtual bool IsUiThread() = 0;
    // Lets pending window messages (and queued calls from worker threads) run.
    virtual void ProcessMessages() = 0;
    // From a worker thread: runs `fn` on the UI thread and returns when it has run. On the UI
    // thread itself it runs `fn` at once.
    virtual void RunSync(const std::function<void()>& fn) = 0;
};

struct TUiHooks {
    IMainWindowHooks* Main = nullptr;
    IPromptDialog* Prompt = nullptr;
    IStatusDialogs* Status = nullptr;
    IProgressDialog* Progress = nullptr;
    IUiThread* Thread = nullptr;
};

// The installed hooks; members never null (headless defaults fill the gaps).
const TUiHooks& UiHooks();
// Installs hooks; null members keep the headless defaults. Call on the UI thread while no
// transfer runs. Returns the hooks that were installed before.
TUiHooks SetUiHooks(const TUiHooks& hooks);

} // namespace lw
