#include "mainwin/DragDrop.h"

#include "mainwin/WindowTexts.h"
#include "mainwin/ZQDir.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "server/XPObject.h"
#include "util/Files.h"
#include "util/ScopeExit.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDrag>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QListView>
#include <QMessageBox>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QTreeView>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <stdexcept>

namespace lw::gui {
namespace {

const char* const UriList = "text/uri-list";
const char* const GnomeMarker = "x-special/gnome-copied-files";
const char* const KdeMarker = "application/x-kde-cutselection";

std::vector<std::string>& FetchedFiles() {
    static std::vector<std::string> files;
    return files;
}

} // namespace

// Paints the tree's drop target as selected while files are dragged over it.
class TDropHighlightDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QPersistentModelIndex Node;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (Node.isValid() && index == Node) option->state |= QStyle::State_Selected;
    }
};

bool DragThresholdReached(const QPoint& down, const QPoint& now, int threshold) {
    return std::abs(now.x() - down.x()) >= threshold || std::abs(now.y() - down.y()) >= threshold;
}

int DragScrollMargin(const QWidget& pane) {
    return QFontMetrics(pane.font()).height() / 2;
}

QMimeData* FileListMimeData(const QStringList& files, bool cut) {
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    QByteArray marker = cut ? "cut" : "copy";
    for (const QString& f : files) {
        urls << QUrl::fromLocalFile(f);
        marker += "\n" + urls.last().toEncoded();
    }
    mime->setUrls(urls);
    mime->setData(GnomeMarker, marker);
    mime->setData(KdeMarker, cut ? "1" : "0");
    return mime;
}

QStringList FileListOf(const QMimeData* mime, bool* cut) {
    QStringList files;
    if (cut) *cut = false;
    if (!mime) return files;
    QList<QUrl> urls = mime->urls();
    if (mime->hasFormat(GnomeMarker)) {
        const QList<QByteArray> lines = mime->data(GnomeMarker).split('\n');
        if (cut) *cut = lines.first().trimmed() == "cut";
        // Some managers offer the marker alone: its lines after the first are the files.
        if (urls.isEmpty())
            for (qsizetype i = 1; i < lines.size(); ++i)
                urls << QUrl::fromEncoded(lines[i].trimmed());
    }
    if (cut && mime->hasFormat(KdeMarker)) *cut = *cut || mime->data(KdeMarker).startsWith('1');
    for (const QUrl& url : urls)
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}

void PutFilesOnClipboard(const QStringList& files, bool cut) {
    if (!cut) TDragDrop::RememberFetched(files);
    QApplication::clipboard()->setMimeData(FileListMimeData(files, cut));
}

QString CutFilesFolder() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Cut files";
    QDir().mkpath(folder);
    return folder;
}

QStringList KeepAsCutFiles(const QStringList& files) {
    const QString base = CutFilesFolder();
    QStringList kept;
    for (const QString& file : files) {
        const QString name = QFileInfo(file).fileName();
        QString target = base + "/" + name;
        for (int n = 2; QFileInfo::exists(target); ++n) {
            QDir().mkpath(base + "/" + QString::number(n));
            target = base + "/" + QString::number(n) + "/" + name;
        }
        // Across file systems this copies, then removes the fetched file.
        if (!QFile::rename(file, target))
            throw std::runtime_error(
                TDragDrop::tr("Cannot keep the cut variable in %1; it stays in %2")
                    .arg(target, file)
                    .toLocal8Bit()
                    .toStdString());
        kept << target;
    }
    return kept;
}

// --- data fetched on request

TCalcMimeData::TCalcMimeData(TFetch fetch) : FFetch(std::move(fetch)) {}

QStringList TCalcMimeData::formats() const {
    return {UriList};
}

bool TCalcMimeData::hasFormat(const QString& mimeType) const {
    return mimeType == UriList;
}

QVariant TCalcMimeData::retrieveData(const QString& mimeType, QMetaType) const {
    if (mimeType != UriList) return {};
    // A target may ask again while the transfer runs (the transfer processes events).
    if (FFetching) return {};
    if (FFetchCount == 0) {
        FFetching = true;
        ++FFetchCount;
        FFiles = FFetch();
        FFetching = false;
    }
    QVariantList urls;
    for (const QString& f : FFiles) urls << QUrl::fromLocalFile(f);
    return urls;
}

// --- the window's drag and drop

