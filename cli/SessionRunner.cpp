#include "cli/SessionRunner.h"

#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "cli/Shell.h"
#include "util/Console.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

namespace lw::cli {

namespace {

// How long a script with --reconnect waits for the calculator to answer again.
constexpr int ReconnectWaitSeconds = 60;

const std::set<std::string>& Builtins() {
    static const std::set<std::string> names = {"cd",   "pwd",       "lcd", "lpwd",
                                                "help", "reconnect", "exit"};
    return names;
}

// Commands that leave the memory as it was, or list it again themselves: the shell's listing
// needs no refresh after them.
bool KeepsListing(const std::string& command) {
    static const std::set<std::string> names = {
        "ports",       "ident",          "ls",  "mem", "get",   "stack", "backup", "capture",
        "xmodem-send", "xmodem-receive", "rom", "rm",  "mkdir", "mv",    "restore"};
    return names.count(command) != 0;
}

// Commands that talk to the calculator's server (the others open the port without it, or need
// no calculator): only their failures can mean a lost link.
bool UsesServer(const std::string& command) {
    static const std::set<std::string> names = {"ports",          "capture", "xmodem-send",
                                                "xmodem-receive", "rom",     "restore"};
    return names.count(command) == 0;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const auto& w : words) out += (out.empty() ? "" : " ") + QuoteWord(w);
    return out;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

} // namespace

std::string ParentDirPath(const std::string& path) {
    const size_t blank = path.rfind(' ');
    return blank == std::string::npos ? "HOME" : path.substr(0, blank);
}

std::string ResolveDirPath(const std::string& current, const std::string& arg) {
    std::istringstream in(arg);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    std::string path = current;
    size_t i = 0;
    if (!words.empty() && words[0] == "HOME") {
        path = "HOME";
        i = 1;
    }
    for (; i < words.size(); ++i) {
        if (words[i] == "..")
            path = ParentDirPath(path);
        else if (words[i] != ".")
            path += " " + words[i];
    }
    return path;
}

TSessionRunner::TSessionRunner(const TCliOptions& base, TTerminal& term, TTerminalUi& ui,
                               TCalcState& state, TXModemServer& server, std::string portName)
    : FBase(base), FTerm(term), FUi(ui), FState(state), FServer(server),
      FPortName(std::move(portName)), FDir(base.Dir) {}

int TSessionRunner::RunFromOptions() {
    if (!FBase.Script.empty()) return RunText(FBase.Script);
    if (FBase.Command == "run" && FBase.Args.at(0) != "-") {
        std::ifstream file(FBase.Args[0]);
        if (!file) return FTerm.Fail(FileUnreadableText(FBase.Args[0], std::strerror(errno)));
        return RunStream(file);
    }
    if (FBase.Command == "shell" && FTerm.Interactive()) {
        Interactive = true;
        return RunShell(*this, FTerm);
    }
    return RunStream(std::cin);
}

namespace {

// The exit status of a script so far, and whether it goes on.
struct TScriptStatus {
    bool KeepGoing;
    int Status = 0;
    bool Take(int status) {
        if (status == 0) return true;
        Status = KeepGoing ? 1 : status;
        return KeepGoing;
    }
};

} // namespace

int TSessionRunner::RunText(const std::string& text) {
    TScriptStatus result{FBase.KeepGoing};
    for (const auto& statement : ParseScript(text))
        if (!result.Take(Run(statement)) || FFinished || FStopped) break;
    return result.Status;
}

int TSessionRunner::RunStream(std::istream& in) {
    TScriptStatus result{FBase.KeepGoing};
    int lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        for (TStatement statement : ParseScript(line)) {
            statement.Line = lineNumber;
            if (!result.Take(Run(statement)) || FFinished || FStopped) return result.Status;
        }
    }
    return result.Status;
}

