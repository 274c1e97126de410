// What the command window needs of the window it works for: the server client, a way to run a
// command as a user command and to mark its busy step, the refresh action its F5 shares, and a
// place to register, so that the host keeps the window's controls in step with the connection.
#pragma once
#include <functional>

class QAction;

namespace lw {
class TXModemServer;
} // namespace lw

namespace lw::gui {

class TFVorlCmd;

class IVorlCmdHost {
public:
    virtual TXModemServer& Server() = 0;
    // Runs `fn` as a user command (one at a time; a failure is shown to the user).
    virtual void RunCommand(const std::function<void()>& fn) = 0;
    // A step of calculator work starts or ends.
    virtual void SetBusy(bool busy) = 0;
    // The host's refresh; the command window shares its shortcut.
    virtual QAction* RefreshAction() = 0;
    // The command window exists from now on: the host tells it the connected and busy state
    // (SetCommandEnabled) at once and at every change, and asks it to update its stack picture.
    virtual void AttachCommandWindow(TFVorlCmd* window) = 0;
    // `window` goes away; the host forgets it when it is the one registered.
    virtual void DetachCommandWindow(TFVorlCmd* window) = 0;

protected:
    ~IVorlCmdHost() = default;
};

} // namespace lw::gui
