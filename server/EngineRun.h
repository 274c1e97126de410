// How the server client runs a transfer engine: the engine works on its own thread while the
// UI thread sits in the modal progress dialog; afterwards the engine is told to stop and is
// waited for before its results are read.
#pragma once
#include "link/Engines.h"

#include <string>

namespace lw {

// The status event every engine reports through: the progress dialog of the front end.
TTransferStatusEvent ProgressDialogEvent();

// Shows the progress dialog (with Cancel) until the engine's final report or the user's
// cancel, then terminates the engine, pauses 100 ms and waits for it. Returns the dialog's
// result (IProgressDialog::mrOk or mrCancel). The engine is waited for even when the dialog
// throws.
int RunUnderProgress(TTransferThread& engine, const std::string& caption);

} // namespace lw
