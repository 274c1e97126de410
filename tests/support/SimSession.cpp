#include "SimSession.h"

#include "server/Commands.h"
#include "util/Files.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>

namespace lw::test {

namespace fs = std::filesystem;

namespace {
bool MemoryLinks = false;
} // namespace

bool TSimSession::UseMemoryLinks() {
    MemoryLinks = true;
    return true;
}

std::vector<std::string> ErrorReports(const TFakeUi& ui) {
    std::vector<std::string> out;
    for (const auto& r : ui.Reports)
        if (r.Kind == 0) out.push_back(r.Text);
    return out;
}

TSimSession::TSimSession(TSessionOptions options, std::unique_ptr<sim::ISimCalculator> calculator)
    : Options(std::move(options)) {
    // A temporary path of the session's own, so that what the program leaves there can be
    // checked without seeing other tests' files.
    const char* outer = std::getenv("TMPDIR");
    OuterTmp = outer ? outer : "";
    Base.emplace();
    ::setenv("TMPDIR", Base->Path.c_str(), 1);
    Files.emplace();
    Folder = Files->Path;
    SetCalcFilesFolder(LW_SOURCE_DIR "/calcfiles");
    // A bound on every modal wait: the engines end each transfer long before.
    Ui.Progress.MaxWait = std::chrono::seconds(90);
    sim::TSimConfig config;
    config.StartByte = Options.StartByte;
    config.Faults = Options.Faults;
    config.Kermit = Options.Kermit;
    config.StartRepeatMs = Options.StartRepeatMs;
    config.ManualWaitMs = 20000;
    if (!calculator)
        calculator = Options.Empty ? sim::CreateEmptyCalculator(Options.Model)
                                   : sim::CreateSampleCalculator(Options.Model);
    Sim = std::make_unique<sim::TSimulator>(config, std::move(calculator));
    if (MemoryLinks && !Options.RealLine && Options.Link.empty()) {
        Time = std::make_unique<TSimulatedTime>();
        Link =
            std::make_unique<TMemoryLink>(TMemoryLinkOptions{"memory", Options.Usb}, Time->Clock());
        Port = Device = Sim->AttachMemory(*Link);
    } else if (Options.Usb) {
        UsbRoot.emplace();
        Device = Sim->AttachUsb(UsbRoot->Path, "");
        ::setenv("LINKWELL_USB_ROOT", UsbRoot->Path.c_str(), 1);
        Port = UsbDeviceName;
    } else {
        if (!Options.Link.empty()) ::unlink(Options.Link.c_str());
        Port = Device = Sim->AttachSerial(Options.Link);
    }
    Sim->Start();
    Server = std::make_unique<TXModemServer>(State, &BadFile, &Replace);
    Server->SetSpeed(Options.Speed);
}

TSimSession::~TSimSession() {
    Pc.reset();
    try {
        Server.reset(); // disconnects first
    } catch (...) {}
    Sim.reset(); // before the link its far end is
    // The port must not outlive the clock its waits read.
    if (Time) ClosePorts(CalcPort);
    Link.reset();
    Time.reset();
    if (UsbRoot) ::unsetenv("LINKWELL_USB_ROOT");
    if (OuterTmp.empty())
        ::unsetenv("TMPDIR");
    else
        ::setenv("TMPDIR", OuterTmp.c_str(), 1);
}

std::vector<std::string> TSimSession::LeftInTempFolder() const {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(TempFolder()))
        out.push_back(e.path().filename().string());
    return out;
}

void TSimSession::Open() {
    Server->Connect(Port);
}

void TSimSession::Connect() {
    Server->Connect(Port);
    Server->GetFileList();
}

void TSimSession::OpenPortOnly() {
    ASSERT_TRUE(Server->OpenComm(Port));
}

void TSimSession::OpenPc() {
    Pc = std::make_unique<TSimClient>(Device, Options.Usb);
}

void TSimSession::UseQuickTiming() {
    LinkTiming.AfterPacketAcked = 20;
    LinkTiming.AfterPacketReceived = 10;
    LinkTiming.AfterReceive = 10;
    LinkTiming.AfterPulse = 20;
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
    EXPECT_EQ(reply.rfind("OK", 0), 0u) << line << " -> " << reply;
}

std::string TSimSession::Var(const std::string& name) {
    std::string object;
    Sim->Invoke([&](sim::ISimCalculator& c) { c.GetVariable(name, object); });
    return object;
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
    TXPObject& root = Server->Root();
    const auto blank = path.rfind(' ');
    if (blank == std::string::npos) return path == root.GetPath() ? &root : nullptr;
    TXPObject* dir = root.FindDir(path.substr(0, blank));
    return dir ? dir->FindChild(path.substr(blank + 1)) : nullptr;
}

} // namespace lw::test
