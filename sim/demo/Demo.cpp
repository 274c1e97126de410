#include "sim/demo/Demo.h"

#include "link/CalcNames.h"
#include "sim/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "util/Files.h"

#include <cstdlib>
#include <filesystem>

#include <unistd.h>

namespace lw::sim {

TDemo::TDemo(TDemoConfig config) {
    TSimConfig sim;
    sim.Log = std::move(config.Log);
    FSim = std::make_unique<TSimulator>(sim, CreateSampleCalculator(TModel::KB));
    if (config.Usb) {
        FUsbRoot = TempFolder() + "demo-usb-" + std::to_string(::getpid());
        std::filesystem::create_directories(FUsbRoot);
        FSim->AttachUsb(FUsbRoot, "");
        ::setenv("LINKWELL_USB_ROOT", FUsbRoot.c_str(), 1);
        FPort = "usb";
    } else {
        FPort = FSim->AttachSerial("");
    }
    FSim->Start();
}

TDemo::~TDemo() {
    Stop();
}

void TDemo::Stop() {
    if (FSim) FSim->Stop();
    FSim.reset();
    if (!FUsbRoot.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(FUsbRoot, ignored);
        FUsbRoot.clear();
    }
}

void TDemo::OnPrompt(TPromptKind kind, const std::string& putName) {
    if (!FSim) return;
    switch (kind) {
    case TPromptKind::CaptureFirst:
    case TPromptKind::CaptureNext:
        FSim->Control("capture w");
        break;
    case TPromptKind::ServerXRecv:
    case TPromptKind::FileXRecv:
        FSim->Control("xrecv " + putName);
        break;
    case TPromptKind::FileXSend: {
        std::vector<std::string> names;
        FSim->Invoke([&names](ISimCalculator& calc) { names = calc.HomeVariables(); });
        if (!names.empty()) FSim->Control("xsend " + NameToFile(names.front(), false));
        break;
    }
    case TPromptKind::RomDownload:
        FSim->Control("rom");
        break;
    default:
        break;
    }
}

} // namespace lw::sim
