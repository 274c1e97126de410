#include "CliHarness.h"
#include "InProcess.h"

#include "util/Files.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace lw::test {

namespace {

// The environment's port never decides: the tests name theirs.
const std::map<std::string, std::string> CliEnv = {{"LINKWELL_PORT", ""}};

std::vector<std::string> CliArgv(const TSimSession* sim, const std::vector<std::string>& args) {
    std::vector<std::string> argv = {LW_CLI_PROGRAM};
    if (sim)
        argv.insert(argv.end(), {"-p", sim->OnMemoryLink() ? sim->Port
                                       : sim->Options.Usb  ? "usb"
                                                           : sim->Device});
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

} // namespace

TRunResult Cli(const TSimSession* sim, const std::vector<std::string>& args,
               std::chrono::milliseconds timeout) {
    if (sim && sim->OnMemoryLink()) return RunCliInProcess(CliArgv(sim, args));
    return Run(CliArgv(sim, args), CliEnv, timeout);
}

TRunResult CliWithInput(const TSimSession* sim, const std::vector<std::string>& args,
                        const std::string& stdinPath) {
    if (sim && sim->OnMemoryLink())
        return RunCliInProcess(CliArgv(sim, args), ReadFileToString(stdinPath));
    TProcess cli(CliArgv(sim, args), CliEnv, stdinPath);
    const int status = cli.Wait(std::chrono::seconds(90));
    return {status, cli.Out(), cli.Err()};
}

std::unique_ptr<TProcess> StartCli(const TSimSession* sim, const std::vector<std::string>& args,
                                   const std::string& stdinPath,
                                   const std::map<std::string, std::string>& env) {
    if (sim && sim->OnMemoryLink())
        throw std::logic_error("a CLI process needs the calculator on a real line (RealLine)");
    std::map<std::string, std::string> all = env;
    all.insert(CliEnv.begin(), CliEnv.end());
    return std::make_unique<TProcess>(CliArgv(sim, args), all, stdinPath);
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
    EXPECT_NE(errors[0].find(message), std::string::npos) << errors[0];
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
    const TRunResult r = Run({"/bin/sh", "-c", "command -v " + name});
    return r.Status == 0 ? Lines(r.Out).at(0) : "";
}

} // namespace lw::test
