#include "cli/CliOptions.h"

#include "cli/CliTexts.h"
#include "link/Port.h"
#include "objects/CaptureImage.h"
#include "server/PortNames.h"
#include "util/Files.h"
#include "util/Version.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <vector>

namespace lw::cli {

namespace {

const char* const HelpText =
    R"(linkwell-cli [OPTIONS] COMMAND [ARGS]
linkwell-cli [OPTIONS] shell | run FILE | -c 'COMMAND; COMMAND'

Options
  -p, --port PORT    a serial device path, "usb" (the USB calculator, suffixes usb_1..usb_4),
                     or "auto"; default: $LINKWELL_PORT, else auto
  -s, --speed BAUD   serial speed: 2400, 4800, 9600, 14400, 19200, 38400, 57600 or 115200
                     (default)
      --demo         start the built-in simulated calculator and use it as the port
  -d, --dir PATH     calculator directory to work in, as the path form "HOME GAMES"; default HOME
  -t, --text         text transfer mode for get and put (default binary)
      --no-ext       binary files get no ".zq" extension
  -y, --yes          answer every question yes; without it, questions are asked on the
                     terminal, or answered no when there is no terminal (rom and restore
                     then refuse to run)
  -q, --quiet        no progress output
  -v, --verbose      print the trace lines to stderr
      --alg          prompts in the ALG wording (default RPN)
      --json         ports, ident, ls, mem, stack and sync print one JSON document instead
                     of lines; in a session every command prints one JSON document on its own line
  -c COMMANDS        run the commands, separated by ";", on one connection
      --keep-going   in a session, run the rest after a failed command (exit status 1)
      --reconnect    in a script, when the link is lost, wait for the calculator, connect
                     again and run the interrupted command once more
      --version, --help

Commands
  ports                  the port list, one per line; a device this user may not open follows as
                         NAME<TAB>(no permission: group GROUP)
  ident                  one "key: value" line each for: ident, model, model-name, rom, flags, required-speed
  ls [-R]                one entry per line: NAME<TAB>SIZE<TAB>TYPE in the calculator's order (display form);
                         with -R, every entry of the tree, NAME replaced by its full path ("HOME GAMES X"),
                         a directory's entries right after it
  mem                    free memory in bytes
  get NAME... [-o DIR]   copy variables into DIR (default .): NAME.zq in binary mode, NAME.txt in text mode,
                         the file named by the name's file-name form
  put FILE...            send files into the directory; the variable name comes from the file name as the
                         desktop program's paste makes it; a backup archive is refused here (use restore)
  rm NAME...   mkdir NAME   mv OLD NEW   eval NAME
  exec LINE              run a command line on the calculator
  stack                  the stack picture, one level per line, as the command window shows it
  backup FILE            back the whole memory up into FILE
  restore FILE           restore the memory from FILE, a backup archive of the connected model
  capture -o FILE [-n N] wait for N screen captures (default 1), save as .bmp, .jpg or .png by FILE's
                         extension (N > 1: FILE-1.ext, FILE-2.ext, ...); a failed capture is
                         reported and the next one awaited
  xmodem-send FILE       send FILE when the calculator's XRECV starts
  xmodem-receive FILE    receive what the calculator's XSEND sends
  rom FILE               send an operating-system image (USB only); an empty file, a calculator
                         object or text file, and a file over 4 MiB are refused
  sync PCDIR             keep the folder PCDIR and the -d directory alike (binary NAME.zq files,
                         with -t NAME.txt text files); prints the plan, one line each:
                         ACTION<TAB>NAME<TAB>REASON, then carries it out. A name changed on both
                         sides is a conflict: nothing is done unless --prefer says which side wins
      --to-calc | --to-pc | --both
                         one way only, or both ways (default)
      --dry-run          print the plan only
      --delete           carry deletions across (otherwise a deleted name is left alone)
      --recursive        subdirectories and subfolders too
      --prefer calc|pc   in a conflict this side wins; the other is kept on the PC as
                         NAME.conflict-<date>.<ext>
      --trust-sizes      a variable whose listed size is unchanged since the last sync counts as
                         unchanged (not fetched to compare)
  shell                  an interactive session on one connection (commands from standard input
                         when it is not a terminal)
  run FILE               run the commands in FILE, one per line, on one connection ("-": stdin)

Inside a session (shell, run, -c), besides the commands above
  cd [DIR]  pwd          the calculator directory: DIR below the current one, "..", or a path
                         from HOME; cd alone goes HOME
  lcd [DIR]  lpwd        the PC folder files are read from and written to
  help [COMMAND]         these lines, or those of one command
  reconnect              connect again after the link was lost
  exit                   end the session (also Ctrl-D); Ctrl-C cancels the running command
A session line holds one command; ";" separates more, "#" starts a comment. Quote names and
file names with blanks in '...' or "..."; a backslash escapes a blank, a quote, ";", "#" or a
backslash and is kept before anything else (A\->B is the name A\->B).

Exit status: 0 done (sync: in sync); 1 the operation failed (one clear message on stderr), or
sync found conflicts; 2 usage error.
)";

// --help or --version before a "--" (after it everything is an argument).
bool Asked(int argc, const char* const* argv, std::initializer_list<std::string_view> flags) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") return false;
        if (std::find(flags.begin(), flags.end(), arg) != flags.end()) return true;
    }
    return false;
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

