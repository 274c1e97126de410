#include "sim/demo/Demo.h"

#include "link/CalcNames.h"
#include "link/MemoryLink.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"

namespace lw::sim {

TDemo::TDemo(TDemoConfig config) {
    TSimConfig sim;
    sim.Log = std::move(config.Log);
    FLink = std::make_unique<TMemoryLink>(TMemoryLinkOptions{"demo", config.Usb});
    FSim = std::make_unique<TSimulator>(sim, CreateSampleCalculator(TModel::KB));
    FPort = FSim->AttachMemory(*FLink);
    FSim->Start();
}

TDemo::~TDemo() {
    Stop();
}

void TDemo::Stop() {
    if (FSim) FSim->Stop();
    FSim.reset();
    FLink.reset();
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
