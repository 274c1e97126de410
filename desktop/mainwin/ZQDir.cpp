#include "mainwin/ZQDir.h"

#include "cmdwin/VorlCmd.h"
#include "link/Port.h"
#include "log/CmndStatus.h"
#include "mainwin/About.h"
#include "mainwin/BadFileForm.h"
#include "mainwin/DragDrop.h"
#include "mainwin/Properties.h"
#include "mainwin/ReplaceFile.h"
#include "mainwin/UiThread.h"
#include "mainwin/WindowTexts.h"
#include "prompts/DownLd.h"
#include "server/Identify.h"
#include "server/PortNames.h"
#include "server/XModemServer.h"
#include "settings/HelpHints.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "settings/WindowPlacement.h"
#include "settings/windowsPosSave.h"
#include "util/ScopeExit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSplitter>
#include <QStandardItemModel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

namespace lw::gui {
namespace {

const char* const MainCaption =
    QT_TRANSLATE_NOOP("TFZQDir", "ZQ KAg, ZQ KBg and ZQ KCg series Calculator Connectivity Kit");
const QStringList Speeds = {"2400", "4800", "9600", "14400", "19200", "38400", "57600", "115200"};

// The port list as the combo holds it: one item per line, blank lines left out.
QStringList PortItems(const QString& list) {
    QStringList items;
    for (QString line : list.split('\n')) {
        line.remove('\r');
        if (!line.isEmpty()) items << line;
    }
    return items;
}

// The ports this user may not open, as disabled items after the usable ones: seen, with the
// note and, as a tip, what to do, but never picked.
void AddDeniedPorts(QComboBox* combo) {
    auto* model = qobject_cast<QStandardItemModel*>(combo->model());
    if (!model) return;
    for (const TDeniedPort& denied : DeniedPorts()) {
        auto* item = new QStandardItem(CalcText(denied.Name) + "  " +
                                       TrCoreText(NoPermissionNote(denied.Group), CalcText));
        item->setEnabled(false);
        item->setToolTip(TrCoreText(denied.Message, CalcText));
        model->appendRow(item);
    }
}

} // namespace

void TPortCombo::showPopup() {
    Q_EMIT PopupOpening();
    QComboBox::showPopup();
}

TFZQDir::TFZQDir(const QString& portList, QWidget* parent) : QMainWindow(parent) {
    setObjectName("FZQDir");
    setWindowTitle(QCoreApplication::translate("TFZQDir", MainCaption));
    resize(567, 360);
    setMinimumSize(400, 200);

    FServer = std::make_unique<TXModemServer>(State, this, this);
    FServer->OnStatus = [this](const std::string& text) { ShowStatus(text); };
    State.CalcFlags = "00000000";
    TUiHooks hooks = UiHooks();
    FPreviousMain = hooks.Main;
    hooks.Main = this;
    SetUiHooks(hooks);

    CreateActions();
    CreateViews();
    DragDrop = new TDragDrop(*this);
    CreateToolBar();
    CreateMenus();

    Timer1.setObjectName("Timer1");
    Timer1.setSingleShot(true);
    Timer1.setInterval(1);
    // A refresh the timer asks for waits while a command runs: it runs once that has ended.
    connect(&Timer1, &QTimer::timeout, this, [this] {
        Timer1.stop();
        if (!Idle()) {
            FRefreshPending = true;
            return;
        }
        RunCommand([this] { Timer1Click(); });
    });

    TreeModel.SetRootText(UnknownRootCaption);
    TreeModel.Attach(&FServer->Root());

    SetPortListSeparator("\n");
    FFromArgument = !portList.isEmpty();
    cmboPort->addItems(PortItems(FFromArgument ? portList : CalcText(ListPorts())));
    if (!FFromArgument) AddDeniedPorts(cmboPort);
    if (cmboPort->count() > 0) cmboPort->setCurrentIndex(0);

    WindowPosSave1 = new TWindowPosSave(this);
    WindowPosSave1->RestoreWindowPos(true, true);
    FLoading = true;
    {
        TSettingsStore settings;
        ReadSettings(settings);
    }
    FLoading = false;
    UpdateControls();
    FocusedControl = ListView1;
}

TFZQDir::~TFZQDir() {
    ListModel.Detach();
    TreeModel.Detach();
    TUiHooks hooks = UiHooks();
    if (hooks.Main == this) {
        hooks.Main = FPreviousMain;
        SetUiHooks(hooks);
    }
    FServer.reset();
}

// --- building the window

void TFZQDir::CreateViews() {
    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName("Splitter1");
    Splitter1->setChildrenCollapsible(false);

    TreeView1 = new QTreeView(Splitter1);
    TreeView1->setObjectName("TreeView1");
    TreeView1->setAccessibleName(QCoreApplication::translate("TFZQDir", "Directory tree"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setIndentation(19);
    TreeView1->setModel(&TreeModel);
    TreeView1->setEditTriggers(QAbstractItemView::EditKeyPressed);
    TreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    TreeView1->setProperty(HelpContextProperty, 125000);
    TreeView1->setWhatsThis(QCoreApplication::translate(
        "TFZQDir", "The calculator's directories. Select one to see its variables."));

    auto* listHost = new QWidget(Splitter1);
    auto* listLayout = new QHBoxLayout(listHost);
    listLayout->setContentsMargins(0, 0, 0, 0);
    ListView1 = new QTreeView(listHost);
    ListView1->setObjectName("ListView1");
    ListView1->setAccessibleName(QCoreApplication::translate("TFZQDir", "Variable list"));
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setModel(&ListModel);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::EditKeyPressed);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->header()->setSectionsMovable(true);
    ListView1->header()->setSectionsClickable(true);
    ListView1->header()->setSortIndicatorShown(true);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setProperty(HelpContextProperty, 125000);
    ListView1->setWhatsThis(QCoreApplication::translate(
        "TFZQDir", "The variables of the selected directory with their sizes and types."));
    listLayout->addWidget(ListView1);

    ListIcons = new QListView(listHost);
    ListIcons->setObjectName("ListIcons");
    ListIcons->setAccessibleName(QCoreApplication::translate("TFZQDir", "Variable list"));
    ListIcons->setModel(&ListModel);
    ListIcons->setSelectionModel(ListView1->selectionModel());
    ListIcons->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListIcons->setEditTriggers(QAbstractItemView::EditKeyPressed);
    ListIcons->setContextMenuPolicy(Qt::CustomContextMenu);
    ListIcons->setResizeMode(QListView::Adjust);
    ListIcons->setWhatsThis(ListView1->whatsThis());
    ListIcons->hide();
    listLayout->addWidget(ListIcons);

    Splitter1->addWidget(TreeView1);
    Splitter1->addWidget(listHost);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setSizes({153, 414});
    setCentralWidget(Splitter1);

    connect(TreeView1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { OnTreeCurrentChanged(current); });
    connect(TreeView1, &QTreeView::clicked, this, [this](const QModelIndex& node) {
        // The root still names the placeholder model: the listing was not read yet.
        if (node == TreeModel.RootIndex() && node.data().toString() == RootCaption(NewerModelName))
            RunCommand([this] { RefreshDirectory(); });
    });
    connect(ListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { OnListSelectionChanged(); });
    connect(ListView1->header(), &QHeaderView::sectionClicked, this,
            [this](int column) { ListView1ColumnClick(column); });
    for (QAbstractItemView* list :
         {static_cast<QAbstractItemView*>(ListView1), static_cast<QAbstractItemView*>(ListIcons)})
        connect(list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& item) {
            if (!Busy() && Connected())
                RunCommand([this, item] { OpenItem(ListModel.Record(item)); });
        });
    // The rename runs once the editor has closed, outside the model's own call. It names the
    // entry by its directory and name: a refresh meanwhile replaces the records.
    connect(&TreeModel, &TDirTreeModel::RenameRequested, this,
            [this](TXPObject* node, const QString& name) {
                if (!node->Parent) return;
                const TEntryRename rename{node->Parent->GetPath(), node->Name, true, name};
                QTimer::singleShot(0, this, [this, rename] { TreeView1Edited(rename); });
            });
    connect(&ListModel, &TDirListModel::RenameRequested, this,
            [this](TXPObject* item, const QString& name) {
                // The list shows the current directory.
                const TEntryRename rename{CurrentPath.toLatin1().toStdString(), item->Name,
                                          item->IsDirectory() || item->TypeIndex == 0, name};
                QTimer::singleShot(0, this, [this, rename] { ListView1Edited(rename); });
            });
    // Paste is there whenever the clipboard holds files, also when another program put them
    // there while this one was in the background.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            [this] { ApplyMenuRules(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this] { ApplyMenuRules(); });
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(TreeView1), static_cast<QAbstractItemView*>(ListView1),
          static_cast<QAbstractItemView*>(ListIcons)}) {
        view->installEventFilter(this);
        view->viewport()->installEventFilter(this);
        connect(view, &QWidget::customContextMenuRequested, this, [this, view](const QPoint& at) {
            FocusedControl = view == TreeView1 ? static_cast<QWidget*>(TreeView1) : ListView1;
            ApplyMenuRules();
            PopupMenu1->popup(view->viewport()->mapToGlobal(at));
        });
    }

    auto* bar = statusBar();
    bar->setObjectName("StatusBar");
    StatusPanel0 = new QLabel(bar);
    StatusPanel0->setObjectName("StatusPanel0");
    StatusPanel0->setAccessibleDescription(QCoreApplication::translate("TFZQDir", "Last command"));
    StatusPanel0->setMinimumWidth(160);
    StatusPanel1 = new QLabel(bar);
    StatusPanel1->setObjectName("StatusPanel1");
    StatusPanel1->setAccessibleDescription(
        QCoreApplication::translate("TFZQDir", "Calculator version and free memory"));
    StatusPanel1->setMinimumWidth(50);
    bar->addWidget(StatusPanel0, 1);
    bar->addPermanentWidget(StatusPanel1);
    bar->setToolTip(QCoreApplication::translate("TFZQDir", "Last command"));
}

