// The main window's operations that every front end needs, kept once in the core so the
// desktop program and linkwell-cli behave alike: the names PC files and calculator variables
// get on the way across, copying to and from the PC, backup and restore through archive
// files, and the calculator's manual XSEND/XRECV transfers.
#pragma once
#include "link/CaptureOutcome.h"

#include <ctime>
#include <functional>
#include <string>

namespace lw {

class TXModemServer;
class TXPObject;
enum class TPutOutcome : int; // server/XModemServer.h

// --- names

// The calculator name (display form) a PC file gets when it is put or pasted: the file name,
// one extension ".zq", ".txt" or ".zqbackup" removed without regard to case, then turned
// from the file-name form into the display form. "a.zq.txt" gives "a.zq".
std::string PutNameForFile(const std::string& path);
// Whether a path names a backup archive (extension ".zqbackup", any case).
bool IsBackupArchive(const std::string& path);
// The file name a calculator entry (display form) is copied to: its file-name form, plus
// ".txt" in text mode or ".zq" when addExtension. A name whose file-name form would be "."
// or ".." gets its dots escaped, so it never addresses a folder.
std::string CopyFileNameFor(const std::string& displayName, bool textMode, bool addExtension);
// The proposed archive name: model code, "_", the date as "d-mmm-yyyy", ".zqbackup"
// ("KB_5-Dec-2026.zqbackup").
std::string DefaultArchiveName(const std::string& modelCode, std::time_t when);
// The data a backup of `size` bytes is expected to bring: `size` raised to whole 128-byte
// blocks (1000 -> 1024, 1025 -> 1152).
int BackupExpectedSize(int size);

// --- calculator-side program files

// The folder holding the calculator-side program files (ArchKA.zq, ArchKB.zq, XSrvrKA.zq):
// the program's own folder unless a front end or test chose another.
std::string CalcFilesFolder();
void SetCalcFilesFolder(const std::string& folder); // empty: back to the program's folder
// The archive program for a model code ("ArchKB.zq" in CalcFilesFolder()).
std::string ArchiveProgramFile(const std::string& modelCode);
// The server program for the oldest model ("XSrvrKA.zq" in CalcFilesFolder()).
std::string ServerProgramFile();

// --- operations (connected server client; the caller has changed to the directory)

// Copies one calculator entry of the current directory into `folder` (binary or text as the
// state's TextMode says). Returns the path written, or "" when the copy failed (the engine
// or the name check reported why); no file is written then.
std::string CopyEntryToFolder(TXModemServer& server, const std::string& displayName, int typeIndex,
                              int size, const std::string& folder);

// Sends one PC file into the current directory under PutNameForFile(path). `exists`: the
// directory already holds that name (the replace question may then be asked); `replaceAll`
// is the batch's "yes to all" flag, `count` the number of files in the batch. A backup
// archive is refused (use RestoreFromFile). Returns how the put ended.
TPutOutcome PutFileToCalc(TXModemServer& server, const std::string& path, bool& replaceAll,
                          int count, bool exists);

// Backs the whole memory up into `path`: size estimate from the root record, Backup, the
// length walk, atomic write. A walk that fails shows "Decompile Error" and writes the data
// untrimmed. True only when the file was written; the previous file stays on failure.
bool BackupToFile(TXModemServer& server, const std::string& path);
// Why `path` is not restored to the connected calculator, or "" when it may be: the file is
// no backup archive of the connected model (see BackupArchiveRefusal), or it cannot be read.
std::string RestoreFileRefusal(TXModemServer& server, const std::string& path);
// Restores the memory from an archive file. A file RestoreFileRefusal refuses is not sent: the
// refusal is shown and the result is false. On success the calculator's server has stopped
// and the main window is disconnected: the front end tells the user how to reconnect.
bool RestoreFromFile(TXModemServer& server, const std::string& path);

// Why `path` is not sent as an operating-system image, or "" when it may be (see
// RomImageRefusal); asked before the ROM-loading prompt.
std::string RomFileRefusal(const std::string& path);

// The calculator's XSEND: receives what it sends into `path` (length walk, atomic write as
// for a backup). The port must be open (OpenComm). True when the file was written.
bool ReceiveXSendToFile(TXModemServer& server, const std::string& path);
// The calculator's XRECV: sends `path` once the calculator asks for it (while the prompt
// dialog is shown). The port must be open (OpenComm).
bool SendToXRecv(TXModemServer& server, const std::string& path);

// --- screen capture

// The line speed a screen capture needs: 115200 on a serial port that runs at another speed;
// 0 (no change) on the USB device or when the serial line already runs at it.
int CaptureRequiredSpeed(const std::string& port, int lineSpeed);
// The question asked before a capture switches the calculator to that speed.
std::string CaptureSpeedQuestion(const std::string& modelName);
// One pass of the capture loop on a port opened with OpenComm: shows the prompt for the first
// or a further capture, waits for the calculator to send and receives its picture, then leaves
// the front end disconnected. `prompted` runs once the prompt shows (a window updates its
// controls there).
struct TScreenCapture {
    TCaptureOutcome Outcome = TCaptureOutcome::None;
    std::string Image; // the capture bytes when received
};
TScreenCapture ReceiveCapture(TXModemServer& server, bool first,
                              const std::function<void()>& prompted = {});

} // namespace lw
