// The main window's commands on the selected calculator entries: copy (to the PC and the
// clipboard), cut, paste, delete, rename, new folder, EVAL, properties, opening an entry.
// Each marks the window busy, makes the calculator's current directory the one shown, does its
// work and asks for one refresh afterwards when the calculator's contents may have changed.
#include "cmdwin/VorlCmd.h"
#include "link/CalcNames.h"
#include "mainwin/DeleteQuestion.h"
#include "mainwin/DragDrop.h"
#include "mainwin/Properties.h"
#include "mainwin/WindowTexts.h"
#include "mainwin/ZQDir.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "util/Files.h"
#include "util/ScopeExit.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QListView>
#include <QMimeData>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <stdexcept>

namespace lw::gui {
namespace {

// Sets the window busy; the busy step ends when the guard goes, whatever happened meanwhile.
auto BusyStep(TFZQDir& w) {
    w.SetBusy(true);
    return ScopeExit([&w] { w.SetBusy(false); });
}

} // namespace

void TFZQDir::mnuCopyClick() {
    CopySelection(false);
}

void TFZQDir::CopySelection(bool cut) {
    LastCopiedFile.clear();
    const ScopeExit after([this] {
        SetBusy(false);
        PutOnClipboard = true;
    });
    std::vector<TXPObject*> entries;
    std::string dirPath = CurrentPath.toStdString();
    if (FocusedPane() == TPane::List) {
        entries = SelectedEntries();
    } else if (FocusedPane() == TPane::Tree) {
        TXPObject* node = SelectedDir();
        // A directory is fetched from the directory that holds it.
        if (node && node->Parent) {
            entries.push_back(node);
            dirPath = node->Parent->GetPath();
        }
    }
    if (entries.empty()) return;
    SetBusy(true);
    FServer->ChangeDir(dirPath);
    QStringList files;
    for (const TXPObject* e : entries) {
        const std::string path =
            CopyEntryToFolder(*FServer, e->Name, e->TypeIndex, e->SizeBytes, TempFolder());
        if (path.empty()) throw std::runtime_error(LocalString(CanceledByUser()));
        files << QString::fromStdString(path);
    }
    // A cut variable is about to leave the calculator: its file must outlive the program.
    if (cut) files = KeepAsCutFiles(files);
    if (PutOnClipboard) PutFilesOnClipboard(files, cut);
    LastCopiedFile = files.last();
}

void TFZQDir::mnuCopyAsTextClick() {
    const bool was = State.TextMode;
    SetTextMode(true);
    const ScopeExit restore([this, was] { SetTextMode(was); });
    mnuCopyClick();
}

void TFZQDir::mnuCutClick() {
    CopySelection(true);
    // The copy has just saved the entries on the PC: no question.
    DeleteSelection(false);
    // The first time, the person learns where cut variables wait for their paste.
    if (!FCutFolderShown && !LastCopiedFile.isEmpty()) {
        FCutFolderShown = true;
        ShowStatus(
            QCoreApplication::translate("TFZQDir", "Cut variables are kept in %1 until pasted")
                .arg(CutFilesFolder()));
    }
}

void TFZQDir::mnuPasteClick() {
    if (!Browsable()) {
        SetBusy(false);
        return;
    }
    bool cut = false;
    const QStringList files = FileListOf(QApplication::clipboard()->mimeData(), &cut);
    bool moved = false;
    {
        const auto busy = BusyStep(*this);
        FServer->ChangeDir(CurrentPath.toStdString());
        // Cut files move: each one sent is removed from the PC.
        moved = DragDrop->PutFiles(files, cut);
    }
    // Files that have moved are no longer offered.
    if (moved) QApplication::clipboard()->clear();
    RequestRefresh();
}

bool TFZQDir::PutDroppedFile(const std::string& path, bool& replaceAll, int count,
                             TPutOutcome* outcome) {
    if (IsBackupArchive(path)) {
        Beep();
        const QString question =
            QCoreApplication::translate("TFZQDir",
                                        "%1\r\n\r\nIs a Calculator Backup file.\r\nContinuing will "
                                        "erase the calculator's current contents.\r\n\r\nContinue "
                                        "the Restore operation?")
                .arg(LocalText(ExtractFileName(path)));
        if (UiHooks().Prompt->ShowCustomPrompt(
                question.toStdString(),
                QCoreApplication::translate("TFZQDir", "Erase Calculator?").toStdString()))
            RestoreFromFile(path);
        return false;
    }
    const TXPObject* dir = ListModel.Dir();
    const bool exists = dir && dir->FindChild(PutNameForFile(path));
    const TPutOutcome ended = PutFileToCalc(*FServer, path, replaceAll, count, exists);
    if (outcome) *outcome = ended;
    return true;
}

void TFZQDir::DeleteSelection(bool confirm) {
    if (FocusedPane() == TPane::List && Browsable()) {
        const std::vector<TXPObject*> entries = SelectedEntries();
        if (entries.empty()) return;
        if (confirm && !ConfirmDelete(this, {entries.begin(), entries.end()})) return;
        std::vector<std::pair<std::string, bool>> names;
        for (const TXPObject* e : entries) names.emplace_back(e->Name, e->IsDirectory());
        const auto busy = BusyStep(*this);
        FServer->ChangeDir(CurrentPath.toStdString());
        for (const auto& [name, isDir] : names) FServer->Purge(name, isDir);
    } else if (FocusedPane() == TPane::Tree && Browsable() && CurrentPath != "HOME") {
        TXPObject* node = SelectedDir();
        if (!node || !node->Parent) return;
        if (confirm && !ConfirmDelete(this, {node})) return;
        const std::string name = node->Name;
        const auto busy = BusyStep(*this);
        SelectTreeNode(TreeModel.IndexOf(node->Parent));
        RethrowDeferred();
        FServer->Purge(name, true);
    } else {
        SetBusy(false);
        return;
    }
    RequestRefresh();
}

void TFZQDir::mnuRenameClick() {
    if (FocusedPane() == TPane::List) {
        const QModelIndex current = ListView1->selectionModel()->currentIndex();
        if (current.isValid()) ListWidget()->edit(ListModel.index(current.row(), 0));
    } else if (FocusedPane() == TPane::Tree) {
        const QModelIndex node = TreeView1->currentIndex();
        if (node.isValid() && node != TreeModel.RootIndex()) TreeView1->edit(node);
    }
}

bool TFZQDir::RenameMayRun(void (TFZQDir::*edited)(const TEntryRename&),
                           const TEntryRename& rename) {
    if (!Connected()) return false;
    // A command (a refresh perhaps) is running: the rename follows once it has ended.
    if (Busy() || FCommandDepth > 0) {
        QTimer::singleShot(RenameRetryMs, this,
                           [this, edited, rename] { (this->*edited)(rename); });
        return false;
    }
    return true;
}

void TFZQDir::ListView1Edited(const TEntryRename& rename) {
    if (!RenameMayRun(&TFZQDir::ListView1Edited, rename)) return;
    RunCommand([this, rename] {
        const std::string name = rename.NewName.toLatin1().toStdString();
        if (!CheckCalcName(rename.OldName) || !CheckCalcName(name)) return;
        {
            const auto busy = BusyStep(*this);
            FServer->ChangeDir(rename.Dir);
            FServer->Rename(rename.OldName, name, rename.IsDir);
            RememberedName = rename.NewName;
        }
        RequestRefresh();
    });
}

void TFZQDir::TreeView1Edited(const TEntryRename& rename) {
    if (!RenameMayRun(&TFZQDir::TreeView1Edited, rename)) return;
    RunCommand([this, rename] {
        const std::string name = rename.NewName.toLatin1().toStdString();
        const QString parentPath = CalcText(rename.Dir);
        SelectTreeNode(FindNodeForPath(parentPath));
        RethrowDeferred();
        if (!CheckCalcName(rename.OldName) || !CheckCalcName(name)) return;
        {
            const auto busy = BusyStep(*this);
            CurrentPath = parentPath;
            FServer->ChangeDir(rename.Dir);
            FServer->Rename(rename.OldName, name, true);
            CurrentPath = parentPath + " " + rename.NewName;
            FServer->ChangeDir(CurrentPath.toStdString());
        }
        RequestRefresh();
    });
}

void TFZQDir::mnuNewFolderClick() {
    const bool list = FocusedPane() == TPane::List && Browsable();
    const bool tree = FocusedPane() == TPane::Tree && Browsable() && SelectedDir();
    if (!list && !tree) {
        SetBusy(false);
        return;
    }
    {
        const auto busy = BusyStep(*this);
        FServer->ChangeDir(CurrentPath.toStdString());
        FServer->CreateDir("New");
        if (list)
            RememberedName = "New";
        else
            CurrentPath += " New";
    }
    RequestRefresh();
}

void TFZQDir::mnuEvalClick() {
    if (!Connected() || Busy() || FocusedPane() != TPane::List) return;
    const std::vector<TXPObject*> entries = SelectedEntries();
    if (entries.empty()) return;
    TXPObject* item = ListModel.Record(ListView1->selectionModel()->currentIndex());
    if (!item || std::find(entries.begin(), entries.end(), item) == entries.end())
        item = entries.front();
    if (item->IsDirectory()) {
        OpenItem(item);
        return;
    }
    {
        const auto busy = BusyStep(*this);
        if (!CheckCalcName(item->Name)) return;
        FServer->ChangeDir(CurrentPath.toStdString());
        FServer->Execute(item->Name, false, true);
        if (VorlCmd && VorlCmd->AutoUpdate()) VorlCmd->UpdateStack();
    }
    RequestRefresh();
}

void TFZQDir::mnuPropertyClick() {
    std::vector<std::string> names;
    int64_t total = 0;
    bool root = false;
    if (FocusedPane() == TPane::List) {
        for (const TXPObject* e : SelectedEntries()) {
            names.push_back(e->Name);
            total += e->SizeBytes;
        }
    } else if (FocusedPane() == TPane::Tree) {
        if (const TXPObject* node = SelectedDir()) {
            names.push_back(node->Parent ? node->Name
                                         : TreeModel.RootIndex().data().toString().toStdString());
            total += node->GetSize();
            root = !node->Parent;
        }
    }
    if (names.empty()) return;
    TFProperty property(this);
    property.ShowProperties(names, total, PropertySeconds(total, FServer->GetSpeed(), root));
}

void TFZQDir::OpenItem(TXPObject* item) {
    if (!item) return;
    if (!item->IsDirectory()) {
        mnuEditTextClick();
        return;
    }
    const auto busy = BusyStep(*this);
    CurrentPath += " " + CalcText(item->Name);
    FServer->ChangeDir(CurrentPath.toStdString());
    RefreshDirectory();
}

} // namespace lw::gui
