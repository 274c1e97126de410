#include "support/gui/MainWindowScenes.h"

#include "mainwin/ZQDir.h"
#include "server/XPObject.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTreeView>

namespace lw::test {

void ShowMainWindowScenes(const TSaveScene& save, gui::TFZQDir& window) {
    window.resize(640, 400);
    window.TreeView1->setCurrentIndex(window.FindNodeForPath("HOME WORK"));
    window.TreeView1->expandAll();
    window.FocusedControl = window.ListView1;
    window.ListView1->selectionModel()->setCurrentIndex(window.ListModel.index(0, 0),
                                                        QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
    window.UpdateControls();
    QApplication::processEvents();
    save(window, "main-window");

    const QRect item = window.ListView1->visualRect(window.ListModel.index(0, 0));
    window.PopupMenu1->popup(window.ListView1->viewport()->mapToGlobal(item.center()));
    QApplication::processEvents();
    save(*window.PopupMenu1, "popup-menu");
    window.PopupMenu1->hide();

    // The question Delete asks about the selection, shown without waiting for an answer.
    std::vector<const TXPObject*> entries;
    for (const TXPObject* e : window.SelectedEntries()) entries.push_back(e);
    QMessageBox box(QMessageBox::Question, "Confirm Delete", gui::TFZQDir::DeleteQuestion(entries),
                    QMessageBox::Yes | QMessageBox::No, &window);
    box.show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    save(box, "message-box");
    box.hide();
}

} // namespace lw::test
