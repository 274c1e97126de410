#include "SimSession.h"

#include "link/Port.h"
#include "server/Commands.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace lw::test {

namespace fs = std::filesystem;

std::string MakeTempFolder(const std::string& tag) {
    std::string tmpl = TempFolder() + "test-" + tag + "-XXXXXX";
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    return tmpl;
}

void RemoveFolder(const std::string& dir) {
    std::error_code ec;
    if (!dir.empty()) fs::remove_all(dir, ec);
}

std::string FileBytes(const std::string& path) {
    try {
        return ReadFileToString(path);
    } catch (const std::exception&) {
        return "<missing>";
    }
}

std::vector<std::string> ErrorReports(const TFakeUi& ui) {
    std::vector<std::string> out;
    for (const auto& r : ui.Reports)
        if (r.Kind == 0) out.push_back(r.Text);
    return out;
}

TSimSession::TSimSession(TSessionOptions options) : Options(std::move(options)) {
    // A temporary path of the session's own, so that what the program leaves there can be
    // checked without seeing other tests' files.
    const char* base = std::getenv("TMPDIR");
    OuterTmp = (base && *base) ? base : "/tmp";
    std::string tmpl = OuterTmp + "/lw-session-XXXXXX";
    if (!::mkdtemp(tmpl.data())) throw std::runtime_error("cannot make a temporary folder");
    Base = tmpl;
    ::setenv("TMPDIR", Base.c_str(), 1);
    Folder = MakeTempFolder("files");
    SetCalcFilesFolder(LW_SOURCE_DIR "/calcfiles");
    // A bound on every modal wait: the engines end each transfer long before.
    Ui.Progress.MaxWait = std::chrono::seconds(90);
    sim::TSimConfig config;
    config.StartByte = Options.StartByte;
    config.Faults = Options.Faults;
    config.ManualWaitMs = 20000;
    Sim = std::make_unique<sim::TSimulator>(
        config, Options.Empty ? sim::CreateEmptyCalculator(Options.Model)
                              : sim::CreateSampleCalculator(Options.Model));
    if (Options.Usb) {
        UsbRoot = MakeTempFolder("usb");
        Sim->AttachUsb(UsbRoot, "");
        ::setenv("LINKWELL_USB_ROOT", UsbRoot.c_str(), 1);
        Port = UsbDeviceName;
    } else {
        Port = Sim->AttachSerial("");
    }
    Sim->Start();
    Server = std::make_unique<TXModemServer>(State, &BadFile, &Replace);
    Server->SetSpeed(Options.Speed);
}

TSimSession::~TSimSession() {
    try {
        Server.reset();
    } catch (...) {}
    Sim->Stop();
    RemoveFolder(Base);
    ::setenv("TMPDIR", OuterTmp.c_str(), 1);
}

std::vector<std::string> TSimSession::LeftInTempFolder() const {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(TempFolder())) {
        const std::string name = e.path().filename().string();
        if (name.rfind("test-", 0) != 0) out.push_back(name);
    }
    return out;
}

void TSimSession::Connect() {
    Server->Connect(Port);
    Server->GetFileList();
}

void TSimSession::UseQuickTiming() {
    LinkTiming.AfterPacketAcked = 20;
    LinkTiming.AfterPacketReceived = 10;
    LinkTiming.AfterReceive = 10;
    LinkTiming.AfterPulse = 20;
}

void TSimSession::OpenPortOnly() {
    ASSERT_TRUE(Server->OpenComm(Port));
}

void TSimSession::OnProgress(std::function<void(const TFakeUi::TReport&)> fn) {
    Ui.Progress.OnReport = [this, fn](const std::string& text, int kind, int pos, int max) {
        const TFakeUi::TReport report{text, kind, pos, max};
        Ui.Reports.push_back(report);
        fn(report);
    };
}

void TSimSession::Control(const std::string& line) {
    const std::string reply = Sim->Control(line);
    ASSERT_EQ(reply.rfind("OK", 0), 0u) << line << " -> " << reply;
}

namespace {

void ListInto(const TXPObject& dir, std::ostringstream& out) {
    for (const auto& child : dir.Children) {
        out << child->GetPath() << '\t' << child->SizeBytes << '\t' << child->TypeName << '\n';
        if (child->IsDirectory()) ListInto(*child, out);
    }
}

} // namespace

std::string TSimSession::ListingText() {
    std::ostringstream out;
    ListInto(Server->Root(), out);
    return out.str();
}

TXPObject* TSimSession::Find(const std::string& path) {
    TXPObject* at = &Server->Root();
    if (at->GetPath() == path) return at;
    std::function<TXPObject*(TXPObject&)> search = [&](TXPObject& dir) -> TXPObject* {
        for (auto& child : dir.Children) {
            if (child->GetPath() == path) return child.get();
            if (child->IsDirectory())
                if (TXPObject* hit = search(*child)) return hit;
        }
        return nullptr;
    };
    return search(*at);
}

} // namespace lw::test
