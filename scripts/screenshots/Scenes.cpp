#include "Screenshots.h"

#include "prompts/DownLd.h"
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
        {"transfer-prompt", TransferPromptScene},
    };
    return scenes;
}

void DialogScenes(TShot& shot) {
    test::ShowDialogScenes(
        [&shot](QWidget& dialog, const QString& name) { shot.Save(dialog, name); }, nullptr);
}

void TransferPromptScene(TShot& shot) {
    // The prompt before a file is sent by the calculator's XRECV: shown while the program
    // waits for the calculator, so it does not block.
    gui::TFDownLd prompt(true);
    prompt.ShowPrompt(TPromptKind::FileXRecv, "");
    shot.Save(prompt, "transfer-prompt");
    prompt.hide();
}

} // namespace lw::shots
