// The simulated calculator as a library: the calculator's end of a serial line (pseudo-
// terminal) or of the USB pipes, its XModem server, the work it starts itself (XSEND, XRECV,
// screen captures, ROM loading, the Kermit server) and misbehaviour on demand.
//
// Typical use (tests, the demo):
//     TSimulator sim(TSimConfig{}, CreateSampleCalculator(TModel::KB));
//     std::string port = sim.AttachSerial("");   // or AttachUsb(root, "")
//     sim.Start();                               // serves on a thread of its own
//     ... the PC opens `port` and talks to the calculator ...
//     sim.Control("xsend X");                    // calculator-side work and faults
//     sim.Stop();                                // bounded; also done by the destructor
//
// Control commands (one line each; names in the display form, backslash escapes):
//   status                     mode, transport, PC-side path, whether the PC has it open,
//                              the line speed the PC set
//   server                     (re)start the XModem server (after Q, a stopping script,
//                              mute, kermit or rom)
//   kermit                     answer as the Kermit server: an idle packet (0x01 ...) every
//                              50 ms while the PC has the port open, no XModem answers
//   mute / unmute              stop / resume answering (input is read and dropped)
//   hangup                     close the calculator's end (pty or FIFOs, folder removed)
//   xsend NAME                 send variable NAME by XModem (waits for the PC's start byte)
//   xrecv NAME [nak|crc|kermit|random]
//                              receive by XModem into variable NAME with that start byte
//   capture band|w|g|header|planes2|oversize
//                              send a screen capture in that layout
//   rom                        ROM-loading mode (USB only): 4-byte little-endian length, image
//   abort                      end the running xsend/xrecv
//   start-byte nak|crc|kermit|random   start byte of the server's receive (P) transfers
//   busy-ms MS                 every script keeps the calculator busy at least MS
//   flag N on|off              set or clear calculator flag N (e.g. -36)
//   drop-byte N | corrupt-byte N | delay-byte N MS     the n-th next byte sent
//   drop-block N | corrupt-block N | delay-block N MS  the n-th next XModem block sent
//   nak N                      NAK the next N good packets and blocks
//   cancel                     send CAN instead of the next block or block reply
//   zero-before-ack N          send 0x00 before each of the next N packet ACKs
//   bad-checksum               the next packet sent carries a wrong checksum
//   split N                    write in pieces of N bytes (0 = off)
//   throttle BAUD|auto         emulate wire time, ~10 bits per byte (0 = off; auto = the
//                              speed the PC set)
//   clear-faults               disarm every fault
// Replies begin with "OK" or "ERROR:". Work that takes time (xsend, xrecv, capture, rom)
// replies at once and reports its end as an event.
#pragma once
#include "sim/calc/SimCalculator.h"
#include "sim/link/SimStats.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lw {
class TMemoryLink;
}

namespace lw::sim {

struct TSimConfig {
    // Start byte of the server's receive transfers: "nak", "crc", "kermit" or "random".
    std::string StartByte = "random";
    uint32_t Seed = 0;   // for "random" (0: from the clock)
    uint32_t BusyMs = 0; // every script keeps the calculator busy at least this long
    bool Kermit = false; // start as the Kermit server instead of the XModem server
    // Control lines applied before the start (faults, "throttle 9600", "split 7" ...).
    std::vector<std::string> Faults;
    // Exchange log (verbose); empty: no log.
    std::function<void(const std::string&)> Log;
    // Test hooks: how often the start byte is repeated, how long XSEND/XRECV wait for the PC.
    uint32_t StartRepeatMs = 1000;
    uint32_t ManualWaitMs = 60000;
};

class TSimulator {
public:
    TSimulator(TSimConfig config, std::unique_ptr<ISimCalculator> calculator);
    ~TSimulator(); // Stop()
    TSimulator(const TSimulator&) = delete;
    TSimulator& operator=(const TSimulator&) = delete;

    // Creates a pseudo-terminal pair and takes the calculator's end; returns the PC's path
    // (linkPath when given: a symlink is made there). Before Start(). Throws
    // std::runtime_error on failure.
    std::string AttachSerial(const std::string& linkPath = "");
    // Creates <root>/ZQlink<suffix>/PIPE0 and PIPE1 and takes the calculator's end; returns
    // the device folder. Before Start(). Throws std::runtime_error on failure.
    std::string AttachUsb(const std::string& root, const std::string& suffix = "");
    // Windows: takes the COM port `port` (one end of a null-modem pair); returns its name.
    // Before Start(). Throws std::runtime_error on failure, and on POSIX.
    std::string AttachCom(const std::string& port);

    // Takes the far end of an in-memory link in this process (which must outlive the
    // simulator); returns the name the PC opens. Before Start(). On a simulated clock the
    // simulator's thread is a party of that clock.
    std::string AttachMemory(TMemoryLink& link);

    // Starts serving on the simulator's own thread.
    void Start();
    // Stops the thread and joins it (within a fraction of a second), and hangs up.
    void Stop();

    // Runs a control command on the simulator's thread and returns its reply (waits at most
    // timeoutMs for it to start; "ERROR: no reply" after that, and the command is dropped).
    // Before Start() and after Stop() the command runs on the calling thread.
    std::string Control(const std::string& line, uint32_t timeoutMs = 5000);
    // Runs fn with the calculator on the simulator's thread, between exchanges of bytes.
    // False when it did not start within timeoutMs: it is then dropped and never runs, so fn
    // may refer to the caller's stack. Once started, it is awaited to its end.
    bool Invoke(std::function<void(ISimCalculator&)> fn, uint32_t timeoutMs = 5000);

    // Events: one line each ("put X stored 48 bytes", "xsend X done", "rom received 1000
    // bytes", "hung up" ...). The sink, when set, is called on the simulator's thread and
    // must not call Control or Invoke (they would wait for that very thread).
    void SetEventSink(std::function<void(const std::string&)> sink);
    std::vector<std::string> Events() const;
    // Waits for an event beginning with prefix that no earlier WaitEvent took; returns it
    // ("" after timeoutMs).
    std::string WaitEvent(const std::string& prefix, uint32_t timeoutMs);

    TSimStats Stats() const;
    // The PC-side path of the attached transport ("" before attaching).
    std::string PcPath() const;

    // The text of the control commands (as above), for --help and the "help" command.
    static std::string HelpText();

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl;
};

} // namespace lw::sim
