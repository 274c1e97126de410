#include "Screenshots.h"

#include "mainwin/ZQDir.h"
#include "support/gui/GuiFixture.h"
#include "support/gui/MainWindowScenes.h"

#include <QApplication>

namespace lw::shots {

// The main window connected to the simulated calculator's sample memory through the port list
// given at start, as a person sees it after `linkwell --demo`.
void MainWindowScene(TShot& shot) {
    test::TGuiFixture fixture;
    fixture.StartSimulator();
    gui::TFZQDir window(QString::fromStdString(fixture.Port));
    fixture.InstallHooks(&window);
    window.show();
    window.tbtnConnectClick(false);  // as the program does at start when given ports
    if (!window.Connected()) return; // the scene draws nothing and the program says so
    test::ShowMainWindowScenes([&shot](QWidget& w, const QString& name) { shot.Save(w, name); },
                               window);
}

} // namespace lw::shots
