// The object length walk over a whole-memory backup and the listing parser over the largest
// listing one packet can carry.
#include "objects/DecompLength.h"
#include "server/XModemServer.h"
#include "support/ObjectBuilder.h"

#include <benchmark/benchmark.h>

using namespace lw;
using namespace lw::test;

namespace {

// A backup object of about `bytes` bytes: HOME with variables of every common kind and
// subdirectories holding more of them.
std::string BackupFile(size_t bytes) {
    const auto variables = [](int n) {
        std::vector<std::pair<std::string, std::string>> vars;
        for (int i = 0; i < n; ++i) {
            const std::string name = "V" + std::to_string(i);
            switch (i % 5) {
            case 0:
                vars.emplace_back(name, RealObj());
                break;
            case 1:
                vars.emplace_back(name, StringObj(std::string(60, 'x')));
                break;
            case 2:
                vars.emplace_back(name, ListObj({BinIntObj(), RealObj(), GlobalObj("A")}));
                break;
            case 3:
                vars.emplace_back(name, TaggedObj("T", RealObj()));
                break;
            default:
                vars.emplace_back(
                    name, Composite(0x02AB8, {GlobalObj("X"), RealObj(), NibProlog(0x1A2B3)}));
            }
        }
        return vars;
    };
    std::vector<std::pair<std::string, std::string>> home;
    size_t nibbles = 0;
    for (int d = 0; nibbles < bytes * 2; ++d) {
        std::string sub = DirObj(variables(200));
        nibbles += sub.size() + 20;
        home.emplace_back("DIR" + std::to_string(d), std::move(sub));
    }
    const std::string dir = DirObj(home);
    const std::string backup = NibProlog(0x02B62) + NibField(5 + dir.size(), 5) + dir;
    return ObjectFile(backup) + std::string(1000, '\x1A');
}

void BM_DecompLengthBackup(benchmark::State& state) {
    const std::string file = BackupFile(1 << 20);
    for (auto _ : state) {
        std::string data = file;
        bool odd;
        if (!DecompLength(data, odd)) state.SkipWithError("walk failed");
        benchmark::DoNotOptimize(data);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * file.size()));
    state.counters["bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_DecompLengthBackup)->Unit(benchmark::kMillisecond);

// The walk's worst case: a 1 MiB list whose every element must be visited (a directory is
// left by a jump to its last entry, so a backup is walked in far fewer steps).
void BM_DecompLengthFlatList(benchmark::State& state) {
    std::vector<std::string> items;
    size_t nibbles = 0;
    for (int i = 0; nibbles < (1u << 21); ++i) {
        items.push_back(i % 3 == 0   ? RealObj()
                        : i % 3 == 1 ? ListObj({BinIntObj(), GlobalObj("AB")})
                                     : StringObj("text"));
        nibbles += items.back().size();
    }
    const std::string file = ObjectFile(ListObj(items)) + std::string(1000, '\x1A');
    for (auto _ : state) {
        std::string data = file;
        bool odd;
        if (!DecompLength(data, odd)) state.SkipWithError("walk failed");
        benchmark::DoNotOptimize(data);
    }
    state.counters["bytes"] = static_cast<double>(file.size());
    state.counters["objects"] = static_cast<double>(items.size());
}
BENCHMARK(BM_DecompLengthFlatList)->Unit(benchmark::kMillisecond);

// A listing of 65535 bytes: directories of 40 variables each.
std::string FullListing() {
    std::string list;
    for (int d = 0;; ++d) {
        std::string entries;
        for (int i = 0; i < 40; ++i)
            entries += ListEntry("VAR" + std::to_string(i), i % 2 ? 0x2933 : 0x2A2C, 21 + i);
        const std::string dir = ListDir("DIR" + std::to_string(d), entries);
        if (list.size() + dir.size() > 65534) break;
        list += dir;
    }
    while (list.size() < 65535) list += ListEntry("Z", 0x2933, 21).substr(0, 65535 - list.size());
    return list;
}

void BM_ParseDirListFull(benchmark::State& state) {
    const std::string list = FullListing();
    TCalcState calc;
    TXModemServer server(calc);
    for (auto _ : state) {
        server.Root().ClearChildren();
        size_t pos = 0;
        server.ParseDirList(server.Root(), list, pos);
        benchmark::DoNotOptimize(server.Root().Children.data());
    }
    state.counters["bytes"] = static_cast<double>(list.size());
    state.counters["records"] = [&] {
        size_t n = server.Root().Children.size();
        for (const auto& d : server.Root().Children) n += d->Children.size();
        return static_cast<double>(n);
    }();
}
BENCHMARK(BM_ParseDirListFull)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
