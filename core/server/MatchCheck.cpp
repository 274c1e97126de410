// The check of a file's head against the connected calculator before it is sent.
#include "link/Port.h"
#include "link/UiHooks.h"
#include "objects/BadFile.h"
#include "objects/FileHeaders.h"
#include "server/XModemServer.h"
#include "util/Files.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace lw {

bool TXModemServer::CheckFileMatches(const std::string& fileName, bool& isText) {
    isText = false;
    const TFd fd(::open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) RaiseLinkError(UnableToOpenText(fileName, errno));
    char head[ObjectHeaderSize];
    size_t got = 0;
    while (got < sizeof head) {
        const ssize_t n = ::read(fd.Get(), head + got, sizeof head - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            RaiseLinkError("Cannot read from file " + fileName + " - " + std::strerror(errno));
        if (n == 0) break;
        got += static_cast<size_t>(n);
    }

    const THeaderCheck check =
        ClassifyHeader(std::string_view(head, got), FState.ModelCode, fileName);
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