void TFZQDir::CreateToolBar() {
    ToolBar = addToolBar(QCoreApplication::translate("TFZQDir", "Toolbar"));
    ToolBar->setObjectName("ToolBar");
    ToolBar->setMovable(false);
    auto* portLabel =
        new QLabel(QCoreApplication::translate("TFZQDir", "  Connect using:"), ToolBar);
    cmboPort = new TPortCombo(ToolBar);
    cmboPort->setObjectName("cmboPort");
    cmboPort->setMinimumWidth(110);
    cmboPort->setToolTip(QCoreApplication::translate("TFZQDir", "Select a communications port"));
    cmboPort->setProperty(HelpContextProperty, 125001);
    cmboPort->setWhatsThis(QCoreApplication::translate(
        "TFZQDir", "The port the calculator is connected to. \"Auto\" tries each port."));
    portLabel->setBuddy(cmboPort);
    auto* speedLabel = new QLabel(QCoreApplication::translate("TFZQDir", "Speed:"), ToolBar);
    cmboSpeed = new QComboBox(ToolBar);
    cmboSpeed->setObjectName("cmboSpeed");
    cmboSpeed->addItems(Speeds);
    cmboSpeed->setToolTip(QCoreApplication::translate(
        "TFZQDir", "Select a communications speed.  (ignored for USB)"));
    cmboSpeed->setProperty(HelpContextProperty, 125003);
    cmboSpeed->setWhatsThis(QCoreApplication::translate(
        "TFZQDir", "The serial line's speed; it must match the calculator's setting."));
    speedLabel->setBuddy(cmboSpeed);
    ToolBar->addWidget(portLabel);
    ToolBar->addWidget(cmboPort);
    ToolBar->addWidget(speedLabel);
    ToolBar->addWidget(cmboSpeed);

    const auto button = [this](const char* name, const QString& text) {
        auto* b = new QToolButton(ToolBar);
        b->setObjectName(name);
        b->setText(text);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        ToolBar->addWidget(b);
        return b;
    };
    tbtnConnect = button("tbtnConnect", QCoreApplication::translate("TFZQDir", "Connect"));
    tbtnScrnCapture = button("tbtnScrnCapture", QCoreApplication::translate("TFZQDir", "Capture"));
    tbtnScrnCapture->setToolTip(
        QCoreApplication::translate("TFZQDir", "Press to disconnect and start screen capture."));
    tbtnXferMode = button("tbtnXferMode", QCoreApplication::translate("TFZQDir", "Binary"));
    btnLog = new QToolButton(ToolBar);
    btnLog->setObjectName("btnLog");
    btnLog->setText(QCoreApplication::translate("TFZQDir", "Log"));
    ToolBar->addWidget(btnLog)->setVisible(false);

    connect(cmboPort, &TPortCombo::PopupOpening, this, [this] {
        if (!Connected()) RefreshPortList();
    });
    connect(cmboPort, &QComboBox::currentTextChanged, this, [this] { cmboPortChange(); });
    connect(cmboSpeed, &QComboBox::currentTextChanged, this, [this] { cmboSpeedChange(); });
    connect(tbtnConnect, &QToolButton::clicked, this, [this] { tbtnConnectClick(false); });
    connect(tbtnXferMode, &QToolButton::clicked, this, [this] { tbtnXferModeClick(); });
    connect(tbtnScrnCapture, &QToolButton::clicked, this,
            [this] { RunCommand([this] { mnuCaptureScreenClick(); }); });
}

