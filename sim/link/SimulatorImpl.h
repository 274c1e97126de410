// The simulator's insides, shared by Simulator.cpp (thread, queue, API) and SimControl.cpp
// (the control commands and the calculator-initiated work).
#pragma once
#include "sim/link/SimFaults.h"
#include "sim/link/SimProtocol.h"
#include "sim/link/SimServer.h"
#include "sim/link/SimWire.h"
#include "sim/link/Simulator.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>

namespace lw::sim {

enum class TSimMode { Server, Stopped, Muted, Kermit, Rom, HungUp };
const char* ModeName(TSimMode mode);

// One queued call. The caller and the simulator's thread share it; a caller that gives up
// waiting withdraws it while it is still queued (dropping Fn, which may refer to the caller's
// stack) or, once it runs, waits for it to end. So Fn never runs after its caller returned.
struct TSimRequest {
    enum TState { Queued, Running, Done, Withdrawn };
    std::string Line;                        // a control command, or
    std::function<void(ISimCalculator&)> Fn; // work on the calculator
    std::mutex Lock;
    std::condition_variable Changed;
    TState State = Queued;
    std::string Reply;

    // Simulator thread: false when the caller withdrew the call.
    bool Begin();
    void Finish(std::string reply);
    // Caller: waits for the reply; none when the call was withdrawn after timeoutMs.
    std::optional<std::string> Await(uint32_t timeoutMs);
};

struct TSimulator::TImpl {
    TImpl(TSimConfig config, std::unique_ptr<ISimCalculator> calculator);

    // The clock of the attached line (the real one before attaching).
    IClock& Clock() const { return Wire.Transport() ? Wire.Transport()->LineClock() : RealClock(); }
    // Takes the calculator's end of a cable (before the thread starts); returns the PC's name
    // for it.
    std::string Attach(std::unique_ptr<ISimTransport> transport);

    // Simulator thread.
    void Run();
    void Step();
    void RunJob(const std::string& line);
    void RomStep();
    void Event(const std::string& line);
    void OnHangUp();
    // Serves the queued requests; true (with the reason) when the current wait must end.
    bool ServeQueue(TSimInterrupt::TKind& kind);
    // Queues a request for the simulator's thread and waits for its reply.
    std::optional<std::string> Submit(const std::shared_ptr<TSimRequest>& request,
                                      uint32_t timeoutMs);
    // One control command; may ask for the current wait to end (Interrupt).
    std::string Execute(const std::string& line);
    std::string Status();

    TSimConfig Config;
    std::unique_ptr<ISimCalculator> Calc;
    TSimFaults Faults;
    TStatsBox Stats;
    TSimWire Wire;
    TSimSession Session;
    TServerSettings Settings;
    TSimServer Server;
    TSimMode Mode = TSimMode::Server;
    bool Idle = false;          // waiting for work: calculator-initiated work may start
    bool InJob = false;         // an xsend/xrecv runs (abort ends it)
    std::string Job;            // the work to start next
    bool HaveInterrupt = false; // set by Execute
    TSimInterrupt::TKind Interrupt = TSimInterrupt::Abort;
    bool HangUpReported = false;
    uint32_t KermitSeq = 0;
    std::string RomHeader;
    std::string Path;

    std::thread Thread;
    std::atomic<bool> Running{false}, StopFlag{false};
    std::mutex QueueLock;
    std::deque<std::shared_ptr<TSimRequest>> Queue;

    mutable std::mutex EventLock;
    std::vector<std::string> EventList;
    std::vector<bool> EventTaken;
    std::function<void(const std::string&)> EventSink;
};

} // namespace lw::sim
