// The main window: a tree of the calculator's directories, the entries of the selected one,
// the connection controls, menus, toolbar and status bar, and the commands on the selection.
// It owns the one server client and stands for the main window towards the core.
#pragma once
#include "cmdwin/VorlCmdHost.h"
#include "link/UiHooks.h"
#include "mainwin/DirModels.h"
#include "server/CalcState.h"
#include "server/ServerUi.h"
// Defines TPutOutcome. Included rather than declared: lupdate reads an opaque enum declaration
// as the start of a class and then files every tr() text of the window under a wrong context.
#include "server/XModemServer.h"

#include <QComboBox>
#include <QMainWindow>
#include <QTimer>

#include <exception>
#include <functional>
#include <memory>
#include <span>
#include <string>

class QAction;
class QEventLoop;
class QLabel;
class QListView;
class QMenu;
class QSplitter;
class QToolBar;
class QToolButton;
class QTreeView;
class QAbstractItemView;

namespace lw {
class TXModemServer;
class TXPObject;
} // namespace lw

namespace lw::test {
class TWindowParts;
} // namespace lw::test

namespace lw::gui {

class TDragDrop;
class TFDownLd;
class TFVorlCmd;
class THelpWindow;
class TSettingsStore;
class TWindowPosSave;

// A combo box that tells when its list is about to open.
class TPortCombo : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
    void showPopup() override;
Q_SIGNALS:
    void PopupOpening();
};

