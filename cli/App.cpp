#include "cli/App.h"

#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/SessionRunner.h"
#include "link/Port.h"
#include "link/TraceLine.h"
#include "server/Commands.h"
#include "sim/demo/Demo.h"
#include "util/Files.h"

#include <iostream>
#include <map>
#include <memory>

namespace lw::cli {

const std::map<std::string, TCommand>& CommandTable() {
    static const std::map<std::string, TCommand> table = {
        {"ports", CmdPorts},
        {"ident", CmdIdent},
        {"ls", CmdLs},
        {"mem", CmdMem},
        {"get", CmdGet},
        {"put", CmdPut},
        {"rm", CmdRm},
        {"mkdir", CmdMkdir},
        {"mv", CmdMv},
        {"eval", CmdEval},
        {"exec", CmdExec},
        {"stack", CmdStack},
        {"backup", CmdBackup},
        {"restore", CmdRestore},
        {"capture", CmdCapture},
        {"xmodem-send", CmdXModemSend},
        {"xmodem-receive", CmdXModemReceive},
        {"rom", CmdRom},
        {"sync", CmdSync},
    };
    return table;
}

int RunCaught(TSession& session) {
    TTerminal& term = session.Term;
    try {
        const int status = CommandTable().at(session.Options.Command)(session);
        return status == 0 ? term.Succeed() : status;
    } catch (const ECommandFailed& e) {
        return term.Fail(e.what());
    } catch (const ELinkError& e) {
        return term.Fail(e.what());
    } catch (const EFileError& e) {
        return term.Fail(e.what());
    } catch (const std::exception& e) {
        return term.Fail(e.what());
    }
}

namespace {

bool IsSession(const TCliOptions& options) {
    return options.Command == "shell" || options.Command == "run" || !options.Script.empty();
}

// Runs the command with the terminal and the server client in place; every failure becomes
// the one message.
int RunSession(const TCliOptions& options, TTerminal& term) {
    TCalcState state;
    TTerminalUi ui(term, state, !options.Alg, options.Text);
    std::unique_ptr<sim::TDemo> demo;
    std::string port = options.Port;
    if (options.Demo && options.Command != "ports") {
        sim::TDemoConfig config;
        config.Usb = options.Command == "rom";
        if (options.Verbose)
            config.Log = [](const std::string& line) { std::cerr << "[sim] " << line << '\n'; };
        try {
            demo = std::make_unique<sim::TDemo>(std::move(config));
        } catch (const std::exception& e) {
            return term.Fail(DemoFailedText(e.what()));
        }
        port = demo->Port();
        ui.Prompt.OnWaiting = [&demo, &options](TPromptKind kind) {
            demo->OnPrompt(kind, options.Args.empty() ? "" : PutNameForFile(options.Args[0]));
        };
    }
    TXModemServer server(state, &ui.BadFile, &ui.Replace);
    state.TextMode = options.Text;
    state.AddExtension = !options.NoExt;
    state.RpnPrompts = !options.Alg;
    if (options.Verbose)
        server.OnStatus = [&term](const std::string& text) {
            if (!text.empty()) term.Print("[status] " + text + "\n");
        };
    int status = 1;
    if (IsSession(options)) {
        TSessionRunner runner(options, term, ui, state, server, ServerPortName(port));
        status = runner.RunFromOptions();
    } else {
        TSession session{options, term, ui, state, server, ServerPortName(port)};
        status = RunCaught(session);
    }
    try {
        server.Connect(""); // closes the port; the calculator's server keeps running
    } catch (const std::exception&) {}
    return status;
}

} // namespace

int RunCli(int argc, const char* const* argv) {
    TCliOptions options;
    std::string message;
    switch (ParseCommandLine(argc, argv, options, message)) {
    case TParseResult::Done:
        return 0;
    case TParseResult::UsageError:
        std::cerr << ProgramName << ": " << message << '\n' << UsageHint() << '\n';
        return 2;
    case TParseResult::Run:
        break;
    }
    TTerminal term({options.Yes, options.Quiet, options.Verbose});
    // What replaces the calculator's memory or its system goes on only when a person said so.
    if ((options.Command == "rom" || options.Command == "restore") && !options.Yes &&
        !term.Interactive()) {
        std::cerr << ProgramName << ": " << NeedsYesText(options.Command) << '\n'
                  << UsageHint() << '\n';
        return 2;
    }
    if (options.Verbose)
        SetTraceSink([&term](const std::string& line) { term.Print("[trace] " + line + "\n"); });
    const int status = RunSession(options, term);
    SetTraceSink({});
    return status;
}

} // namespace lw::cli