int TSessionRunner::Run(const TStatement& statement) {
    FLines.clear();
    FDocument.clear();
    int status = RunOnce(statement);
    if (FDropped) {
        if (Interactive) {
            FLost = true;
            FTerm.Error(LinkLostText(true));
        } else if (FBase.Reconnect && Reconnect(true)) {
            FLines.clear();
            FDocument.clear();
            status = RunOnce(statement);
        } else {
            if (FBase.KeepGoing) FTerm.Error(LinkLostText(false));
            FStopped = true;
        }
    }
    if (FBase.Json) PrintJson(statement, status);
    FTerm.TakeErrors();
    ClearInterrupts();
    return status;
}

void TSessionRunner::ClearInterrupts() {
    // The waits' cancel request is the terminal's interrupt count: clearing it ends both.
    FTerm.ClearInterrupts();
}

int TSessionRunner::RunOnce(const TStatement& statement) {
    FDropped = false;
    if (!statement.Error.empty()) {
        FTerm.Error(ScriptLineText(statement.Line, statement.Error));
        return 2;
    }
    const std::vector<std::string>& words = statement.Words;
    if (Builtins().count(words[0])) return RunBuiltin(words);
    if (words[0][0] != '-' && !CommandTable().count(words[0]) && words[0] != "shell" &&
        words[0] != "run") {
        FTerm.Error(UnknownCommandText(words[0]));
        return 2;
    }
    TCliOptions base = FBase;
    base.Dir = FDir;
    TCliOptions options;
    std::string message;
    switch (ParseSessionLine(words, base, options, message)) {
    case TParseResult::Done:
        return 0;
    case TParseResult::UsageError:
        FTerm.Error(message);
        return 2;
    case TParseResult::Run:
        break;
    }
    if (FLost && options.Command != "ports") {
        FTerm.Error(NotConnectedText());
        return 1;
    }
    return RunCommand(options);
}

int TSessionRunner::RunCommand(const TCliOptions& options) {
    // What the line itself says about text mode, extensions and questions (-v and --alg hold
    // for the whole session).
    FState.TextMode = options.Text;
    FState.AddExtension = !options.NoExt;
    FUi.BadFile.SetTextMode(options.Text);
    FTerm.SetYesAndQuiet(options.Yes, options.Quiet);
    TSession session{options, FTerm, FUi, FState, FServer, FPortName};
    session.Held = true;
    if (FBase.Json) {
        session.Captured = &FLines;
        session.CapturedJson = &FDocument;
    }
    const int status = RunCaught(session);
    if (status != 0 && !FTerm.Interrupted() && !FState.Connected && UsesServer(options.Command))
        FDropped = true;
    if (status == 0 && Interactive && !KeepsListing(options.Command)) RefreshListing();
    return status;
}

void TSessionRunner::Output(const std::string& line) {
    if (FBase.Json)
        FLines.push_back(line);
    else
        std::cout << line << '\n' << std::flush;
}

int TSessionRunner::RunBuiltin(const std::vector<std::string>& words) {
    const std::string& name = words[0];
    const size_t maxWords = name == "help" || name == "cd" || name == "lcd" ? 2 : 1;
    if (words.size() > maxWords) {
        FTerm.Error(TooManyArgumentsText(name));
        return 2;
    }
    if (name == "exit") {
        FFinished = true;
        return 0;
    }
    if (name == "pwd") {
        Output(FDir);
        return 0;
    }
    if (name == "lpwd") {
        std::error_code err;
        const std::u8string path = std::filesystem::current_path(err).u8string();
        if (err) return FTerm.Fail(err.message());
        Output(std::string(reinterpret_cast<const char*>(path.data()), path.size()));
        return 0;
    }
    if (name == "help") {
        const std::string text = words.size() == 1 ? CommandsHelp() : CommandHelp(words[1]);
        if (text.empty()) {
            FTerm.Error(UnknownCommandText(words[1]));
            return 2;
        }
        for (const auto& line : SplitLines(text)) Output(line);
        return 0;
    }
    if (name == "reconnect") return Reconnect(false) ? 0 : 1;
    if (name == "lcd") return ChangeLocalDir(words);
    return ChangeDir(words);
}