TDragDrop::TDragDrop(TFZQDir& window) : QObject(&window), W(window) {
    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(W.TreeView1),
                                    static_cast<QAbstractItemView*>(W.ListView1),
                                    static_cast<QAbstractItemView*>(W.ListIcons)}) {
        // The views keep a multiple selection when a press on it may start a drag.
        view->setDragEnabled(true);
        view->setAcceptDrops(true);
        view->viewport()->setAcceptDrops(true);
        view->viewport()->installEventFilter(this);
        FPanes.push_back({view->viewport(), view});
    }
    FHighlight = new TDropHighlightDelegate(W.TreeView1);
    W.TreeView1->setItemDelegate(FHighlight);
    FScrollTimer.setInterval(ScrollIntervalMs);
    FScrollTimer.setTimerType(Qt::PreciseTimer);
    connect(&FScrollTimer, &QTimer::timeout, this, [this] { ScrollTick(); });
    ExecDrag = [](QWidget* source, QMimeData* data) {
        auto* drag = new QDrag(source);
        drag->setMimeData(data);
        drag->exec(Qt::CopyAction, Qt::CopyAction);
    };
}

TDragDrop::~TDragDrop() {
    for (const std::string& f : FetchedFiles()) std::remove(f.c_str());
    FetchedFiles().clear();
}

void TDragDrop::RememberFetched(const QStringList& files) {
    for (const QString& f : files) FetchedFiles().push_back(f.toStdString());
}

std::vector<TDragEntry> TDragDrop::ListEntries() const {
    std::vector<TDragEntry> entries;
    for (const TXPObject* e : W.SelectedEntries())
        entries.push_back(
            {W.CurrentPath.toStdString(), e->Name, e->TypeIndex, e->SizeBytes, false});
    return entries;
}

TCalcMimeData* TDragDrop::ListMimeData() {
    const std::vector<TDragEntry> entries = ListEntries();
    if (entries.empty()) return nullptr;
    return new TCalcMimeData([self = QPointer<TDragDrop>(this), entries] {
        return self ? self->Fetch(entries) : QStringList();
    });
}

TCalcMimeData* TDragDrop::TreeMimeData() {
    const TXPObject* node = W.SelectedDir();
    if (!node) return nullptr;
    // A directory is fetched from the directory that holds it; the root is the whole memory.
    const TDragEntry entry = node->Parent ? TDragEntry{node->Parent->GetPath(), node->Name,
                                                       node->TypeIndex, node->SizeBytes, false}
                                          : TDragEntry{{}, {}, 0, 0, true};
    return new TCalcMimeData([self = QPointer<TDragDrop>(this), entry] {
        return self ? self->Fetch({entry}) : QStringList();
    });
}

QStringList TDragDrop::Fetch(const std::vector<TDragEntry>& entries) {
    if (!W.Connected() || W.Busy()) return {};
    QStringList files;
    QString error;
    W.SetBusy(true);
    try {
        for (const TDragEntry& e : entries) {
            std::string path;
            if (e.Backup) {
                path = TempFolder() + DefaultArchiveName(W.State.ModelCode, std::time(nullptr));
                if (!BackupToFile(W.Server(), path)) path.clear();
            } else {
                W.Server().ChangeDir(e.Dir);
                path = CopyEntryToFolder(W.Server(), e.Name, e.TypeIndex, e.Size, TempFolder());
            }
            if (path.empty()) {
                error = CanceledByUser();
                break;
            }
            files << QString::fromStdString(path);
        }
    } catch (const std::exception& ex) {
        error = TrCoreText(ex.what(), LocalText);
    }
    RememberFetched(files);
    W.SetBusy(false);
    if (!error.isEmpty()) {
        // The target is still waiting for the answer: the error is shown once it has it.
        QTimer::singleShot(0, &W, [w = &W, error] {
            QMessageBox::critical(w, QStringLiteral("Linkwell"), error);
        });
        return {};
    }
    return files;
}

// --- drops

bool TDragDrop::PutFiles(const QStringList& files, bool moveSent) {
    bool replaceAll = false, moved = false;
    for (const QString& f : files) {
        TPutOutcome outcome = TPutOutcome::Failed;
        const bool more =
            W.PutDroppedFile(f.toStdString(), replaceAll, int(files.size()), &outcome);
        if (moveSent && outcome == TPutOutcome::Sent && std::remove(f.toStdString().c_str()) == 0)
            moved = true;
        if (!more) break;
    }
    return moved;
}

