// The main window's actions, menus and popup menu. Every action comes from one table: its object
// name (tests and accessibility tools find it by that name), its text and status tip (marked for
// translation, translated when the action is made), its short-cut, what it runs and its help
// context. The menus then only arrange the actions.
#include "cmdwin/VorlCmd.h"
#include "mainwin/About.h"
#include "mainwin/Help.h"
#include "mainwin/SyncDialog.h"
#include "mainwin/ZQDir.h"
#include "settings/HelpHints.h"
#include "settings/Options.h"

#include <QAction>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeView>
#include <QWhatsThis>

namespace lw::gui {

struct TFZQDir::TActionEntry {
    enum TFlag : unsigned {
        Checkable = 1,
        Hidden = 2,
        // Runs as a user command (RunCommand): one at a time, a failure shown in a message box.
        Command = 4,
        // Cut, Copy and Paste: no short-cut while a label is being edited (SetShortCuts).
        EditKey = 8,
    };
    QAction* TFZQDir::*Action;
    const char* Name;
    const char* Text;
    const char* Tip;
    // The platform's short-cut for the command where there is one; otherwise `KeyText`.
    QKeySequence::StandardKey Key;
    const char* KeyText;
    void (*Run)(TFZQDir& w, QAction& action);
    int HelpContext;
    unsigned Flags;

