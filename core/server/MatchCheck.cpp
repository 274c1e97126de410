// The check of a file's head against the connected calculator before it is sent.
#include "link/Port.h"
#include "link/UiHooks.h"
#include "objects/BadFile.h"
#include "objects/FileHeaders.h"
#include "server/XModemServer.h"
#include "util/Files.h"

namespace lw {

bool TXModemServer::CheckFileMatches(const std::string& fileName, bool& isText) {
    isText = false;
    std::string head;
    try {
        head = ReadFileHead(fileName, ObjectHeaderSize);
    } catch (const EFileError& e) {
        RaiseLinkError(e.what());
    }
    const THeaderCheck check = ClassifyHeader(head, FState.ModelCode, fileName);
    if (check.Matches) {
        isText = check.IsText;
        return true;
    }
    const TUiHooks& ui = UiHooks();
    ui.Main->Beep();
    const TBadFileAnswer answer =
        FBadFile ? FBadFile->Ask(fileName, check.Kind, check.AllowText) : TBadFileAnswer::No;
    bool ok = false;
    if (answer == TBadFileAnswer::Text) {
        ok = true;
        isText = true;
    } else if (answer == TBadFileAnswer::Binary || answer == TBadFileAnswer::Yes) {
        ok = true;
    }
    ui.Thread->ProcessMessages();
    SleepMs(100);
    return ok;
}

} // namespace lw
