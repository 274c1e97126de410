#include "cli/Demo.h"

#include "link/CalcNames.h"
#include "server/Commands.h"
#include "sim/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "util/Files.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include <unistd.h>

namespace lw::cli {

namespace {

// The first variable of HOME in the calculator's listing (display form): what the demo's
// XSEND sends. Listing entries: length, name, 2 prologue bytes, 5 size bytes; a directory's
// entries follow it up to a 0 byte.
std::string FirstHomeVariable(const std::string& listing) {
    constexpr uint16_t DirectoryProlog = 0x2A96;
    size_t pos = 0;
    int depth = 0;
    while (pos < listing.size()) {
        const size_t n = static_cast<uint8_t>(listing[pos]);
        if (n == 0) {
            if (--depth < 0) break;
            ++pos;
            continue;
        }
        if (pos + 1 + n + 7 > listing.size()) break;
        const std::string name = listing.substr(pos + 1, n);
        const uint16_t prolog = uint16_t(static_cast<uint8_t>(listing[pos + 1 + n]) |
                                         static_cast<uint8_t>(listing[pos + 2 + n]) << 8);
        pos += 1 + n + 7;
        if (prolog == DirectoryProlog)
            ++depth;
        else if (depth == 0)
            return NameToFile(name, false);
    }
    return "";
}

} // namespace

TDemo::TDemo(bool usb, bool verbose) {
    sim::TSimConfig config;
    if (verbose)
        config.Log = [](const std::string& line) { std::cerr << "[sim] " << line << '\n'; };
    FSim = std::make_unique<sim::TSimulator>(config, sim::CreateSampleCalculator(sim::TModel::KB));
    if (usb) {
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
    FSim->Stop();
    FSim.reset();
    if (!FUsbRoot.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(FUsbRoot, ignored);
    }
}

void TDemo::OnPrompt(TPromptKind kind, const TCliOptions& options) {
    switch (kind) {
    case TPromptKind::CaptureFirst:
    case TPromptKind::CaptureNext:
        FSim->Control("capture w");
        break;
    case TPromptKind::ServerXRecv:
    case TPromptKind::FileXRecv:
        FSim->Control("xrecv " + PutNameForFile(options.Args.at(0)));
        break;
    case TPromptKind::FileXSend: {
        std::string listing;
        FSim->Invoke([&listing](sim::ISimCalculator& calc) { listing = calc.Listing(); });
        const std::string name = FirstHomeVariable(listing);
        if (!name.empty()) FSim->Control("xsend " + name);
        break;
    }
    case TPromptKind::RomDownload:
        FSim->Control("rom");
        break;
    default:
        break;
    }
}

} // namespace lw::cli
