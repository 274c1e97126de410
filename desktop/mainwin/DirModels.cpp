#include "mainwin/DirModels.h"

#include "mainwin/WindowTexts.h"
#include "server/XPObject.h"

#include <QApplication>
#include <QStyle>

#include <algorithm>

namespace lw::gui {
namespace {

// Case-insensitive comparison of ASCII texts (other bytes compare as they are).
int CompareText(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        auto fold = [](unsigned char c) { return c >= 'a' && c <= 'z' ? c - 32 : c; };
        const int d =
            fold(static_cast<unsigned char>(a[i])) - fold(static_cast<unsigned char>(b[i]));
        if (d != 0) return d < 0 ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

int CompareEntries(const TXPObject& a, const TXPObject& b, TColumnTag tag, bool reverse) {
    int result = 0;
    if (a.IsDirectory() != b.IsDirectory())
        result = a.IsDirectory() ? -1 : 1;
    else if (tag == ctSize)
        result = a.SizeBytes == b.SizeBytes ? 0 : (a.SizeBytes < b.SizeBytes ? -1 : 1);
    else if (tag == ctType)
        result = CompareText(a.TypeName, b.TypeName);
    else
        result = CompareText(a.Name, b.Name);
    return reverse ? -result : result;
}

QIcon EntryIcon(const TXPObject& entry) {
    static const QIcon folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
    static const QIcon file = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    return entry.IsDirectory() ? folder : file;
}

// --- tree

TDirTreeModel::TDirTreeModel(QObject* parent) : QAbstractItemModel(parent) {}

void TDirTreeModel::Detach() {
    beginResetModel();
    FRoot = nullptr;
    FSubDirs.clear();
    FRowOf.clear();
    endResetModel();
}

void TDirTreeModel::Attach(TXPObject* root) {
    beginResetModel();
    FRoot = root;
    FSubDirs.clear();
    FRowOf.clear();
    if (root) {
        FRowOf[root] = 0;
        Index(root);
    }
    endResetModel();
}

// Every directory below `dir`, with a stack of its own so that any depth is safe.
void TDirTreeModel::Index(TXPObject* dir) {
    std::vector<TXPObject*> open{dir};
    while (!open.empty()) {
        TXPObject* d = open.back();
        open.pop_back();
        auto& subs = FSubDirs[d];
        for (auto& child : d->Children) {
            if (!child || !child->IsDirectory()) continue;
            FRowOf[child.get()] = int(subs.size());
            subs.push_back(child.get());
            open.push_back(child.get());
        }
    }
}

void TDirTreeModel::SetRootText(const QString& text) {
    FRootText = text;
    if (FRoot) Q_EMIT dataChanged(RootIndex(), RootIndex());
}

TXPObject* TDirTreeModel::Record(const QModelIndex& index) const {
    return index.isValid() ? static_cast<TXPObject*>(index.internalPointer()) : nullptr;
}

QModelIndex TDirTreeModel::IndexOf(const TXPObject* record) const {
    const auto it = FRowOf.find(record);
    if (!record || it == FRowOf.end()) return {};
    return createIndex(it->second, 0, const_cast<TXPObject*>(record));
}

QModelIndex TDirTreeModel::ChildNamed(const QModelIndex& parent, const QString& name) const {
    const auto it = FSubDirs.find(Record(parent));
    if (it == FSubDirs.end()) return {};
    const std::string wanted = name.toLatin1().toStdString();
    for (TXPObject* sub : it->second)
        if (sub->Name == wanted) return IndexOf(sub);
    return {};
}

QModelIndex TDirTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || !FRoot) return {};
    if (!parent.isValid()) return row == 0 ? createIndex(0, 0, FRoot) : QModelIndex();
    const auto it = FSubDirs.find(Record(parent));
    if (it == FSubDirs.end() || row >= int(it->second.size())) return {};
    return createIndex(row, 0, it->second[size_t(row)]);
}

QModelIndex TDirTreeModel::parent(const QModelIndex& child) const {
    const TXPObject* record = Record(child);
    if (!record || record == FRoot) return {};
    return IndexOf(record->Parent);
}

int TDirTreeModel::rowCount(const QModelIndex& parent) const {
    if (!FRoot) return 0;
    if (!parent.isValid()) return 1;
    const auto it = FSubDirs.find(Record(parent));
    return it == FSubDirs.end() ? 0 : int(it->second.size());
}

int TDirTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TDirTreeModel::data(const QModelIndex& index, int role) const {
    const TXPObject* record = Record(index);
    if (!record) return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return record == FRoot ? FRootText : CalcText(record->Name);
    case Qt::DecorationRole:
        return EntryIcon(*record);
    default:
        return {};
    }
}

