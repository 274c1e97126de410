#include "server/EngineRun.h"

#include "link/Port.h"
#include "link/UiHooks.h"

namespace lw {

TTransferStatusEvent ProgressDialogEvent() {
    return [](const std::string& msg, int kind, int position, int max, int extra) {
        UiHooks().Progress->Progress(msg, kind, position, max, extra);
    };
}

int RunUnderProgress(TTransferThread& engine, const std::string& caption) {
    struct TStopper {
        TTransferThread& Engine;
        ~TStopper() {
            Engine.Terminate();
            SleepMs(100);
            try {
                Engine.WaitFor();
            } catch (...) {
                // The engine reports its own failures; nothing more to do here.
            }
        }
    } stopper{engine};
    return UiHooks().Progress->ShowProgress(caption, true);
}

} // namespace lw
