// The commands of linkwell-cli. Each returns the exit status (0 done, 1 failed) or raises
// ECommandFailed / the core's errors, which the caller turns into the one message.
#pragma once
#include "cli/Session.h"

#include <map>
#include <string>

namespace lw::cli {

using TCommand = int (*)(TSession&);
// Every command by its name (App.cpp); sessions dispatch through it too.
const std::map<std::string, TCommand>& CommandTable();
// Runs s.Options.Command from the table; every failure becomes the one message. Returns the
// exit status.
int RunCaught(TSession& s);

// Listing and variables (CommandsMemory.cpp).
int CmdPorts(TSession& s);
int CmdIdent(TSession& s);
int CmdLs(TSession& s);
int CmdMem(TSession& s);
int CmdGet(TSession& s);
int CmdPut(TSession& s);
int CmdRm(TSession& s);
int CmdMkdir(TSession& s);
int CmdMv(TSession& s);
int CmdEval(TSession& s);
int CmdExec(TSession& s);
int CmdStack(TSession& s);

// The whole calculator and the transfers it starts (CommandsWhole.cpp).
int CmdBackup(TSession& s);
int CmdRestore(TSession& s);
int CmdCapture(TSession& s);
int CmdXModemSend(TSession& s);
int CmdXModemReceive(TSession& s);
int CmdRom(TSession& s);

// Keeping a PC folder and a calculator directory alike (CommandsSync.cpp).
int CmdSync(TSession& s);

} // namespace lw::cli
