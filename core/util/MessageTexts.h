// The core's messages, status texts and error texts that a window may show: every one in one
// place, in English, with a key each. Texts with parts that change ("%1", "%2" ...) are whole
// sentences filled in by FillUiText, so that a translation can order its words freely. The
// command-line program prints them as they are; the desktop program finds the translation of
// a filled-in text by matching it against these templates (MessageTexts lists them all).
#pragma once
#include "util/UiText.h"

#include <array>

namespace lw::msg {

// --- connecting and the link
inline constexpr TUiText NoDevice = LW_UI_TEXT(
    "CoreTexts", "No device detected. Check the cable connections and the calculator.", "NoDevice");
inline constexpr TUiText KermitServer =
    LW_UI_TEXT("CoreTexts",
               "Calculator is using the Kermit Server.\n\r\n\rStop the calculator.\n\rBe sure to "
               "release the right-shift before pressing right-arrow.",
               "KermitServer");
inline constexpr TUiText WrongServerCaption =
    LW_UI_TEXT("CoreTexts", "Wrong Server", "WrongServerCaption");
inline constexpr TUiText NotConnected = LW_UI_TEXT(
    "CoreTexts", "No device connected. Check you are in Xmodem server (RShift RightArrow)",
    "NotConnected");
inline constexpr TUiText ConnectionError = LW_UI_TEXT(
    "CoreTexts", "Connection Error.\r\nPlease check your connections.", "ConnectionError");
// Every link error, around its reason.
inline constexpr TUiText LinkError = LW_UI_TEXT("CoreTexts", "Error (%1)", "LinkError");
inline constexpr TUiText CommandTooLong =
    LW_UI_TEXT("CoreTexts", "Command too long (%1 bytes)", "CommandTooLong");
inline constexpr TUiText NoObjectReceived =
    LW_UI_TEXT("CoreTexts", "No calculator object received for %1", "NoObjectReceived");

// --- opening a port ("%1" the device path)
inline constexpr TUiText PortMissing = LW_UI_TEXT("CoreTexts", "%1 does not exist", "PortMissing");
inline constexpr TUiText PortNotSerial =
    LW_UI_TEXT("CoreTexts", "%1 is not a serial device", "PortNotSerial");
inline constexpr TUiText PortInUse =
    LW_UI_TEXT("CoreTexts", "%1 is in use by another program", "PortInUse");
inline constexpr TUiText PortSetupFailed =
    LW_UI_TEXT("CoreTexts", "%1 cannot be set up: %2", "PortSetupFailed");
inline constexpr TUiText PermissionDenied =
    LW_UI_TEXT("CoreTexts", "%1: you may not open it (permission denied)", "PermissionDenied");
inline constexpr TUiText PermissionDeniedGroup = LW_UI_TEXT(
    "CoreTexts",
    "%1: permission denied; it belongs to group %2: add yourself with \"sudo usermod -aG %2 "
    "$USER\", then log in again",
    "PermissionDeniedGroup");
inline constexpr TUiText PermissionDeniedOwner = LW_UI_TEXT(
    "CoreTexts",
    "%1: permission denied; only its owner %2 may open it (group %3 has no read and write access)",
    "PermissionDeniedOwner");
// A port this user may not open, beside its name in the port list.
inline constexpr TUiText NoPermissionNote =
    LW_UI_TEXT("CoreTexts", "(no permission: group %1)", "NoPermissionNote");

// --- files on the PC ("%2" the system's reason)
inline constexpr TUiText UnableToOpen =
    LW_UI_TEXT("CoreTexts", "Unable to open file %1 - %2", "UnableToOpen");
inline constexpr TUiText UnableToWrite =
    LW_UI_TEXT("CoreTexts", "Unable to write file %1 - %2", "UnableToWrite");
inline constexpr TUiText CannotRead =
    LW_UI_TEXT("CoreTexts", "Cannot read from file %1 - %2", "CannotRead");
inline constexpr TUiText CannotReadFile =
    LW_UI_TEXT("CoreTexts", "Cannot read from file %1", "CannotReadFile");
inline constexpr TUiText CannotCreateFolder =
    LW_UI_TEXT("CoreTexts", "Cannot create folder %1: %2", "CannotCreateFolder");
inline constexpr TUiText CannotUseFolder =
    LW_UI_TEXT("CoreTexts", "Cannot use folder %1: %2", "CannotUseFolder");

// --- message boxes of transfers
inline constexpr TUiText ErrorCaption = LW_UI_TEXT("CoreTexts", "Error", "ErrorCaption");
inline constexpr TUiText WarningCaption = LW_UI_TEXT("CoreTexts", "Warning", "WarningCaption");
inline constexpr TUiText DecompErrorCaption =
    LW_UI_TEXT("CoreTexts", "Decompile Error", "DecompErrorCaption");
inline constexpr TUiText DecompError =
    LW_UI_TEXT("CoreTexts",
               "%1\r\nCannot decompile this file.\r\nLength has been left with padding.\r\nFile "
               "may still be ok.",
               "DecompError");
inline constexpr TUiText NotTextFile =
    LW_UI_TEXT("CoreTexts", "%1\r\n\r\nis not a valid text file and cannot be properly sent.\r\n",
               "NotTextFile");
inline constexpr TUiText CaptureFailed = LW_UI_TEXT(
    "CoreTexts", "The screen capture could not be read from the calculator.", "CaptureFailed");
inline constexpr TUiText JpegUnavailable = LW_UI_TEXT(
    "CoreTexts", "JPEG pictures are not available in this build; save the capture as .png or .bmp",
    "JpegUnavailable");
inline constexpr TUiText JpegFailed = LW_UI_TEXT("CoreTexts", "JPEG encoding failed", "JpegFailed");
inline constexpr TUiText PngFailed = LW_UI_TEXT("CoreTexts", "PNG compression failed", "PngFailed");

// --- questions before a command ("%1" the model name or the variable's name)
inline constexpr TUiText SetCalculatorCaption =
    LW_UI_TEXT("CoreTexts", "Set the calculator", "SetCalculatorCaption");
inline constexpr TUiText BackupSpeedQuestion =
    LW_UI_TEXT("CoreTexts",
               "Backup requires that the ZQ%1 operate at \r\n115200 baud  (see IOPAR in "
               "VAR).\r\n\r\nMay I change the speed temporarily for the Screen Capture?",
               "BackupSpeedQuestion");
inline constexpr TUiText CaptureSpeedQuestion =
    LW_UI_TEXT("CoreTexts",
               "Screen Capture requires that the ZQ%1 operate at \r\n115200 baud  (see IOPAR in "
               "VAR).\r\n\r\nMay I change the speed temporarily for the Screen Capture?",
               "CaptureSpeedQuestion");
inline constexpr TUiText ImproperNameTitle =
    LW_UI_TEXT("CoreTexts", "Improper Variable Name", "ImproperNameTitle");
inline constexpr TUiText ImproperNameQuestion =
    LW_UI_TEXT("CoreTexts",
               "%1\r\nis an improper variable name on the calculator.\r\nThis may result in "
               "failure of the command or connection.\r\n\r\nContinue with the command?",
               "ImproperNameQuestion");

// --- files refused for a restore or an operating-system download ("%1" the file's name)
inline constexpr TUiText RestoreCaption = LW_UI_TEXT("CoreTexts", "Restore", "RestoreCaption");
inline constexpr TUiText NotArchive =
    LW_UI_TEXT("CoreTexts", "%1 is not a backup archive", "NotArchive");
inline constexpr TUiText EmptyNotArchive =
    LW_UI_TEXT("CoreTexts", "%1 is an empty file, not a backup archive", "EmptyNotArchive");
inline constexpr TUiText CalcTextNotArchive = LW_UI_TEXT(
    "CoreTexts", "%1 is a calculator text file, not a backup archive", "CalcTextNotArchive");
inline constexpr TUiText TextNotArchive =
    LW_UI_TEXT("CoreTexts", "%1 is a text file, not a backup archive", "TextNotArchive");
inline constexpr TUiText ObjectNotArchive = LW_UI_TEXT(
    "CoreTexts", "%1 is a calculator object file, not a backup archive", "ObjectNotArchive");
// "%2" an object type's name.
inline constexpr TUiText TypedObjectNotArchive =
    LW_UI_TEXT("CoreTexts", "%1 is a calculator object file holding a %2, not a backup archive",
               "TypedObjectNotArchive");
inline constexpr TUiText ArchiveOfOtherModel =
    LW_UI_TEXT("CoreTexts", "%1 is a backup archive of a %2 calculator, not of the connected %3",
               "ArchiveOfOtherModel");
inline constexpr TUiText ArchiveCutShort =
    LW_UI_TEXT("CoreTexts", "%1 is a backup archive cut short", "ArchiveCutShort");
inline constexpr TUiText ArchiveCutShortBytes = LW_UI_TEXT(
    "CoreTexts", "%1 is a backup archive cut short: %2 of %3 bytes", "ArchiveCutShortBytes");
inline constexpr TUiText EmptyNotRom =
    LW_UI_TEXT("CoreTexts", "%1 is an empty file, not an operating-system image", "EmptyNotRom");
inline constexpr TUiText ObjectNotRom = LW_UI_TEXT(
    "CoreTexts", "%1 is a calculator object file, not an operating-system image", "ObjectNotRom");
inline constexpr TUiText CalcTextNotRom = LW_UI_TEXT(
    "CoreTexts", "%1 is a calculator text file, not an operating-system image", "CalcTextNotRom");
inline constexpr TUiText RomTooLarge =
    LW_UI_TEXT("CoreTexts",
               "%1 is too large for an operating-system image: %2 bytes, more than the %3 the "
               "calculator's flash holds",
               "RomTooLarge");

// --- what the server client is doing (status bar, progress captions, log)
inline constexpr TUiText SendingArchiveProgram =
    LW_UI_TEXT("CoreTexts", "send archive program", "SendingArchiveProgram");
inline constexpr TUiText GettingBackup =
    LW_UI_TEXT("CoreTexts", "Get backup data from device", "GettingBackup");
inline constexpr TUiText RestoringFrom =
    LW_UI_TEXT("CoreTexts", "Restoring from %1", "RestoringFrom");
inline constexpr TUiText GettingList =
    LW_UI_TEXT("CoreTexts", "Get list of files from device", "GettingList");
inline constexpr TUiText ChangingDir =
    LW_UI_TEXT("CoreTexts", "Change current dir to %1", "ChangingDir");
inline constexpr TUiText BeginDialog =
    LW_UI_TEXT("CoreTexts", "Begin dialog on port: %1", "BeginDialog");
inline constexpr TUiText DeviceConnected =
    LW_UI_TEXT("CoreTexts", "Device connected on %1", "DeviceConnected");
inline constexpr TUiText TryingPort = LW_UI_TEXT("CoreTexts", "Trying %1", "TryingPort");
inline constexpr TUiText OpeningPort = LW_UI_TEXT("CoreTexts", "Opening Comm %1", "OpeningPort");
inline constexpr TUiText SendingPut = LW_UI_TEXT("CoreTexts", "Sending PUT command", "SendingPut");
inline constexpr TUiText Copying = LW_UI_TEXT("CoreTexts", "Copying %1", "Copying");
inline constexpr TUiText Capturing = LW_UI_TEXT("CoreTexts", "Capturing screen", "Capturing");
inline constexpr TUiText Connecting = LW_UI_TEXT("CoreTexts", "Connecting ...", "Connecting");
// A transfer's progress: done and total count, percentage, rate.
inline constexpr TUiText ProgressBytes =
    LW_UI_TEXT("CoreTexts", "%1/%2 bytes\r\n(%3%)\r\n%4 bytes/s", "ProgressBytes");
inline constexpr TUiText ProgressKbytes =
    LW_UI_TEXT("CoreTexts", "%1/%2 Kbytes\r\n(%3%)\r\n%4 Kbytes/s", "ProgressKbytes");

// --- synchronizing a directory with a folder
inline constexpr TUiText SyncFetchFailed =
    LW_UI_TEXT("CoreTexts", "Could not fetch %1 to compare it", "SyncFetchFailed");
inline constexpr TUiText SyncNoDirectory =
    LW_UI_TEXT("CoreTexts", "No directory %1 on the calculator", "SyncNoDirectory");
inline constexpr TUiText SyncTwoPcFiles =
    LW_UI_TEXT("CoreTexts", "two PC files have this calculator name", "SyncTwoPcFiles");
inline constexpr TUiText SyncDirectoryOfName =
    LW_UI_TEXT("CoreTexts", "the calculator has a directory of this name", "SyncDirectoryOfName");
inline constexpr TUiText SyncNewFolder =
    LW_UI_TEXT("CoreTexts", "new folder on the PC", "SyncNewFolder");
inline constexpr TUiText SyncNewDirectory =
    LW_UI_TEXT("CoreTexts", "new directory on the calculator", "SyncNewDirectory");
inline constexpr TUiText SyncNameNotCopied =
    LW_UI_TEXT("CoreTexts", "a name that cannot be copied in this mode", "SyncNameNotCopied");
inline constexpr TUiText SyncNewOnPc = LW_UI_TEXT("CoreTexts", "new on the PC", "SyncNewOnPc");
inline constexpr TUiText SyncNewOnCalc =
    LW_UI_TEXT("CoreTexts", "new on the calculator", "SyncNewOnCalc");
inline constexpr TUiText SyncDeletedOnCalcChangedHere = LW_UI_TEXT(
    "CoreTexts", "deleted on the calculator, changed here", "SyncDeletedOnCalcChangedHere");
inline constexpr TUiText SyncDeletedOnCalc =
    LW_UI_TEXT("CoreTexts", "deleted on the calculator", "SyncDeletedOnCalc");
inline constexpr TUiText SyncDeletedOnPcChangedOnCalc = LW_UI_TEXT(
    "CoreTexts", "deleted on the PC, changed on the calculator", "SyncDeletedOnPcChangedOnCalc");
inline constexpr TUiText SyncDeletedOnPc =
    LW_UI_TEXT("CoreTexts", "deleted on the PC", "SyncDeletedOnPc");
inline constexpr TUiText SyncDifferentNeverSynced = LW_UI_TEXT(
    "CoreTexts", "different on both sides, never synchronized", "SyncDifferentNeverSynced");
inline constexpr TUiText SyncChangedOnCalc =
    LW_UI_TEXT("CoreTexts", "changed on the calculator", "SyncChangedOnCalc");
inline constexpr TUiText SyncChangedOnPc =
    LW_UI_TEXT("CoreTexts", "changed on the PC", "SyncChangedOnPc");
inline constexpr TUiText SyncChangedAlike =
    LW_UI_TEXT("CoreTexts", "changed alike", "SyncChangedAlike");
inline constexpr TUiText SyncChangedOnBoth =
    LW_UI_TEXT("CoreTexts", "changed on both sides", "SyncChangedOnBoth");
// Why a run stopped ("%1" the name).
inline constexpr TUiText SyncNotCopied =
    LW_UI_TEXT("CoreTexts", "%1: not copied from the calculator", "SyncNotCopied");
inline constexpr TUiText SyncNotSent =
    LW_UI_TEXT("CoreTexts", "%1: not sent to the calculator", "SyncNotSent");
// A reason ("%1") with what the options made of it.
inline constexpr TUiText SyncNotFetchedOneWay =
    LW_UI_TEXT("CoreTexts", "%1; not fetched in a one-way sync", "SyncNotFetchedOneWay");
inline constexpr TUiText SyncNotSentOneWay =
    LW_UI_TEXT("CoreTexts", "%1; not sent in a one-way sync", "SyncNotSentOneWay");
inline constexpr TUiText SyncKept =
    LW_UI_TEXT("CoreTexts", "%1; kept (--delete deletes it)", "SyncKept");
inline constexpr TUiText SyncCalcWins =
    LW_UI_TEXT("CoreTexts", "%1; the calculator's copy wins, the PC's is kept as a conflict copy",
               "SyncCalcWins");
inline constexpr TUiText SyncPcWins =
    LW_UI_TEXT("CoreTexts", "%1; the PC's copy wins, the calculator's is kept as a conflict copy",
               "SyncPcWins");

// --- this build
inline constexpr TUiText VersionBuild =
    LW_UI_TEXT("CoreTexts", "Version %1.%2 Build %3", "VersionBuild");

inline constexpr std::array MessageTexts = {
    &NoDevice,
    &KermitServer,
    &WrongServerCaption,
    &NotConnected,
    &ConnectionError,
    &LinkError,
    &CommandTooLong,
    &NoObjectReceived,
    &PortMissing,
    &PortNotSerial,
    &PortInUse,
    &PortSetupFailed,
    &PermissionDenied,
    &PermissionDeniedGroup,
    &PermissionDeniedOwner,
    &NoPermissionNote,
    &UnableToOpen,
    &UnableToWrite,
    &CannotRead,
    &CannotReadFile,
    &CannotCreateFolder,
    &CannotUseFolder,
    &ErrorCaption,
    &WarningCaption,
    &DecompErrorCaption,
    &DecompError,
    &NotTextFile,
    &CaptureFailed,
    &JpegUnavailable,
    &JpegFailed,
    &PngFailed,
    &SetCalculatorCaption,
    &BackupSpeedQuestion,
    &CaptureSpeedQuestion,
    &ImproperNameTitle,
    &ImproperNameQuestion,
    &RestoreCaption,
    &NotArchive,
    &EmptyNotArchive,
    &CalcTextNotArchive,
    &TextNotArchive,
    &ObjectNotArchive,
    &TypedObjectNotArchive,
    &ArchiveOfOtherModel,
    &ArchiveCutShort,
    &ArchiveCutShortBytes,
    &EmptyNotRom,
    &ObjectNotRom,
    &CalcTextNotRom,
    &RomTooLarge,
    &SendingArchiveProgram,
    &GettingBackup,
    &RestoringFrom,
    &GettingList,
    &ChangingDir,
    &BeginDialog,
    &DeviceConnected,
    &TryingPort,
    &OpeningPort,
    &SendingPut,
    &Copying,
    &Capturing,
    &Connecting,
    &ProgressBytes,
    &ProgressKbytes,
    &SyncFetchFailed,
    &SyncNoDirectory,
    &SyncNotCopied,
    &SyncNotSent,
    &SyncTwoPcFiles,
    &SyncDirectoryOfName,
    &SyncNewFolder,
    &SyncNewDirectory,
    &SyncNameNotCopied,
    &SyncNewOnPc,
    &SyncNewOnCalc,
    &SyncDeletedOnCalcChangedHere,
    &SyncDeletedOnCalc,
    &SyncDeletedOnPcChangedOnCalc,
    &SyncDeletedOnPc,
    &SyncDifferentNeverSynced,
    &SyncChangedOnCalc,
    &SyncChangedOnPc,
    &SyncChangedAlike,
    &SyncChangedOnBoth,
    &SyncNotFetchedOneWay,
    &SyncNotSentOneWay,
    &SyncKept,
    &SyncCalcWins,
    &SyncPcWins,
    &VersionBuild,
};

// The text `t` with its "%1", "%2" ... filled in.
inline std::string Fill(const TUiText& t, std::initializer_list<std::string_view> args) {
    return FillUiText(t.Text, args);
}

} // namespace lw::msg