// --- state

bool TFZQDir::PromptShowing() {
    return UiHooks().Prompt->IsVisible() || UiHooks().Status->IsConnectingVisible();
}

TFZQDir::TPane TFZQDir::FocusedPane() const {
    if (FocusedControl == ListView1 || FocusedControl == ListIcons) return TPane::List;
    if (FocusedControl == TreeView1) return TPane::Tree;
    return TPane::None;
}

bool TFZQDir::Editing() const {
    // An in-place editor is a visible line edit on a view's viewport.
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(TreeView1), static_cast<QAbstractItemView*>(ListView1),
          static_cast<QAbstractItemView*>(ListIcons)})
        for (const QLineEdit* editor : view->viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible()) return true;
    return false;
}

QAbstractItemView* TFZQDir::ListWidget() const {
    return FViewStyle == 3 ? static_cast<QAbstractItemView*>(ListView1) : ListIcons;
}

std::vector<TXPObject*> TFZQDir::SelectedEntries() const {
    std::vector<TXPObject*> entries;
    for (int row = 0; row < ListModel.rowCount(); ++row)
        if (ListView1->selectionModel()->isRowSelected(row, {}))
            entries.push_back(ListModel.Record(row));
    return entries;
}

TXPObject* TFZQDir::SelectedDir() const {
    const QModelIndexList selected = TreeView1->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? nullptr : TreeModel.Record(selected.first());
}

