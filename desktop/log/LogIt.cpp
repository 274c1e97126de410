#include "log/LogIt.h"

#include "settings/SettingsStore.h"
#include "settings/windowsPosSave.h"

#include <QAction>
#include <QBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>

namespace lw::gui {

TFLogForm::TFLogForm(QWidget* parent) : QDialog(parent) {
    setObjectName("FLogForm");
    setWindowTitle(tr("LogForm"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName("Memo1");
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName("PopupMenu1");
    mnuSelectAll = PopupMenu1->addAction(tr("Select All"), QKeySequence("Ctrl+A"), Memo1,
                                         &QPlainTextEdit::selectAll);
    mnuSelectAll->setObjectName("mnuSelectAll");
    mnuCopy =
        PopupMenu1->addAction(tr("Copy"), QKeySequence("Ctrl+C"), Memo1, &QPlainTextEdit::copy);
    mnuCopy->setObjectName("mnuCopy");
    Memo1->addActions({mnuSelectAll, mnuCopy});
    for (QAction* a : {mnuSelectAll, mnuCopy}) a->setShortcutContext(Qt::WidgetShortcut);
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Memo1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(Memo1->mapToGlobal(at)); });

    btnClear = new QPushButton(tr("Clear Log"), this);
    btnClear->setObjectName("btnClear");
    btnClear->setAutoDefault(false);
    connect(btnClear, &QPushButton::clicked, Memo1, &QPlainTextEdit::clear);
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setObjectName("btnOK");
    btnOK->setAutoDefault(false);
    connect(btnOK, &QPushButton::clicked, this, &QDialog::reject); // the cancel key too

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnClear);
    buttons->addStretch();
    buttons->addWidget(btnOK);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Memo1);
    layout->addLayout(buttons);
    resize(321, 380);

    WindowPosSave1 = new TWindowPosSave(this, "LogForm");
    // Settings that cannot be saved are reported here, and the window shows so the user
    // learns about it.
    TSettingsStore::SetFailureSink([this](const QString& text) {
        AddLine(text);
        show();
    });
}

TFLogForm::~TFLogForm() {
    TSettingsStore::SetFailureSink(nullptr);
}

void TFLogForm::AddLine(const QString& text) {
    Memo1->appendPlainText(text);
}

QStringList TFLogForm::Lines() const {
    const QString all = Memo1->toPlainText();
    return all.isEmpty() ? QStringList() : all.split('\n');
}

void TFLogForm::done(int result) {
    if (SavePositionOnClose && isVisible()) WindowPosSave1->SaveWindowPos(false);
    QDialog::done(result);
}

} // namespace lw::gui
