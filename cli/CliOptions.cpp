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

namespace lw::cli {

namespace {

const char* const HelpText =
    R"(linkwell-cli [OPTIONS] COMMAND [ARGS]

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
      --json         ports, ident, ls, mem and stack print one JSON document instead of lines
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

Exit status: 0 done; 1 the operation failed (one clear message on stderr); 2 usage error.
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

    CLI::App app{"linkwell-cli", ProgramName};
    app.set_help_flag();
    app.fallthrough();
    app.require_subcommand(1);
    std::string speed = std::to_string(o.Speed);
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

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        message = e.what();
        return TParseResult::UsageError;
    }
    o.Command = app.get_subcommands().front()->get_name();
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

std::string CheckCommand(const TCliOptions& o) {
    if (o.Command == "capture") {
        const std::string ext = ExtractFileExt(o.OutFile);
        if (ext.size() < 2 || ImageFormatOf(o.OutFile) == TImageFormat::None)
            return BadImageExtensionText(o.OutFile);
        if (o.Count < 1) return BadCaptureCountText(o.Count);
    }
    const bool portOnly = o.Command == "capture" || o.Command == "xmodem-send" ||
                          o.Command == "xmodem-receive" || o.Command == "rom";
    if (portOnly && !o.Demo && IsAutoPort(o.Port)) return AutoPortRefusedText(o.Command);
    if (o.Command == "rom" && !o.Demo && !IsUsbPort(o.Port)) return RomNeedsUsbText();
    return "";
}

} // namespace lw::cli