void TFZQDir::SetBusy(bool busy) {
    if (busy == State.Busy) return;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
    State.SetBusy(busy);
    UpdateControls();
    if (!busy && FCloseWhenIdle && !CommandRunning()) QTimer::singleShot(0, this, &QWidget::close);
}

void TFZQDir::SetConnected(bool connected) {
    State.SetConnected(connected);
    UpdateControls();
    if (!connected) UiHooks().Status->CloseBusy();
}

void TFZQDir::SetTextMode(bool on) {
    State.SetTextMode(on);
    UpdateControls();
}

void TFZQDir::FocusMainWindow() {
    activateWindow();
    raise();
}

void TFZQDir::Beep() {
    QApplication::beep();
}

void TFZQDir::ShowMessage(const std::string& text, const std::string& caption) {
    QMessageBox::information(this, TrCoreText(caption, CalcText), TrCoreText(text, CalcText));
}

void TFZQDir::DisableBrowsing() {
    TreeView1->setEnabled(false);
    ListView1->setEnabled(false);
    ListIcons->setEnabled(false);
}

TBadFileAnswer TFZQDir::Ask(const std::string& fileName, const std::string& kind, bool allowText) {
    return BadFileDialog ? BadFileDialog->Ask(fileName, kind, allowText) : TBadFileAnswer::No;
}

TModalResult TFZQDir::AskReplace(const std::string& name, int count) {
    return ReplaceDialog ? ReplaceDialog->AskReplace(name, count) : TModalResult::Cancel;
}

void TFZQDir::showEvent(QShowEvent* event) {
    // The dialogs centre themselves over the main window.
    TOwnerForm<TFDownLd>::Set(this);
    TOwnerForm<TFAboutForm>::Set(this);
    TOwnerForm<TFProperty>::Set(this);
    TOwnerForm<TFReplaceFile>::Set(this);
    TOwnerForm<TFBadFile>::Set(this);
    TOwnerForm<TFOptions>::Set(this);
    QMainWindow::showEvent(event);
}

void TFZQDir::SetModelName() {
    TreeModel.SetRootText(State.ModelName.empty() && State.ModelCode.empty()
                              ? QString(UnknownRootCaption)
                              : RootCaption(CalcText(State.ModelName)));
}

void TFZQDir::ShowStatus(const std::string& text) {
    ShowStatus(TrCoreText(text, CalcText));
}

void TFZQDir::ShowStatus(const QString& text) {
    StatusPanel0->setText(text);
    StatusPanel0->repaint();
}

// --- enabling rules

void TFZQDir::AttachCommandWindow(TFVorlCmd* window) {
    VorlCmd = window;
    UpdateControls();
}

void TFZQDir::DetachCommandWindow(TFVorlCmd* window) {
    if (VorlCmd == window) VorlCmd = nullptr;
}

