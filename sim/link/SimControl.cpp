// The control commands and the work the calculator starts itself.
#include "sim/link/SimCapture.h"
#include "sim/link/SimulatorImpl.h"

#include "link/CalcNames.h"
#include "link/XModemCodec.h"

#include <algorithm>
#include <iterator>
#include <sstream>

namespace lw::sim {
namespace {

std::vector<std::string> SplitWords(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    return w;
}

bool ToInt(const std::string& text, long& value) {
    try {
        size_t used = 0;
        value = std::stol(text, &used);
        return used == text.size();
    } catch (...) {
        return false;
    }
}

constexpr uint32_t MaxRomLength = 64u << 20;

} // namespace

std::string TSimulator::HelpText() {
    return "Control commands (one per line; names in the display form):\n"
           "  status                      mode, transport, PC-side path, PC open or not, its "
           "speed\n"
           "  server                      (re)start the XModem server\n"
           "  kermit                      answer as the Kermit server instead\n"
           "  mute | unmute               stop / resume answering\n"
           "  hangup                      close the calculator's end of the line\n"
           "  xsend NAME                  send variable NAME by XModem\n"
           "  xrecv NAME [nak|crc|kermit|random]\n"
           "                              receive into variable NAME with that start byte\n"
           "  capture band|w|g|header|planes2|oversize\n"
           "                              send a screen capture in that layout\n"
           "  rom                         ROM-loading mode (USB only)\n"
           "  abort                       end the running xsend/xrecv\n"
           "  start-byte nak|crc|kermit|random\n"
           "                              start byte of the server's receive transfers\n"
           "  busy-ms MS                  every script keeps the calculator busy >= MS\n"
           "  flag N on|off               set or clear calculator flag N\n"
           "  drop-byte N | corrupt-byte N | delay-byte N MS\n"
           "                              the n-th next byte sent\n"
           "  drop-block N | corrupt-block N | delay-block N MS\n"
           "                              the n-th next XModem block sent\n"
           "  nak N                       NAK the next N good packets and blocks\n"
           "  cancel                      CAN instead of the next block or block reply\n"
           "  zero-before-ack N           0x00 before each of the next N packet ACKs\n"
           "  bad-checksum                wrong checksum on the next packet sent\n"
           "  split N                     write in pieces of N bytes (0 = off)\n"
           "  throttle BAUD|auto          emulate wire time (0 = off; auto = PC's speed)\n"
           "  clear-faults                disarm every fault\n"
           "  help                        this text\n";
}

std::string TSimulator::TImpl::Status() {
    std::string s = std::string("OK mode=") + ModeName(Mode);
    if (Server.Busy()) s += " busy";
    if (InJob) s += " working";
    s += std::string(" transport=") + (!Wire.Transport()           ? "none"
                                       : Wire.Transport()->IsUsb() ? "usb"
                                                                   : "serial");
    s += " path=" + (Path.empty() ? std::string("-") : Path);
    s += std::string(" pc=") + (Wire.PcHasOpen() ? "open" : "closed");
    if (Wire.IsUp()) s += " baud=" + std::to_string(Wire.Transport()->PcBaud());
    s += std::string(" start-byte=") + StartChoiceName(Settings.StartByte);
    s += " busy-ms=" + std::to_string(Settings.BusyMs);
    return s;
}

std::string TSimulator::TImpl::Execute(const std::string& line) {
    std::vector<std::string> w = SplitWords(line);
    if (w.empty()) return "OK";
    const std::string& cmd = w[0];
    auto interrupt = [&](TSimInterrupt::TKind kind) {
        HaveInterrupt = true;
        Interrupt = kind;
    };

    if (cmd == "help") return "OK\n" + TSimulator::HelpText();
    if (cmd == "status") return Status();
    std::string fault = ApplyFaultCommand(line, Faults, Wire.BytesOut(), Session.BlocksOut);
    if (!fault.empty()) return fault;

    if (cmd == "hangup") {
        if (!Wire.IsUp()) return "ERROR: not attached";
        Wire.HangUp();
        interrupt(TSimInterrupt::HangUp);
        return "OK hangup";
    }
    if (cmd == "abort") {
        if (!Job.empty()) {
            Event(Job.substr(0, Job.find(' ')) + " aborted");
            Job.clear();
            return "OK abort";
        }
        if (!InJob) return "ERROR: nothing to abort";
        interrupt(TSimInterrupt::Abort);
        return "OK abort";
    }
    if (cmd == "start-byte") {
        if (w.size() != 2 || !ParseStartChoice(w[1], Settings.StartByte))
            return "ERROR: usage: start-byte nak|crc|kermit|random";
        return "OK start-byte " + w[1];
    }
    if (cmd == "busy-ms") {
        long ms;
        if (w.size() != 2 || !ToInt(w[1], ms) || ms < 0 || ms > 600000)
            return "ERROR: usage: busy-ms MS";
        Settings.BusyMs = uint32_t(ms);
        return "OK busy-ms " + w[1];
    }
    if (cmd == "flag") {
        long n;
        if (w.size() != 3 || !ToInt(w[1], n) || (w[2] != "on" && w[2] != "off"))
            return "ERROR: usage: flag N on|off";
        Calc->SetFlag(int(n), w[2] == "on");
        return "OK flag " + w[1] + " " + w[2];
    }

    static const char* const lineCommands[] = {"server", "unmute", "mute",  "kermit",
                                               "rom",    "xsend",  "xrecv", "capture"};
    if (std::find(std::begin(lineCommands), std::end(lineCommands), cmd) == std::end(lineCommands))
        return "ERROR: unknown command " + cmd + " (try help)";
    if (Mode == TSimMode::HungUp || !Wire.IsUp()) return "ERROR: hung up";
    if (cmd == "server" || cmd == "unmute" || cmd == "mute" || cmd == "kermit") {
        Mode = cmd == "mute"     ? TSimMode::Muted
               : cmd == "kermit" ? TSimMode::Kermit
                                 : TSimMode::Server;
        RomHeader.clear();
        if (Idle) interrupt(TSimInterrupt::Reconsider); // the new mode takes the next byte
        return "OK " + cmd;
    }
    if (cmd == "rom") {
        if (!Wire.Transport()->IsUsb()) return "ERROR: ROM loading needs the USB pipes";
        if (!Idle) return "ERROR: busy";
        Mode = TSimMode::Rom;
        RomHeader.clear();
        interrupt(TSimInterrupt::Reconsider);
        return "OK rom";
    }
    if (cmd == "xsend" || cmd == "xrecv" || cmd == "capture") {
        if (w.size() < 2 || w.size() > 3 || (w.size() == 3 && cmd != "xrecv"))
            return "ERROR: usage: " + cmd +
                   (cmd == "capture" ? " band|w|g|header|planes2|oversize"
                    : cmd == "xsend" ? " NAME"
                                     : " NAME [nak|crc|kermit|random]");
        TCaptureLayout layout;
        TStartChoice choice;
        std::string file;
        if (cmd == "capture" && !ParseCaptureLayout(w[1], layout))
            return "ERROR: unknown layout " + w[1];
        if (cmd == "xrecv" && w.size() == 3 && !ParseStartChoice(w[2], choice))
            return "ERROR: unknown start byte " + w[2];
        if (cmd == "xsend" && !Calc->GetVariable(FileToName(w[1], false), file))
            return "ERROR: no variable " + w[1];
        if (!Idle || !Job.empty() || Mode == TSimMode::Kermit || Mode == TSimMode::Rom)
            return "ERROR: busy";
        Job = line;
        interrupt(TSimInterrupt::Reconsider);
        return "OK " + cmd + " started";
    }
    return "ERROR: unknown command " + cmd + " (try help)";
}

void TSimulator::TImpl::RunJob(const std::string& line) {
    std::vector<std::string> w = SplitWords(line);
    const std::string& cmd = w[0];
    std::string why;
    if (cmd == "capture") {
        TCaptureLayout layout{};
        ParseCaptureLayout(w[1], layout);
        std::string stream = CaptureStream(layout, Calc->ScreenRows());
        Wire.Write(stream);
        Event("capture " + w[1] + " sent " + std::to_string(stream.size()) + " bytes");
    } else if (cmd == "xsend") {
        std::string file;
        if (!Calc->GetVariable(FileToName(w[1], false), file)) {
            Event("xsend " + w[1] + " failed: no such variable");
            return;
        }
        if (XModemSend(Session, file, -1, Config.ManualWaitMs, why))
            Event("xsend " + w[1] + " done " + std::to_string(file.size()) + " bytes");
        else
            Event("xsend " + w[1] + " failed: " + why);
    } else if (cmd == "xrecv") {
        TStartChoice saved = Settings.StartByte;
        if (w.size() == 3) ParseStartChoice(w[2], Settings.StartByte);
        uint8_t start = Settings.ChooseStartByte();
        Settings.StartByte = saved;
        std::string data;
        if (!XModemReceive(Session, start, Settings.StartRepeatMs, Config.ManualWaitMs, data,
                           why)) {
            Event("xrecv " + w[1] + " failed: " + why);
            return;
        }
        bool stored = Calc->PutVariable(FileToName(w[1], false), data);
        Event("xrecv " + w[1] + (stored ? " stored " : " refused ") + std::to_string(data.size()) +
              " bytes");
    }
}

void TSimulator::TImpl::RomStep() {
    if (RomHeader.size() < 4) {
        RomHeader += Wire.Read(4 - RomHeader.size(), 100);
        if (RomHeader.size() < 4) return;
    }
    uint32_t length = 0;
    for (int i = 3; i >= 0; --i) length = length * 256 + uint8_t(RomHeader[size_t(i)]);
    RomHeader.clear();
    Stats.Update([&](TSimStats& s) {
        s.RomLength = length;
        s.RomImage.clear();
        s.RomComplete = false;
    });
    Mode = TSimMode::Stopped; // the calculator restarts after loading, without its server
    if (length == 0 || length > MaxRomLength) {
        Event("rom bad length " + std::to_string(length));
        return;
    }
    Event("rom loading " + std::to_string(length) + " bytes");
    std::string image;
    while (image.size() < length) {
        size_t want = std::min<size_t>(65536, length - image.size());
        std::string piece = Wire.Read(want, 3000); // short only when the stream paused
        image += piece;
        if (piece.size() < want) break;
    }
    bool extra = image.size() == length && !Wire.Read(1, 300).empty();
    bool ok = image.size() == length && !extra;
    size_t got = image.size();
    Stats.Update([&](TSimStats& s) {
        s.RomImage = std::move(image);
        s.RomComplete = ok;
    });
    if (ok)
        Event("rom received " + std::to_string(length) + " bytes");
    else if (extra)
        Event("rom too long: more than " + std::to_string(length) + " bytes");
    else
        Event("rom short: " + std::to_string(got) + " of " + std::to_string(length) + " bytes");
}

} // namespace lw::sim
