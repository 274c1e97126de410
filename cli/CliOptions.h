// linkwell-cli's command line: what the user asked for, parsed and checked, apart from doing it.
#pragma once
#include <string>
#include <vector>

namespace lw::cli {

struct TCliOptions {
    // Global options.
    std::string Port = "auto"; // as given: a device path, "usb", "usb_1".."usb_4" or "auto"
    int Speed = 115200;
    bool Demo = false;
    std::string Dir = "HOME"; // path form, always beginning with HOME
    bool Text = false;
    bool NoExt = false;
    bool Yes = false;
    bool Quiet = false;
    bool Verbose = false;
    bool Alg = false;
    bool Json = false; // ports, ident, ls, mem, stack: one JSON document on stdout
    // Sessions: many commands on one connection.
    std::string Script;     // -c: the commands themselves, "cmd; cmd"
    bool KeepGoing = false; // run the rest after a failed command (exit 1 if any failed)
    bool Reconnect = false; // scripts reconnect by themselves when the link is lost

    // The command and its arguments.
    std::string Command;           // "" with -c
    std::vector<std::string> Args; // names (get, rm, eval ...) or files (put, backup ...)
    bool Recursive = false;        // ls -R, sync --recursive
    std::string OutDir = ".";      // get -o
    std::string OutFile;           // capture -o
    int Count = 1;                 // capture -n
    // sync
    std::string SyncTo = "both"; // "both", "calc" (--to-calc) or "pc" (--to-pc)
    bool DryRun = false;
    bool Delete = false;
    bool TrustSizes = false;
    std::string Prefer; // "", "calc" or "pc"
};

enum class TParseResult {
    Run,        // options filled in: run the command
    Done,       // --help or --version was printed: exit 0
    UsageError, // `message` says what is wrong: exit 2
};

// Parses argv. The default port is $LINKWELL_PORT when set. Help and version go to stdout.
TParseResult ParseCommandLine(int argc, const char* const* argv, TCliOptions& options,
                              std::string& message);

// One command line of a session: `words` (the command and its arguments, no program name)
// parsed over `base`, the session's options, into `options`. Sessions cannot nest: shell, run
// and -c are usage errors here.
TParseResult ParseSessionLine(const std::vector<std::string>& words, const TCliOptions& base,
                              TCliOptions& options, std::string& message);

// The names of the commands, and the options of one command (its own and the global ones,
// long and short forms), for completion.
std::vector<std::string> CommandNames();
std::vector<std::string> CommandOptionNames(const std::string& command);
// The help's lines about one command ("" for an unknown one), and its list of commands.
std::string CommandHelp(const std::string& command);
std::string CommandsHelp();

// The checks of a parsed command that need no calculator: the capture file's extension and
// count, a port for the commands that work without the calculator's server, USB for rom.
// Returns the usage error text, or "" when the command may run.
std::string CheckCommand(const TCliOptions& options);

// The port name the server client opens: "AUTO", the USB device name (with its suffix) for
// "usb"/"usb_N", the path itself otherwise.
std::string ServerPortName(const std::string& cliPort);
bool IsAutoPort(const std::string& cliPort);
bool IsUsbPort(const std::string& cliPort);
// "HOME GAMES" for "GAMES", "HOME GAMES" or " HOME  GAMES ": blanks squeezed, HOME in front.
std::string NormalizeDirPath(const std::string& path);

} // namespace lw::cli
