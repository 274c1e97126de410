#include "cli/CliTexts.h"

namespace lw::cli {

std::string UsageHint() {
    return "Run with --help for more information.";
}

std::string BadSpeedText(const std::string& speed) {
    return "--speed: \"" + speed +
           "\" is not a serial speed (2400, 4800, 9600, 14400, 19200, 38400, 57600 or 115200)";
}

std::string BadImageExtensionText(const std::string& file) {
    return "capture: \"" + file + "\" must end in .bmp, .jpg or .png";
}

std::string BadCaptureCountText(int count) {
    return "capture: -n must be 1 or more, not " + std::to_string(count);
}

std::string AutoPortRefusedText(const std::string& command) {
    return command + " talks to the calculator without its server and needs a port: give " +
           "-p with a serial device or \"usb\"";
}

std::string RomNeedsUsbText() {
    return "rom works over USB only: give -p usb (or usb_1..usb_4)";
}

std::string ExecNeedsLineText() {
    return "exec: the command line is empty";
}

std::string NeedsYesText(const std::string& command) {
    return command + " needs -y when no terminal is attached";
}

std::string NoCommandText() {
    return "a command is required (or -c with commands)";
}

std::string ScriptAndCommandText() {
    return "-c takes the commands itself: give either -c or a command";
}

std::string NestedSessionText() {
    return "shell, run and -c start a session; they do not run inside one";
}

std::string UnclosedQuoteText() {
    return "a quote is not closed";
}

std::string UnknownCommandText(const std::string& word) {
    return "unknown command \"" + word + "\" (help lists the commands)";
}

std::string TooManyArgumentsText(const std::string& command) {
    return command + ": too many arguments";
}

std::string ScriptLineText(int line, const std::string& text) {
    return "line " + std::to_string(line) + ": " + text;
}

std::string NoPcFolderText(const std::string& folder, const std::string& reason) {
    return "lcd: cannot use the folder \"" + folder + "\": " + reason;
}

std::string NotConnectedText() {
    return "not connected to the calculator: type reconnect once it answers again";
}

std::string LinkLostText(bool interactive) {
    return interactive ? "the link to the calculator is lost: type reconnect once it answers "
                         "again (the session keeps its state)"
                       : "the link to the calculator is lost; the rest is not run "
                         "(--reconnect waits for the calculator and goes on)";
}

std::string ReconnectingText() {
    return "the link to the calculator is lost; waiting for it to answer again";
}

std::string ReconnectFailedText(int seconds) {
    return "the calculator did not answer again within " + std::to_string(seconds) + " s";
}

std::string ConnectedAgainText() {
    return "connected again";
}

std::string SessionPrompt(const std::string& dir) {
    return dir + "> ";
}

std::string NoSuchDirectoryText(const std::string& path) {
    return "no directory \"" + path + "\" on the calculator";
}

std::string NoSuchEntryText(const std::string& name, const std::string& dir) {
    return "\"" + name + "\" is not in " + dir;
}

std::string AlreadyExistsText(const std::string& name, const std::string& dir) {
    return "\"" + name + "\" already exists in " + dir;
}

std::string NotChangedText(const std::string& command, const std::string& name) {
    return command + " " + name + ": the calculator refused it";
}

std::string ImproperNameRefusedText(const std::string& name) {
    return "\"" + name + "\" is not a proper calculator name (-y goes on anyway)";
}

std::string GetFailedText(const std::string& name) {
    return "get " + name + ": the transfer failed";
}

std::string PutFailedText(const std::string& file) {
    return "put " + file + ": the file was not sent";
}

std::string PutNotReplacedText(const std::string& file, const std::string& name) {
    return "put " + file + ": the calculator already has " + name + "; not replaced (-y replaces)";
}

std::string BackupArchiveRefusedText(const std::string& file) {
    return "put " + file + ": this is a backup archive; use restore";
}

std::string FileUnreadableText(const std::string& file, const std::string& reason) {
    return "cannot read \"" + file + "\"" + (reason.empty() ? "" : ": " + reason);
}

std::string BackupFailedText(const std::string& file) {
    return "backup " + file + ": the backup failed; no file was written";
}

std::string RestoreFailedText(const std::string& file) {
    return "restore " + file + ": the archive was not sent";
}

std::string SpeedChangeDeclinedText() {
    return "cancelled: the speed change was declined";
}

std::string NoCaptureText() {
    return "capture: no screen capture arrived";
}

std::string CaptureFailedText() {
    return "capture: the screen capture failed";
}

std::string ImageWriteFailedText(const std::string& file, const std::string& reason) {
    return "capture: cannot write \"" + file + "\": " + reason;
}

std::string XModemSendFailedText(const std::string& file) {
    return "xmodem-send " + file + ": the transfer failed";
}

std::string XModemReceiveFailedText(const std::string& file) {
    return "xmodem-receive " + file + ": nothing was received; no file was written";
}

std::string RomFailedText(const std::string& file) {
    return "Download Error: Download of ROM file " + file + " failed.";
}

std::string StackFailedText() {
    return "stack: the stack picture could not be fetched";
}

std::string PortOpenFailedText(const std::string& port) {
    return "cannot open the port \"" + port + "\"";
}

std::string CancelledText() {
    return "cancelled";
}

std::string DemoFailedText(const std::string& reason) {
    return "the built-in simulated calculator could not start: " + reason;
}

std::string RestoreQuestionText(const std::string& file) {
    return "Restore: the calculator's whole memory is replaced by the backup in " + file +
           ". Go on?";
}

std::string RestoredNoteText() {
    return "The Calculator memory has been restored but it may take a few minutes to "
           "reorganize and be ready for commands.\n"
           "On the Calculator: press VAR then run FLAG to restore all flags.\n"
           "To connect again, restart the server (XSrvr) on the Calculator.";
}

std::string NoSuchFolderText(const std::string& folder) {
    return "sync: \"" + folder + "\" is not a folder";
}

std::string SyncConflictsText(int count) {
    return "sync: " + std::to_string(count) + (count == 1 ? " conflict" : " conflicts") +
           " (changed on both sides); nothing was done. Give --prefer calc or --prefer pc to " +
           "keep one side and a conflict copy of the other";
}

std::string SyncFailedText(const std::string& what) {
    return "sync stopped: " + what + "; what was done is recorded, run sync again to finish";
}

std::string SyncStoppedText(int done) {
    return "sync stopped after " + std::to_string(done) +
           " actions; what was done is recorded, run sync again to finish";
}

std::string SyncStateUnreadableText(const std::string& file) {
    return "note: " + file + " could not be read; both sides are compared as at a first sync";
}

std::string SyncSummaryText(int done, int fetched) {
    return "sync: " + std::to_string(done) + " done, " + std::to_string(fetched) +
           " variables fetched to compare";
}

std::string SyncConflictCopyText(const std::string& file) {
    return "kept the other side as " + file;
}

} // namespace lw::cli
