#include "CliHarness.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace lw::test {

namespace {

[[maybe_unused]] std::string FirstLine(const std::string& text) {
    const auto end = text.find('\n');
    return end == std::string::npos ? "" : text.substr(0, end);
}

} // namespace

TSimProcess::TSimProcess(bool usb, const std::vector<std::string>& extraArgs) {
#ifdef LW_SIM_PROGRAM
    std::vector<std::string> argv = {LW_SIM_PROGRAM};
    if (usb) {
        FUsbRoot = FDir.File("usb");
        std::filesystem::create_directories(FUsbRoot);
        argv.insert(argv.end(), {"--usb-root", FUsbRoot});
    } else {
        argv.insert(argv.end(), {"--link", FDir.File("calc")});
    }
    argv.insert(argv.end(), extraArgs.begin(), extraArgs.end());
    FProc = std::make_unique<TProcess>(argv, std::map<std::string, std::string>{}, true);
    FProc->WaitFor([this] { return !FirstLine(FProc->Out()).empty(); }, std::chrono::seconds(10));
    FPort = FirstLine(FProc->Out());
    FSeen = FPort.empty() ? 0 : FPort.size() + 1;
    FCliPort = usb ? "usb" : FPort;
#else
    (void)usb;
    (void)extraArgs;
#endif
}

TSimProcess::~TSimProcess() {
    if (!FProc) return;
    FProc->CloseStdin();
    FProc->Wait(std::chrono::seconds(5));
}

std::map<std::string, std::string> TSimProcess::CliEnv() const {
    std::map<std::string, std::string> env;
    env["LINKWELL_PORT"] = "";
    if (!FUsbRoot.empty()) env["LINKWELL_USB_ROOT"] = FUsbRoot;
    return env;
}

std::string TSimProcess::Control(const std::string& line) {
    FProc->Write(line + "\n");
    std::string reply;
    FProc->WaitFor(
        [&] {
            const std::string& out = FProc->Out();
            while (FSeen < out.size()) {
                const auto end = out.find('\n', FSeen);
                if (end == std::string::npos) return false;
                const std::string l = out.substr(FSeen, end - FSeen);
                FSeen = end + 1;
                if (l.rfind("OK", 0) == 0 || l.rfind("ERROR", 0) == 0) {
                    reply = l;
                    return true;
                }
            }
            return false;
        },
        std::chrono::seconds(10));
    return reply;
}

bool TSimProcess::WaitEvent(const std::string& prefix) {
    return FProc->WaitFor([&] { return HasLine(FProc->Out(), "event: " + prefix); },
                          std::chrono::seconds(30));
}

static std::vector<std::string> CliArgv(const TSimProcess* sim,
                                        const std::vector<std::string>& args) {
    std::vector<std::string> argv = {LW_CLI_PROGRAM};
    if (sim) argv.insert(argv.end(), {"-p", sim->CliPort()});
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

TRunResult Cli(const TSimProcess* sim, const std::vector<std::string>& args,
               std::chrono::milliseconds timeout) {
    const auto env =
        sim ? sim->CliEnv() : std::map<std::string, std::string>{{"LINKWELL_PORT", ""}};
    return Run(CliArgv(sim, args), env, timeout);
}

std::unique_ptr<TProcess> StartCli(const TSimProcess* sim, const std::vector<std::string>& args,
                                   int stdinFd) {
    const auto env =
        sim ? sim->CliEnv() : std::map<std::string, std::string>{{"LINKWELL_PORT", ""}};
    return std::make_unique<TProcess>(CliArgv(sim, args), env, false, stdinFd);
}

std::vector<std::string> ErrorLines(const std::string& err) {
    std::vector<std::string> out;
    for (const auto& line : Lines(err))
        if (line.rfind("linkwell-cli: ", 0) == 0) out.push_back(line);
    return out;
}

void ExpectOneMessage(const TRunResult& r, int status, const std::string& message) {
    EXPECT_EQ(r.Status, status) << r.Err;
    EXPECT_EQ(r.Out, "");
    const auto errors = ErrorLines(r.Err);
    ASSERT_EQ(errors.size(), 1u) << r.Err;
    EXPECT_EQ(errors[0].rfind("linkwell-cli: " + message, 0), 0u) << errors[0];
}

bool HasLine(const std::string& text, const std::string& prefix) {
    for (const auto& line : Lines(text))
        if (line.rfind(prefix, 0) == 0) return true;
    return false;
}

bool Printed(TProcess& cli, const std::string& text, size_t from) {
    return cli.WaitFor([&] { return cli.Err().find(text, from) != std::string::npos; },
                       std::chrono::seconds(30));
}

std::string FindProgram(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::istringstream dirs(path ? path : "/usr/bin:/bin");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        const std::string candidate = dir + "/" + name;
        if (!dir.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return "";
}

} // namespace lw::test
