#include "support/gui/GuiFixture.h"

#include "link/Port.h"
#include "server/Commands.h"
#include "settings/SettingsStore.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace lw::test {

TGuiFixture::TGuiFixture() {
    gui::ApplySettingsNames();
    // The progress dialog closes itself when the engine ends; the script leaves it alone.
    Script.Leave(&CmStatus);
    FPrevious = SetUiHooks({nullptr, nullptr, &Status, &CmStatus, &UiThread});
}

TGuiFixture::~TGuiFixture() {
    try {
        Server.reset(); // disconnects while the windows still stand
    } catch (...) {}
    if (Sim) Sim->Stop();
    if (Port == UsbCalculatorText) ::unsetenv("LINKWELL_USB_ROOT");
    SetUiHooks(FPrevious);
}

void TGuiFixture::InstallHooks(IMainWindowHooks* main, IPromptDialog* prompt,
                               IProgressDialog* progress) {
    SetUiHooks({main, prompt, &Status, progress ? progress : &CmStatus, &UiThread});
}

void TGuiFixture::StartSimulator(TGuiOptions options) {
    SetCalcFilesFolder(LW_SOURCE_DIR "/calcfiles");
    Sim = std::make_unique<sim::TSimulator>(
        sim::TSimConfig{}, options.Empty ? sim::CreateEmptyCalculator(options.Model)
                                         : sim::CreateSampleCalculator(options.Model));
    if (options.Usb) {
        // The port layer finds the USB device folders under LINKWELL_USB_ROOT.
        const std::string root = File("usb");
        std::filesystem::create_directories(root);
        ::setenv("LINKWELL_USB_ROOT", root.c_str(), 1);
        Sim->AttachUsb(root);
        Port = UsbCalculatorText;
    } else {
        Port = Sim->AttachSerial();
    }
    Sim->Start();
    Server = std::make_unique<TXModemServer>(State);
    Server->SetSpeed(options.Speed);
}

void TGuiFixture::Connect() {
    if (!Sim) StartSimulator();
    Server->Connect(Port);
    Server->GetFileList();
}

std::string TGuiFixture::Control(const std::string& line) {
    return Sim ? Sim->Control(line) : std::string("ERROR: no simulator");
}

std::string TGuiFixture::File(const std::string& name) const {
    return Folder.filePath(QString::fromStdString(name)).toStdString();
}

} // namespace lw::test
