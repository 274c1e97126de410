// linkwell-sim: a simulated calculator on a pseudo-terminal or on the USB pipes (Windows: on
// a COM port). Prints the PC-side path as its first line, then takes control commands on stdin
// (one per line) and prints their replies and the simulator's events on stdout.
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "util/Console.h"

#include <CLI/CLI.hpp>

#include <cstdio>
#include <iostream>
#include <mutex>
#include <thread>

namespace {

using namespace lw::sim;

struct TOptions {
    std::string Model = "KB";
    bool Serial = false;
    std::string Link;
    std::string UsbRoot;
    std::string Com;
    std::string DeviceSuffix;
    std::string Load, Save;
    bool Empty = false;
    std::string StartByte = "random";
    uint32_t Seed = 0;
    uint32_t BusyMs = 0;
    std::vector<int> Flags;
    bool Kermit = false;
    bool Version11 = false;
    std::vector<std::string> Faults;
    std::string Throttle;
    uint32_t Split = 0;
    bool Verbose = false;
    bool KeepRunning = false;
};

std::mutex OutLock;

void Say(const std::string& line) {
    std::lock_guard<std::mutex> lock(OutLock);
    std::cout << line << std::endl;
}

// Parses the command line; returns -1 to go on, otherwise the exit code.
int ParseArguments(int argc, char** argv, TOptions& o) {
    CLI::App app{"linkwell-sim: a simulated ZQ calculator running its XModem server on a "
                 "pseudo-terminal (serial) or on the USB pipes.\nPrints the PC-side path "
                 "(or the USB device folder) as its first line; then reads control commands "
                 "from stdin, one per line, and prints replies and events on stdout.",
                 "linkwell-sim"};
    app.add_option("--model", o.Model, "Calculator model: KA or KB")
        ->check(CLI::IsMember({"KA", "KB"}));
    auto* serial = app.add_flag("--serial", o.Serial, "Attach to a pseudo-terminal (default)");
    auto* link =
        app.add_option("--link", o.Link, "Make a symlink at PATH to the PC's end of the line");
    auto* usb = app.add_option("--usb-root", o.UsbRoot,
                               "Attach to the USB pipes: create DIR/ZQlink<suffix>/PIPE0 and "
                               "PIPE1 (point LINKWELL_USB_ROOT at DIR)");
    usb->excludes(serial)->excludes(link);
    app.add_option("--com", o.Com,
                   "Windows only: serve on COM port PORT, one end of a null-modem pair whose "
                   "other end the PC opens")
        ->excludes(serial)
        ->excludes(link)
        ->excludes(usb);
    app.add_option("--device-suffix", o.DeviceSuffix, "USB device suffix: empty or _1 .. _4")
        ->check(CLI::IsMember({"", "_1", "_2", "_3", "_4"}))
        ->needs(usb);
    app.add_option("--load", o.Load, "Load the memory from a folder of object files");
    app.add_option("--save", o.Save, "Save the memory to a folder of object files on exit");
    app.add_flag("--empty", o.Empty, "Start with an empty HOME instead of the sample memory");
    app.add_option("--start-byte", o.StartByte,
                   "Start byte of the server's receive transfers: nak, crc, kermit or random")
        ->check(CLI::IsMember({"nak", "crc", "kermit", "random"}));
    app.add_option("--seed", o.Seed, "Seed of the random start byte (0: from the clock)");
    app.add_option("--busy-ms", o.BusyMs, "Every script keeps the calculator busy at least MS");
    app.add_option("--flag", o.Flags, "Set calculator flag N (e.g. --flag -36); repeatable")
        ->allow_extra_args(false);
    app.add_flag("--kermit", o.Kermit, "Answer as the Kermit server instead of XModem");
    app.add_flag("--version-1-1", o.Version11,
                 "KB: the VERSION text names the older revision (\"#1.1\")");
    app.add_option("--fault", o.Faults,
                   "Apply a fault control command at start (e.g. --fault \"drop-byte 5\"); "
                   "repeatable")
        ->allow_extra_args(false);
    app.add_option("--throttle", o.Throttle,
                   "Emulate wire time at BAUD (~10 bits per byte), or 'auto' for the speed "
                   "the PC sets");
    app.add_option("--split", o.Split, "Write in pieces of N bytes");
    app.add_flag("--verbose,-v", o.Verbose, "Log the exchanges to stderr");
    app.add_flag("--keep-running", o.KeepRunning,
                 "Go on after the end of input (for a simulator started in the background); "
                 "end only on SIGINT or SIGTERM");
    app.footer("\n" + TSimulator::HelpText() +
               "\nEnds on end of input (unless --keep-running), SIGINT or SIGTERM (saving with "
               "--save).");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    return -1;
}

std::unique_ptr<ISimCalculator> MakeCalculator(const TOptions& o) {
    TModel model = o.Model == "KA" ? TModel::KA : TModel::KB;
    auto calc =
        o.Empty || !o.Load.empty() ? CreateEmptyCalculator(model) : CreateSampleCalculator(model);
    if (!o.Load.empty()) calc->LoadFromFolder(o.Load);
    for (int flag : o.Flags) calc->SetFlag(flag, true);
    calc->SetVersion11(o.Version11);
    return calc;
}

// Serves the control commands on stdin until the input ends (unless keepRunning) or a console
// signal (Ctrl-C, a request to end) stops the run.
void ServeControl(TSimulator& sim, bool keepRunning) {
    lw::sys::TWakeFlag stop;
    std::thread watcher([&] {
        int number = 0;
        for (;;) {
            const auto signal = lw::sys::WaitConsoleSignal(-1, number);
            if (signal == lw::sys::TConsoleSignal::Stopped) return;
            if (signal != lw::sys::TConsoleSignal::TimedOut) stop.Set();
        }
    });
    std::string pending;
    for (bool input = true;;) {
        if (!input) {
            stop.Wait(-1);
            break;
        }
        const auto woken = stop.WaitWithInput(-1);
        if (woken == lw::sys::TWakeFlag::TWoken::Flag) break;
        char buf[4096];
        const long n =
            woken == lw::sys::TWakeFlag::TWoken::Input ? lw::sys::ReadStdin(buf, sizeof buf) : -1;
        if (n <= 0) {
            if (!keepRunning) break;
            input = false;
            continue;
        }
        pending.append(buf, size_t(n));
        for (size_t nl; (nl = pending.find('\n')) != std::string::npos;) {
            std::string line = pending.substr(0, nl);
            pending.erase(0, nl + 1);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find_first_not_of(" \t") == std::string::npos) continue;
            Say(sim.Control(line, 10000));
        }
    }
    lw::sys::StopConsoleSignalWait(watcher);
    watcher.join();
}

