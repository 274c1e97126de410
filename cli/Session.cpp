#include "cli/Session.h"

#include "cli/CliTexts.h"
#include "link/CalcNames.h"
#include "link/Port.h"
#include "server/PortNames.h"
#include "util/Files.h"
#include "util/SysFiles.h"

#include <cerrno>
#include <cstring>
#include <iostream>

namespace lw::cli {

void TSession::Connect() {
    if (Held && Server.IsConnected() && State.Connected) return;
    Server.SetSpeed(std::to_string(Options.Speed));
    WithOpenCause(PortName, [this] { Server.Connect(PortName); });
}

TXPObject& TSession::ListDir() {
    Server.GetFileList();
    TXPObject* dir = Server.Root().FindDir(Options.Dir);
    if (!dir) throw ECommandFailed(NoSuchDirectoryText(Options.Dir));
    return *dir;
}

TXPObject& TSession::EnterDir() {
    Connect();
    TXPObject& dir = ListDir();
    Server.ChangeDir(Options.Dir);
    return dir;
}

TXPObject& TSession::Entry(TXPObject& dir, const std::string& name) {
    TXPObject* entry = dir.FindChild(name);
    if (!entry) throw ECommandFailed(NoSuchEntryText(name, dir.GetPath()));
    return *entry;
}

void TSession::CheckName(const std::string& name) {
    if (!CheckCalcName(name)) throw ECommandFailed(ImproperNameRefusedText(name));
}

void TSession::OpenPortOnly() {
    Server.SetSpeed(std::to_string(Options.Speed)); // the line runs at -s here too
    bool opened = false;
    WithOpenCause(PortName, [this, &opened] { opened = Server.OpenComm(PortName); });
    if (!opened) throw ECommandFailed(PortOpenFailedText(Options.Port));
}

void TSession::CheckReadable(const std::string& path) {
    const TFd fd(sys::OpenForReading(path));
    if (!fd) throw ECommandFailed(FileUnreadableText(path, std::strerror(errno)));
    uint64_t size = 0;
    if (sys::OpenFileSize(fd.Get(), size) == EISDIR)
        throw ECommandFailed(FileUnreadableText(path, std::strerror(EISDIR)));
}

void TSession::Output(const std::string& line) {
    if (Captured) {
        Captured->push_back(line);
        return;
    }
    std::cout << line << '\n' << std::flush;
}

void TSession::OutputJson(const std::string& document) {
    if (CapturedJson) {
        *CapturedJson = document;
        return;
    }
    Output(document);
}

} // namespace lw::cli
