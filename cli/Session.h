// One run of linkwell-cli: the options, the terminal, the calculator state and the server
// client, and the steps every command shares (connecting, finding the working directory,
// opening the port for the transfers the calculator starts).
#pragma once
#include "cli/CliOptions.h"
#include "cli/Terminal.h"
#include "cli/TerminalUi.h"
#include "server/XModemServer.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace lw::cli {

// A command's own failure: its text becomes the one message on stderr (exit status 1).
class ECommandFailed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct TSession {
    const TCliOptions& Options;
    TTerminal& Term;
    TTerminalUi& Ui;
    TCalcState& State;
    TXModemServer& Server;
    std::string PortName; // the server client's name of the port to use
    // In a session the connection outlives the command: Connect keeps an open one.
    bool Held = false;
    // When set (a session with --json), output is collected here instead of printed: the
    // command's lines, or its one JSON document.
    std::vector<std::string>* Captured = nullptr;
    std::string* CapturedJson = nullptr;

    // Opens the port and identifies the calculator (raises the core's connect error).
    void Connect();
    // Connect, read the listing and make the -d directory the calculator's current one.
    TXPObject& EnterDir();
    // Re-reads the listing and returns the -d directory again (after a change).
    TXPObject& ListDir();
    // The entry of `dir` named `name` (display form), or a failure naming both.
    TXPObject& Entry(TXPObject& dir, const std::string& name);
    // The improper-name question; a refusal is a failure.
    void CheckName(const std::string& name);
    // Opens the port without the calculator's server; a failure if it cannot.
    void OpenPortOnly();
    // Fails with `text` unless `path` can be opened for reading.
    void CheckReadable(const std::string& path);
    // A line of output for scripts, on stdout.
    void Output(const std::string& line);
    // The command's one JSON document (--json), on stdout.
    void OutputJson(const std::string& document);
};

} // namespace lw::cli
