#include "Screenshots.h"

#include "support/gui/DialogScenes.h"

namespace lw::shots {

const std::vector<TScene>& Scenes() {
    static const std::vector<TScene> scenes = {
        {"log-window", LogScene},
        {"progress-dialog", ProgressScene},
        {"busy-dialog", BusyScene},
        {"connecting-notice", ConnectingScene},
        {"dialogs", DialogScenes},
        {"capture-window", CaptureScene},
        {"command-window", CommandWindowScene},
        {"main-window", MainWindowScene},
    };
    return scenes;
}

void DialogScenes(TShot& shot) {
    test::ShowDialogScenes(
        [&shot](QWidget& dialog, const QString& name) { shot.Save(dialog, name); }, nullptr);
}

} // namespace lw::shots
