// Check-method throughput over 1 MiB: bench_crc --benchmark_counters_tabular=true
#include "link/XModemCodec.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

std::string MiB() {
    std::string data(1 << 20, '\0');
    std::mt19937 rng(1);
    for (auto& c : data) c = static_cast<char>(rng());
    return data;
}

void BM_TableCrc(benchmark::State& state) {
    const std::string data = MiB();
    for (auto _ : state) benchmark::DoNotOptimize(lw::TableCrc(0, data));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * data.size());
}
void BM_NibbleCrc(benchmark::State& state) {
    const std::string data = MiB();
    for (auto _ : state) benchmark::DoNotOptimize(lw::NibbleCrc(data));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * data.size());
}
void BM_Checksum(benchmark::State& state) {
    const std::string data = MiB();
    for (auto _ : state) benchmark::DoNotOptimize(lw::Checksum(data));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * data.size());
}

} // namespace

BENCHMARK(BM_TableCrc);
BENCHMARK(BM_NibbleCrc);
BENCHMARK(BM_Checksum);
BENCHMARK_MAIN();