void TDragDrop::DropOnList(const QStringList& files, const QPoint& at) {
    W.RunCommand([&] {
        QCoreApplication::processEvents();
        QAbstractItemView* list = W.ListWidget();
        if (!list->isEnabled() || files.isEmpty()) {
            W.SetBusy(false);
            return;
        }
        W.Server().ChangeDir(W.CurrentPath.toStdString());
        W.SetBusy(true);
        const TXPObject* item = at.x() >= 0 ? W.ListModel.Record(list->indexAt(at)) : nullptr;
        if (item && item->IsDirectory()) {
            W.CurrentPath += " " + CalcText(item->Name);
            W.Server().ChangeDir(W.CurrentPath.toStdString());
            W.RefreshDirectory();
            W.SetBusy(true);
        }
        PutFiles(files, false);
        W.SetBusy(false);
        W.RequestRefresh();
    });
}

void TDragDrop::DropOnTree(const QStringList& files, const QPoint& at) {
    W.RunCommand([&] {
        QCoreApplication::processEvents();
        const ScopeExit clear([this] { SetHighlight({}); });
        if (!W.TreeView1->isEnabled() || files.isEmpty()) {
            W.SetBusy(false);
            return;
        }
        PutIntoTreeFolder(files, at);
    });
}

void TDragDrop::DropEntriesOnTree(const std::vector<TDragEntry>& entries, const QPoint& at) {
    W.RunCommand([&] {
        const ScopeExit clear([this] { SetHighlight({}); });
        if (!W.TreeView1->isEnabled() || entries.empty()) return;
        // A failed fetch has said why; nothing is sent then.
        const QStringList files = Fetch(entries);
        if (!files.isEmpty()) PutIntoTreeFolder(files, at);
    });
}

void TDragDrop::PutIntoTreeFolder(const QStringList& files, const QPoint& at) {
    QTreeView* tree = W.TreeView1;
    const QModelIndex under = at.x() >= 0 ? tree->indexAt(at) : QModelIndex();
    if (under.isValid()) tree->setCurrentIndex(under);
    if (!W.SelectedDir() && DropHighlight().isValid()) tree->setCurrentIndex(DropHighlight());
    if (!W.SelectedDir()) {
        W.SetBusy(false);
        return;
    }
    W.SetBusy(true);
    W.Server().ChangeDir(W.CurrentPath.toStdString());
    PutFiles(files, false);
    W.SetBusy(false);
    W.RequestRefresh();
}

QModelIndex TDragDrop::DropHighlight() const {
    return FHighlight->Node;
}

void TDragDrop::SetHighlight(const QModelIndex& node) {
    if (FHighlight->Node == node) return;
    FHighlight->Node = node;
    W.TreeView1->viewport()->update();
}

// --- events

QAbstractItemView* TDragDrop::PaneOf(QObject* viewport) const {
    for (const auto& [port, view] : FPanes)
        if (viewport == port) return view;
    return nullptr;
}

bool TDragDrop::eventFilter(QObject* watched, QEvent* event) {
    // Only mouse and drag events are looked at: no such event reaches a viewport while the
    // window is being destroyed, so the view it belongs to is whole whenever it is used.
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    QAbstractItemView* pane = PaneOf(watched);
    if (!pane) return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* m = static_cast<QMouseEvent*>(event);
        FPressPane = pane;
        FDragStarted = false;
        FDownPoint = m->position().toPoint();
        // A tree drag starts only from a node.
        FDownSet = m->button() == Qt::LeftButton &&
                   (pane != W.TreeView1 || W.TreeView1->indexAt(FDownPoint).isValid());
        return false;
    }
    case QEvent::MouseButtonRelease:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) FDownSet = false;
        return false;
    case QEvent::MouseMove:
        return MouseMove(pane, static_cast<QMouseEvent*>(event));
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return DragEvent(pane, event);
    default:
        return false;
    }
}

bool TDragDrop::MouseMove(QAbstractItemView* pane, QMouseEvent* event) {
    if (pane != FPressPane || W.FocusedControl != pane || !FDownSet ||
        !(event->buttons() & (Qt::LeftButton | Qt::RightButton)))
        return false;
    if (FDragStarted) return true;
    const int threshold = pane == W.TreeView1 ? TreeDragThreshold : ListDragThreshold;
    if (!DragThresholdReached(FDownPoint, event->position().toPoint(), threshold)) return false;
    // Past the threshold the move belongs to the drag, never to the view's own selecting.
    StartDrag(pane);
    return true;
}

