// The main window connected to the simulated calculator's sample memory through the port list
// given at start, as a person sees it after `linkwell --demo`: a directory open, its popup menu,
// and the question Delete asks.
#include "Screenshots.h"

#include "mainwin/DeleteQuestion.h"
#include "server/XPObject.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/WindowParts.h"

#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTreeView>

namespace lw::shots {

void MainWindowScene(TShot& shot) {
    test::TMainWindowFixture f;
    if (!f.W->Connected()) return; // the scene draws nothing and the program says so
    gui::TFZQDir& window = *f.W;
    window.resize(640, 400);
    f.Select("HOME WORK");
    test::Parts(window).TreeView1->expandAll();
    f.SelectEntries({test::Parts(window).ListModel.index(0, 0).data().toString()});
    window.UpdateControls();
    QApplication::processEvents();
    shot.Save(window, "main-window");

    const QRect item =
        test::Parts(window).ListView1->visualRect(test::Parts(window).ListModel.index(0, 0));
    test::Parts(window).PopupMenu1->popup(
        test::Parts(window).ListView1->viewport()->mapToGlobal(item.center()));
    QApplication::processEvents();
    shot.Save(*test::Parts(window).PopupMenu1, "popup-menu");
    test::Parts(window).PopupMenu1->hide();

    // The question Delete asks about the selection, shown without waiting for an answer.
    std::vector<const TXPObject*> entries;
    for (const TXPObject* e : window.SelectedEntries()) entries.push_back(e);
    const auto box = gui::DeleteQuestionBox(&window, entries);
    box->show();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    shot.Save(*box, "message-box");
    box->hide();
}

} // namespace lw::shots
