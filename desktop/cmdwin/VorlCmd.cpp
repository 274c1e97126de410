#include "cmdwin/VorlCmd.h"

#include "cmdwin/VorlCmdHost.h"
#include "server/StackPicture.h"
#include "server/XModemServer.h"
#include "settings/HelpHints.h"
#include "settings/SettingsStore.h"
#include "settings/windowsPosSave.h"

#include "util/ScopeExit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw::gui {
namespace {

const char* const Section = "VorlCmd";
const char* const AutoStackValue = "AutoStack";

// The memo shows line ends as plain line feeds.
QString MemoText(QString text) {
    return text.remove('\r');
}

} // namespace

const char* const TFVorlCmd::WarningText = QT_TRANSLATE_NOOP(
    "lw::gui::TFVorlCmd",
    "\r\n                      - -  WARNING  - -\r\n\r\nSome commands can disconnect the "
    "calculator or change\r\nthe directory structure.  Be very careful!\r\n\r\nPressing F5 can "
    "be used to refresh the main file window.\r\n\r\nPressing ENTER, by itself, in the Command "
    "Box will\r\nupdate the stack.");

TFVorlCmd::TFVorlCmd(IVorlCmdHost& host, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint |
                          Qt::WindowStaysOnTopHint),
      FHost(host) {
    setObjectName("FVorlCmd");
    setWindowTitle(tr("Calculator Commands"));
    setModal(false);
    setProperty(HelpContextProperty, 145000);
    BuildControls();
    BuildMenus();
    layout()->activate(); // fixed from now on, so only the position is stored

    WindowPosSave1 = new TWindowPosSave(this, Section);
    WindowPosSave1->RestoreWindowPos(true, true);
    chbAutoUpdate->setChecked(TSettingsStore(Section).ReadBool(AutoStackValue, true));
    Memo1->setPlainText(MemoText(tr(WarningText)));
    SetCommandEnabled(false, false);
    // F5 refreshes the main window from here too, as the warning text says.
    addAction(FHost.RefreshAction());
    FHost.AttachCommandWindow(this);
}

TFVorlCmd::~TFVorlCmd() {
    FHost.DetachCommandWindow(this);
}

void TFVorlCmd::BuildControls() {
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setAccessibleName(tr("Stack picture"));
    Memo1->setToolTip(tr("History of commands.  Right click for menu."));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Room for the warning text: 58 columns, 12 lines of the fixed-pitch font.
    Memo1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    const QFontMetrics metrics(Memo1->font());
    Memo1->setMinimumSize(metrics.horizontalAdvance(QString(58, 'M')), metrics.lineSpacing() * 12);

    Panel1 = new QWidget(this);
    Panel1->setObjectName("Panel1");
    chbAutoUpdate = new QCheckBox(tr("Automatically Update Stack Picture"), Panel1);
    chbAutoUpdate->setObjectName("chbAutoUpdate");
    chbAutoUpdate->setToolTip(tr("Refresh stack after every command"));
    lblCmd = new QLabel(tr("Command:"), Panel1);
    lblCmd->setObjectName("lblCmd");
    cmboCmd = new QComboBox(Panel1);
    cmboCmd->setObjectName("cmboCmd");
    cmboCmd->setEditable(true);
    cmboCmd->setInsertPolicy(QComboBox::NoInsert); // the history has rules of its own
    cmboCmd->setToolTip(tr("Type RPN command, press ENTER"));
    cmboCmd->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    lblCmd->setBuddy(cmboCmd);
    btnStack = new QPushButton(tr("Update"), Panel1);
    btnStack->setObjectName("btnStack");
    btnStack->setToolTip(tr("Refresh the stack data"));
    btnSend = new QPushButton(tr("Send"), Panel1);
    btnSend->setObjectName("btnSend");
    btnSend->setToolTip(tr("Send the command to the calculator"));
    btnOK = new QPushButton(tr("Close"), Panel1);
    btnOK->setObjectName("btnOK");
    // Enter belongs to the command box; no button takes it.
    for (QPushButton* b : {btnStack, btnSend, btnOK}) b->setAutoDefault(false);

    auto* commandRow = new QHBoxLayout;
    commandRow->addWidget(lblCmd);
    commandRow->addWidget(cmboCmd, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch(1);
    buttonRow->addWidget(btnStack);
    buttonRow->addWidget(btnSend);
    buttonRow->addWidget(btnOK);
    auto* panelLayout = new QVBoxLayout(Panel1);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(chbAutoUpdate);
    panelLayout->addLayout(commandRow);
    panelLayout->addLayout(buttonRow);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1, 1);
    layout->addWidget(Panel1);
    // A fixed border sized to the contents, never below 271 x 270.
    setMinimumSize(271, 270);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    cmboCmd->lineEdit()->installEventFilter(this);
    connect(btnSend, &QPushButton::clicked, this, [this] { btnSendClick(); });
    connect(btnStack, &QPushButton::clicked, this, [this] { btnStackClick(); });
    connect(btnOK, &QPushButton::clicked, this, [this] { close(); });
}