void TFZQDir::UpdateControls() {
    const bool busy = !Idle(), prompt = PromptShowing(), connected = Connected();
    const bool browse = connected && !busy && !prompt;
    if (VorlCmd) VorlCmd->SetCommandEnabled(connected, busy || prompt);
    TreeView1->setEnabled(browse);
    ListView1->setEnabled(browse);
    ListIcons->setEnabled(browse);
    Splitter1->setEnabled(browse);
    tbtnScrnCapture->setEnabled(!busy && !prompt);
    tbtnConnect->setEnabled(!busy && !prompt);
    cmboPort->setEnabled(!connected && !busy && !prompt);
    cmboSpeed->setEnabled(!connected && !busy && !prompt &&
                          !cmboPort->currentText().contains(UsbCalculatorText) &&
                          !cmboPort->currentText().contains(UsbDeviceName));
    ApplyMenuRules();
    const QString textHint =
        QCoreApplication::translate("TFZQDir", "Text transfer mode, press for binary mode");
    if (connected) {
        const QString hint = State.TextMode
                                 ? textHint
                                 : QCoreApplication::translate(
                                       "TFZQDir", "Binary transfer mode, press for text mode");
        tbtnXferMode->setToolTip(hint);
        mnuXferMode->setText(hint);
        tbtnXferMode->setEnabled(!busy && !prompt);
        tbtnConnect->setText(QCoreApplication::translate("TFZQDir", "Disconnect"));
        tbtnConnect->setToolTip(
            QCoreApplication::translate("TFZQDir", "Disconnect from the calculator."));
    } else {
        const QString hint = State.TextMode
                                 ? textHint
                                 : QCoreApplication::translate("TFZQDir", "Binary Transfer Mode");
        tbtnXferMode->setToolTip(hint);
        mnuXferMode->setText(hint);
        tbtnXferMode->setEnabled(false);
        tbtnConnect->setText(QCoreApplication::translate("TFZQDir", "Connect"));
        tbtnConnect->setToolTip(
            QCoreApplication::translate("TFZQDir", "Quick connect to the calculator."));
        if (Busy()) SetBusy(false);
    }
    tbtnXferMode->setText(State.TextMode ? QCoreApplication::translate("TFZQDir", "Text")
                                         : QCoreApplication::translate("TFZQDir", "Binary"));
}

void TFZQDir::ApplyMenuRules() {
    const bool busy = !Idle(), prompt = PromptShowing(), connected = Connected();
    bool any = false, one = false, changeable = false;
    const TPane pane = FocusedPane();
    if (pane == TPane::List) {
        const int selected = int(ListView1->selectionModel()->selectedRows().size());
        const bool enabled = ListWidget()->isEnabled();
        any = enabled && selected > 0;
        one = enabled && selected == 1;
        changeable = any;
    } else if (pane == TPane::Tree) {
        const QModelIndexList nodes = TreeView1->selectionModel()->selectedIndexes();
        const bool isRoot = nodes.size() == 1 && nodes.first() == TreeModel.RootIndex();
        any = TreeView1->isEnabled() && !nodes.isEmpty();
        one = TreeView1->isEnabled() && nodes.size() == 1 && !isRoot;
        changeable = any && !isRoot;
    }
    if (busy || prompt) any = one = changeable = false;

    mnuFile->setEnabled(!busy);
    for (QMenu* m : {mnuEdit, mnuView, mnuROM, mnuHelp}) m->setEnabled(!busy && !prompt);
    mnuSysVorl->setEnabled(connected && !busy);
    const bool listCommands = connected && pane == TPane::List && !busy && !prompt;
    mnuSelectAll->setEnabled(listCommands);
    mnuInvertSelection->setEnabled(listCommands);
    mnuEval->setEnabled(one && pane == TPane::List);
    for (QAction* a : {mnuCut, mnuCopy, mnuDelete, mnuRename}) a->setEnabled(changeable);
    mnuCopy->setText(State.TextMode ? QCoreApplication::translate("TFZQDir", "Copy (Text)")
                                    : QCoreApplication::translate("TFZQDir", "Copy (Binary)"));
    mnuCopyAsText->setEnabled(one);
    mnuEditText->setEnabled(one);
    mnuProperty->setEnabled(any);
    for (QAction* a : {mnuXferMode, mnuRefresh, mnuNewFolder, mnuBackup, mnuRestore, mnuSyncFolder})
        a->setEnabled(connected && !busy && !prompt);
    const QMimeData* clip = QApplication::clipboard()->mimeData();
    mnuPaste->setEnabled(clip && clip->hasUrls() && ListWidget()->isEnabled() && !busy && !prompt);
    SetShortCuts();

    // File menu.
    const bool promptVisible = UiHooks().Prompt->IsVisible();
    if (connected) {
        mnuConnect->setText(
            QCoreApplication::translate("TFZQDir", "Disconnect from the calculator."));
        mnuConnect->setStatusTip(QCoreApplication::translate(
            "TFZQDir", "Close the communications port to the calculator."));
    } else {
        mnuConnect->setText(QCoreApplication::translate("TFZQDir", "Connect..."));
        mnuConnect->setStatusTip(QCoreApplication::translate(
            "TFZQDir", "Show dialog and open the communications port to the calculator."));
    }
    // While a command runs no other starts, also none of those that need no connection.
    mnuConnect->setEnabled(!promptVisible && !busy);
    for (QAction* a : {mnuDownLoadServer, mnuDownLoadFile, mnuUploadFile, mnuCaptureScreen})
        a->setEnabled(!connected && !promptVisible && !busy);
    // ROM menu.
    mnuDownloadRom->setEnabled(cmboPort->currentText().contains(UsbCalculatorText) && !busy &&
                               !promptVisible);
}