int TSessionRunner::ChangeDir(const std::vector<std::string>& words) {
    const std::string target = ResolveDirPath(FDir, words.size() == 2 ? words[1] : "HOME");
    TXPObject* dir = FServer.Root().FindDir(target);
    if (!dir && !FLost) {
        // Not in the listing held: the memory may have changed since.
        try {
            ConnectAndList();
        } catch (const std::exception& e) {
            FDropped = !FState.Connected && !FTerm.Interrupted();
            return FTerm.Fail(e.what());
        }
        dir = FServer.Root().FindDir(target);
    }
    if (!dir) return FTerm.Fail(NoSuchDirectoryText(target));
    FDir = target;
    return 0;
}

int TSessionRunner::ChangeLocalDir(const std::vector<std::string>& words) {
    const std::string home = sys::HomeFolder();
    const std::string folder = words.size() == 2 ? words[1] : (home.empty() ? "/" : home);
    if (const int err = sys::ChangeFolder(folder); err != 0)
        return FTerm.Fail(NoPcFolderText(folder, std::strerror(err)));
    return 0;
}

bool TSessionRunner::Reconnect(bool wait) {
    using clock = std::chrono::steady_clock;
    const auto deadline = clock::now() + std::chrono::seconds(wait ? ReconnectWaitSeconds : 0);
    if (wait && !FBase.Quiet) FTerm.Print(ReconnectingText() + "\n");
    TCliOptions options = FBase;
    TSession session{options, FTerm, FUi, FState, FServer, FPortName};
    std::string failure;
    for (;;) {
        try {
            FServer.Connect(""); // closes what is left of the old connection
            session.Connect();
            FServer.GetFileList();
            FLost = false;
            FTerm.DropMessages();
            if (!FBase.Quiet) FTerm.Print(ConnectedAgainText() + "\n");
            return true;
        } catch (const std::exception& e) {
            failure = e.what();
        }
        if (!wait || clock::now() >= deadline || FTerm.Interrupted()) break;
        FTerm.DropMessages();
        FTerm.InterruptFlag().Wait(1000); // a pause between tries that a Ctrl-C ends
    }
    FLost = true;
    if (wait) {
        FTerm.DropMessages();
        FTerm.Fail(FTerm.Interrupted() ? CancelledText()
                                       : ReconnectFailedText(ReconnectWaitSeconds));
    } else {
        FTerm.Fail(failure);
    }
    return false;
}

void TSessionRunner::ConnectAndList() {
    TCliOptions options = FBase;
    TSession session{options, FTerm, FUi, FState, FServer, FPortName};
    session.Held = true;
    session.Connect();
    FServer.GetFileList();
}

void TSessionRunner::Start() {
    try {
        ConnectAndList();
        if (!FServer.Root().FindDir(FDir)) FTerm.Fail(NoSuchDirectoryText(FDir));
    } catch (const std::exception& e) {
        FTerm.Fail(e.what());
        FLost = true;
        FTerm.Error(LinkLostText(true));
    }
    FTerm.TakeErrors();
    ClearInterrupts();
}

void TSessionRunner::RefreshListing() {
    if (!FState.Connected) return;
    try {
        FServer.GetFileList();
    } catch (const std::exception&) {
        // The next command finds out whether the link is still there.
    }
    FTerm.DropMessages();
}

std::vector<std::pair<std::string, bool>> TSessionRunner::Entries() {
    std::vector<std::pair<std::string, bool>> out;
    if (TXPObject* dir = FServer.Root().FindDir(FDir))
        for (const auto& child : dir->GetChildren())
            out.emplace_back(child->Name, child->IsDirectory());
    return out;
}

void TSessionRunner::PrintJson(const TStatement& statement, int status) {
    TJsonWriter json;
    json.BeginObject()
        .Key("command")
        .String(Joined(statement.Words))
        .Key("status")
        .Number(status)
        .Key("output");
    if (!FDocument.empty()) {
        json.Document(FDocument);
    } else {
        json.BeginArray();
        for (const auto& line : FLines) json.String(line);
        json.EndArray();
    }
    const std::vector<std::string> errors = FTerm.TakeErrors();
    if (status != 0) {
        std::string error;
        for (const auto& e : errors) error += (error.empty() ? "" : "; ") + e;
        json.Key("error").String(error);
    }
    std::cout << json.EndObject().Text() << '\n' << std::flush;
}

} // namespace lw::cli
