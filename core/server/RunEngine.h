// How the server client runs a transfer engine: the engine runs on its own thread while the
// UI thread sits in the modal progress dialog, which the engine's reports drive and its final
// report closes.
#pragma once
#include "link/Engines.h"
#include "link/Port.h"
#include "link/UiHooks.h"
#include "server/XModemServer.h"

namespace lw {

// The engines' status event: every report goes to the progress dialog.
inline TTransferStatusEvent ProgressReports() {
    return [](const std::string& msg, TStatusKind kind, int position, int max, int extra) {
        UiHooks().Progress->Progress(msg, kind, position, max, extra);
    };
}

template <class TEngine>
bool TXModemServer::RunEngine(TEngine& engine, const std::string& caption) {
    UiHooks().Progress->ShowProgress(caption, true);
    engine.Terminate();
    SleepMs(100);
    engine.WaitFor();
    return engine.Done();
}

} // namespace lw
