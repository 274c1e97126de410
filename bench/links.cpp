// What a person waits for, per link: copying a 10 KB and a 100 KB variable from the calculator
// and backing up the whole sample memory, over a pseudo-terminal at 9600 and 115200 baud with
// the simulated calculator emulating the wire time, and over the USB pipes (no wire-time
// emulation there: the figures show the protocol's own delays).
//   bench_links --benchmark_counters_tabular=true
// Counters: seconds per operation, and the bytes the calculator sent.
#include "support/FakeUi.h"
#include "support/ObjectBuilder.h"

#include "server/CalcState.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "util/Files.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <exception>
#include <filesystem>

namespace {

using namespace lw;

enum TLink { Serial9600, Serial115200, Usb };

const char* LinkName(int link) {
    switch (link) {
    case Serial9600:
        return "serial 9600";
    case Serial115200:
        return "serial 115200";
    default:
        return "USB";
    }
}

struct TLinkBench {
    test::TFakeUi Ui;
    TCalcState State;
    std::unique_ptr<sim::TSimulator> Sim;
    std::unique_ptr<TXModemServer> Server;
    std::string Folder;

    explicit TLinkBench(int link) {
        Folder = TempFolder() + "bench-links";
        // The archive program the backup sends: the build tree's copy beside bench/.
        SetCalcFilesFolder(ProgramFolder() + "/..");
        std::filesystem::create_directories(Folder);
        sim::TSimConfig config;
        config.StartByte = "crc";
        if (link != Usb) config.Faults = {"throttle auto"};
        auto calc = sim::CreateSampleCalculator(sim::TModel::KB);
        for (const int kb : {10, 100}) {
            const std::string text(static_cast<size_t>(kb) * 1024 - 5, 'x');
            calc->PutVariable("S" + std::to_string(kb) + "K",
                              calc->ObjectFileHeader() + PackNibbles(test::StringObj(text)));
        }
        Sim = std::make_unique<sim::TSimulator>(config, std::move(calc));
        std::string port = "USB Calculator";
        if (link == Usb) {
            std::filesystem::create_directories(Folder + "/usb");
            ::setenv("LINKWELL_USB_ROOT", (Folder + "/usb").c_str(), 1);
            Sim->AttachUsb(Folder + "/usb", "");
        } else {
            port = Sim->AttachSerial("");
        }
        Sim->Start();
        Server = std::make_unique<TXModemServer>(State);
        Server->SetSpeed(link == Serial9600 ? "9600" : "115200");
        Server->Connect(port);
        Server->GetFileList();
        Server->ChangeDir("HOME");
    }
    ~TLinkBench() {
        Server.reset();
        Sim->Stop();
        std::filesystem::remove_all(Folder);
    }
};

template <class TOp> void Measure(benchmark::State& state, TOp op) {
    const int link = static_cast<int>(state.range(0));
    TLinkBench b(link);
    state.SetLabel(LinkName(link));
    for (auto _ : state) {
        const uint64_t bytes0 = b.Sim->Stats().BytesSent;
        const auto t0 = std::chrono::steady_clock::now();
        try {
            if (!op(b)) state.SkipWithError("operation failed");
        } catch (const std::exception& e) {
            state.SkipWithError(e.what());
        }
        state.counters["seconds"] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        state.counters["calc_bytes"] = static_cast<double>(b.Sim->Stats().BytesSent - bytes0);
    }
}

void BM_Get10KB(benchmark::State& state) {
    Measure(state, [](TLinkBench& b) {
        return !CopyEntryToFolder(*b.Server, "S10K", 12, 10 * 1024, b.Folder).empty();
    });
}
void BM_Get100KB(benchmark::State& state) {
    Measure(state, [](TLinkBench& b) {
        return !CopyEntryToFolder(*b.Server, "S100K", 12, 100 * 1024, b.Folder).empty();
    });
}
void BM_Backup(benchmark::State& state) {
    Measure(state,
            [](TLinkBench& b) { return BackupToFile(*b.Server, b.Folder + "/all.zqbackup"); });
}

#define LW_LINKS(bm)                                                                               \
    BENCHMARK(bm)                                                                                  \
        ->Arg(Serial9600)                                                                          \
        ->Arg(Serial115200)                                                                        \
        ->Arg(Usb)                                                                                 \
        ->Iterations(1)                                                                            \
        ->Unit(benchmark::kSecond)                                                                 \
        ->UseRealTime()
LW_LINKS(BM_Get10KB);
LW_LINKS(BM_Get100KB);
LW_LINKS(BM_Backup);

} // namespace

BENCHMARK_MAIN();
