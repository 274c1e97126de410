// The desktop program's windows for a GUI test: the log and status dialogs created offscreen
// and installed as the core's hooks (with Qt's main thread as the UI thread), a script that
// answers modal dialogs, and on demand a server client connected to the in-process simulated
// calculator. Later windows add themselves here: tests create one fixture and use its members.
#pragma once
#include "support/gui/ModalScript.h"

#include "link/UiHooks.h"
#include "log/CmStatus.h"
#include "log/CmndStatus.h"
#include "log/CnctStatus.h"
#include "log/LogIt.h"
#include "log/StatusDialogs.h"
#include "mainwin/UiThread.h"
#include "server/CalcState.h"
#include "server/XModemServer.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"

#include <QTemporaryDir>

#include <memory>
#include <string>

namespace lw::test {

struct TGuiOptions {
    sim::TModel Model = sim::TModel::KB;
    bool Empty = false; // an empty HOME instead of the sample memory
    std::string Speed = "115200";
    bool Usb =
        false; // the calculator on USB pipes (in the fixture's folder) instead of a serial line
};

class TGuiFixture {
public:
    TGuiFixture();
    ~TGuiFixture(); // disconnects, stops the simulator, puts the previous hooks back
    TGuiFixture(const TGuiFixture&) = delete;
    TGuiFixture& operator=(const TGuiFixture&) = delete;

    // Installs the hooks of the windows that exist (the fixture's own, plus these).
    void InstallHooks(IMainWindowHooks* main = nullptr, IPromptDialog* prompt = nullptr,
                      IProgressDialog* progress = nullptr);
    // Starts the simulated calculator and creates the server client (not connected).
    void StartSimulator(TGuiOptions options = {});
    // Starts the simulator if needed, connects the server client and lists the memory.
    void Connect();
    // A control line to the simulator; returns its reply.
    std::string Control(const std::string& line);
    // A path in the test's private folder.
    std::string File(const std::string& name) const;

    gui::TQtUiThread UiThread;
    gui::TFLogForm Log;
    gui::TFCmStatus CmStatus{&Log};
    gui::TFCnctStatus CnctStatus;
    gui::TFCmndStatus CmndStatus;
    gui::TStatusDialogs Status{CnctStatus, CmndStatus};
    TModalScript Script;

    TCalcState State;
    std::unique_ptr<sim::TSimulator> Sim;
    std::unique_ptr<TXModemServer> Server;
    std::string Port;
    QTemporaryDir Folder;

private:
    TUiHooks FPrevious;
};

} // namespace lw::test