bool ParseSpeed(const std::string& text, int& speed) {
    if (text.empty() || text.size() > 7 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return false;
    speed = std::stoi(text);
    return IsSerialSpeed(speed);
}

} // namespace

bool IsAutoPort(const std::string& cliPort) {
    return Lower(cliPort) == "auto";
}

bool IsUsbPort(const std::string& cliPort) {
    const std::string p = Lower(cliPort);
    return p == "usb" || (p.size() == 5 && p.rfind("usb_", 0) == 0 && p[4] >= '1' && p[4] <= '4');
}

std::string ServerPortName(const std::string& cliPort) {
    if (IsAutoPort(cliPort)) return "AUTO";
    if (IsUsbPort(cliPort)) return std::string(UsbDeviceName) + cliPort.substr(3);
    return cliPort;
}

std::string NormalizeDirPath(const std::string& path) {
    std::istringstream in(path);
    std::string word, out;
    while (in >> word) out += (out.empty() ? "" : " ") + word;
    if (out != "HOME" && out.rfind("HOME ", 0) != 0) out = out.empty() ? "HOME" : "HOME " + out;
    return out;
}

namespace {

// The parser: global options, then one subcommand each command. `speed` takes -s as typed.
void BuildParser(CLI::App& app, TCliOptions& o, std::string& speed) {
    app.set_help_flag();
    app.fallthrough();
    app.require_subcommand(0, 1);
    app.add_option("-p,--port", o.Port);
    app.add_option("-s,--speed", speed);
    app.add_flag("--demo", o.Demo);
    app.add_option("-d,--dir", o.Dir);
    app.add_flag("-t,--text", o.Text);
    app.add_flag("--no-ext", o.NoExt);
    app.add_flag("-y,--yes", o.Yes);
    app.add_flag("-q,--quiet", o.Quiet);
    app.add_flag("-v,--verbose", o.Verbose);
    app.add_flag("--alg", o.Alg);
    app.add_flag("--json", o.Json);
    app.add_option("-c", o.Script);
    app.add_flag("--keep-going", o.KeepGoing);
    app.add_flag("--reconnect", o.Reconnect);

    auto command = [&](const char* name) {
        CLI::App* c = app.add_subcommand(name);
        c->set_help_flag();
        return c;
    };
    command("ports");
    command("ident");
    command("ls")->add_flag("-R", o.Recursive);
    command("mem");
    CLI::App* get = command("get");
    get->add_option("NAME", o.Args)->required();
    get->add_option("-o", o.OutDir);
    command("put")->add_option("FILE", o.Args)->required();
    command("rm")->add_option("NAME", o.Args)->required();
    command("mkdir")->add_option("NAME", o.Args)->required()->expected(1);
    command("mv")->add_option("NAMES", o.Args)->required()->expected(2);
    command("eval")->add_option("NAME", o.Args)->required()->expected(1);
    command("exec")->add_option("LINE", o.Args)->required();
    command("stack");
    command("backup")->add_option("FILE", o.Args)->required()->expected(1);
    command("restore")->add_option("FILE", o.Args)->required()->expected(1);
    CLI::App* capture = command("capture");
    capture->add_option("-o", o.OutFile)->required();
    capture->add_option("-n", o.Count);
    command("xmodem-send")->add_option("FILE", o.Args)->required()->expected(1);
    command("xmodem-receive")->add_option("FILE", o.Args)->required()->expected(1);
    command("rom")->add_option("FILE", o.Args)->required()->expected(1);
    command("shell");
    command("run")->add_option("FILE", o.Args)->required()->expected(1);
    CLI::App* sync = command("sync");
    sync->add_option("PCDIR", o.Args)->required()->expected(1);
    CLI::Option* toCalc = sync->add_flag_callback("--to-calc", [&o] { o.SyncTo = "calc"; });
    CLI::Option* toPc =
        sync->add_flag_callback("--to-pc", [&o] { o.SyncTo = "pc"; })->excludes(toCalc);
    sync->add_flag_callback("--both", [&o] { o.SyncTo = "both"; })
        ->excludes(toCalc)
        ->excludes(toPc);
    sync->add_flag("--dry-run", o.DryRun);
    sync->add_flag("--delete", o.Delete);
    sync->add_flag("--recursive", o.Recursive);
    sync->add_flag("--trust-sizes", o.TrustSizes);
    sync->add_option("--prefer", o.Prefer)->check(CLI::IsMember({"calc", "pc"}));
}

bool IsSessionCommand(const std::string& command) {
    return command == "shell" || command == "run";
}

// Parses argv over the values already in `o`.
TParseResult Parse(int argc, const char* const* argv, TCliOptions& o, std::string& message) {
    CLI::App app{"linkwell-cli", ProgramName};
    std::string speed = std::to_string(o.Speed);
    BuildParser(app, o, speed);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        message = e.what();
        return TParseResult::UsageError;
    }
    const auto subcommands = app.get_subcommands();
    o.Command = subcommands.empty() ? "" : subcommands.front()->get_name();
    if (o.Command.empty() == o.Script.empty()) {
        message = o.Command.empty() ? NoCommandText() : ScriptAndCommandText();
        return TParseResult::UsageError;
    }
    if (!ParseSpeed(speed, o.Speed)) {
        message = BadSpeedText(speed);
        return TParseResult::UsageError;
    }
    o.Dir = NormalizeDirPath(o.Dir);
    if (o.Command == "exec") {
        std::string line;
        for (const auto& a : o.Args) line += (line.empty() ? "" : " ") + a;
        o.Args = {line};
        if (line.empty()) {
            message = ExecNeedsLineText();
            return TParseResult::UsageError;
        }
    }
    message = CheckCommand(o);
    return message.empty() ? TParseResult::Run : TParseResult::UsageError;
}

