// Calculator-side changes done by scripts: deleting, creating folders, renaming, evaluating.
#include "link/CalcNames.h"
#include "link/Port.h"
#include "server/XModemServer.h"

namespace lw {

void TXModemServer::Purge(const std::string& name, bool isDir) {
    if (!CheckCalcName(name)) return;
    Execute("'" + name + (isDir ? "' PGDIR" : "' PURGE"), true, true);
}

void TXModemServer::CreateDir(const std::string& name) {
    Execute("'" + name + "' CRDIR", true, true);
}

void TXModemServer::Rename(const std::string& oldName, const std::string& newName, bool isDir) {
    Execute("'" + oldName + "' DUP RCL SWAP " + (isDir ? "PGDIR" : "PURGE") + " '" + newName +
                "' STO ",
            true, true);
    SleepMs(LinkTiming.AfterRename);
}

void TXModemServer::EvalVar(const std::string& path, const std::string& name) {
    ChangeDir(path);
    Execute(name, false, true);
}

} // namespace lw
