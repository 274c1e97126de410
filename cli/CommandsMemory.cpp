// The commands on the calculator's memory through its XModem server: the port list,
// identification, listing, free memory, copying variables both ways, deleting, folders,
// renaming, evaluating, command lines and the stack picture.
#include "cli/CliTexts.h"
#include "cli/Commands.h"
#include "cli/Json.h"
#include "link/CalcNames.h"
#include "link/Port.h"
#include "server/Commands.h"
#include "server/StackPicture.h"

#include <map>
#include <sstream>
#include <vector>

namespace lw::cli {

namespace {

struct TEntryRow {
    std::string Name;
    int64_t Size;
    std::string Type;
};

void CollectTree(TXPObject& dir, std::vector<TEntryRow>& rows) {
    for (auto& child : dir.GetChildren()) {
        rows.push_back({child->GetPath(), child->SizeBytes, child->TypeName});
        if (child->IsDirectory()) CollectTree(*child, rows);
    }
}

// "auto", the serial device paths and "usb", "usb_1" ... for the port list's entries.
std::string CliPortName(const std::string& listName) {
    const std::string usb = UsbCalculatorText;
    if (listName == "Auto") return "auto";
    if (listName.rfind(usb, 0) == 0) return "usb" + listName.substr(usb.size());
    return listName;
}

} // namespace

int CmdPorts(TSession& s) {
    SetPortListSeparator("\n");
    std::istringstream lines(ListPorts());
    std::vector<std::string> usable;
    for (std::string line; std::getline(lines, line);)
        if (!line.empty()) usable.push_back(CliPortName(line));
    const std::vector<TDeniedPort> denied = DeniedPorts();
    if (s.Options.Json) {
        TJsonWriter json;
        json.BeginArray();
        for (const auto& name : usable)
            json.BeginObject().Key("name").String(name).Key("usable").Bool(true).EndObject();
        for (const auto& d : denied)
            json.BeginObject()
                .Key("name")
                .String(CliPortName(d.Name))
                .Key("usable")
                .Bool(false)
                .Key("group")
                .String(d.Group)
                .EndObject();
        s.OutputJson(json.EndArray().Text());
        return 0;
    }
    for (const auto& name : usable) s.Output(name);
    for (const auto& d : denied) s.Output(CliPortName(d.Name) + '\t' + NoPermissionNote(d.Group));
    return 0;
}

int CmdIdent(TSession& s) {
    s.Connect();
    const std::pair<const char*, std::string> fields[] = {{"ident", s.Server.Ident},
                                                          {"model", s.State.ModelCode},
                                                          {"model-name", s.State.ModelName},
                                                          {"rom", s.State.RomVersion},
                                                          {"flags", s.State.CalcFlags}};
    if (s.Options.Json) {
        TJsonWriter json;
        json.BeginObject();
        for (const auto& [key, value] : fields) json.Key(key).String(value);
        json.Key("required-speed").Number(s.State.RequiredSpeed);
        s.OutputJson(json.EndObject().Text());
        return 0;
    }
    for (const auto& [key, value] : fields) s.Output(std::string(key) + ": " + value);
    s.Output("required-speed: " + std::to_string(s.State.RequiredSpeed));
    return 0;
}

int CmdLs(TSession& s) {
    s.Connect();
    TXPObject& dir = s.ListDir();
    std::vector<TEntryRow> rows;
    if (s.Options.Recursive)
        CollectTree(dir, rows);
    else
        for (auto& child : dir.GetChildren())
            rows.push_back({child->Name, child->SizeBytes, child->TypeName});
    if (s.Options.Json) {
        TJsonWriter json;
        json.BeginArray();
        for (const auto& r : rows)
            json.BeginObject()
                .Key("name")
                .String(r.Name)
                .Key("size")
                .Number(r.Size)
                .Key("type")
                .String(r.Type)
                .EndObject();
        s.OutputJson(json.EndArray().Text());
        return 0;
    }
    for (const auto& r : rows) s.Output(r.Name + '\t' + std::to_string(r.Size) + '\t' + r.Type);
    return 0;
}

int CmdMem(TSession& s) {
    s.Connect();
    std::string text;
    s.Server.GetFreeMemory(text);
    if (s.Options.Json) {
        const bool digits = !text.empty() && text.size() < 16 &&
                            text.find_first_not_of("0123456789") == std::string::npos;
        TJsonWriter json;
        json.BeginObject().Key("free");
        if (digits)
            json.Number(std::stoll(text));
        else
            json.String(text);
        s.OutputJson(json.EndObject().Text());
        return 0;
    }
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
    std::vector<std::string> levels;
    for (const auto& line : lines) {
        std::string text;
        for (char c : line)
            if (c != '\r') text += c;
        levels.push_back(text);
    }
    if (s.Options.Json) {
        TJsonWriter json;
        json.BeginArray();
        for (const auto& level : levels) json.String(level);
        s.OutputJson(json.EndArray().Text());
        return 0;
    }
    for (const auto& level : levels) s.Output(level);
    return 0;
}

} // namespace lw::cli
