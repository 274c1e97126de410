#include "mainwin/SyncDialog.h"

#include "mainwin/ZQDir.h"
#include "prompts/CoreTexts.h"
#include "server/XModemServer.h"
#include "settings/FileChooser.h"
#include "settings/SettingsStore.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>

namespace lw::gui {
namespace {

// The settings section that remembers a PC folder per calculator directory.
constexpr const char* SyncSection = "Synchronize";

bool Acts(TSyncAction a) {
    return a != TSyncAction::Same && a != TSyncAction::Skip;
}

} // namespace

TFSyncDialog::TFSyncDialog(TSyncPlan& plan, QWidget* parent) : QDialog(parent), FPlan(plan) {
    setObjectName("FSyncDialog");
    setWindowTitle(tr("Synchronize %1 with %2")
                       .arg(QString::fromStdString(plan.Options.CalcDir),
                            QString::fromStdString(plan.Options.PcDir)));
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(tr("What synchronizing will do, line by line (untick a line to "
                                  "leave it out):"),
                               this);
    layout->addWidget(heading);
    SyncTable = new QTableWidget(0, 3, this);
    SyncTable->setObjectName("SyncTable");
    SyncTable->setAccessibleName(tr("Synchronization plan"));
    SyncTable->setHorizontalHeaderLabels({tr("Action"), tr("Name"), tr("Reason")});
    SyncTable->horizontalHeader()->setStretchLastSection(true);
    SyncTable->verticalHeader()->hide();
    SyncTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    SyncTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    heading->setBuddy(SyncTable);
    layout->addWidget(SyncTable);
    lblCounts = new QLabel(this);
    lblCounts->setObjectName("lblCounts");
    layout->addWidget(lblCounts);
    auto* row = new QHBoxLayout;
    auto* preferLabel = new QLabel(tr("In a &conflict:"), this);
    cmboPrefer = new QComboBox(this);
    cmboPrefer->setObjectName("cmboPrefer");
    cmboPrefer->addItems(
        {tr("Do nothing"), tr("Keep the calculator's copy"), tr("Keep the PC's copy")});
    preferLabel->setBuddy(cmboPrefer);
    row->addWidget(preferLabel);
    row->addWidget(cmboPrefer, 1);
    layout->addLayout(row);
    Buttons = new QDialogButtonBox(this);
    Buttons->addButton(tr("&Synchronize"), QDialogButtonBox::AcceptRole);
    Buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(cmboPrefer, &QComboBox::currentIndexChanged, this, [this](int index) {
        FPlan.Options.Prefer = static_cast<TSyncPrefer>(index);
        Update();
    });
    connect(SyncTable, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != 0) return;
        FPlan.Items[size_t(item->row())].Enabled = item->checkState() == Qt::Checked;
        Update();
    });
    Fill();
    resize(640, 400);
}

void TFSyncDialog::Fill() {
    const QSignalBlocker block(SyncTable);
    SyncTable->setRowCount(int(FPlan.Items.size()));
    for (size_t i = 0; i < FPlan.Items.size(); ++i) {
        const TSyncItem& it = FPlan.Items[i];
        auto* action = new QTableWidgetItem(TrCore(SyncActionText(it.Action)));
        if (Acts(it.Action)) action->setCheckState(it.Enabled ? Qt::Checked : Qt::Unchecked);
        SyncTable->setItem(int(i), 0, action);
        SyncTable->setItem(int(i), 1, new QTableWidgetItem(QString::fromStdString(it.Key)));
        SyncTable->setItem(int(i), 2, new QTableWidgetItem(TrCoreText(it.Reason)));
    }
    SyncTable->resizeColumnsToContents();
    Update();
}

// A conflict can be ticked only once a side is preferred.
void TFSyncDialog::Update() {
    const bool resolvable = FPlan.Options.Prefer != TSyncPrefer::None;
    const QSignalBlocker block(SyncTable);
    for (size_t i = 0; i < FPlan.Items.size(); ++i) {
        if (FPlan.Items[i].Action != TSyncAction::Conflict) continue;
        QTableWidgetItem* item = SyncTable->item(int(i), 0);
        item->setFlags(resolvable ? item->flags() | Qt::ItemIsEnabled
                                  : item->flags() & ~Qt::ItemIsEnabled);
    }
    lblCounts->setText(CountsText());
    Buttons->buttons().first()->setEnabled(!FPlan.HasUnresolvedConflicts());
}

QString TFSyncDialog::CountsText() const {
    const auto counts = FPlan.Counts();
    QStringList parts;
    for (int a = 0; a < SyncActionCount; ++a)
        if (counts[size_t(a)] > 0)
            parts << tr("%1 %2", "a synchronizing action and how many lines it has")
                         .arg(TrCore(SyncActionText(TSyncAction(a))))
                         .arg(counts[size_t(a)]);
    const auto left = std::count_if(FPlan.Items.begin(), FPlan.Items.end(),
                                    [](const TSyncItem& it) { return !it.Enabled; });
    QString text = parts.isEmpty() ? tr("nothing to do") : parts.join(", ");
    if (left > 0) text = tr("%1; left out %2").arg(text).arg(left);
    return text;
}

void SynchronizeFolder(TFZQDir& w) {
    if (!w.Connected()) return;
    const QString calcDir = w.CurrentPath;
    QString last;
    {
        TSettingsStore settings(SyncSection);
        last = settings.ReadString(calcDir, "");
    }
    TFileRequest request;
    request.Mode = TFileRequest::Folder;
    request.Title = TFSyncDialog::tr("Synchronize %1 with Folder").arg(calcDir);
    request.Name = last;
    const QString folder = ChooseFile(&w, request);
    if (folder.isEmpty()) return;
    {
        TSettingsStore settings(SyncSection);
        settings.WriteString(calcDir, folder);
    }

    // The plan compares with the listing as it is now.
    w.RefreshDirectory();
    TSyncOptions options;
    options.PcDir = folder.toStdString();
    options.CalcDir = calcDir.toStdString();
    options.TextMode = w.State.TextMode;
    options.AddExtension = w.State.AddExtension;
    TSyncPlan plan = MakeSyncPlan(w.Server(), options);
    TFSyncDialog dialog(plan, &w);
    if (dialog.exec() != QDialog::Accepted) return;

    // The run reads the listing again: the views let go of its records until the refresh.
    w.ListModel.Detach();
    w.TreeModel.Detach();
    const TSyncRunReport report = RunSyncPlan(w.Server(), plan);
    if (w.Connected())
        w.RefreshDirectory();
    else
        w.TreeModel.Attach(&w.Server().Root());
    if (report.Failed)
        throw std::runtime_error(TFSyncDialog::tr("Synchronizing stopped: %1.\nWhat was done is "
                                                  "recorded; synchronize again to finish.")
                                     .arg(TrCoreText(report.Failure, LocalText))
                                     .toLocal8Bit()
                                     .toStdString());
}

} // namespace lw::gui
