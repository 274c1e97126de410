// The commands of linkwell-cli. Each returns the exit status (0 done, 1 failed) or raises
// ECommandFailed / the core's errors, which the caller turns into the one message.
#pragma once
#include "cli/Session.h"

namespace lw::cli {

// Runs s.Options.Command.
int RunCommand(TSession& s);

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

} // namespace lw::cli