class TFZQDir : public QMainWindow,
                public IMainWindowHooks,
                public IBadFileDialog,
                public IReplaceDialog,
                public IVorlCmdHost {
    Q_OBJECT
public:
    // `portList`: the first command-line argument (one port per line) that replaces the port
    // enumeration; empty: the ports found on this machine.
    explicit TFZQDir(const QString& portList = {}, QWidget* parent = nullptr);
    ~TFZQDir() override;

    enum class TPane { None, List, Tree };

    // --- what the core calls
    void SetConnected(bool connected) override;
    void SetBusy(bool busy) override;
    void FocusMainWindow() override;
    void Beep() override;
    void ShowMessage(const std::string& text, const std::string& caption) override;
    void DisableBrowsing() override;
    // The server client's questions go to the dialogs the program created after the window
    // (answered no or cancel while there are none).
    TBadFileAnswer Ask(const std::string& fileName, const std::string& kind,
                       bool allowText) override;
    TModalResult AskReplace(const std::string& name, int count) override;

    // The prompt dialog the program shares through the UI hooks (its answers and settings),
    // and the server client's question dialogs (null: answered no or cancel).
    void AttachPromptDialog(TFDownLd* prompt) { DownLd = prompt; }
    void AttachQuestionDialogs(IBadFileDialog* badFile, IReplaceDialog* replace) {
        BadFileDialog = badFile;
        ReplaceDialog = replace;
    }

    // --- what the command window calls
    QAction* RefreshAction() override { return mnuRefresh; }
    void AttachCommandWindow(TFVorlCmd* window) override;
    void DetachCommandWindow(TFVorlCmd* window) override;

    // --- state
    const TCalcState& CalcState() const { return State; }
    bool Connected() const { return State.Connected; }
    // A step of calculator work is under way (SetBusy).
    bool Busy() const { return State.Busy; }
    // A user command is running (RunCommand): the window takes no other command meanwhile.
    bool CommandRunning() const { return FCommandDepth > 0; }
    // Neither a command nor a busy step runs.
    bool Idle() const { return !Busy() && !CommandRunning(); }
    // Tree and list may be acted on: connected, no busy step, no prompt showing.
    bool Browsable() const { return Connected() && !Busy() && !PromptShowing(); }
    TXModemServer& Server() override { return *FServer; }
    bool AddCRSetting() const { return State.AddCR; }
    // Whether the prompt dialog or the connecting notice is showing.
    static bool PromptShowing();
    TPane FocusedPane() const;
    bool Editing() const;

    // --- operations
    void UpdateControls();
    void RefreshDirectory();
    void ConnectToCalculator();
    // Connect button and File menu item: `fromMenu` asks the user to start the server first.
    void tbtnConnectClick(bool fromMenu);
    void tbtnXferModeClick();
    void SetTextMode(bool on);
    void SetModelName();
    void ShowStatus(const std::string& text);
    void ShowStatus(const QString& text);
    // A refresh after the running command has returned; several requests give one refresh.
    void RequestRefresh();
    QModelIndex FindNodeForPath(const QString& path) const;
    void ListView1ColumnClick(int column);
    // 0 large icons, 1 small icons, 2 list, 3 report.
    void SetViewStyle(int style);
    int ViewStyle() const { return FViewStyle; }
    void RefreshPortList();

    // --- commands on the selection
    void mnuCopyClick();
    void mnuCopyAsTextClick();
    void mnuCutClick();
    void mnuPasteClick();
    void DeleteSelection(bool confirm = true);
    void mnuRenameClick();
    void mnuNewFolderClick();
    void mnuEvalClick();
    void mnuPropertyClick();
    // The screen-capture loop (menu item and toolbar button).
    void mnuCaptureScreenClick();
    void OpenItem(TXPObject* item);
    // Edit as text (mainwin/EditText.cpp): the selected variable in the user's text editor.
    void mnuEditTextClick();
    // Sends one PC file to the current directory; false stops the batch. `outcome` (optional)
    // tells how the put ended.
    bool PutDroppedFile(const std::string& path, bool& replaceAll, int count,
                        TPutOutcome* outcome = nullptr);

    // --- whole-calculator and manual transfers (ZQDirTransfers.cpp); failures throw the text
    // to show
    void mnuBackupClick();
    void mnuRestoreClick();
    void mnuDownloadRomClick();
    void mnuDownLoadServerClick();
    void mnuDownLoadFileClick();
    void mnuUploadFileClick();
    // Backs the calculator up into `path`, then refreshes while still connected.
    void BackupToFile(const std::string& path);
    // Restores an archive; afterwards the window is disconnected and the user is offered to
    // connect again. A refused or failed restore refreshes while still connected.
    void RestoreFromFile(const std::string& path);
    // Sends `path` to the calculator's XRECV, prompt `before` shown while waiting, `after` once
    // sent. Ends disconnected.
    void ManualSend(const std::string& path, TPromptKind before, TPromptKind after);

    // --- settings (read at creation, written at close)
    void ReadSettings(TSettingsStore& s);
    void WriteSettings(TSettingsStore& s);

    // Runs `fn` as a user command: a failure is shown in a message box with its text. One
    // command at a time: a command asked for from the messages a running command's wait lets
    // run is refused with a beep; one the running command starts itself is a step of it. When the
    // command ends, a refresh asked for meanwhile runs, the focus goes back to the list or the
    // tree, and a close asked for meanwhile closes the window.
    void RunCommand(const std::function<void()>& fn) override;
    // The list view in use (report or icons) and its selected records in list order.
    QAbstractItemView* ListWidget() const;
    std::vector<TXPObject*> SelectedEntries() const;
    TXPObject* SelectedDir() const;

Q_SIGNALS:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The window's own parts that work on its widgets and state; tests and benchmarks reach
    // them through test::TWindowParts.
    friend class TDragDrop;
    friend void SynchronizeFolder(TFZQDir& w);
    friend class test::TWindowParts;

    // One row of the action table: name, text, short-cut, what it runs, help context.
    struct TActionEntry;
    static std::span<const TActionEntry> ActionTable();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateViews();
    void ApplyMenuRules();
    void SetShortCuts();
    void TreeView1Change(const QModelIndex& node);
    void OnTreeCurrentChanged(const QModelIndex& node);
    void OnListSelectionChanged();
    // An entry to rename, named by its directory and name rather than by its record.
    struct TEntryRename {
        std::string Dir; // "HOME WORK"
        std::string OldName;
        bool IsDir = false;
        QString NewName;
    };
    // How often a rename waiting for a running command looks again.
    static constexpr int RenameRetryMs = 50;
    void ListView1Edited(const TEntryRename& rename);
    void TreeView1Edited(const TEntryRename& rename);
    // Whether a rename may run now: connected and no command running. While one runs, `edited`
    // gets the rename again after RenameRetryMs.
    bool RenameMayRun(void (TFZQDir::*edited)(const TEntryRename&), const TEntryRename& rename);
    void cmboPortChange();
    void cmboSpeedChange();
    void Timer1Click();
    // Copy, and the first half of Cut: `cut` marks the clipboard's files as cut.
    void CopySelection(bool cut);
    bool KeyPress(QWidget* pane, QKeyEvent* key);
    void SelectTreeNode(const QModelIndex& node);
    // Runs a slot's work: inside a command the error waits for the command (RethrowDeferred),
    // outside it is shown at once.
    void Guarded(const std::function<void()>& fn);
    void RethrowDeferred();
    void DoShutDown();
    void CommandEnded();
    // Gives the keyboard focus back to the pane the user last worked in.
    void RestoreFocus();
    // Presses Cancel on what the running command waits in (busy dialog, modal dialog).
    void CancelRunningCommand();

    // The windows the program shares (attached; null: none). The help window is created once
    // and owned by this window; every dialog a command shows is a stack object of that command.
    TFDownLd* DownLd = nullptr;
    TFVorlCmd* VorlCmd = nullptr; // set when the command window attaches
    IBadFileDialog* BadFileDialog = nullptr;
    IReplaceDialog* ReplaceDialog = nullptr;

    TCalcState State;
    QString CurrentPath = "HOME";
    QString RememberedName;
    bool PutOnClipboard = true;
    QString LastCopiedFile;
    std::string Editor;
    int SortColumn = 0;
    bool SortReverse = false;
    // An editor that ends sooner than this and leaves the file as it was has probably handed
    // it to an instance already running: the user is then asked to say when the edit is done.
    int EditorHandOverMs = 3000;

    // --- parts (object and accessible names: tests and accessibility tools find them)
    QTreeView* TreeView1 = nullptr;
    QTreeView* ListView1 = nullptr; // the report style
    QListView* ListIcons = nullptr; // the icon and list styles
    QSplitter* Splitter1 = nullptr;
    QToolBar* ToolBar = nullptr;
    TPortCombo* cmboPort = nullptr;
    QComboBox* cmboSpeed = nullptr;
    QToolButton* tbtnConnect = nullptr;
    QToolButton* tbtnScrnCapture = nullptr;
    QToolButton* tbtnXferMode = nullptr;
    QToolButton* btnLog = nullptr;
    QLabel* StatusPanel0 = nullptr;
    QLabel* StatusPanel1 = nullptr;
    QMenu* PopupMenu1 = nullptr;
    QTimer Timer1;
    TWindowPosSave* WindowPosSave1 = nullptr;
    TDirTreeModel TreeModel;
    TDirListModel ListModel;
    // The widget whose focus decides the pane (tree or list).
    QWidget* FocusedControl = nullptr;
    // Dragging entries out, dropping files in, the clipboard's file lists.
    TDragDrop* DragDrop = nullptr;
    // Every refresh that read the listing (tests and benchmarks).
    int RefreshCount = 0;

    // Actions (menu items; the popup menu shares them).
    QAction *mnuNewFolder, *mnuBackup, *mnuRestore, *mnuEval, *mnuDelete, *mnuRename, *mnuProperty,
        *mnuConnect, *mnuXferMode, *mnuPutProject, *mnuDownLoadServer, *mnuDownLoadProject,
        *mnuDownLoadFile, *mnuUploadFile, *mnuCaptureScreen, *mnuExit, *mnuSysVorl, *mnuCut,
        *mnuCopy, *mnuCopyAsText, *mnuPaste, *mnuEditText, *mnuSelectAll, *mnuInvertSelection,
        *mnuToolbar, *mnuStatusBar, *mnuLargeIcons, *mnuSmallIcons, *mnuList, *mnuDetails,
        *mnuRefresh, *mnuOptions, *mnuVorl, *mnuDownloadRom, *mnuContentsHelp, *mnuCommHelp,
        *mnuTextHelp, *mnuTroubleHelp, *mnuAbout;
    QAction* mnuSyncFolder = nullptr; // mainwin/SyncDialog.cpp
    QMenu *mnuFile, *mnuEdit, *mnuView, *mnuROM, *mnuHelp;

    std::unique_ptr<TXModemServer> FServer;
    IMainWindowHooks* FPreviousMain = nullptr;
    bool FLoading = false;
    bool FFromArgument = false;
    int FViewStyle = 3;
    int FCommandDepth = 0;
    int FTreeChangeDepth = 0;
    std::exception_ptr FDeferredError;
    bool FShutDown = false;
    bool FCloseWhenIdle = false;
    bool FCutFolderShown = false;
    bool FAskingToCancel = false;
    bool FRefreshPending = false;
    // The wait for the text editor, while one runs (EditText.cpp); closing ends it.
    QEventLoop* FEditWait = nullptr;
    THelpWindow* FHelp = nullptr;
};

} // namespace lw::gui