int Run(const TOptions& o) {
    TSimConfig config;
    config.StartByte = o.StartByte;
    config.Seed = o.Seed;
    config.BusyMs = o.BusyMs;
    config.Kermit = o.Kermit;
    config.Faults = o.Faults;
    if (!o.Throttle.empty()) config.Faults.push_back("throttle " + o.Throttle);
    if (o.Split) config.Faults.push_back("split " + std::to_string(o.Split));
    if (o.Verbose)
        config.Log = [](const std::string& line) {
            std::lock_guard<std::mutex> lock(OutLock);
            std::cerr << "sim: " << line << std::endl;
        };

    // The console signals go to ServeControl's watcher alone; taken before any thread starts.
    lw::sys::CatchConsoleSignals();
    TSimulator sim(config, MakeCalculator(o));
    const std::string path = !o.Com.empty()       ? sim.AttachCom(o.Com)
                             : !o.UsbRoot.empty() ? sim.AttachUsb(o.UsbRoot, o.DeviceSuffix)
                                                  : sim.AttachSerial(o.Link);
    Say(path);
    sim.SetEventSink([](const std::string& e) { Say("event: " + e); });
    sim.Start();
    ServeControl(sim, o.KeepRunning);
    sim.Stop();
    if (!o.Save.empty()) {
        sim.Invoke([&](ISimCalculator& calc) { calc.SaveToFolder(o.Save); });
        if (o.Verbose) std::cerr << "sim: memory saved to " << o.Save << std::endl;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (int code = ParseArguments(argc, argv, options); code >= 0) return code;
    try {
        return Run(options);
    } catch (const std::exception& e) {
        std::cerr << "linkwell-sim: " << e.what() << std::endl;
        return 1;
    }
}