void TFVorlCmd::BuildMenus() {
    const auto action = [this](QMenu* menu, QAction*& a, const char* name, const QString& text,
                               QKeySequence::StandardKey key) {
        a = menu->addAction(text);
        a->setObjectName(name);
        // The boxes handle these keys themselves; the menu shows them.
        a->setShortcut(key);
        a->setShortcutContext(Qt::WidgetShortcut);
    };
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    action(PopupMenu1, mnuSelectAll, "mnuSelectAll", tr("Select All"), QKeySequence::SelectAll);
    action(PopupMenu1, mnuCopy, "mnuCopy", tr("Copy"), QKeySequence::Copy);
    connect(mnuSelectAll, &QAction::triggered, Memo1, &QPlainTextEdit::selectAll);
    connect(mnuCopy, &QAction::triggered, Memo1, &QPlainTextEdit::copy);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Memo1->mapToGlobal(at)); });

    PopupMenu2 = new QMenu(this);
    PopupMenu2->setObjectName("PopupMenu2");
    action(PopupMenu2, mnuSelectAll2, "mnuSelectAll2", tr("Select All"), QKeySequence::SelectAll);
    action(PopupMenu2, mnuCut2, "mnuCut2", tr("Cut"), QKeySequence::Cut);
    action(PopupMenu2, mnuCopy2, "mnuCopy2", tr("Copy"), QKeySequence::Copy);
    action(PopupMenu2, mnuPaste2, "mnuPaste2", tr("Paste"), QKeySequence::Paste);
    QLineEdit* edit = cmboCmd->lineEdit();
    connect(mnuSelectAll2, &QAction::triggered, edit, &QLineEdit::selectAll);
    connect(mnuCut2, &QAction::triggered, edit, &QLineEdit::cut);
    connect(mnuCopy2, &QAction::triggered, edit, &QLineEdit::copy);
    connect(mnuPaste2, &QAction::triggered, this, [this] { mnuPaste2Click(); });
    edit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit, &QWidget::customContextMenuRequested, this,
            [this, edit](const QPoint& at) { PopupMenu2->popup(edit->mapToGlobal(at)); });
}

void TFVorlCmd::SetCommandEnabled(bool connected, bool busy) {
    FConnected = connected;
    FBusy = busy;
    for (QWidget* w : {static_cast<QWidget*>(btnStack), static_cast<QWidget*>(btnSend),
                       static_cast<QWidget*>(cmboCmd)})
        w->setEnabled(connected && !busy);
}

bool TFVorlCmd::AutoUpdate() const {
    return chbAutoUpdate->isChecked();
}

void TFVorlCmd::UpdateStack() {
    bool ok = false;
    const std::vector<std::string> lines = ReadStackPicture(FHost.Server(), ok);
    QStringList shown;
    for (const std::string& line : lines)
        shown << MemoText(QString::fromLatin1(line.data(), qsizetype(line.size())));
    Memo1->setPlainText(shown.join('\n'));
}

void TFVorlCmd::btnSendClick() {
    if (!Ready()) {
        QApplication::beep();
        return;
    }
    const QString text = cmboCmd->currentText();
    FHost.RunCommand([this, &text] {
        FHost.SetBusy(true);
        const ScopeExit notBusy([this] { FHost.SetBusy(false); });
        if (text.isEmpty()) {
            UpdateStack();
        } else {
            FHost.Server().Execute(text.toLatin1().toStdString(), false, true);
            AddToHistory(text);
            if (AutoUpdate()) UpdateStack();
        }
    });
    cmboCmd->setFocus();
}

void TFVorlCmd::btnStackClick() {
    if (!Ready()) {
        QApplication::beep();
        return;
    }
    FHost.RunCommand([this] {
        FHost.SetBusy(true);
        const ScopeExit notBusy([this] { FHost.SetBusy(false); });
        UpdateStack();
    });
    btnStack->setFocus();
}

// Newest first; a line already there in any letter case moves to the top as typed this time.
void TFVorlCmd::AddToHistory(const QString& text) {
    if (text.isEmpty()) return;
    for (int i = 0; i < cmboCmd->count(); ++i) {
        if (cmboCmd->itemText(i).compare(text, Qt::CaseInsensitive) == 0) {
            cmboCmd->removeItem(i);
            break;
        }
    }
    cmboCmd->insertItem(0, text);
    cmboCmd->setCurrentIndex(-1);
    cmboCmd->clearEditText();
}

void TFVorlCmd::mnuPaste2Click() {
    cmboCmd->lineEdit()->insert(QApplication::clipboard()->text().left(MaxPaste));
}

void TFVorlCmd::ShowFromMenu(bool visible) {
    if (!visible) {
        close();
        return;
    }
    show();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    cmboCmd->setFocus();
}

bool TFVorlCmd::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmboCmd->lineEdit() && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!Ready()) {
            QApplication::beep();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            btnSendClick();
            return true;
        }
        if (key->matches(QKeySequence::Paste)) {
            mnuPaste2Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFVorlCmd::FormClose() {
    WindowPosSave1->SaveWindowPos(false);
    TSettingsStore(Section).WriteBool(AutoStackValue, AutoUpdate());
}

void TFVorlCmd::done(int result) {
    FormClose();
    QDialog::done(result);
}

void TFVorlCmd::CloseAtExit() {
    if (isVisible())
        close();
    else
        FormClose();
}

} // namespace lw::gui
