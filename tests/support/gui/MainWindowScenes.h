// Screenshot scenes of the main window, connected to a calculator: a directory open, its popup
// menu, and the question Delete asks. For the README's pictures (scripts/screenshots.sh).
#pragma once
#include "support/gui/DialogScenes.h"

namespace lw::gui {
class TFZQDir;
}

namespace lw::test {

// Opens the scenes main-window, popup-menu and message-box on a connected `window` (the
// sample memory: directory HOME WORK is opened) and calls `save` with the widget of each.
// The delete question is shown for the selection and closed unanswered.
void ShowMainWindowScenes(const TSaveScene& save, gui::TFZQDir& window);

} // namespace lw::test