    QKeySequence Shortcut() const {
        return Key != QKeySequence::UnknownKey ? QKeySequence(Key)
                                               : QKeySequence(QString::fromLatin1(KeyText));
    }
};

namespace {

// A row's work that is one of the window's own methods.
template <void (TFZQDir::*Fn)()> void Call(TFZQDir& w, QAction&) {
    (w.*Fn)();
}

} // namespace

std::span<const TFZQDir::TActionEntry> TFZQDir::ActionTable() {
    using E = TActionEntry;
    using K = QKeySequence;
    constexpr K::StandardKey None = K::UnknownKey;
    // The help items open the topic of their help context.
    constexpr auto help = [](TFZQDir& w, QAction& a) {
        if (!w.FHelp) w.FHelp = new THelpWindow(&w);
        w.FHelp->ShowTopic(a.property(HelpContextProperty).toInt());
    };
    static const TActionEntry Table[] = {
        // File menu
        {&TFZQDir::mnuNewFolder, "mnuNewFolder", QT_TRANSLATE_NOOP("TFZQDir", "Ne&w Folder"),
         QT_TRANSLATE_NOOP("TFZQDir", "Create a new folder."), None, nullptr,
         Call<&TFZQDir::mnuNewFolderClick>, 0, E::Command},
        {&TFZQDir::mnuBackup, "mnuBackup", QT_TRANSLATE_NOOP("TFZQDir", "Backup..."),
         QT_TRANSLATE_NOOP("TFZQDir", "Backup the calculator variables."), None, nullptr,
         Call<&TFZQDir::mnuBackupClick>, 0, E::Command},
        {&TFZQDir::mnuRestore, "mnuRestore", QT_TRANSLATE_NOOP("TFZQDir", "Restore..."),
         QT_TRANSLATE_NOOP("TFZQDir", "Restore the calculator variables."), None, nullptr,
         Call<&TFZQDir::mnuRestoreClick>, 0, E::Command},
        {&TFZQDir::mnuSyncFolder, "mnuSyncFolder",
         QT_TRANSLATE_NOOP("TFZQDir", "S&ynchronize Folder..."),
         QT_TRANSLATE_NOOP("TFZQDir", "Keep a PC folder and this directory alike."), None, nullptr,
         [](TFZQDir& w, QAction&) { SynchronizeFolder(w); }, 0, E::Command},
        {&TFZQDir::mnuEval, "mnuEval", QT_TRANSLATE_NOOP("TFZQDir", "&EVAL"),
         QT_TRANSLATE_NOOP("TFZQDir", "EVAL the variable on the calculator"), None, nullptr,
         Call<&TFZQDir::mnuEvalClick>, 0, E::Command},
        // The Delete key is handled by the panes themselves (a label edit needs it).
        {&TFZQDir::mnuDelete, "mnuDelete", QT_TRANSLATE_NOOP("TFZQDir", "&Delete"),
         QT_TRANSLATE_NOOP("TFZQDir", "Permanently remove selected item from the calculator."),
         None, nullptr, [](TFZQDir& w, QAction&) { w.DeleteSelection(); }, 0, E::Command},
        {&TFZQDir::mnuRename, "mnuRename", QT_TRANSLATE_NOOP("TFZQDir", "Rena&me"),
         QT_TRANSLATE_NOOP("TFZQDir", "Rename selected item."), None, nullptr,
         Call<&TFZQDir::mnuRenameClick>, 0, E::Command},
        {&TFZQDir::mnuProperty, "mnuProperty", QT_TRANSLATE_NOOP("TFZQDir", "P&roperties"),
         QT_TRANSLATE_NOOP("TFZQDir", "Show the size and copy time for the selected item."), None,
         nullptr, Call<&TFZQDir::mnuPropertyClick>, 0, E::Command},
        // Connect runs as a command itself, after the prompt that asks to start the server.
        {&TFZQDir::mnuConnect, "mnuConnect", QT_TRANSLATE_NOOP("TFZQDir", "Connect..."), nullptr,
         None, nullptr, [](TFZQDir& w, QAction&) { w.tbtnConnectClick(true); }, 0, 0},
        {&TFZQDir::mnuXferMode, "mnuXferMode",
         QT_TRANSLATE_NOOP("TFZQDir", "Binary Transfer Mode"), nullptr, None, nullptr,
         Call<&TFZQDir::tbtnXferModeClick>, 0, E::Command},
        {&TFZQDir::mnuPutProject, "mnuPutProject",
         QT_TRANSLATE_NOOP("TFZQDir", "Put Project (Auto-XSERV)"), nullptr, None, nullptr, nullptr,
         0, E::Hidden},
        {&TFZQDir::mnuDownLoadServer, "mnuDownLoadServer",
         QT_TRANSLATE_NOOP("TFZQDir", "Download ZQKA Server (Manual-XRECV)..."), nullptr, None,
         nullptr, Call<&TFZQDir::mnuDownLoadServerClick>, 0, E::Command},
        {&TFZQDir::mnuDownLoadProject, "mnuDownLoadProject",
         QT_TRANSLATE_NOOP("TFZQDir", "Download Project (Manual-XRECV)..."), nullptr, None,
         nullptr, nullptr, 0, E::Hidden},
        {&TFZQDir::mnuDownLoadFile, "mnuDownLoadFile",
         QT_TRANSLATE_NOOP("TFZQDir", "Download File (Manual-XRECV)..."), nullptr, None, nullptr,
         Call<&TFZQDir::mnuDownLoadFileClick>, 0, E::Command},
        {&TFZQDir::mnuUploadFile, "mnuUploadFile",
         QT_TRANSLATE_NOOP("TFZQDir", "Upload File (Manual-XSEND)..."), nullptr, None, nullptr,
         Call<&TFZQDir::mnuUploadFileClick>, 0, E::Command},
        {&TFZQDir::mnuCaptureScreen, "mnuCaptureScreen",
         QT_TRANSLATE_NOOP("TFZQDir", "Capture Calculator Screen..."),
         QT_TRANSLATE_NOOP("TFZQDir", "Copy the calculator screen to the PC."), None, nullptr,
         Call<&TFZQDir::mnuCaptureScreenClick>, 0, E::Command},
        {&TFZQDir::mnuExit, "mnuExit", QT_TRANSLATE_NOOP("TFZQDir", "E&xit"), nullptr, None,
         nullptr, [](TFZQDir& w, QAction&) { w.close(); }, 0, 0},
        {&TFZQDir::mnuSysVorl, "mnuSysVorl", QT_TRANSLATE_NOOP("TFZQDir", "SysVorl Command..."),
         nullptr, None, nullptr, nullptr, 0, E::Hidden},
        // Edit menu
        {&TFZQDir::mnuCut, "mnuCut", QT_TRANSLATE_NOOP("TFZQDir", "Cu&t"), nullptr, K::Cut,
         nullptr, Call<&TFZQDir::mnuCutClick>, 0, E::Command | E::EditKey},
        {&TFZQDir::mnuCopy, "mnuCopy", QT_TRANSLATE_NOOP("TFZQDir", "&Copy"), nullptr, K::Copy,
         nullptr, Call<&TFZQDir::mnuCopyClick>, 0, E::Command | E::EditKey},
        {&TFZQDir::mnuCopyAsText, "mnuCopyAsText",
         QT_TRANSLATE_NOOP("TFZQDir", "Copy as Text File"),
         QT_TRANSLATE_NOOP("TFZQDir", "Get the file in text form"), None, "Ctrl+T",
         Call<&TFZQDir::mnuCopyAsTextClick>, 0, E::Command},
        {&TFZQDir::mnuPaste, "mnuPaste", QT_TRANSLATE_NOOP("TFZQDir", "&Paste"), nullptr,
         K::Paste, nullptr, Call<&TFZQDir::mnuPasteClick>, 0, E::Command | E::EditKey},
        {&TFZQDir::mnuEditText, "mnuEditText", QT_TRANSLATE_NOOP("TFZQDir", "Edit as Text"),
         QT_TRANSLATE_NOOP("TFZQDir", "Get the file in text form and edit"), None, "Ctrl+E",
         Call<&TFZQDir::mnuEditTextClick>, 0, E::Command},
        {&TFZQDir::mnuSelectAll, "mnuSelectAll", QT_TRANSLATE_NOOP("TFZQDir", "Select &All"),
         nullptr, K::SelectAll, nullptr,
         [](TFZQDir& w, QAction&) { w.ListWidget()->selectAll(); }, 0, 0},
        {&TFZQDir::mnuInvertSelection, "mnuInvertSelection",
         QT_TRANSLATE_NOOP("TFZQDir", "&Invert Selection"), nullptr, None, nullptr,
         [](TFZQDir& w, QAction&) {
             const TDirListModel& list = w.ListModel;
             const QItemSelection all(list.index(0, 0), list.index(list.rowCount() - 1,
                                                                   list.columnCount() - 1));
             w.ListView1->selectionModel()->select(all, QItemSelectionModel::Toggle);
         },
         0, 0},
        // View menu
        {&TFZQDir::mnuToolbar, "mnuToolbar", QT_TRANSLATE_NOOP("TFZQDir", "&Toolbar"), nullptr,
         None, nullptr, [](TFZQDir& w, QAction&) { w.ToolBar->setVisible(!w.ToolBar->isVisible()); },
         0, E::Checkable},
        {&TFZQDir::mnuStatusBar, "mnuStatusBar", QT_TRANSLATE_NOOP("TFZQDir", "Status &Bar"),
         nullptr, None, nullptr,
         [](TFZQDir& w, QAction&) { w.statusBar()->setVisible(!w.statusBar()->isVisible()); }, 0,
         E::Checkable},
        {&TFZQDir::mnuLargeIcons, "mnuLargeIcons", QT_TRANSLATE_NOOP("TFZQDir", "Lar&ge Icons"),
         nullptr, None, nullptr, [](TFZQDir& w, QAction&) { w.SetViewStyle(0); }, 0,
         E::Checkable | E::Hidden},
        {&TFZQDir::mnuSmallIcons, "mnuSmallIcons", QT_TRANSLATE_NOOP("TFZQDir", "Ico&ns"), nullptr,
         None, nullptr, [](TFZQDir& w, QAction&) { w.SetViewStyle(1); }, 0, E::Checkable},
        {&TFZQDir::mnuList, "mnuList", QT_TRANSLATE_NOOP("TFZQDir", "&List"), nullptr, None,
         nullptr, [](TFZQDir& w, QAction&) { w.SetViewStyle(2); }, 0, E::Checkable},
        {&TFZQDir::mnuDetails, "mnuDetails", QT_TRANSLATE_NOOP("TFZQDir", "&Details"), nullptr,
         None, nullptr, [](TFZQDir& w, QAction&) { w.SetViewStyle(3); }, 0, E::Checkable},
        {&TFZQDir::mnuRefresh, "mnuRefresh", QT_TRANSLATE_NOOP("TFZQDir", "&Refresh"),
         QT_TRANSLATE_NOOP("TFZQDir", "Read the directory from the calculator."), K::Refresh,
         nullptr, Call<&TFZQDir::Timer1Click>, 0, E::Command},
        {&TFZQDir::mnuOptions, "mnuOptions", QT_TRANSLATE_NOOP("TFZQDir", "&Options..."), nullptr,
         None, nullptr,
         [](TFZQDir& w, QAction&) {
             TFOptions options(&w);
             options.ShowOptions(w.State, w.Editor);
         },
         0, 0},
        {&TFZQDir::mnuVorl, "mnuVorl", QT_TRANSLATE_NOOP("TFZQDir", "Calculator &Command"),
         nullptr, None, nullptr,
         [](TFZQDir& w, QAction& a) {
             if (w.VorlCmd) w.VorlCmd->ShowFromMenu(a.isChecked());
         },
         0, E::Checkable},
        // ROM menu
        {&TFZQDir::mnuDownloadRom, "mnuDownloadRom",
         QT_TRANSLATE_NOOP("TFZQDir", "Download Calculator ROM..."),
         QT_TRANSLATE_NOOP("TFZQDir", "Update the Calculator ROM from a .bin file."), None, nullptr,
         Call<&TFZQDir::mnuDownloadRomClick>, 0, E::Command},
        // Help menu
        {&TFZQDir::mnuContentsHelp, "mnuContentsHelp",
         QT_TRANSLATE_NOOP("TFZQDir", "&Contents and Index"), nullptr, None, nullptr, help, 0, 0},
        {&TFZQDir::mnuCommHelp, "mnuCommHelp", QT_TRANSLATE_NOOP("TFZQDir", "Communications Topic"),
         nullptr, None, nullptr, help, 125001, 0},
        {&TFZQDir::mnuTextHelp, "mnuTextHelp", QT_TRANSLATE_NOOP("TFZQDir", "Text File Topic"),
         nullptr, None, nullptr, help, 125005, 0},
        {&TFZQDir::mnuTroubleHelp, "mnuTroubleHelp",
         QT_TRANSLATE_NOOP("TFZQDir", "Trouble Shooting Connections"), nullptr, None, nullptr, help,
         125004, 0},
        {&TFZQDir::mnuAbout, "mnuAbout", QT_TRANSLATE_NOOP("TFZQDir", "&About"), nullptr, None,
         nullptr,
         [](TFZQDir& w, QAction&) {
             TFAboutForm about(&w);
             about.exec();
         },
         0, 0},
    };
    return Table;
}

void TFZQDir::CreateActions() {
    for (const TActionEntry& entry : ActionTable()) {
        auto* a = new QAction(QCoreApplication::translate("TFZQDir", entry.Text), this);
        this->*entry.Action = a;
        a->setObjectName(entry.Name);
        if (entry.Tip) a->setStatusTip(QCoreApplication::translate("TFZQDir", entry.Tip));
        if (entry.Key != QKeySequence::UnknownKey || entry.KeyText)
            a->setShortcut(entry.Shortcut());
        if (entry.HelpContext) a->setProperty(HelpContextProperty, entry.HelpContext);
        a->setCheckable(entry.Flags & TActionEntry::Checkable);
        if (entry.Flags & TActionEntry::Hidden) a->setVisible(false);
        if (!entry.Run) continue;
        const auto run = entry.Run;
        if (entry.Flags & TActionEntry::Command)
            connect(a, &QAction::triggered, this,
                    [this, run, a] { RunCommand([this, run, a] { run(*this, *a); }); });
        else
            connect(a, &QAction::triggered, this, [this, run, a] { run(*this, *a); });
    }
    // The Delete key is handled by the panes themselves (a label edit needs it).
    mnuDelete->setShortcutContext(Qt::WidgetShortcut);
}

void TFZQDir::SetShortCuts() {
    const bool editing = Editing();
    for (const TActionEntry& entry : ActionTable())
        if (entry.Flags & TActionEntry::EditKey)
            (this->*entry.Action)->setShortcut(editing ? QKeySequence() : entry.Shortcut());
}

void TFZQDir::CreateMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(QCoreApplication::translate("TFZQDir", "&File"));
    mnuFile->setObjectName("mnuFile");
    mnuFile->addActions({mnuNewFolder, mnuBackup, mnuRestore, mnuSyncFolder, mnuEval});
    mnuFile->addSeparator();
    mnuFile->addActions({mnuDelete, mnuRename, mnuProperty});
    mnuFile->addSeparator();
    mnuFile->addActions({mnuConnect, mnuXferMode});
    mnuFile->addSeparator();
    mnuFile->addActions({mnuPutProject, mnuDownLoadServer, mnuDownLoadProject, mnuDownLoadFile,
                         mnuUploadFile, mnuCaptureScreen});
    mnuFile->addSeparator();
    mnuFile->addActions({mnuExit, mnuSysVorl});

