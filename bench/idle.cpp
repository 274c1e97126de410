// How the link waits for a silent calculator: processor time over wall time of multi-second
// silent waits (reads and engines, serial and USB), and how far timed-out reads overshoot
// their bound. Prints one line per case.
#include "link/Engines.h"
#include "link/Port.h"
#include "support/FakeUi.h"
#include "support/PeerLink.h"

#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <thread>

namespace {

using namespace lw;
using namespace lw::test;

double CpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void Measure(const char* what, const std::function<void()>& wait) {
    const double cpu0 = CpuSeconds();
    const uint64_t wall0 = PeerNowUs();
    wait();
    const double wall = double(PeerNowUs() - wall0) / 1e6;
    const double cpu = CpuSeconds() - cpu0;
    std::printf("%-52s wall %6.2f s  cpu %6.3f s  = %5.2f %% of a core\n", what, wall, cpu,
                100.0 * cpu / wall);
}

void Bound(const char* what, uint64_t boundMs, const std::function<void()>& read) {
    const uint64_t start = PeerNowUs();
    read();
    const double ms = double(PeerNowUs() - start) / 1000.0;
    std::printf("%-52s took %8.1f ms  bound %5llu ms  over by %6.1f ms\n", what, ms,
                static_cast<unsigned long long>(boundMs), ms - double(boundMs));
}

// An engine waiting on a silent peer for `ms`, then cancelled the way the user would.
void SilentEngine(TFakeUi& ui, uint32_t ms) {
    TYModemRX rx("", false, 0, [](const std::string& m, TStatusKind k, int p, int x, int e) {
        UiHooks().Progress->Progress(m, k, p, x, e);
    });
    std::thread cancel([&] {
        SleepMs(ms);
        ui.Progress.Cancel();
    });
    ui.Progress.ShowProgress("idle", true);
    cancel.join();
    rx.Terminate();
    SleepMs(100);
    rx.WaitFor();
}

} // namespace

int main() {
    {
        TFakeUi ui;
        TPtyPeer peer;
        OpenPort(peer.PortName(), 115200);
        std::string one(1, '\0'), six(6, '\0');
        Measure("serial ReadComm, long time-outs, silent line", [&] {
            LongTimeouts(CalcPort);
            ReadComm(CalcPort, one, 2500);
        });
        for (int i = 0; i < 3; ++i) {
            ShortTimeouts(CalcPort);
            Bound("serial ReadComm 1 byte, short time-outs", 101,
                  [&] { ReadComm(CalcPort, one, 2500); });
        }
        ShortTimeouts(CalcPort);
        Bound("serial ReadComm 6 bytes, short time-outs", 106, [&] { ReadComm(CalcPort, six, 0); });
        LongTimeouts(CalcPort);
        Bound("serial ReadComm 1 byte, long time-outs", 3001, [&] { ReadComm(CalcPort, one, 0); });
        Measure("serial receive engine, silent calculator", [&] { SilentEngine(ui, 6000); });
        ClosePorts(CalcPort);
    }
    {
        TFakeUi ui;
        TFifoPeer peer;
        OpenPort(peer.PortName(), 9600);
        ui.Status.BusyVisible = true; // the 2500 ms rule then lets reads time out
        std::string one(1, '\0');
        Measure("USB ReadComm x3, 1000 ms each, silent pipe", [&] {
            for (int i = 0; i < 3; ++i) {
                CalcPort.NoDataSince = 0;
                ReadComm(CalcPort, one, 1000);
            }
        });
        for (const uint32_t t : {10u, 300u, 500u, 2500u}) {
            CalcPort.NoDataSince = 0;
            const std::string what = "USB ReadComm 1 byte, time-out " + std::to_string(t) + " ms";
            Bound(what.c_str(), t + 80, [&] { ReadComm(CalcPort, one, t); });
        }
        Measure("USB receive engine, silent calculator, dialog up",
                [&] { SilentEngine(ui, 6000); });
        ClosePorts(CalcPort);
    }
    return 0;
}