// The help's lines from the one beginning with `title` to the next section.
std::vector<std::string> HelpSection(const std::string& title) {
    std::istringstream in(HelpText);
    std::vector<std::string> lines;
    bool on = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != ' ') on = line.rfind(title, 0) == 0;
        if (on && !line.empty() && line[0] == ' ') lines.push_back(line);
    }
    return lines;
}

} // namespace

TParseResult ParseCommandLine(int argc, const char* const* argv, TCliOptions& o,
                              std::string& message) {
    if (Asked(argc, argv, {"-h", "--help"})) {
        std::cout << HelpText;
        return TParseResult::Done;
    }
    if (Asked(argc, argv, {"--version"})) {
        std::cout << ProgramName << ' ' << FileVersionText() << '\n';
        return TParseResult::Done;
    }
    if (const char* env = std::getenv("LINKWELL_PORT"); env && *env) o.Port = env;
    return Parse(argc, argv, o, message);
}

TParseResult ParseSessionLine(const std::vector<std::string>& words, const TCliOptions& base,
                              TCliOptions& o, std::string& message) {
    o = base;
    o.Command.clear();
    o.Script.clear();
    o.Args.clear();
    o.Recursive = false;
    o.OutDir = ".";
    o.OutFile.clear();
    o.Count = 1;
    std::vector<const char*> argv = {ProgramName};
    for (const auto& w : words) argv.push_back(w.c_str());
    if (Asked(int(argv.size()), argv.data(), {"-h", "--help"})) {
        std::cout << HelpText;
        return TParseResult::Done;
    }
    const TParseResult result = Parse(int(argv.size()), argv.data(), o, message);
    if (result == TParseResult::Run && (IsSessionCommand(o.Command) || !o.Script.empty())) {
        message = NestedSessionText();
        return TParseResult::UsageError;
    }
    return result;
}

