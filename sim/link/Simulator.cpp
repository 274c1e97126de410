// The simulator's thread, its request queue and the public API.
#include "sim/link/SimulatorImpl.h"

#include "sim/link/SimCapture.h"
#include "util/ScopeExit.h"

#include <chrono>
#include <stdexcept>

namespace lw::sim {

namespace {
constexpr size_t MaxEvents = 10000;

// Marks the simulator idle (open for calculator-initiated work) for one wait.
auto IdleFor(bool& flag) {
    flag = true;
    return ScopeExit([&flag] { flag = false; });
}
} // namespace

const char* ModeName(TSimMode mode) {
    switch (mode) {
    case TSimMode::Server:
        return "server";
    case TSimMode::Stopped:
        return "stopped";
    case TSimMode::Muted:
        return "muted";
    case TSimMode::Kermit:
        return "kermit";
    case TSimMode::Rom:
        return "rom";
    case TSimMode::HungUp:
        return "hung-up";
    }
    return "";
}

TSimulator::TImpl::TImpl(TSimConfig config, std::unique_ptr<ISimCalculator> calculator)
    : Config(std::move(config)), Calc(std::move(calculator)),
      Wire(Faults, Stats, Config.Log), Session{Wire, Faults, Stats},
      Server(Session, *Calc, Settings, [this](const std::string& e) { Event(e); }) {
    if (!Calc) throw std::invalid_argument("the simulator needs a calculator");
    if (!ParseStartChoice(Config.StartByte, Settings.StartByte))
        throw std::invalid_argument("start byte must be nak, crc, kermit or random");
    Settings.BusyMs = Config.BusyMs;
    Settings.StartRepeatMs = Config.StartRepeatMs;
    Settings.Random.seed(
        Config.Seed ? Config.Seed
                    : uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    if (Config.Kermit) Mode = TSimMode::Kermit;
    for (const std::string& line : Config.Faults) {
        std::string reply = Execute(line);
        if (reply.rfind("OK", 0) != 0) throw std::invalid_argument(line + ": " + reply);
    }
    HaveInterrupt = false;
    Wire.SetWakeHandler([this](TSimInterrupt::TKind& kind) { return ServeQueue(kind); });
}

void TSimulator::TImpl::Event(const std::string& line) {
    Wire.Log("event: " + line);
    std::function<void(const std::string&)> sink;
    {
        std::lock_guard<std::mutex> lock(EventLock);
        if (EventList.size() >= MaxEvents) { // a long run keeps the recent ones
            EventList.erase(EventList.begin(), EventList.begin() + MaxEvents / 10);
            EventTaken.erase(EventTaken.begin(), EventTaken.begin() + MaxEvents / 10);
        }
        EventList.push_back(line);
        EventTaken.push_back(false);
        sink = EventSink;
    }
    Clock().Change([] {}); // wakes WaitEvent
    if (sink) sink(line);
}

void TSimulator::TImpl::OnHangUp() {
    Mode = TSimMode::HungUp;
    if (!HangUpReported) {
        HangUpReported = true;
        Event("hung up");
    }
}

bool TSimRequest::Begin() {
    std::lock_guard<std::mutex> lock(Lock);
    if (State != Queued) return false;
    State = Running;
    return true;
}

void TSimRequest::Finish(std::string reply) {
    {
        std::lock_guard<std::mutex> lock(Lock);
        Reply = std::move(reply);
        State = Done;
    }
    Changed.notify_all();
}

std::optional<std::string> TSimRequest::Await(uint32_t timeoutMs) {
    std::unique_lock<std::mutex> lock(Lock);
    Changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return State == Done; });
    if (State == Queued) {
        State = Withdrawn;
        Fn = nullptr;
        return std::nullopt;
    }
    // Running: the call may use the caller's state, so its end is awaited without bound.
    Changed.wait(lock, [&] { return State == Done; });
    return Reply;
}

