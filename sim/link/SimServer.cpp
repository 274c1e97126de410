#include "sim/link/SimServer.h"

#include "link/CalcNames.h"
#include "link/XModemCodec.h"

namespace lw::sim {

using TClock = std::chrono::steady_clock;

bool ParseStartChoice(const std::string& name, TStartChoice& choice) {
    for (auto c :
         {TStartChoice::Nak, TStartChoice::Crc, TStartChoice::Kermit, TStartChoice::Random})
        if (name == StartChoiceName(c)) {
            choice = c;
            return true;
        }
    return false;
}

const char* StartChoiceName(TStartChoice choice) {
    switch (choice) {
    case TStartChoice::Nak:
        return "nak";
    case TStartChoice::Crc:
        return "crc";
    case TStartChoice::Kermit:
        return "kermit";
    case TStartChoice::Random:
        return "random";
    }
    return "";
}

uint8_t TServerSettings::ChooseStartByte() {
    static const uint8_t bytes[] = {NAK, CRC_ARC_START, CRC_KERMIT_START};
    switch (StartByte) {
    case TStartChoice::Nak:
        return NAK;
    case TStartChoice::Crc:
        return CRC_ARC_START;
    case TStartChoice::Kermit:
        return CRC_KERMIT_START;
    case TStartChoice::Random:
        break;
    }
    return bytes[std::uniform_int_distribution<int>(0, 2)(Random)];
}

TSimServer::TSimServer(TSimSession& session, ISimCalculator& calc, TServerSettings& settings,
                       TEvent event)
    : S(session), Calc(calc), Settings(settings), Event(std::move(event)) {}

bool TSimServer::TakeQuit() {
    bool q = Quit;
    Quit = false;
    return q;
}

bool TSimServer::Busy() const {
    return S.Wire.Now() < BusyUntil;
}

void TSimServer::OnCommand(uint8_t cmd) {
    S.Wire.Log(std::string("< command ") +
               (cmd >= 32 && cmd < 127 ? std::string(1, char(cmd)) : std::to_string(cmd)));
    switch (cmd) {
    case 'V':
    case 'l':
    case 'M':
    case 'E':
    case 'G':
    case 'P':
    case 'Q':
        S.Stats.Update([&](TSimStats& st) { st.Commands += char(cmd); });
        break;
    default:
        return; // not a command: ignored
    }
    switch (cmd) {
    case 'V':
        SendPacket(S, Calc.IdentText());
        break;
    case 'l':
        SendPacket(S, Calc.Listing());
        break;
    case 'M':
        SendPacket(S, Calc.FreeMemoryText());
        break;
    case 'E':
        Execute();
        break;
    case 'G':
        Get();
        break;
    case 'P':
        Put();
        break;
    case 'Q':
        Quit = true;
        Event("server quit");
        break;
    }
}

void TSimServer::Execute() {
    std::string script;
    if (!ReceivePacket(S, script, TSimLimits::PacketByteMs)) return;
    TScriptOutcome outcome = Calc.RunScript(script);
    uint32_t ms = std::max(outcome.RunMs, Settings.BusyMs);
    BusyUntil = S.Wire.Now() + std::chrono::milliseconds(ms);
    S.Wire.Log("script runs for " + std::to_string(ms) + " ms");
    Event("script " + NameToFile(script, false));
    if (outcome.Action == TScriptOutcome::SendObject) {
        HasPending = true;
        Pending = std::move(outcome.Payload);
        PendingStart = -1;
    } else if (outcome.Action == TScriptOutcome::StopServer) {
        BusyUntil = {};
        Quit = true;
        Event("server stopped by the script");
    }
}

void TSimServer::WhileBusy() {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(BusyUntil - S.Wire.Now());
    if (left.count() > 0) {
        int b = S.Wire.ReadByte(uint32_t(std::min<long long>(left.count(), 100)));
        if (b == 'M') S.Stats.Update([](TSimStats& st) { ++st.PollsIgnored; });
        if (HasPending && (b == NAK || b == CRC_ARC_START || b == CRC_KERMIT_START))
            PendingStart = b;
        if (Busy()) return;
    }
    BusyUntil = {};
    if (!HasPending) return;
    HasPending = false;
    std::string why;
    std::string payload = std::move(Pending);
    if (XModemSend(S, payload, PendingStart, TSimLimits::ServerStartMs, why))
        Event("sent object of " + std::to_string(payload.size()) + " bytes");
    else
        Event("sending object failed: " + why);
}

void TSimServer::Get() {
    std::string name;
    if (!ReceivePacket(S, name, TSimLimits::PacketByteMs)) return;
    std::string file, why;
    if (!Calc.GetVariable(name, file)) {
        // No such variable: wait for the receiver to start, then refuse.
        int start = S.Wire.ReadByte(TSimLimits::ServerStartMs);
        S.Wire.Log("no variable " + NameToFile(name, false) + ": CAN" +
                   (start < 0 ? " (no start byte came)" : ""));
        S.Wire.Write(std::string(3, char(CAN)));
        Event("get " + NameToFile(name, false) + " refused: no such variable");
        return;
    }
    if (XModemSend(S, file, -1, TSimLimits::ServerStartMs, why))
        Event("get " + NameToFile(name, false) + " sent " + std::to_string(file.size()) + " bytes");
    else
        Event("get " + NameToFile(name, false) + " failed: " + why);
}

void TSimServer::Put() {
    std::string name;
    if (!ReceivePacket(S, name, TSimLimits::PacketByteMs)) return;
    std::string data, why;
    if (!XModemReceive(S, Settings.ChooseStartByte(), Settings.StartRepeatMs,
                       TSimLimits::ServerStartMs, data, why)) {
        Event("put " + NameToFile(name, false) + " failed: " + why);
        return;
    }
    bool stored = Calc.PutVariable(name, data);
    Event("put " + NameToFile(name, false) + (stored ? " stored " : " refused ") +
          std::to_string(data.size()) + " bytes");
}

} // namespace lw::sim
