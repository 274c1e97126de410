#include "mainwin/Program.h"

#include "mainwin/UiThread.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QMainWindow>

namespace lw::gui {

int RunProgram(int argc, char** argv) {
    QApplication app(argc, argv);
    ApplySettingsNames();
    TQtUiThread uiThread;
    SetUiHooks({nullptr, nullptr, nullptr, nullptr, &uiThread});
    QMainWindow window;
    window.setWindowTitle("Linkwell");
    window.show();
    return QApplication::exec();
}

} // namespace lw::gui
