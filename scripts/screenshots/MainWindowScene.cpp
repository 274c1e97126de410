#include "Screenshots.h"

#include "support/gui/MainWindowFixture.h"
#include "support/gui/MainWindowScenes.h"

namespace lw::shots {

// The main window connected to the simulated calculator's sample memory through the port list
// given at start, as a person sees it after `linkwell --demo`.
void MainWindowScene(TShot& shot) {
    test::TMainWindowFixture f;
    if (!f.W->Connected()) return; // the scene draws nothing and the program says so
    test::ShowMainWindowScenes([&shot](QWidget& w, const QString& name) { shot.Save(w, name); },
                               *f.W);
}

} // namespace lw::shots
