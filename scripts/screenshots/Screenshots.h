// The screenshot program's scenes. A scene builds one window in a telling state and calls
// Save on it (from inside a modal loop, if the window is modal). To add a window: write a
// scene function in a ...Scenes.cpp file of this folder and add a row to the table in
// Scenes.cpp.
#pragma once
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace lw::shots {

class TShot {
public:
    explicit TShot(QString folder) : FFolder(std::move(folder)) {}
    // Draws `window` (with a plain title bar of its caption, as no window manager runs under
    // Xvfb) into <folder>/<name>.png.
    void Save(QWidget& window, const QString& name);
    int Saved = 0;

private:
    QString FFolder;
};

struct TScene {
    const char* Name;
    std::function<void(TShot&)> Make;
};

// Every scene, in the order the program runs them.
const std::vector<TScene>& Scenes();

// Scenes of the log and status dialogs.
void LogScene(TShot& shot);
void ProgressScene(TShot& shot);
void BusyScene(TShot& shot);
void ConnectingScene(TShot& shot);
// The transfer prompts and the small dialogs (tests/support/gui/DialogScenes).
void DialogScenes(TShot& shot);
// The capture window at zoom x2 with a frame.
void CaptureScene(TShot& shot);
// The command window with a stack, connected to the simulated calculator.
void CommandWindowScene(TShot& shot);
// The main window with a directory open, its popup menu and the delete question.
void MainWindowScene(TShot& shot);
// The transfer prompt before a file goes to the calculator by its XRECV.
void TransferPromptScene(TShot& shot);

} // namespace lw::shots
