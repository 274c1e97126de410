// `linkwell --demo` as a person starts it: the program's own entry, the command line, the
// simulated calculator started in the process, and the main window connected to it with the
// listing filled.
#include "mainwin/Program.h"
#include "mainwin/ZQDir.h"
#include "support/gui/WindowParts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>

namespace {

int Entries = -1;
bool TimedOut = false;

// Runs whenever the program creates an application. Once the desktop application exists it
// watches for the main window's filled list and then ends the program (or gives up after a
// bound, so the test never hangs).
void WatchForTheFilledList() {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return; // the command line's own application
    auto* timer = new QTimer(app);
    auto* started = new QElapsedTimer;
    started->start();
    QObject::connect(timer, &QTimer::timeout, app, [started] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* main = dynamic_cast<lw::gui::TFZQDir*>(w);
            if (main && main->Connected() && !main->Busy() &&
                lw::test::Parts(main).ListModel.rowCount() > 0) {
                Entries = lw::test::Parts(main).ListModel.rowCount();
                QApplication::quit();
            }
        }
        if (started->elapsed() > 30000) {
            TimedOut = true;
            QApplication::quit();
        }
    });
    QObject::connect(app, &QObject::destroyed, [started] { delete started; });
    timer->start(20);
}
Q_COREAPP_STARTUP_FUNCTION(WatchForTheFilledList)

} // namespace

int main() {
    char program[] = "linkwell", demo[] = "--demo";
    char* argv[] = {program, demo, nullptr};
    const int result = lw::gui::RunProgram(2, argv);
    std::printf("exit %d, %d entries listed%s\n", result, Entries, TimedOut ? ", timed out" : "");
    return result == 0 && !TimedOut && Entries > 0 ? 0 : 1;
}