std::optional<std::string> TSimulator::TImpl::Submit(const std::shared_ptr<TSimRequest>& request,
                                                     uint32_t timeoutMs) {
    {
        std::lock_guard<std::mutex> lock(QueueLock);
        Queue.push_back(request);
    }
    Wire.Wake();
    return request->Await(timeoutMs);
}

bool TSimulator::TImpl::ServeQueue(TSimInterrupt::TKind& kind) {
    for (;;) {
        std::shared_ptr<TSimRequest> request;
        {
            std::lock_guard<std::mutex> lock(QueueLock);
            if (Queue.empty()) break;
            request = Queue.front();
            Queue.pop_front();
        }
        if (!request->Begin()) continue;
        if (request->Fn) {
            request->Fn(*Calc);
            request->Finish("OK");
        } else {
            request->Finish(Execute(request->Line));
        }
    }
    if (StopFlag) {
        kind = TSimInterrupt::Stop;
        return true;
    }
    if (HaveInterrupt) {
        HaveInterrupt = false;
        kind = Interrupt;
        return true;
    }
    return false;
}

void TSimulator::TImpl::Run() {
    while (!StopFlag) {
        try {
            Step();
        } catch (const TSimInterrupt& i) {
            if (i.Kind == TSimInterrupt::Stop) break;
            if (i.Kind == TSimInterrupt::HangUp) OnHangUp();
        } catch (const std::exception& e) {
            Event(std::string("error: ") + e.what());
        }
    }
}

void TSimulator::TImpl::Step() {
    if (!Job.empty()) {
        std::string job = std::move(Job);
        Job.clear();
        InJob = true;
        try {
            RunJob(job);
        } catch (const TSimInterrupt& i) {
            InJob = false;
            if (i.Kind != TSimInterrupt::Abort) throw;
            Event(job.substr(0, job.find(' ')) + " aborted");
        }
        InJob = false;
        return;
    }
    if (!Wire.IsUp()) {
        if (Wire.Transport()) OnHangUp();
        const auto idle = IdleFor(Idle);
        Wire.Pause(100);
        return;
    }
    switch (Mode) {
    case TSimMode::Server: {
        if (Server.Busy()) {
            Server.WhileBusy();
            return;
        }
        int b;
        {
            const auto idle = IdleFor(Idle);
            b = Wire.ReadByte(100);
        }
        if (b >= 0) Server.OnCommand(uint8_t(b));
        if (Server.TakeQuit()) Mode = TSimMode::Stopped;
        if (Server.Busy()) return;
        Server.WhileBusy(); // a pending object with no busy time left
        return;
    }
    case TSimMode::Stopped:
    case TSimMode::Muted: {
        const auto idle = IdleFor(Idle);
        Wire.Discard(100); // heard, not answered
        return;
    }
    case TSimMode::Kermit: {
        if (Wire.PcHasOpen()) {
            Wire.Write(KermitIdlePacket(KermitSeq++));
            Stats.Update([](TSimStats& s) { ++s.KermitPackets; });
        } else {
            Stats.Update([](TSimStats& s) { ++s.KermitPacketsHeld; });
        }
        const auto idle = IdleFor(Idle);
        Wire.Discard(50);
        return;
    }
    case TSimMode::Rom:
        RomStep();
        return;
    case TSimMode::HungUp: {
        const auto idle = IdleFor(Idle);
        Wire.Pause(100);
        return;
    }
    }
}

TSimulator::TSimulator(TSimConfig config, std::unique_ptr<ISimCalculator> calculator)
    : Impl(std::make_unique<TImpl>(std::move(config), std::move(calculator))) {}

TSimulator::~TSimulator() {
    Stop();
}

std::string TSimulator::TImpl::Attach(std::unique_ptr<ISimTransport> transport) {
    if (Running) throw std::logic_error("attach before Start()");
    Wire.Attach(std::move(transport));
    Path = Wire.Transport()->PcPath();
    HangUpReported = false;
    if (Mode == TSimMode::HungUp) Mode = TSimMode::Server;
    return Path;
}