std::vector<std::string> CommandNames() {
    TCliOptions o;
    std::string speed;
    CLI::App app{"linkwell-cli", ProgramName};
    BuildParser(app, o, speed);
    std::vector<std::string> names;
    for (const CLI::App* c : app.get_subcommands({}))
        if (!IsSessionCommand(c->get_name())) names.push_back(c->get_name());
    return names;
}

std::vector<std::string> CommandOptionNames(const std::string& command) {
    TCliOptions o;
    std::string speed;
    CLI::App app{"linkwell-cli", ProgramName};
    BuildParser(app, o, speed);
    std::vector<std::string> names;
    auto add = [&names](const CLI::App& from) {
        for (const CLI::Option* opt : from.get_options()) {
            for (const auto& n : opt->get_snames()) names.push_back("-" + n);
            for (const auto& n : opt->get_lnames()) names.push_back("--" + n);
        }
    };
    for (const CLI::App* c : app.get_subcommands({}))
        if (c->get_name() == command) add(*c);
    TCliOptions none;
    std::string unused;
    CLI::App globals{"", ProgramName};
    BuildParser(globals, none, unused);
    add(globals);
    // What only the command line of the program itself takes.
    std::erase_if(names, [](const std::string& n) {
        return n == "-c" || n == "--keep-going" || n == "--reconnect" || n == "-p" ||
               n == "--port" || n == "-s" || n == "--speed" || n == "--demo";
    });
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::string CommandHelp(const std::string& command) {
    std::string out;
    for (const char* title : {"Commands", "Inside a session"}) {
        bool inside = false; // the entry's continuation lines follow its first line
        for (const auto& line : HelpSection(title)) {
            if (line.find_first_not_of(' ') == 2) {
                // The entry's commands: the first word of each column before the description.
                inside = false;
                std::istringstream head(line.substr(0, 25));
                for (std::string word; head >> word;) inside = inside || word == command;
            }
            if (inside) out += line + "\n";
        }
    }
    // A line of several short entries ("rm NAME...   mkdir NAME   mv OLD NEW ...").
    if (out.empty())
        for (const auto& line : HelpSection("Commands"))
            if (line.find_first_not_of(' ') == 2 && (line + " ").find("   " + command + " ") < 60)
                out += line + "\n";
    return out;
}

std::string CommandsHelp() {
    std::string out;
    for (const char* title : {"Commands", "Inside a session"}) {
        out += std::string(title) + "\n";
        for (const auto& line : HelpSection(title)) out += line + "\n";
    }
    return out;
}

std::string CheckCommand(const TCliOptions& o) {
    if (o.Command == "capture") {
        const std::string ext = ExtractFileExt(o.OutFile);
        if (ext.size() < 2 || ImageFormatOf(o.OutFile) == TImageFormat::None)
            return BadImageExtensionText(o.OutFile);
        if (ImageFormatOf(o.OutFile) == TImageFormat::Jpeg && !JpegAvailable())
            return JpegUnavailableText();
        if (o.Count < 1) return BadCaptureCountText(o.Count);
    }
    const bool portOnly = o.Command == "capture" || o.Command == "xmodem-send" ||
                          o.Command == "xmodem-receive" || o.Command == "rom";
    if (portOnly && !o.Demo && IsAutoPort(o.Port)) return AutoPortRefusedText(o.Command);
    if (o.Command == "rom" && !o.Demo && !IsUsbPort(o.Port)) return RomNeedsUsbText();
    return "";
}

} // namespace lw::cli