bool TDirTreeModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TXPObject* record = Record(index);
    if (role != Qt::EditRole || !record || record == FRoot) return false;
    const QString name = value.toString();
    if (name != CalcText(record->Name)) Q_EMIT RenameRequested(record, name);
    return false;
}

Qt::ItemFlags TDirTreeModel::flags(const QModelIndex& index) const {
    const TXPObject* record = Record(index);
    if (!record) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (record != FRoot) f |= Qt::ItemIsEditable;
    return f;
}

// --- list

TDirListModel::TDirListModel(QObject* parent) : QAbstractTableModel(parent) {}

void TDirListModel::Detach() {
    SetDir(nullptr);
}

void TDirListModel::SetDir(TXPObject* dir) {
    beginResetModel();
    FDir = dir;
    FRows.clear();
    if (dir) {
        FRows.reserve(dir->Children.size());
        for (auto& child : dir->Children)
            if (child) FRows.push_back(child.get());
        Order(FRows);
    }
    endResetModel();
}

void TDirListModel::SetSizeSecond(bool second) {
    if (second == FSizeSecond) return;
    beginResetModel();
    FSizeSecond = second;
    endResetModel();
}

TColumnTag TDirListModel::TagOf(int column) const {
    if (column == 1) return FSizeSecond ? ctSize : ctType;
    if (column == 2) return FSizeSecond ? ctType : ctSize;
    return ctFiles;
}

int TDirListModel::ColumnOf(TColumnTag tag) const {
    for (int c = 0; c < 3; ++c)
        if (TagOf(c) == tag) return c;
    return 0;
}

void TDirListModel::Order(std::vector<TXPObject*>& rows) const {
    const TColumnTag tag = TagOf(FSortColumn);
    std::stable_sort(rows.begin(), rows.end(), [&](const TXPObject* a, const TXPObject* b) {
        return CompareEntries(*a, *b, tag, FSortReverse) < 0;
    });
}

void TDirListModel::SortBy(int column, bool reverse) {
    FSortColumn = column >= 0 && column < 3 ? column : 0;
    FSortReverse = reverse;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<TXPObject*> records;
    records.reserve(size_t(before.size()));
    for (const QModelIndex& i : before) records.push_back(Record(i));
    Order(FRows);
    std::unordered_map<const TXPObject*, int> rowOf;
    for (size_t r = 0; r < FRows.size(); ++r) rowOf[FRows[r]] = int(r);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after.push_back(records[size_t(i)] ? index(rowOf[records[size_t(i)]], before[i].column())
                                           : QModelIndex());
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TDirListModel::sort(int column, Qt::SortOrder order) {
    SortBy(column, order == Qt::DescendingOrder);
}

TXPObject* TDirListModel::Record(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= int(FRows.size())) return nullptr;
    return FRows[size_t(index.row())];
}

int TDirListModel::RowNamed(const QString& name) const {
    const std::string wanted = name.toLatin1().toStdString();
    for (size_t r = 0; r < FRows.size(); ++r)
        if (FRows[r]->Name == wanted) return int(r);
    return -1;
}

int TDirListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(FRows.size());
}

int TDirListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 3;
}

QVariant TDirListModel::data(const QModelIndex& index, int role) const {
    const TXPObject* record = Record(index);
    if (!record) return {};
    const TColumnTag tag = TagOf(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (tag == ctSize) return QString::number(record->SizeBytes);
        if (tag == ctType) return TrTypeName(record->TypeName);
        return CalcText(record->Name);
    case Qt::DecorationRole:
        return tag == ctFiles ? QVariant(EntryIcon(*record)) : QVariant();
    case Qt::TextAlignmentRole:
        return tag == ctSize ? int(Qt::AlignRight | Qt::AlignVCenter)
                             : int(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

bool TDirListModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    TXPObject* record = Record(index);
    if (role != Qt::EditRole || !record || TagOf(index.column()) != ctFiles) return false;
    const QString name = value.toString();
    if (name != CalcText(record->Name)) Q_EMIT RenameRequested(record, name);
    return false;
}

QVariant TDirListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    const TColumnTag tag = TagOf(section);
    if (role == Qt::DisplayRole)
        return tag == ctFiles ? tr("Files") : tag == ctSize ? tr("Size") : tr("Type");
    if (role == Qt::TextAlignmentRole)
        return tag == ctSize ? int(Qt::AlignRight | Qt::AlignVCenter)
                             : int(Qt::AlignLeft | Qt::AlignVCenter);
    return {};
}

Qt::ItemFlags TDirListModel::flags(const QModelIndex& index) const {
    if (!Record(index)) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (TagOf(index.column()) == ctFiles) f |= Qt::ItemIsEditable;
    return f;
}

} // namespace lw::gui