    mnuEdit = bar->addMenu(QCoreApplication::translate("TFZQDir", "&Edit"));
    mnuEdit->setObjectName("mnuEdit");
    mnuEdit->addActions({mnuCut, mnuCopy, mnuCopyAsText, mnuPaste});
    mnuEdit->addSeparator();
    mnuEdit->addAction(mnuEditText);
    mnuEdit->addSeparator();
    mnuEdit->addActions({mnuSelectAll, mnuInvertSelection});

    mnuView = bar->addMenu(QCoreApplication::translate("TFZQDir", "&View"));
    mnuView->setObjectName("mnuView");
    mnuView->addActions({mnuToolbar, mnuStatusBar});
    mnuView->addSeparator();
    mnuView->addActions({mnuLargeIcons, mnuSmallIcons, mnuList, mnuDetails});
    mnuView->addSeparator();
    mnuView->addAction(mnuRefresh);
    mnuView->addSeparator();
    mnuView->addActions({mnuOptions, mnuVorl});

    mnuROM = bar->addMenu(QCoreApplication::translate("TFZQDir", "ROM"));
    mnuROM->setObjectName("mnuROM");
    mnuROM->addAction(mnuDownloadRom);

    mnuHelp = bar->addMenu(QCoreApplication::translate("TFZQDir", "&Help"));
    mnuHelp->setObjectName("mnuHelp");
    mnuHelp->addAction(mnuContentsHelp);
    mnuHelp->addSeparator();
    mnuHelp->addActions({mnuCommHelp, mnuTextHelp, mnuTroubleHelp});
    mnuHelp->addSeparator();
    // Shift+F1, then a click on a control, shows what the control is for.
    QAction* whatsThis = QWhatsThis::createAction(this);
    whatsThis->setObjectName("mnuWhatsThis");
    mnuHelp->addAction(whatsThis);
    mnuHelp->addAction(mnuAbout);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    PopupMenu1->addActions({mnuNewFolder, mnuEval});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({mnuCut, mnuCopy, mnuCopyAsText, mnuPaste});
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(mnuEditText);
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({mnuDelete, mnuRename});
    PopupMenu1->addSeparator();
    PopupMenu1->addActions({mnuProperty, mnuRefresh});

    for (QMenu* menu : {mnuFile, mnuEdit, mnuROM})
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateControls(); });
    connect(mnuView, &QMenu::aboutToShow, this, [this] {
        mnuLargeIcons->setChecked(FViewStyle == 0);
        mnuSmallIcons->setChecked(FViewStyle == 1);
        mnuList->setChecked(FViewStyle == 2);
        mnuDetails->setChecked(FViewStyle == 3);
        mnuToolbar->setChecked(ToolBar->isVisible());
        mnuStatusBar->setChecked(statusBar()->isVisible());
        mnuVorl->setChecked(VorlCmd && VorlCmd->isVisible());
    });
}

} // namespace lw::gui
