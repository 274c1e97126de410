// Copying 100 small variables from and to the simulated calculator over a pseudo-terminal at
// 115200 baud with wire-time emulation, against what the protocol itself costs: the fixed
// delays of the timing profile plus the bytes on the wire.
//   bench_copy --benchmark_counters_tabular=true
// Counters (per variable, in ms): measured, budget (fixed delays + wire time), overhead_pct.
#include "support/FakeUi.h"

#include "link/Port.h"
#include "server/CalcState.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "util/Files.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace lw;
constexpr int Count = 100;
constexpr double Baud = 115200;
constexpr uint32_t EnginePause = 100; // the pause after an engine was told to stop

// The completion wait after a transfer: the first poll's answer, then two drain reads that
// each run out their short time-out (100 ms + 1 ms per byte asked for), then AfterPulse.
double PulseFixedMs(size_t answerLength) {
    const double drain = 100.0 + static_cast<double>(answerLength + 1 + 2);
    return 2 * drain + LinkTiming.AfterPulse + LinkTiming.AfterCommandByte;
}

double CommandFixedMs() {
    return LinkTiming.AfterCommandByte + LinkTiming.BeforePacketAck + LinkTiming.AfterPacketAcked;
}

struct TBench {
    test::TFakeUi Ui;
    TCalcState State;
    std::unique_ptr<sim::TSimulator> Sim;
    std::unique_ptr<TXModemServer> Server;
    std::string Folder;
    size_t AnswerLength = 0;

    TBench() {
        Folder = TempFolder() + "bench-copy";
        std::filesystem::create_directories(Folder);
        sim::TSimConfig config;
        config.StartByte = "crc";
        config.Faults = {"throttle auto"};
        Sim =
            std::make_unique<sim::TSimulator>(config, sim::CreateEmptyCalculator(sim::TModel::KB));
        const std::string port = Sim->AttachSerial("");
        Sim->Start();
        Server = std::make_unique<TXModemServer>(State);
        Server->SetSpeed("115200");
        Server->Connect(port);
        Sim->Invoke([&](sim::ISimCalculator& c) { AnswerLength = c.FreeMemoryText().size(); });
        // The variables: small reals, made on the calculator.
        for (int i = 1; i <= Count; ++i)
            Server->Execute(std::to_string(i) + ".25 'V" + std::to_string(i) + "' STO", false,
                            true);
        Server->GetFileList();
        Server->ChangeDir("HOME");
    }
    ~TBench() {
        Server.reset();
        Sim->Stop();
        std::filesystem::remove_all(Folder);
    }
    uint64_t WireBytes() const { return Sim->Stats().BytesSent; }
};

std::string VarName(int i) {
    std::string name = "V";
    return name += std::to_string(i);
}

TBench& Bench() {
    static TBench bench;
    return bench;
}

void Report(benchmark::State& state, double elapsedMs, double fixedMs, uint64_t wireBytes) {
    const double wireMs = static_cast<double>(wireBytes) * 10.0 / Baud * 1000.0;
    const double measured = elapsedMs / Count;
    const double budget = (fixedMs + wireMs) / Count;
    state.counters["measured_ms"] = measured;
    state.counters["budget_ms"] = budget;
    state.counters["fixed_ms"] = fixedMs / Count;
    state.counters["wire_ms"] = wireMs / Count;
    state.counters["overhead_pct"] = (measured - budget) / budget * 100.0;
}

void BM_CopyFromCalc(benchmark::State& state) {
    TBench& b = Bench();
    for (auto _ : state) {
        const uint64_t bytes0 = b.WireBytes();
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 1; i <= Count; ++i) {
            const std::string name = VarName(i);
            if (CopyEntryToFolder(*b.Server, name, 32, 11, b.Folder).empty())
                state.SkipWithError("copy failed");
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        const double fixed = Count * (CommandFixedMs() + LinkTiming.BeforeReceive + EnginePause +
                                      LinkTiming.AfterReceive + PulseFixedMs(b.AnswerLength));
        Report(state, ms, fixed, b.WireBytes() - bytes0);
    }
}

void BM_CopyToCalc(benchmark::State& state) {
    TBench& b = Bench();
    for (auto _ : state) {
        const uint64_t bytes0 = b.WireBytes();
        const auto t0 = std::chrono::steady_clock::now();
        for (int i = 1; i <= Count; ++i) {
            bool all = false;
            const std::string file = b.Folder + "/V" + std::to_string(i) + ".zq";
            if (PutFileToCalc(*b.Server, file, all, 1, false) != TPutOutcome::Sent)
                state.SkipWithError("put failed");
        }
        const double ms =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0)
                .count();
        const double fixed = Count * (CommandFixedMs() + LinkTiming.SendStart + EnginePause +
                                      LinkTiming.AfterSend + PulseFixedMs(b.AnswerLength));
        Report(state, ms, fixed, b.WireBytes() - bytes0);
    }
}

BENCHMARK(BM_CopyFromCalc)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_CopyToCalc)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
