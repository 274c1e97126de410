// The commands on the calculator's memory through its XModem server: the port list,
// identification, listing, free memory, copying variables both ways, deleting, folders,
// renaming, evaluating, command lines and the stack picture.
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "link/CalcNames.h"
#include "link/Port.h"
#include "server/Commands.h"
#include "server/StackPicture.h"

#include <map>
#include <sstream>

namespace lw::cli {

namespace {

std::string EntryLine(const TXPObject& entry, const std::string& name) {
    return name + '\t' + std::to_string(entry.SizeBytes) + '\t' + entry.TypeName;
}

void ListTree(TSession& s, TXPObject& dir) {
    for (auto& child : dir.GetChildren()) {
        s.Output(EntryLine(*child, child->GetPath()));
        if (child->IsDirectory()) ListTree(s, *child);
    }
}

} // namespace

int CmdPorts(TSession& s) {
    SetPortListSeparator("\n");
    std::istringstream lines(ListPorts());
    const std::string usb = UsbCalculatorText;
    for (std::string line; std::getline(lines, line);) {
        if (line.empty()) continue;
        if (line == "Auto")
            s.Output("auto");
        else if (line.rfind(usb, 0) == 0)
            s.Output("usb" + line.substr(usb.size()));
        else
            s.Output(line);
    }
    return 0;
}

int CmdIdent(TSession& s) {
    s.Connect();
    s.Output("ident: " + s.Server.Ident);
    s.Output("model: " + s.State.ModelCode);
    s.Output("model-name: " + s.State.ModelName);
    s.Output("rom: " + s.State.RomVersion);
    s.Output("flags: " + s.State.CalcFlags);
    s.Output("required-speed: " + std::to_string(s.State.RequiredSpeed));
    return 0;
}

int CmdLs(TSession& s) {
    s.Connect();
    TXPObject& dir = s.ListDir();
    if (s.Options.Recursive) {
        ListTree(s, dir);
    } else {
        for (auto& child : dir.GetChildren()) s.Output(EntryLine(*child, child->Name));
    }
    return 0;
}

int CmdMem(TSession& s) {
    s.Connect();
    std::string text;
    s.Server.GetFreeMemory(text);
    s.Output(text);
    return 0;
}

int CmdGet(TSession& s) {
    TXPObject& dir = s.EnterDir();
    for (const auto& name : s.Options.Args) s.Entry(dir, name); // every name, before copying
    for (const auto& name : s.Options.Args) {
        const TXPObject& entry = s.Entry(dir, name);
        const std::string path =
            CopyEntryToFolder(s.Server, name, entry.TypeIndex, entry.SizeBytes, s.Options.OutDir);
        if (path.empty()) {
            if (!IsProperCalcName(name)) throw ECommandFailed(ImproperNameRefusedText(name));
            throw ECommandFailed(GetFailedText(name));
        }
        s.Output(path);
    }
    return 0;
}

int CmdPut(TSession& s) {
    const auto& files = s.Options.Args;
    for (const auto& file : files) {
        if (IsBackupArchive(file)) throw ECommandFailed(BackupArchiveRefusedText(file));
        s.CheckReadable(file);
    }
    TXPObject& dir = s.EnterDir();
    bool replaceAll = false;
    for (const auto& file : files) {
        const std::string name = PutNameForFile(file);
        const TPutOutcome outcome = PutFileToCalc(s.Server, file, replaceAll, int(files.size()),
                                                  dir.FindChild(name) != nullptr);
        if (outcome == TPutOutcome::NotReplaced)
            throw ECommandFailed(PutNotReplacedText(file, name));
        if (outcome == TPutOutcome::Refused && !IsProperCalcName(name))
            throw ECommandFailed(ImproperNameRefusedText(name));
        if (outcome != TPutOutcome::Sent) throw ECommandFailed(PutFailedText(file));
    }
    return 0;
}

int CmdRm(TSession& s) {
    TXPObject& dir = s.EnterDir();
    std::map<std::string, bool> targets; // name -> is a directory
    for (const auto& name : s.Options.Args) {
        targets[name] = s.Entry(dir, name).IsDirectory();
        s.CheckName(name);
    }
    for (const auto& name : s.Options.Args) s.Server.Purge(name, targets[name]);
    TXPObject& after = s.ListDir();
    for (const auto& name : s.Options.Args)
        if (after.FindChild(name)) throw ECommandFailed(NotChangedText("rm", name));
    return 0;
}

int CmdMkdir(TSession& s) {
    const std::string& name = s.Options.Args.at(0);
    TXPObject& dir = s.EnterDir();
    if (dir.FindChild(name)) throw ECommandFailed(AlreadyExistsText(name, dir.GetPath()));
    s.CheckName(name);
    s.Server.CreateDir(name);
    const TXPObject* made = s.ListDir().FindChild(name);
    if (!made || !made->IsDirectory()) throw ECommandFailed(NotChangedText("mkdir", name));
    return 0;
}

int CmdMv(TSession& s) {
    const std::string& from = s.Options.Args.at(0);
    const std::string& to = s.Options.Args.at(1);
    TXPObject& dir = s.EnterDir();
    const TXPObject& entry = s.Entry(dir, from);
    const bool isDir = entry.TypeIndex == DirectoryTypeIndex || entry.TypeIndex == 0;
    if (dir.FindChild(to)) throw ECommandFailed(AlreadyExistsText(to, dir.GetPath()));
    s.CheckName(from);
    s.CheckName(to);
    s.Server.Rename(from, to, isDir);
    TXPObject& after = s.ListDir();
    if (!after.FindChild(to) || after.FindChild(from))
        throw ECommandFailed(NotChangedText("mv", from));
    return 0;
}

int CmdEval(TSession& s) {
    const std::string& name = s.Options.Args.at(0);
    TXPObject& dir = s.EnterDir();
    s.Entry(dir, name);
    s.CheckName(name);
    s.Server.EvalVar(s.Options.Dir, name);
    return 0;
}

int CmdExec(TSession& s) {
    s.EnterDir();
    s.Server.Execute(s.Options.Args.at(0), false, true);
    return 0;
}

int CmdStack(TSession& s) {
    s.Connect();
    bool ok = false;
    const std::vector<std::string> lines = ReadStackPicture(s.Server, ok);
    if (!ok) throw ECommandFailed(StackFailedText());
    for (const auto& line : lines) {
        std::string text;
        for (char c : line)
            if (c != '\r') text += c;
        s.Output(text);
    }
    return 0;
}

} // namespace lw::cli
