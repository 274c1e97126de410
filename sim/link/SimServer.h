// The calculator's XModem server: the command bytes V E G P l M Q, answered through the
// calculator model, with the busy time of running scripts.
#pragma once
#include "sim/calc/SimCalculator.h"
#include "sim/link/SimProtocol.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace lw::sim {

// How the calculator picks the start byte of a transfer it receives.
enum class TStartChoice { Nak, Crc, Kermit, Random };
// By name: nak, crc, kermit, random.
bool ParseStartChoice(const std::string& name, TStartChoice& choice);
const char* StartChoiceName(TStartChoice choice);

struct TServerSettings {
    TStartChoice StartByte = TStartChoice::Random;
    uint32_t BusyMs = 0;           // every script keeps the calculator busy at least this long
    uint32_t StartRepeatMs = 1000; // start byte repeated this often until the first block
    std::mt19937 Random{12345};
    uint8_t ChooseStartByte(); // NAK, 'C' or 'D'
};

class TSimServer {
public:
    using TEvent = std::function<void(const std::string&)>;
    TSimServer(TSimSession& session, ISimCalculator& calc, TServerSettings& settings, TEvent event);

    // Serves one command byte taken while idle.
    void OnCommand(uint8_t cmd);
    // True while a script runs (the server does not answer then).
    bool Busy() const;
    // One slice (at most ~100 ms) of the busy time: input is dropped, except the PC's start
    // byte when the script left an object to send; once the time is over, sends that object.
    void WhileBusy();
    // True once (and then false) after Q or a script that stops the server.
    bool TakeQuit();

private:
    void Identify();
    void Execute();
    void Get();
    void Put();

    TSimSession& S;
    ISimCalculator& Calc;
    TServerSettings& Settings;
    TEvent Event;
    std::chrono::steady_clock::time_point BusyUntil{};
    bool HasPending = false; // an object to send once the script's time is over
    std::string Pending;
    int PendingStart = -1; // the PC's start byte seen meanwhile
    bool Quit = false;
};

} // namespace lw::sim
