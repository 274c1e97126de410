// The item models of the main window's tree and list. Both are views over the server client's
// TXPObject records: the listing exists once, in the core, and a refresh rebuilds only the
// models' indexes into it. While the records are being re-read the models are detached, so no
// view ever reaches a freed record.
#pragma once
#include <QAbstractItemModel>
#include <QAbstractTableModel>
#include <QIcon>

#include <unordered_map>
#include <vector>

namespace lw {
class TXPObject;
}

namespace lw::gui {

// The list's columns by tag.
enum TColumnTag { ctFiles = 0, ctSize = 1, ctType = 2 };

// The list's order: a directory before a variable, then by the column of `tag` (names and
// types as case-insensitive text, sizes as numbers). `reverse` turns the whole order round,
// directories included. Negative when `a` comes first.
int CompareEntries(const TXPObject& a, const TXPObject& b, TColumnTag tag, bool reverse);

// The icon of an entry: a folder for a directory, a document otherwise.
QIcon EntryIcon(const TXPObject& entry);

// The directories, from the root record down. One top-level row: the root.
class TDirTreeModel : public QAbstractItemModel {
    Q_OBJECT
public:
    explicit TDirTreeModel(QObject* parent = nullptr);

    // Stops referring to the records (before they are freed or re-read).
    void Detach();
    // Indexes the records below `root` again (after a re-read).
    void Attach(TXPObject* root);
    void SetRootText(const QString& text);

    TXPObject* Record(const QModelIndex& index) const;
    QModelIndex IndexOf(const TXPObject* record) const;
    QModelIndex RootIndex() const { return index(0, 0); }
    // The index of a child directory named exactly `name`; invalid when there is none.
    QModelIndex ChildNamed(const QModelIndex& parent, const QString& name) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

Q_SIGNALS:
    // An in-place edit ended with a new name (the window decides what happens).
    void RenameRequested(lw::TXPObject* record, const QString& newName);

private:
    void Index(TXPObject* dir);
    TXPObject* FRoot = nullptr;
    QString FRootText;
    std::unordered_map<const TXPObject*, std::vector<TXPObject*>> FSubDirs;
    std::unordered_map<const TXPObject*, int> FRowOf;
};

// The entries of one directory in three columns (Files first; Size second or third).
class TDirListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TDirListModel(QObject* parent = nullptr);

    void Detach();
    // Shows the entries of `dir` (null: none), in the current order.
    void SetDir(TXPObject* dir);
    TXPObject* Dir() const { return FDir; }
    // Sizes second (true) or third.
    void SetSizeSecond(bool second);
    bool SizeSecond() const { return FSizeSecond; }
    TColumnTag TagOf(int column) const;
    int ColumnOf(TColumnTag tag) const;
    // Orders by the column at position `column`, reversed or not; keeps selections.
    void SortBy(int column, bool reverse);

    TXPObject* Record(const QModelIndex& index) const;
    TXPObject* Record(int row) const { return FRows.at(size_t(row)); }
    // The first row whose name is exactly `name`, or -1.
    int RowNamed(const QString& name) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override;

Q_SIGNALS:
    void RenameRequested(lw::TXPObject* record, const QString& newName);

private:
    void Order(std::vector<TXPObject*>& rows) const;
    TXPObject* FDir = nullptr;
    std::vector<TXPObject*> FRows;
    bool FSizeSecond = false;
    int FSortColumn = 0;
    bool FSortReverse = false;
};

} // namespace lw::gui
