// What a sync that finds nothing to do costs: 50 variables of about 200 bytes each, in sync
// with a PC folder, over a pseudo-terminal at 115200 baud with the simulated calculator
// emulating the wire time; trusting the listed sizes, and fetching every variable to compare.
//   bench_sync --benchmark_counters_tabular=true
// Counters: seconds per sync, variables fetched, and the bytes the calculator sent.
#include "support/FakeUi.h"
#include "support/ObjectBuilder.h"

#include "server/CalcState.h"
#include "server/XModemServer.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "sync/SyncPlan.h"
#include "util/Files.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>

namespace {

using namespace lw;

constexpr int VariableCount = 50;

struct TSyncBench {
    test::TFakeUi Ui;
    TCalcState State;
    std::unique_ptr<sim::TSimulator> Sim;
    std::unique_ptr<TXModemServer> Server;
    std::string Folder = TempFolder() + "bench-sync";

    TSyncBench() {
        std::filesystem::remove_all(Folder);
        std::filesystem::create_directories(Folder);
        sim::TSimConfig config;
        config.StartByte = "crc";
        config.Faults = {"throttle auto"};
        auto calc = sim::CreateEmptyCalculator(sim::TModel::KB);
        for (int i = 0; i < VariableCount; ++i) {
            const std::string text(200, char('a' + i % 26));
            calc->PutVariable("V" + std::to_string(i),
                              calc->ObjectFileHeader() + PackNibbles(test::StringObj(text)));
        }
        Sim = std::make_unique<sim::TSimulator>(config, std::move(calc));
        const std::string port = Sim->AttachSerial("");
        Sim->Start();
        Server = std::make_unique<TXModemServer>(State);
        Server->SetSpeed("115200");
        Server->Connect(port);
        Sync(false); // the first sync fetches everything; the runs measured find nothing to do
    }
    ~TSyncBench() {
        Server.reset();
        Sim->Stop();
        std::filesystem::remove_all(Folder);
    }
    // One sync as linkwell-cli makes it: the listing, the plan, the run. Returns the fetches.
    int Sync(bool trustSizes) {
        Server->GetFileList();
        TSyncPlan plan = MakeSyncPlan(*Server, {.PcDir = Folder, .TrustSizes = trustSizes});
        const TSyncRunReport report = RunSyncPlan(*Server, plan);
        if (report.Failed) throw std::runtime_error(report.Failure);
        if (!plan.InSync() && report.Done == 0) throw std::runtime_error("not in sync");
        return plan.Fetched;
    }
};

void BM_NoChangeSync(benchmark::State& state) {
    const bool trust = state.range(0) != 0;
    TSyncBench b;
    state.SetLabel(trust ? "--trust-sizes" : "fetch to compare");
    for (auto _ : state) {
        const uint64_t bytes0 = b.Sim->Stats().BytesSent;
        const auto t0 = std::chrono::steady_clock::now();
        int fetched = 0;
        try {
            fetched = b.Sync(trust);
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
        }
        state.counters["seconds"] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.counters["fetched"] = fetched;
        state.counters["calc_bytes"] = static_cast<double>(b.Sim->Stats().BytesSent - bytes0);
    }
}
BENCHMARK(BM_NoChangeSync)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
