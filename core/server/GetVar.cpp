// Receiving a variable into memory.
#include "link/Engines.h"
#include "link/Port.h"
#include "link/UiHooks.h"
#include "server/RunEngine.h"
#include "server/XModemServer.h"
#include "util/Files.h"
#include "util/MessageTexts.h"

namespace lw {

std::string TXModemServer::ShortName(const std::string& name, const std::string& fileName,
                                     const std::string& displayName) {
    std::string s = !displayName.empty() ? displayName : !fileName.empty() ? fileName : name;
    s = ExtractFileName(s);
    const std::string ext = ExtractFileExt(s);
    if (ext == ".zq" || ext == ".txt") s.resize(s.size() - ext.size());
    return s;
}

bool TXModemServer::GetVar(const std::string& name, const std::string& fileName, bool toFile,
                           int size) {
    CheckConnected();
    SendCommand('G');
    SendCommandPacket(name);
    SetStatus(msg::Fill(msg::Copying, {ShortName(name, fileName, "")}));
    const int expected = size != 0 ? size + 8 : 0;
    SleepMs(LinkTiming.BeforeReceive);
    bool ok;
    std::string received;
    {
        TYModemRX engine(fileName, toFile, expected, ProgressReports());
        ok = RunEngine(engine, FStatus);
        if (ok) received = engine.RxData();
    }
    SleepMs(LinkTiming.AfterReceive);
    if (ok)
        Execute("", true, true);
    else
        UiHooks().Main->SetConnected(false);
    SetStatus("");
    Data.clear();
    if (ok && !toFile) {
        Data = std::move(received);
        if (expected > 0 && Data.size() > static_cast<size_t>(expected))
            Data.resize(static_cast<size_t>(expected));
    }
    return ok;
}

} // namespace lw
