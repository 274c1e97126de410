// Variable transfers between the calculator and PC files, and the transfers the calculator
// starts itself (XSEND, XRECV, screen capture, operating-system download).
#include "link/CalcNames.h"
#include "link/Engines.h"
#include "link/Port.h"
#include "link/UiHooks.h"
#include "objects/DecompLength.h"
#include "server/RunEngine.h"
#include "server/TextTransfer.h"
#include "server/XModemServer.h"
#include "util/Files.h"
#include "util/MessageTexts.h"
#include "util/ScopeExit.h"
#include "util/SysFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace lw {
namespace {

constexpr size_t HeaderSize = 8;

// A private temporary file holding `bytes`, removed when the object goes, whatever happens.
class TTempObjectFile {
public:
    explicit TTempObjectFile(const std::string& bytes) {
        std::string path = TempFolder() + "textput-XXXXXX";
        if (!TFd(sys::CreateTempFile(path))) RaiseLinkError(UnableToOpenText(path, errno));
        FPath = path;
        try {
            WriteStringToFile(bytes, FPath);
        } catch (...) {
            sys::RemoveFile(FPath);
            throw;
        }
    }
    ~TTempObjectFile() { sys::RemoveFile(FPath); }
    TTempObjectFile(const TTempObjectFile&) = delete;
    TTempObjectFile& operator=(const TTempObjectFile&) = delete;
    const std::string& Path() const { return FPath; }

private:
    std::string FPath;
};

enum class TTextPutResult { Sent, NotText, TransferFailed };

// The text path of a put: the calculator compiles the text and stores the result.
TTextPutResult PutTextFile(TXModemServer& server, const std::string& name,
                           const std::string& fileName) {
    const TCalcState& state = server.State();
    const TTextPut put = PrepareTextPut(ReadFileToString(fileName));
    if (put.Text.empty()) return TTextPutResult::NotText;
    std::string value;
    if (put.Short) {
        value = NameToFile(put.Text, false);
        value.insert(value.begin(), '"');
        value += "\" ";
    } else {
        const std::string object = StringObjectFile(state.ModelCode, put.Text);
        if (object.empty()) return TTextPutResult::NotText;
        const TTempObjectFile temp(object);
        server.Purge("$$$a", false);
        bool replaceAll = true;
        // Without the text on the calculator, the script below would store whatever "$$$a"
        // happened to be under the user's name.
        if (!server.PutVar("$$$a", temp.Path(), 1, replaceAll, false, fileName))
            return TTextPutResult::TransferFailed;
        value = "$$$a '$$$a' PURGE ";
    }
    server.Execute(TextPutScript(name, state.ModelCode, put.Modes, value), true, true);
    SleepMs(LinkTiming.AfterSend);
    server.SetStatus("");
    return TTextPutResult::Sent;
}

// Sets the main window busy until the guard goes.
auto BusyStep() {
    UiHooks().Main->SetBusy(true);
    return ScopeExit([] { UiHooks().Main->SetBusy(false); });
}

} // namespace

bool TXModemServer::CopyFromCalc(const std::string& name, const std::string& fileName,
                                 int typeIndex, int size) {
    const std::string calcName = NameToFile(FileToName(name, true), false);
    if (!CheckCalcName(calcName)) return false;

    if (!FState.TextMode) {
        if (!GetVar(calcName, fileName, false, size)) return false;
        // A transfer that ended without an object (the header alone or less) is no file.
        if (Data.size() <= HeaderSize || Data.compare(0, 4, "ZQZQ") != 0)
            RaiseLinkError(msg::Fill(msg::NoObjectReceived, {calcName}));
        WriteStringToFile(Data, fileName);
        return true;
    }

    if (calcName.find("HOME") != std::string::npos) return false;
    Execute(TextGetScript(calcName), true, true);
    if (!GetVar("$$$t", fileName, false, 0)) return false;
    Purge("$$$t", false);
    std::string data = Data;
    const std::string modeList = TextGetModeList(data);
    if (modeList.empty()) RaiseLinkError(msg::Fill(msg::NoObjectReceived, {calcName}));
    bool oddNibble = false;
    DecompLength(data, oddNibble); // only trims the padding; its verdict does not matter here
    WriteStringToFile(BuildTextFile(data, modeList, typeIndex, FState), fileName);
    return true;
}

bool TXModemServer::PutVar(const std::string& name, const std::string& fileName, int replaceInfo,
                           bool& replaceAll, bool queryReplace, const std::string& displayName) {
    const TPutOutcome outcome =
        PutVarOutcome(name, fileName, replaceInfo, replaceAll, queryReplace, displayName);
    return outcome == TPutOutcome::Sent || outcome == TPutOutcome::NotReplaced;
}

