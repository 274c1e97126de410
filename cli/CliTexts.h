// Every text linkwell-cli itself prints about a failure or a refusal, in one place. (The
// calculator-side texts, such as the connect errors, come from the core as they are.)
#pragma once
#include <string>

namespace lw::cli {

inline constexpr const char* ProgramName = "linkwell-cli";

// Usage errors (exit status 2).
std::string UsageHint(); // "Run with --help for more information."
std::string BadSpeedText(const std::string& speed);
std::string BadImageExtensionText(const std::string& file);
std::string BadCaptureCountText(int count);
std::string AutoPortRefusedText(const std::string& command);
std::string RomNeedsUsbText();
std::string ExecNeedsLineText();
std::string NeedsYesText(const std::string& command); // rom, restore without a terminal
std::string NoCommandText();
std::string ScriptAndCommandText(); // -c with a command
std::string NestedSessionText();    // shell, run or -c inside a session
std::string UnclosedQuoteText();
std::string UnknownCommandText(const std::string& word);
std::string TooManyArgumentsText(const std::string& command);

// Operation failures (exit status 1).
std::string NoSuchDirectoryText(const std::string& path);
std::string NoSuchEntryText(const std::string& name, const std::string& dir);
std::string AlreadyExistsText(const std::string& name, const std::string& dir);
std::string NotChangedText(const std::string& command, const std::string& name);
std::string ImproperNameRefusedText(const std::string& name);
std::string GetFailedText(const std::string& name);
std::string PutFailedText(const std::string& file);
std::string PutNotReplacedText(const std::string& file, const std::string& name);
std::string BackupArchiveRefusedText(const std::string& file);
std::string FileUnreadableText(const std::string& file, const std::string& reason);
std::string BackupFailedText(const std::string& file);
std::string RestoreFailedText(const std::string& file);
std::string SpeedChangeDeclinedText();
std::string NoCaptureText();
std::string CaptureFailedText();
std::string ImageWriteFailedText(const std::string& file, const std::string& reason);
std::string XModemSendFailedText(const std::string& file);
std::string XModemReceiveFailedText(const std::string& file);
std::string RomFailedText(const std::string& file); // the desktop program's "Download Error"
std::string StackFailedText();
std::string PortOpenFailedText(const std::string& port);
std::string CancelledText();
std::string DemoFailedText(const std::string& reason);
std::string NoSuchFolderText(const std::string& folder);
std::string SyncConflictsText(int count); // nothing was done
std::string SyncFailedText(const std::string& what);
std::string SyncStoppedText(int done);

// Sessions.
std::string ScriptLineText(int line, const std::string& text); // "line 3: <text>"
std::string NoPcFolderText(const std::string& folder, const std::string& reason);
std::string NotConnectedText();             // after the link was lost
std::string LinkLostText(bool interactive); // the one report of a lost link
std::string ReconnectingText();             // --reconnect waits
std::string ReconnectFailedText(int seconds);
std::string ConnectedAgainText();
std::string SessionPrompt(const std::string& dir); // "HOME GAMES> "

// Questions.
std::string RestoreQuestionText(const std::string& file);

// Notes printed on success.
std::string RestoredNoteText(); // the calculator's server stopped; how to reconnect
std::string SyncStateUnreadableText(const std::string& file); // compared as a first sync
std::string SyncSummaryText(int done, int fetched);
std::string SyncConflictCopyText(const std::string& file);

} // namespace lw::cli