void TDragDrop::StartDrag(QAbstractItemView* pane) {
    const bool tree = pane == W.TreeView1;
    TCalcMimeData* mime = tree ? TreeMimeData() : ListMimeData();
    if (!mime) return;
    FDragStarted = true;
    FOwnData = mime;
    FListDrag = tree ? std::vector<TDragEntry>() : ListEntries();
    // The window never takes its own backup: it accepts no drops while the root is dragged.
    const TXPObject* node = W.SelectedDir();
    const bool root = tree && node && !node->Parent;
    if (root)
        for (QWidget* v :
             {W.TreeView1->viewport(), W.ListView1->viewport(), W.ListIcons->viewport()})
            v->setAcceptDrops(false);
    ExecDrag(pane->viewport(), mime);
    if (root)
        for (QWidget* v :
             {W.TreeView1->viewport(), W.ListView1->viewport(), W.ListIcons->viewport()})
            v->setAcceptDrops(true);
    FListDrag.clear();
    TrackScroll(nullptr, {});
    FDownSet = false;
}

bool TDragDrop::OwnDrag(const QMimeData* mime) const {
    return mime && (mime == FOwnData || qobject_cast<const TCalcMimeData*>(mime));
}

bool TDragDrop::TakesListEntries(const QModelIndex& node) const {
    const TXPObject* folder = W.TreeModel.Record(node);
    return !FListDrag.empty() && folder && folder->GetPath() != FListDrag.front().Dir;
}

bool TDragDrop::DragEvent(QAbstractItemView* pane, QEvent* event) {
    const bool tree = pane == W.TreeView1;
    if (event->type() == QEvent::DragLeave) {
        TrackScroll(nullptr, {});
        if (tree) SetHighlight({});
        return true;
    }
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* mime = drop->mimeData();
    const QPoint at = drop->position().toPoint();
    // Files from elsewhere, or the window's own entries on their way from the list to a folder
    // of the tree; its own drags land nowhere else. While the drag moves only the offered
    // formats are looked at; the files at the drop.
    const bool own = OwnDrag(mime);
    const bool usable =
        pane->isEnabled() && (drop->possibleActions() & Qt::CopyAction) && (own || mime->hasUrls());
    if (event->type() == QEvent::DragEnter) {
        // Taken in so that its moves follow (they scroll at the edges); whether it may land
        // is told at each move.
        if (usable) {
            drop->setDropAction(Qt::CopyAction);
            drop->accept();
        } else {
            drop->ignore();
        }
        return true;
    }
    const bool dropping = event->type() == QEvent::Drop;
    if (usable && !dropping)
        TrackScroll(pane, at);
    else
        TrackScroll(nullptr, {});
    const bool entries = own && tree && mime == FOwnData && TakesListEntries(pane->indexAt(at));
    const QStringList files = usable && !own && dropping ? FileListOf(mime) : QStringList();
    const bool offered = usable && (entries || (!own && (!dropping || !files.isEmpty())));
    if (!offered) {
        drop->ignore();
        if (tree) SetHighlight({});
        return true;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    if (!dropping) {
        if (tree) SetHighlight(W.TreeView1->indexAt(at));
        return true;
    }
    // The drop is carried out once the source's drag has ended.
    if (entries)
        QTimer::singleShot(0, this, [this, list = FListDrag, at] { DropEntriesOnTree(list, at); });
    else
        QTimer::singleShot(0, this, [this, tree, at, files] {
            tree ? DropOnTree(files, at) : DropOnList(files, at);
        });
    return true;
}

void TDragDrop::TrackScroll(QAbstractItemView* pane, const QPoint& at) {
    FScrollPane = pane;
    FScrollPoint = at;
    bool edge = false;
    if (pane) {
        const int margin = DragScrollMargin(*pane);
        const QSize size = pane->viewport()->size();
        const bool vertical =
            pane->verticalScrollBar()->maximum() > pane->verticalScrollBar()->minimum();
        const bool horizontal =
            pane->horizontalScrollBar()->maximum() > pane->horizontalScrollBar()->minimum();
        edge = (vertical && (at.y() < margin || at.y() > size.height() - margin)) ||
               (horizontal && (at.x() < margin || at.x() > size.width() - margin));
    }
    if (!edge)
        FScrollTimer.stop();
    else if (!FScrollTimer.isActive())
        FScrollTimer.start();
}

void TDragDrop::ScrollTick() {
    QAbstractItemView* pane = FScrollPane;
    if (!pane) {
        FScrollTimer.stop();
        return;
    }
    const int margin = DragScrollMargin(*pane);
    const QSize size = pane->viewport()->size();
    const QPoint at = FScrollPoint;
    if (at.y() < margin)
        pane->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (at.y() > size.height() - margin)
        pane->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (at.x() < margin)
        pane->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (at.x() > size.width() - margin)
        pane->horizontalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

} // namespace lw::gui