// --- connection

void TFZQDir::RefreshPortList() {
    if (Connected() || FFromArgument) return;
    FServer->Connect("");
    const QString remembered = cmboPort->currentText();
    const QSignalBlocker block(cmboPort);
    cmboPort->clear();
    cmboPort->addItems(PortItems(CalcText(ListPorts())));
    AddDeniedPorts(cmboPort);
    const int at = cmboPort->findText(remembered);
    cmboPort->setCurrentIndex(at >= 0 ? at : 0);
    ApplyMenuRules();
}

void TFZQDir::cmboPortChange() {
    ApplyMenuRules();
    cmboSpeed->setEnabled(!Connected() && !cmboPort->currentText().contains(UsbCalculatorText));
    if (!FLoading && Connected()) RunCommand([this] { FServer->Disconnect(); });
}

void TFZQDir::cmboSpeedChange() {
    if (FLoading) {
        FServer->SetSpeed(cmboSpeed->currentText().toStdString());
        return;
    }
    RunCommand([this] {
        if (Connected()) FServer->Disconnect();
        FServer->SetSpeed(cmboSpeed->currentText().toStdString());
    });
}

void TFZQDir::tbtnConnectClick(bool fromMenu) {
    RunCommand([this, fromMenu] {
        if (!Connected()) {
            if (cmboPort->currentText().isEmpty()) {
                Beep();
                return;
            }
            if (fromMenu && !UiHooks().Prompt->ShowPrompt(TPromptKind::Connect, "")) return;
            ConnectToCalculator();
        } else if (!Busy()) {
            FServer->Disconnect();
        }
    });
}

void TFZQDir::tbtnXferModeClick() {
    if (!Connected()) return;
    State.SetTextMode(!State.TextMode);
    UpdateControls();
}

void TFZQDir::ConnectToCalculator() {
    // A refresh asked for earlier runs first.
    if (Timer1.isActive() || FRefreshPending) {
        Timer1.stop();
        FRefreshPending = false;
        RefreshDirectory();
    }
    SetBusy(true);
    ListModel.Detach();
    TreeModel.Detach();
    FServer->Root().ClearChildren();
    TreeModel.Attach(&FServer->Root());
    SetConnected(true);
    try {
        const std::string port = cmboPort->currentText().toStdString();
        WithOpenCause(port, [&] { FServer->Connect(port); });
    } catch (...) {
        SetConnected(FServer->IsConnected());
        SetModelName();
        SetBusy(false);
        throw;
    }
    SetConnected(FServer->IsConnected());
    SetModelName();
    if (Connected()) {
        RefreshDirectory();
        TreeView1->expand(TreeModel.RootIndex());
    }
    SetBusy(false);
}

// --- the listing

void TFZQDir::RequestRefresh() {
    Timer1.start();
}

void TFZQDir::Timer1Click() {
    Timer1.stop();
    FRefreshPending = false;
    RefreshDirectory();
}

QModelIndex TFZQDir::FindNodeForPath(const QString& path) const {
    QModelIndex node = TreeModel.RootIndex();
    QStringList words = path.split(' ');
    if (!words.isEmpty() && words.first() == "HOME" && path.startsWith("HOME "))
        words.removeFirst();
    for (const QString& word : words) {
        if (word.isEmpty()) break;
        const QModelIndex child = TreeModel.ChildNamed(node, word);
        if (!child.isValid()) break;
        node = child;
    }
    return node;
}

void TFZQDir::RefreshDirectory() {
    if (!Connected()) {
        SetBusy(false);
        return;
    }
    SetBusy(true);
    QWidget* focus = FocusedControl;
    // Filling the list selects its first entry, which would replace the name to select.
    const QString remembered = RememberedName;
    ++RefreshCount;
    ListModel.Detach();
    TreeModel.Detach();
    try {
        FServer->GetFileList();
    } catch (...) {
        TreeModel.Attach(&FServer->Root());
        SetBusy(false);
        throw;
    }
    TreeModel.Attach(&FServer->Root());
    TreeView1->selectionModel()->clear();
    SelectTreeNode(FindNodeForPath(CurrentPath));
    RethrowDeferred();
    TreeView1->expand(TreeView1->currentIndex());
    if (focus == ListView1 || focus == ListIcons) {
        FocusedControl = focus;
        RememberedName = remembered;
        const int row = ListModel.RowNamed(remembered);
        if (row >= 0) {
            ListView1->selectionModel()->setCurrentIndex(ListModel.index(row, 0),
                                                         QItemSelectionModel::ClearAndSelect |
                                                             QItemSelectionModel::Rows);
        }
    }
    std::string freeMem;
    FServer->GetFreeMemory(freeMem);
    StatusPanel1->setText(QCoreApplication::translate("TFZQDir", "%1  Free Mem: %2")
                              .arg(CalcText(FServer->Ident), CalcText(freeMem)));
    SetBusy(false);
    if (focus == TreeView1) FocusedControl = TreeView1;
    RestoreFocus();
}

