// Drag and drop and the file-list clipboard of the main window. Variables and folders are
// dragged out as files that are fetched from the calculator only when the drop target asks for
// the file list; the tree's root is dragged out as a backup archive. PC files dropped onto the
// list or the tree are sent to the calculator. The clipboard carries the same file lists with
// the copy/cut marker the desktop's file managers exchange.
#pragma once
#include <QMimeData>
#include <QPersistentModelIndex>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class QAbstractItemView;
class QDropEvent;
class QMouseEvent;

namespace lw::gui {

class TFZQDir;
class TDropHighlightDelegate;

// The pointer travel that turns a press into a drag: in the list and in the tree.
constexpr int ListDragThreshold = 2;
constexpr int TreeDragThreshold = 6;
// Whether the pointer at `now` is at least `threshold` pixels away from the press at `down`,
// horizontally or vertically.
bool DragThresholdReached(const QPoint& down, const QPoint& now, int threshold);
// While a drag hovers this close to a pane's edge (half the font's height), the pane scrolls
// one line towards that edge every ScrollIntervalMs.
int DragScrollMargin(const QWidget& pane);
constexpr int ScrollIntervalMs = 100;

// A file list as the desktop exchanges it: text/uri-list, plus the copy/cut marker of the
// GNOME-family and KDE file managers.
QMimeData* FileListMimeData(const QStringList& files, bool cut);
// The local files a clipboard or drop offers; `cut` (optional) tells whether they were cut.
QStringList FileListOf(const QMimeData* mime, bool* cut = nullptr);
// Puts files fetched from the calculator on the clipboard. Copied files (the originals stay on
// the calculator) are removed when the window goes; cut files are the only copy and stay.
void PutFilesOnClipboard(const QStringList& files, bool cut);
// Where cut variables are kept until a paste uses them: "Cut files" in the program's data
// folder, created on first use. No trailing separator.
QString CutFilesFolder();
// Moves files fetched into the temporary folder into CutFilesFolder(), each under its own name
// in the first folder (the cut folder, then its subfolders "2", "3" ...) where that name is
// free, so an earlier cut is never overwritten. Returns the new paths; throws when a file
// cannot be moved (it then stays where it was).
QStringList KeepAsCutFiles(const QStringList& files);

// One calculator entry a drag offers: where it lives, or the whole memory as a backup.
struct TDragEntry {
    std::string Dir;  // directory path holding the entry ("HOME WORK")
    std::string Name; // display form
    int TypeIndex = 0;
    int Size = 0;
    bool Backup = false; // the tree's root: a backup archive of the calculator
};

// Files that exist only once asked for: the first request for the file list runs `fetch`,
// later requests get the same files. A fetch that fails (or is running) offers no files.
class TCalcMimeData : public QMimeData {
    Q_OBJECT
public:
    using TFetch = std::function<QStringList()>;
    explicit TCalcMimeData(TFetch fetch);
    QStringList formats() const override;
    bool hasFormat(const QString& mimeType) const override;
    // Fetches run so far (0 until a target asked for the files).
    int FetchCount() const { return FFetchCount; }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

private:
    TFetch FFetch;
    mutable QStringList FFiles;
    mutable int FFetchCount = 0;
    mutable bool FFetching = false;
};

// The drag-and-drop behaviour of one main window: watches the panes' viewports for presses,
// moves, and files dragged over them.
class TDragDrop : public QObject {
    Q_OBJECT
public:
    explicit TDragDrop(TFZQDir& window);
    ~TDragDrop() override; // removes the files fetched for drags and the clipboard

    // The data of a drag out of the list (its selected entries) or the tree (its selected
    // node; the root gives a backup archive). Null when nothing is selected.
    TCalcMimeData* ListMimeData();
    TCalcMimeData* TreeMimeData();
    // The selected entries of the list, as a drag offers them.
    std::vector<TDragEntry> ListEntries() const;
    // Fetches `entries` into the private temporary folder: binary or text as the transfer mode
    // says, the backup under its archive name. Empty when a fetch failed (the error is shown).
    QStringList Fetch(const std::vector<TDragEntry>& entries);

    // Sends dropped PC files. `at`: the drop point in the viewport's coordinates; a null
    // point when there is none. Onto a folder item of the list the files go into that folder,
    // which is then shown; onto the tree into the node under the point (or the highlighted).
    void DropOnList(const QStringList& files, const QPoint& at);
    void DropOnTree(const QStringList& files, const QPoint& at);
    // Copies entries dragged out of the list into the tree's folder under `at`: fetched as a
    // drag out fetches them, then sent there as dropped files are.
    void DropEntriesOnTree(const std::vector<TDragEntry>& entries, const QPoint& at);
    // Sends `files` into the calculator's current directory, one replace-all flag for the
    // batch, stopping at a backup archive. `moveSent`: a file that was sent is removed (the
    // files were cut); the result tells whether any was.
    bool PutFiles(const QStringList& files, bool moveSent);

    // The tree node highlighted as the drop target while files are dragged over the tree.
    QModelIndex DropHighlight() const;
    // Whether the press and moves seen so far started a drag.
    bool DragStarted() const { return FDragStarted; }

    // Runs the desktop's drag loop for `data` from `source` (tests replace it).
    std::function<void(QWidget* source, QMimeData* data)> ExecDrag;
    // Every file fetched for a drag or the clipboard, removed when the window goes.
    static void RememberFetched(const QStringList& files);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* PaneOf(QObject* viewport) const;
    bool MouseMove(QAbstractItemView* pane, QMouseEvent* event);
    void StartDrag(QAbstractItemView* pane);
    bool DragEvent(QAbstractItemView* pane, QEvent* event);
    bool OwnDrag(const QMimeData* mime) const;
    // Whether the entries of the list drag under way may be copied into the tree's `node`: a
    // folder other than the one they come from.
    bool TakesListEntries(const QModelIndex& node) const;
    void SetHighlight(const QModelIndex& node);
    // Puts `files` into the tree's folder under `at` (or the highlighted one) and shows it.
    void PutIntoTreeFolder(const QStringList& files, const QPoint& at);
    // Follows the drag over `pane` for scrolling at its edges; null: the drag has ended.
    void TrackScroll(QAbstractItemView* pane, const QPoint& at);
    void ScrollTick();

    TFZQDir& W;
    // Each view's viewport and the view, compared only by address: a viewport still gets
    // events while its view is being destroyed, and then the view must not be touched.
    std::vector<std::pair<const QObject*, QAbstractItemView*>> FPanes;
    TDropHighlightDelegate* FHighlight = nullptr;
    QAbstractItemView* FPressPane = nullptr;
    QPoint FDownPoint;
    bool FDownSet = false;
    bool FDragStarted = false;
    QPointer<TCalcMimeData> FOwnData;
    // The entries of the list drag under way (empty for a tree drag or none).
    std::vector<TDragEntry> FListDrag;
    QTimer FScrollTimer;
    QPointer<QAbstractItemView> FScrollPane;
    QPoint FScrollPoint;
};

} // namespace lw::gui
