// Binary transfers of 256 KiB each way over a pseudo-terminal, as fast as the link goes and
// with the peer emulating a 115200 baud wire (86.8 us per byte). Efficiency is payload bytes
// over what the wire could carry in the elapsed time (11520 bytes/s); the 1K-block ceiling
// in checksum mode is 1024 / (1028 + 1) = 99.5 %.
#include "link/Engines.h"
#include "link/Port.h"
#include "support/FakeUi.h"
#include "support/PeerLink.h"
#include "support/XModemPeer.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

using namespace lw;
using namespace lw::test;

constexpr size_t PayloadBytes = 256 * 1024;
constexpr double WireBytesPerSecond = 11520.0;
constexpr double UsPerByteAt115200 = 1e6 / WireBytesPerSecond;

std::string Payload() {
    std::string s(PayloadBytes, '\0');
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>((i * 31 + 7) & 0xFF);
    return s;
}

// The owner's pattern around one engine; returns the seconds from creation to the end of the
// modal wait.
template <class TMake> double RunEngine(TFakeUi& ui, TMake make, bool& ok) {
    const uint64_t start = PeerNowUs();
    auto engine = make([](const std::string& m, TStatusKind k, int p, int x, int e) {
        UiHooks().Progress->Progress(m, k, p, x, e);
    });
    ui.Progress.ShowProgress("bench", false);
    const double seconds = double(PeerNowUs() - start) / 1e6;
    engine->Terminate();
    engine->WaitFor();
    ok = engine->Done();
    return seconds;
}

void Report(benchmark::State& state, double seconds, bool ok) {
    state.SetIterationTime(seconds);
    state.counters["bytes_per_s"] = double(PayloadBytes) / seconds;
    state.counters["efficiency_pct"] =
        100.0 * double(PayloadBytes) / (seconds * WireBytesPerSecond);
    if (!ok) state.SkipWithError("transfer failed");
}

void BM_ReceiveFromCalculator(benchmark::State& state) {
    const bool throttled = state.range(0) != 0;
    const std::string data = Payload();
    for (auto _ : state) {
        TFakeUi ui;
        TPtyPeer peer;
        peer.UsPerByte = throttled ? UsPerByteAt115200 : 0;
        OpenPort(peer.PortName(), 115200);
        bool sent = false;
        std::thread script([&] { sent = PeerSendObject(peer, data, 1024).Ok; });
        bool ok = false;
        const double seconds = RunEngine(
            ui,
            [&](TTransferStatusEvent ev) {
                return std::make_unique<TYModemRX>("", false, int32_t(PayloadBytes), ev);
            },
            ok);
        script.join();
        ClosePorts(CalcPort);
        Report(state, seconds, ok && sent);
    }
}

void BM_SendToCalculator(benchmark::State& state) {
    const bool throttled = state.range(0) != 0;
    const std::string data = Payload();
    const std::string file = "/tmp/lw-bench-send-" + std::to_string(::getpid());
    std::ofstream(file, std::ios::binary) << data;
    for (auto _ : state) {
        TFakeUi ui;
        TPtyPeer peer;
        peer.UsPerByte = throttled ? UsPerByteAt115200 : 0;
        OpenPort(peer.PortName(), 115200);
        TPeerReceiveResult got;
        std::thread script([&] { got = PeerReceiveObject(peer, NAK); });
        bool ok = false;
        const double seconds = RunEngine(
            ui,
            [&](TTransferStatusEvent ev) {
                return std::make_unique<TYModemTX>(file, false, std::string(1, '\0'), ev);
            },
            ok);
        script.join();
        ClosePorts(CalcPort);
        Report(state, seconds, ok && got.Ok && got.Data == data);
    }
    ::unlink(file.c_str());
}

BENCHMARK(BM_ReceiveFromCalculator)
    ->ArgName("throttled")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SendToCalculator)
    ->ArgName("throttled")
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
