#include "server/XModemServer.h"

#include "link/Port.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"
#include "util/MessageTexts.h"

namespace lw {

TXModemServer::TXModemServer(TCalcState& state, IBadFileDialog* badFile, IReplaceDialog* replace)
    : FState(state), FBadFile(badFile), FReplace(replace), FRoot(std::make_unique<TXPObject>()) {
    ResetPortRec(CalcPort);
    FState.SetTextMode(false);
    FRoot->Name = "HOME";
    FRoot->TypeIndex = DirectoryTypeIndex;
    FRoot->TypeName = "Directory";
    FRoot->Server = this;
}

TXModemServer::~TXModemServer() {
    try {
        Connect("");
    } catch (...) {
        // Closing never fails in a way the program could still report.
    }
}

void TXModemServer::CheckConnected() const {
    if (!IsConnected()) RaiseLinkError(msg::NotConnected.Text);
}

void TXModemServer::SetStatus(const std::string& text) {
    FStatus = text;
    if (OnStatus) OnStatus(text);
    TraceLine("Status = " + text);
}

void TXModemServer::SetSpeed(const std::string& speed) {
    if (speed != FSpeed) FSpeed = speed;
}

bool TXModemServer::UsbPort() const {
    return !FPort.empty() && !IsSerialPortName(FPort);
}

std::string TXModemServer::GetSpeed() const {
    return UsbPort() ? "130000" : FSpeed;
}

} // namespace lw