TPutOutcome TXModemServer::PutVarOutcome(const std::string& name, const std::string& fileName,
                                         int replaceInfo, bool& replaceAll, bool queryReplace,
                                         const std::string& displayName) {
    CheckConnected();
    if (!CheckCalcName(name)) return TPutOutcome::Refused;
    bool isText = false;
    if (!CheckFileMatches(fileName, isText)) return TPutOutcome::Refused;

    const bool protectedVars = !FState.CalcFlags.empty() && FState.CalcFlags[0] == '1';
    if (queryReplace && !replaceAll && (isText || protectedVars)) {
        const TModalResult answer =
            FReplace ? FReplace->AskReplace(name, replaceInfo) : TModalResult::Cancel;
        if (answer == TModalResult::No) return TPutOutcome::NotReplaced;
        if (answer == TModalResult::All)
            replaceAll = true;
        else if (answer != TModalResult::Yes)
            return TPutOutcome::Refused;
    }

    const TUiHooks& ui = UiHooks();
    if (isText) {
        const TTextPutResult result = PutTextFile(*this, name, fileName);
        if (result == TTextPutResult::NotText) {
            ui.Main->Beep();
            ui.Main->ShowMessage(msg::Fill(msg::NotTextFile, {name}), msg::WarningCaption.Text);
            ui.Thread->ProcessMessages();
            SleepMs(100);
        }
        return result == TTextPutResult::Sent ? TPutOutcome::Sent : TPutOutcome::Failed;
    }

    SetStatus(msg::SendingPut.Text);
    SendCommand('P');
    SendCommandPacket(name);
    SetStatus(msg::Fill(msg::Copying, {ShortName(name, fileName, displayName)}));
    bool ok = false;
    {
        TYModemTX engine(fileName, false, std::string(1, '\0'), ProgressReports());
        ok = RunEngine(engine, FStatus);
    }
    SleepMs(LinkTiming.AfterSend);
    if (ok)
        Execute("", true, true);
    else
        ui.Main->SetConnected(false);
    SetStatus("");
    return ok ? TPutOutcome::Sent : TPutOutcome::Failed;
}

bool TXModemServer::PutVarAsText(const std::string& name, const std::string& fileName) {
    return PutTextFile(*this, name, fileName) == TTextPutResult::Sent;
}

bool TXModemServer::ReceiveFile(const std::string& fileName, int size) {
    SetStatus(msg::Fill(msg::Copying, {ExtractFileName(fileName)}));
    bool ok = false;
    {
        TYModemRX engine(fileName, false, size, ProgressReports());
        ok = RunEngine(engine, msg::Fill(msg::Copying, {fileName}));
        SleepMs(LinkTiming.AfterReceive);
        Data = ok ? engine.RxData() : std::string();
    }
    return ok;
}

bool TXModemServer::SendFile(const std::string& fileName) {
    SetStatus(msg::Fill(msg::Copying, {ExtractFileName(fileName)}));
    std::string first;
    WaitForStart(first);
    const TUiHooks& ui = UiHooks();
    if (!ui.Prompt->IsVisible()) return false;
    ui.Prompt->Hide();
    const auto busy = BusyStep();
    bool ok = false;
    {
        TYModemTX engine(fileName, true, first, ProgressReports());
        ok = RunEngine(engine, msg::Fill(msg::Copying, {fileName}));
    }
    SetStatus("");
    return ok;
}

bool TXModemServer::SendRom(const std::string& fileName) {
    SetStatus(msg::Fill(msg::Copying, {ExtractFileName(fileName)}));
    // The image sender ends without its final report when it cannot read the file, which
    // would leave the progress dialog waiting: find that out before it starts.
    ReadFileToString(fileName);
    const TUiHooks& ui = UiHooks();
    while (ui.Prompt->IsVisible()) {
        ui.Prompt->Focus();
        ui.Thread->ProcessMessages();
        SleepMs(100);
    }
    const auto busy = BusyStep();
    bool ok = false;
    {
        TSTX engine(fileName, ProgressReports());
        RunEngine(engine, msg::Fill(msg::Copying, {fileName}));
        ok = engine.ImageSent();
    }
    SetStatus("");
    return ok;
}

TCaptureOutcome TXModemServer::CaptureScreen(std::string& image) {
    image.clear();
    SetStatus(msg::Capturing.Text);
    if (FState.RequiredSpeed != 0 && CalcPort.Traits().HasSpeed)
        ChangeSpeed(CalcPort, FState.RequiredSpeed);
    std::string first;
    WaitForStart(first);
    const TUiHooks& ui = UiHooks();
    if (!ui.Prompt->IsVisible()) return TCaptureOutcome::None;
    ui.Prompt->Hide();
    const auto busy = BusyStep();
    TSRX engine(first, ProgressReports());
    // Only a capture the receiver finished itself counts; a cancelled one is dropped.
    const TModalResult result = ui.Progress->ShowProgress(msg::Capturing.Text, true);
    engine.Terminate();
    SleepMs(100);
    engine.WaitFor();
    if (result != TModalResult::Ok) return TCaptureOutcome::None;
    image = engine.Capture();
    return engine.Outcome();
}

} // namespace lw
