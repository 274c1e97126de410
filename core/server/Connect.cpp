// Connecting: opening the port, refusing the Kermit server, identifying the calculator.
#include "link/Port.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"
#include "server/Identify.h"
#include "server/PortNames.h"
#include "server/XModemServer.h"
#include "util/MessageTexts.h"

#include <sstream>

namespace lw {
namespace {

// The decimal speed text as a number; 0 when it is none.
int SpeedValue(const std::string& text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 100000000) return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

void TXModemServer::Connect(const std::string& port) {
    ClosePorts(CalcPort);
    const std::string name = CanonicalPortName(port);
    if (name == AutoPortName) {
        AutoConnect();
        return;
    }
    FPort = name;
    if (FPort.empty() || FSpeed.empty()) {
        FPort.clear(); // nothing was opened
        return;
    }
    const TUiHooks& ui = UiHooks();
    try {
        ui.Status->ClearCancel();
        OpenPort(FPort, SpeedValue(FSpeed));
        std::string first;
        WaitForStart(first);
        TraceLine("First = " + Hex2(static_cast<unsigned char>(first[0])));
        if (first[0] == '\x01') { // a Kermit packet begins: not the XModem server
            ui.Main->ShowMessage(msg::KermitServer.Text, msg::WrongServerCaption.Text);
            ui.Main->SetConnected(false);
            SeriousError();
        }
        ClearInput(CalcPort);
        ui.Status->ShowConnecting();
        ui.Thread->ProcessMessages();
        SetStatus(msg::Fill(msg::BeginDialog, {FPort}));
        TraceLine("Serial speed = " + FSpeed);
        SendCommand('V');
        ShortTimeouts(CalcPort);
        ReceiveCommandPacket(Ident);
        LongTimeouts(CalcPort);
        FState.SetModel("");
        FState.RomVersion.clear();
        SetStatus(msg::Fill(msg::DeviceConnected, {FPort}));
        Identify();
        ui.Status->CloseConnecting();
    } catch (...) {
        ClosePorts(CalcPort);
        FPort.clear();
        SetStatus("");
        ui.Status->CloseConnecting();
        RaiseLinkError(msg::NoDevice.Text);
    }
}

void TXModemServer::Identify() {
    Execute(IdentifyScript, true, true);
    if (!GetVar("$$$t", "", false, 0)) SeriousError();
    const TIdentity id = lw::Identify(Data, UsbPort(), SpeedValue(GetSpeed()));
    FState.SetModel(id.ModelCode);
    FState.CalcFlags = id.CalcFlags;
    if (id.NewerModel) FState.SetModelName(NewerModelName);
    if (!id.OlderFamily) TraceLine("Version info = " + id.VersionInfo);
    if (id.Timing) LinkTiming = *id.Timing;
    FState.RomVersion = id.RomVersion;
    FState.RequiredSpeed = RequiredSpeedFor(FState.ModelName, UsbPort(), FSpeed);
    Purge("$$$t", false);
    Ident += "   ROM: " + FState.RomVersion;
}

void TXModemServer::AutoConnect() {
    const TUiHooks& ui = UiHooks();
    SetPortListSeparator("\n");
    std::istringstream lines(ListPorts());
    std::string line;
    std::getline(lines, line); // "Auto"
    while (std::getline(lines, line)) {
        if (line.empty() || CanonicalPortName(line) == AutoPortName) continue;
        ui.Main->SetConnected(true);
        try {
            Connect(line);
            SetStatus(msg::Fill(msg::TryingPort, {line}));
            return;
        } catch (const std::exception&) {
            // try the next port
        }
    }
    FPort.clear();
    ui.Main->SetConnected(false);
    SetStatus(msg::NoDevice.Text);
    RaiseLinkError(msg::NoDevice.Text);
}

bool TXModemServer::OpenComm(const std::string& port) {
    ClosePorts(CalcPort);
    std::string name = CanonicalPortName(port);
    if (!IsSerialPortName(name) && !IsUsbDeviceName(name)) name = UsbDeviceName;
    FPort = name;
    if (!FPort.empty() && !FSpeed.empty()) {
        SetStatus(msg::Fill(msg::OpeningPort, {FPort}));
        OpenPort(FPort, SpeedValue(FSpeed));
        ClearInput(CalcPort);
        SetStatus(msg::Fill(msg::DeviceConnected, {FPort}));
    }
    return true;
}

void TXModemServer::Disconnect() {
    // The port is closed even when the goodbye cannot be written.
    const auto close = [] {
        ClosePorts(CalcPort);
        UiHooks().Main->SetConnected(false);
    };
    try {
        SendCommand('Q');
    } catch (...) {
        close();
        throw;
    }
    close();
}

bool TXModemServer::WaitForStart(std::string& first) {
    const TUiHooks& ui = UiHooks();
    first.assign(1, '\0');
    ShortTimeouts(CalcPort);
    for (;;) {
        ui.Thread->ProcessMessages();
        SleepMs(100);
        std::string byte(1, '\0');
        int got = 0;
        try {
            got = ReadComm(CalcPort, byte, 500);
        } catch (const std::exception&) {
            got = 0;
        }
        if (got == 1) {
            first = byte;
            LongTimeouts(CalcPort);
            return true;
        }
        if (!ui.Prompt->IsVisible()) {
            first.assign(1, '\0');
            LongTimeouts(CalcPort);
            return false;
        }
    }
}

} // namespace lw
