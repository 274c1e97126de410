// The main window's private parts, for GUI tests and benchmarks: the widgets, models and state a
// test drives or checks. `Parts(W).ListView1` reads like the window's own member; the window
// keeps these private towards the program's other windows.
#pragma once
#include "mainwin/ZQDir.h"

#include <memory>

namespace lw::test {

class TWindowParts {
public:
    explicit TWindowParts(gui::TFZQDir& w)
        : State(w.State), CurrentPath(w.CurrentPath), PutOnClipboard(w.PutOnClipboard),
          LastCopiedFile(w.LastCopiedFile), Editor(w.Editor), EditorHandOverMs(w.EditorHandOverMs),
          SortColumn(w.SortColumn), SortReverse(w.SortReverse), RefreshCount(w.RefreshCount),
          FocusedControl(w.FocusedControl), TreeModel(w.TreeModel), ListModel(w.ListModel),
          Timer1(w.Timer1), DragDrop(w.DragDrop), TreeView1(w.TreeView1), ListView1(w.ListView1),
          Splitter1(w.Splitter1), ToolBar(w.ToolBar), cmboPort(w.cmboPort), cmboSpeed(w.cmboSpeed),
          tbtnConnect(w.tbtnConnect), tbtnScrnCapture(w.tbtnScrnCapture),
          tbtnXferMode(w.tbtnXferMode), StatusPanel0(w.StatusPanel0), StatusPanel1(w.StatusPanel1),
          PopupMenu1(w.PopupMenu1), mnuEdit(w.mnuEdit), mnuROM(w.mnuROM), mnuBackup(w.mnuBackup),
          mnuCaptureScreen(w.mnuCaptureScreen), mnuConnect(w.mnuConnect), mnuCopy(w.mnuCopy),
          mnuCopyAsText(w.mnuCopyAsText), mnuCut(w.mnuCut), mnuDelete(w.mnuDelete),
          mnuDownLoadFile(w.mnuDownLoadFile), mnuDownLoadServer(w.mnuDownLoadServer),
          mnuDownloadRom(w.mnuDownloadRom), mnuEditText(w.mnuEditText), mnuEval(w.mnuEval),
          mnuNewFolder(w.mnuNewFolder), mnuOptions(w.mnuOptions), mnuPaste(w.mnuPaste),
          mnuProperty(w.mnuProperty), mnuRefresh(w.mnuRefresh), mnuRename(w.mnuRename),
          mnuRestore(w.mnuRestore), mnuSelectAll(w.mnuSelectAll), mnuSyncFolder(w.mnuSyncFolder),
          mnuUploadFile(w.mnuUploadFile), mnuVorl(w.mnuVorl) {}

    TCalcState& State;
    QString& CurrentPath;
    bool& PutOnClipboard;
    QString& LastCopiedFile;
    std::string& Editor;
    int& EditorHandOverMs;
    int& SortColumn;
    bool& SortReverse;
    int& RefreshCount;
    QWidget*& FocusedControl;
    gui::TDirTreeModel& TreeModel;
    gui::TDirListModel& ListModel;
    QTimer& Timer1;
    gui::TDragDrop* const DragDrop;
    QTreeView* const TreeView1;
    QTreeView* const ListView1;
    QSplitter* const Splitter1;
    QToolBar* const ToolBar;
    gui::TPortCombo* const cmboPort;
    QComboBox* const cmboSpeed;
    QToolButton* const tbtnConnect;
    QToolButton* const tbtnScrnCapture;
    QToolButton* const tbtnXferMode;
    QLabel* const StatusPanel0;
    QLabel* const StatusPanel1;
    QMenu* const PopupMenu1;
    QMenu* const mnuEdit;
    QMenu* const mnuROM;
    QAction *const mnuBackup,
        *const mnuCaptureScreen,
            *const mnuConnect,
                *const mnuCopy,
                    *const mnuCopyAsText,
                        *const mnuCut,
                            *const mnuDelete,
                                *const mnuDownLoadFile,
                                    *const mnuDownLoadServer,
                                        *const mnuDownloadRom,
                                            *const mnuEditText,
                                                *const mnuEval,
                                                    *const mnuNewFolder,
                                                        *const mnuOptions,
                                                            *const mnuPaste,
                                                                *const mnuProperty,
                                                                    *const mnuRefresh,
                                                                        *const mnuRename,
                                                                            *const mnuRestore,
                                                                                *const mnuSelectAll,
                                                                                    *const mnuSyncFolder,
                                                                                        *const mnuUploadFile,
                                                                                            *const
                                                                                                mnuVorl;
};

inline TWindowParts Parts(gui::TFZQDir& w) {
    return TWindowParts(w);
}
inline TWindowParts Parts(gui::TFZQDir* w) {
    return TWindowParts(*w);
}
inline TWindowParts Parts(const std::unique_ptr<gui::TFZQDir>& w) {
    return TWindowParts(*w);
}

} // namespace lw::test