void TFZQDir::SelectTreeNode(const QModelIndex& node) {
    TreeView1->selectionModel()->setCurrentIndex(node, QItemSelectionModel::ClearAndSelect);
    // Selecting the node that is current already fills the list too.
    if (ListModel.Dir() != TreeModel.Record(node)) OnTreeCurrentChanged(node);
}

void TFZQDir::OnTreeCurrentChanged(const QModelIndex& node) {
    Guarded([this, node] { TreeView1Change(node); });
}

void TFZQDir::TreeView1Change(const QModelIndex& node) {
    const bool wasBusy = Busy();
    SetBusy(true);
    const ScopeExit restore([this, wasBusy] { SetBusy(wasBusy); });
    ListModel.SetDir(nullptr);
    TXPObject* dir = TreeModel.Record(node);
    if (!dir) return;
    CurrentPath = CalcText(dir->GetPath());
    if (Connected()) FServer->ChangeDir(CurrentPath.toStdString());
    ListModel.SetDir(dir);
    SetBusy(wasBusy);
    if (ListView1->selectionModel()->selectedRows().isEmpty() && ListModel.rowCount() > 0)
        ListView1->selectionModel()->setCurrentIndex(
            ListModel.index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TFZQDir::OnListSelectionChanged() {
    const QModelIndexList rows = ListView1->selectionModel()->selectedRows();
    if (!rows.isEmpty()) {
        const TXPObject* item = ListModel.Record(ListView1->selectionModel()->currentIndex());
        if (!item || !ListView1->selectionModel()->isRowSelected(
                         ListView1->selectionModel()->currentIndex().row(), {}))
            item = ListModel.Record(rows.first());
        RememberedName = CalcText(item->Name);
    }
    ApplyMenuRules();
}

// --- sorting and view styles

void TFZQDir::ListView1ColumnClick(int column) {
    if (column == SortColumn)
        SortReverse = !SortReverse;
    else {
        SortColumn = column;
        SortReverse = false;
    }
    ListModel.SortBy(SortColumn, SortReverse);
    ListView1->header()->setSortIndicator(SortColumn,
                                          SortReverse ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void TFZQDir::SetViewStyle(int style) {
    if (style < 0 || style > 3) style = 3;
    const bool hadFocus = ListWidget()->hasFocus();
    FViewStyle = style;
    ListView1->setVisible(style == 3);
    ListIcons->setVisible(style != 3);
    if (style != 3) {
        ListIcons->setViewMode(style == 2 ? QListView::ListMode : QListView::IconMode);
        ListIcons->setFlow(style == 2 ? QListView::TopToBottom : QListView::LeftToRight);
        ListIcons->setWrapping(true);
        const int size = style == 0 ? 32 : 16;
        ListIcons->setIconSize({size, size});
        ListIcons->setGridSize(style == 0 ? QSize(80, 60) : QSize());
    }
    if (FocusedControl == ListView1 || FocusedControl == ListIcons) FocusedControl = ListWidget();
    if (hadFocus) ListWidget()->setFocus();
}

// --- commands' frame

void TFZQDir::RunCommand(const std::function<void()>& fn) {
    if (CommandRunning()) {
        // Asked for from the messages a wait of the running command lets run: refused. Called
        // by the running command itself: a step of it.
        if (TQtUiThread::LettingMessagesRun()) {
            Beep();
            return;
        }
        fn();
        return;
    }
    ++FCommandDepth;
    const ScopeExit end([this] {
        --FCommandDepth;
        CommandEnded();
    });
    try {
        fn();
        RethrowDeferred();
    } catch (const std::exception& e) {
        FDeferredError = nullptr;
        SetBusy(false);
        // The command ends once its failure has been read.
        QMessageBox::critical(this, QStringLiteral("Linkwell"), TrCoreText(e.what(), LocalText));
    }
}

void TFZQDir::CommandEnded() {
    if (CommandRunning()) return;
    // A notice of a slow wait, or a Cancel pressed as the command ended, does not outlive it.
    EndSlowWaitNotice();
    CancelWaits(false);
    UiHooks().Status->ClearCancel();
    UpdateControls();
    if (FShutDown) return;
    RestoreFocus();
    if (FRefreshPending && Idle()) {
        FRefreshPending = false;
        Timer1.start();
    }
    if (FCloseWhenIdle && Idle()) QTimer::singleShot(0, this, &QWidget::close);
}

void TFZQDir::RestoreFocus() {
    if (Editing()) return;
    QWidget* pane = FocusedPane() == TPane::Tree   ? static_cast<QWidget*>(TreeView1)
                    : FocusedPane() == TPane::List ? static_cast<QWidget*>(ListWidget())
                                                   : nullptr;
    if (pane && pane->isEnabled() && pane->isVisible()) pane->setFocus(Qt::OtherFocusReason);
}

void TFZQDir::CancelRunningCommand() {
    CancelWaits(true);
    // The busy dialog's Cancel ends a script's wait and a slow wait; a modal dialog's
    // (progress, question, prompt) ends the transfer or step it stands for.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* busy = qobject_cast<TFCmndStatus*>(w); busy && busy->isVisible())
            busy->btnCancel->click();
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
}

void TFZQDir::Guarded(const std::function<void()>& fn) {
    if (FCommandDepth > 0) {
        try {
            fn();
        } catch (...) {
            if (!FDeferredError) FDeferredError = std::current_exception();
        }
        return;
    }
    RunCommand(fn);
}

void TFZQDir::RethrowDeferred() {
    if (!FDeferredError) return;
    std::exception_ptr error = FDeferredError;
    FDeferredError = nullptr;
    std::rethrow_exception(error);
}

// --- keyboard and focus

bool TFZQDir::eventFilter(QObject* watched, QEvent* event) {
    QWidget* pane = nullptr;
    for (QAbstractItemView* view :
         {static_cast<QAbstractItemView*>(TreeView1), static_cast<QAbstractItemView*>(ListView1),
          static_cast<QAbstractItemView*>(ListIcons)})
        if (watched == view || watched == view->viewport()) pane = view;
    if (pane) {
        // While a command runs, the focus moves only because the panes are disabled: the pane
        // the user worked in is still the one to give it back to.
        const bool focusIn = event->type() == QEvent::FocusIn && Idle();
        if (focusIn || event->type() == QEvent::MouseButtonPress) {
            if (FocusedControl != pane) {
                FocusedControl = pane;
                ApplyMenuRules();
            }
        } else if (event->type() == QEvent::KeyPress && watched == pane) {
            if (KeyPress(pane, static_cast<QKeyEvent*>(event))) return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TFZQDir::KeyPress(QWidget* pane, QKeyEvent* key) {
    SetShortCuts();
    const bool isList = pane != TreeView1;
    if (key->key() == Qt::Key_K && key->modifiers() == Qt::ControlModifier) {
        RunCommand([this] {
            if (Connected()) FServer->Disconnect();
        });
        return true;
    }
    if (Editing()) return false;
    if (key->key() == Qt::Key_Delete) {
        RunCommand([this] { DeleteSelection(); });
        return true;
    }
    if (key->key() == Qt::Key_Backspace) {
        if (isList) {
            const QModelIndex up = TreeView1->currentIndex().parent();
            if (up.isValid()) SelectTreeNode(up);
        }
        return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && isList && !Busy()) {
        const QModelIndex current = ListView1->selectionModel()->currentIndex();
        RunCommand([this, current] { OpenItem(ListModel.Record(current)); });
        return true;
    }
    return false;
}

// --- shut-down

void TFZQDir::closeEvent(QCloseEvent* event) {
    // An edit as text waiting for its editor stops waiting; the editor goes on running.
    if (FEditWait) FEditWait->exit(1);
    if (!Idle()) {
        // A command (a transfer perhaps) is running: close once it has ended. Asked again,
        // the user may cancel it.
        event->ignore();
        if (FAskingToCancel) return;
        if (FCloseWhenIdle) {
            FAskingToCancel = true;
            const auto answer = QMessageBox::question(
                this, QStringLiteral("Linkwell"),
                QCoreApplication::translate("TFZQDir",
                                            "A command is still running.\n\nCancel it and close?"),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            FAskingToCancel = false;
            if (Idle())
                QTimer::singleShot(0, this, &QWidget::close);
            else if (answer == QMessageBox::Yes)
                CancelRunningCommand();
        }
        FCloseWhenIdle = true;
        return;
    }
    DoShutDown();
    event->accept();
    Q_EMIT Closed();
}

void TFZQDir::DoShutDown() {
    if (FShutDown) return;
    FShutDown = true;
    Timer1.stop();
    try {
        if (Connected()) FServer->Disconnect();
    } catch (const std::exception&) {
        // The port is released below all the same.
    }
    try {
        FServer->Connect("");
    } catch (const std::exception&) {}
    {
        TSettingsStore settings;
        WriteSettings(settings);
    }
    if (VorlCmd) VorlCmd->CloseAtExit();
    WindowPosSave1->SaveWindowPos(false);
}

} // namespace lw::gui
