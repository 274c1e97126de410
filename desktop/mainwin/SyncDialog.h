// Synchronize Folder: a PC folder and the directory shown kept alike. The plan is shown in a
// dialog, a check box per line and the counts per action; the lines left ticked are carried
// out under the transfers' progress dialog, then the directory is read again.
#pragma once
#include "sync/SyncPlan.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QTableWidget;

namespace lw::gui {

class TFZQDir;

class TFSyncDialog : public QDialog {
    Q_OBJECT
public:
    // Shows `plan` (which it changes: the lines left out, the side preferred in a conflict).
    TFSyncDialog(TSyncPlan& plan, QWidget* parent = nullptr);

    // "send 2, fetch 1, same 4; left out 1": the counts of the lines ticked, per action.
    QString CountsText() const;

    QTableWidget* SyncTable = nullptr;
    QLabel* lblCounts = nullptr;
    QComboBox* cmboPrefer = nullptr;
    QDialogButtonBox* Buttons = nullptr;

private:
    void Fill();
    void Update();
    TSyncPlan& FPlan;
};

// The File menu's command for the directory shown: asks for the PC folder (the last one
// chosen for that directory is offered and remembered in the settings), shows the plan, runs
// what the user kept. A failure is raised as the text to show.
void SynchronizeFolder(TFZQDir& w);

} // namespace lw::gui
