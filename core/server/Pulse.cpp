// Running scripts and waiting until the calculator is idle again: the server does not answer
// while a script runs, so the program polls with M and drains the answers.
#include "link/Port.h"
#include "link/TraceLine.h"
#include "link/UiHooks.h"
#include "link/XModemCodec.h"
#include "server/CommandPacket.h"
#include "server/XModemServer.h"

namespace lw {
namespace {

constexpr uint32_t SerialPollInterval = 210;
constexpr uint32_t UsbPollInterval = 170;
// While the busy dialog shows, the user decides how long to wait.
constexpr uint64_t BusyDialogGrace = 1000000;

void WriteAck() {
    WriteComm(CalcPort, std::string(1, static_cast<char>(ACK)));
}

} // namespace

void TXModemServer::Execute(const std::string& script, bool showBusy, bool wait) {
    CheckConnected();
    const TUiHooks& ui = UiHooks();
    ui.Thread->ProcessMessages();
    if (!script.empty()) {
        SendCommand('E');
        SendCommandPacket(script);
    }
    ui.Status->ClearCancel();
    if (showBusy) wait = true;
    if (showBusy && !ui.Status->IsConnectingVisible()) {
        // The script's own busy dialog replaces a notice of a slow wait.
        EndSlowWaitNotice();
        ui.Status->ShowBusy();
        ui.Main->DisableBrowsing();
    }
    try {
        if (wait) Pulse();
    } catch (...) {
        ui.Status->CloseBusy();
        throw;
    }
    ui.Status->CloseBusy();
}

void TXModemServer::Pulse() {
    const uint64_t start = TickCount();
    const bool dialog = UiHooks().Status->IsBusyVisible() && !SlowWaitNoticeShowing();
    const uint64_t base = start + (dialog ? BusyDialogGrace : 0);
    TraceLine("Begin pulse  {");
    if (CalcPort.Traits().PacketReads)
        PulseUsb(base);
    else
        PulseSerial(base);
    TraceLine("}  End pulse");
    SleepMs(LinkTiming.AfterPulse);
}

// One turn of the wait: the next M when it is due, the cancel test and the time limit.
void TXModemServer::PollDue(uint64_t& due, uint32_t interval, uint64_t base) {
    if (TickCount() >= due) {
        due += interval;
        SendCommand('M');
    }
    // Without the busy dialog a long wait puts one up, with its Cancel.
    NoteSlowWait(base);
    CheckCancel();
    const int64_t waited = static_cast<int64_t>(TickCount()) - static_cast<int64_t>(base);
    if (waited > static_cast<int64_t>(LinkTiming.PulseTimeLimit)) SeriousError();
}

void TXModemServer::PulseSerial(uint64_t base) {
    uint64_t due = TickCount();
    ShortTimeouts(CalcPort);
    std::string buf(2, '\0');
    for (bool first = true;; first = false) {
        if (!first) {
            buf.assign(2, '\0');
            ReadComm(CalcPort, buf, ReplyTimeout);
            // An answer begins with its high length byte, always 0 here.
            if (buf != std::string(2, '\0') && buf[0] == '\0') break;
        }
        PollDue(due, SerialPollInterval, base);
    }
    // The rest of the answer (data and checksum), then up to two more answers to polls
    // that were already on their way, each assumed to be as long.
    buf.assign(static_cast<unsigned char>(buf[1]) + 1u, '\0');
    ReadComm(CalcPort, buf, ReplyTimeout);
    WriteAck();
    buf.resize(buf.size() + 2);
    for (int i = 0; i < 2; ++i) {
        buf[1] = '\0';
        ReadComm(CalcPort, buf, ReplyTimeout);
        WriteAck();
    }
    LongTimeouts(CalcPort);
}

void TXModemServer::PulseUsb(uint64_t base) {
    uint64_t due = TickCount();
    CalcPort.NoDataSince = 0;
    for (bool first = true;; first = false) {
        if (!first) {
            SafeRd(CalcPort);
            if (CalcPort.BufCount > 0) break;
        }
        PollDue(due, UsbPollInterval, base);
    }
    std::string buf(2, '\0');
    ReadComm(CalcPort, buf, ReplyTimeout);
    buf.assign(static_cast<unsigned char>(buf[1]) + 1u, '\0');
    ReadComm(CalcPort, buf, ReplyTimeout);
    WriteAck();
    // Whatever else is buffered are answers to earlier polls.
    do {
        SafeRd(CalcPort);
        WriteAck();
    } while (CalcPort.BufCount > 0);
    CalcPort.BufCount = 0;
}

void TXModemServer::CheckCancel() {
    const TUiHooks& ui = UiHooks();
    ui.Thread->ProcessMessages();
    if (ui.Status->IsBusyVisible()) ui.Status->FocusBusy();
    ui.Thread->ProcessMessages();
    if (ui.Status->CancelRequested()) {
        ui.Status->ClearCancel();
        ui.Main->SetConnected(false);
        SeriousError();
    }
}

} // namespace lw
