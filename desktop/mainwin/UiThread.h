// The desktop program's user-interface thread for the core: Qt's main thread. Reports that a
// transfer thread hands over run there through a queued wake-up (the caller waits), which the
// modal progress dialog's event loop (or ProcessMessages while the core waits) carries out.
#pragma once
#include "link/UiHooks.h"

namespace lw::gui {

class TQtUiThread : public IUiThread {
public:
    // Made on the UI thread.
    TQtUiThread();
    bool IsUiThread() override;
    void ProcessMessages() override;
    void RunSync(const std::function<void()>& fn) override;
    // The core is waiting and lets the window's messages run (ProcessMessages is under way):
    // what the user asks for now must not start inside the core's wait.
    static bool LettingMessagesRun();
};

} // namespace lw::gui