std::string TSimulator::AttachSerial(const std::string& linkPath) {
    if (Impl->Running) throw std::logic_error("attach before Start()");
    return Impl->Attach(CreatePtyTransport(linkPath));
}

std::string TSimulator::AttachUsb(const std::string& root, const std::string& suffix) {
    if (Impl->Running) throw std::logic_error("attach before Start()");
    return Impl->Attach(CreateFifoTransport(root, suffix));
}

std::string TSimulator::AttachCom(const std::string& port) {
    if (Impl->Running) throw std::logic_error("attach before Start()");
    return Impl->Attach(CreateComTransport(port));
}

std::string TSimulator::AttachMemory(TMemoryLink& link) {
    return Impl->Attach(CreateMemoryTransport(link));
}

void TSimulator::Start() {
    if (Impl->Running) return;
    Impl->StopFlag = false;
    Impl->Running = true;
    // On a simulated clock the simulator's thread holds the time while it works.
    IClock* clock = &Impl->Clock();
    clock->AddParty();
    Impl->Thread = std::thread([this, clock] {
        TClockParty party(*clock, true);
        Impl->Run();
    });
}

void TSimulator::Stop() {
    if (Impl->Running) {
        Impl->StopFlag = true;
        Impl->Wire.Wake();
        Impl->Thread.join();
        Impl->Running = false;
    }
    std::deque<std::shared_ptr<TSimRequest>> left;
    {
        std::lock_guard<std::mutex> lock(Impl->QueueLock);
        left.swap(Impl->Queue);
    }
    for (auto& r : left)
        if (r->Begin()) r->Finish("ERROR: stopped");
    Impl->Wire.HangUp();
}

std::string TSimulator::Control(const std::string& line, uint32_t timeoutMs) {
    if (!Impl->Running) {
        std::string reply = Impl->Execute(line);
        Impl->HaveInterrupt = false;
        return reply;
    }
    auto request = std::make_shared<TSimRequest>();
    request->Line = line;
    return Impl->Submit(request, timeoutMs).value_or("ERROR: no reply");
}

bool TSimulator::Invoke(std::function<void(ISimCalculator&)> fn, uint32_t timeoutMs) {
    if (!Impl->Running) {
        fn(*Impl->Calc);
        return true;
    }
    auto request = std::make_shared<TSimRequest>();
    request->Fn = std::move(fn);
    return Impl->Submit(request, timeoutMs) == "OK";
}

void TSimulator::SetEventSink(std::function<void(const std::string&)> sink) {
    std::lock_guard<std::mutex> lock(Impl->EventLock);
    Impl->EventSink = std::move(sink);
}

std::vector<std::string> TSimulator::Events() const {
    std::lock_guard<std::mutex> lock(Impl->EventLock);
    return Impl->EventList;
}

std::string TSimulator::WaitEvent(const std::string& prefix, uint32_t timeoutMs) {
    std::string found;
    auto match = [&] {
        std::lock_guard<std::mutex> lock(Impl->EventLock);
        for (size_t i = 0; i < Impl->EventList.size(); ++i)
            if (!Impl->EventTaken[i] && Impl->EventList[i].rfind(prefix, 0) == 0) {
                Impl->EventTaken[i] = true;
                found = Impl->EventList[i];
                return true;
            }
        return false;
    };
    // On the line's clock: on simulated time the waiting caller lets the time move on.
    IClock& clock = Impl->Clock();
    clock.WaitUntil(clock.Now() + std::chrono::milliseconds(timeoutMs), match);
    return found;
}

TSimStats TSimulator::Stats() const {
    return Impl->Stats.Get();
}

std::string TSimulator::PcPath() const {
    return Impl->Path;
}

} // namespace lw::sim
