// How well the main window answers while the calculator link works or waits: the longest gap
// between two ticks of a 10 ms timer on the window's thread, measured
//   - while a 100 KB variable comes from the calculator at 115200 baud with wire time
//     emulated, on the serial link and on the USB link;
//   - during a listing while the calculator stays silent for 30 s (then the busy dialog's
//     Cancel ends the wait).
// Goal: under 100 ms in every case. Prints one line per case; runs offscreen by default.
#include "bench/BenchApplication.h"
#include "link/UiHooks.h"
#include "log/CmStatus.h"
#include "log/CmndStatus.h"
#include "log/CnctStatus.h"
#include "log/LogIt.h"
#include "log/StatusDialogs.h"
#include "mainwin/UiThread.h"
#include "mainwin/ZQDir.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "server/XPObject.h"
#include "settings/SettingsStore.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "support/ObjectBuilder.h"
#include "support/gui/GapMeter.h"
#include "support/gui/WindowParts.h"
#include "util/Files.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

using namespace lw;
using namespace lw::gui;

namespace {

// The program's dialogs standing for the core's hooks, and the window on one simulated link.
struct TSession {
    explicit TSession(bool usb) {
        sim = std::make_unique<sim::TSimulator>(sim::TSimConfig{},
                                                sim::CreateSampleCalculator(sim::TModel::KB));
        const std::string port = usb ? (sim->AttachUsb(Root.path().toStdString()), "USB Calculator")
                                     : sim->AttachSerial();
        if (usb) ::setenv("LINKWELL_USB_ROOT", Root.path().toStdString().c_str(), 1);
        sim->Start();
        W = std::make_unique<TFZQDir>(QString::fromStdString(port));
        SetUiHooks({W.get(), nullptr, &Status, &CmStatus, &UiThread});
        test::Parts(W).cmboSpeed->setCurrentText("115200");
        W->show();
        W->tbtnConnectClick(false);
    }
    ~TSession() {
        W->close();
        W.reset();
        sim->Stop();
        SetUiHooks({});
    }

    QTemporaryDir Root;
    TQtUiThread UiThread;
    TFLogForm Log;
    TFCmStatus CmStatus{&Log};
    TFCnctStatus CnctStatus;
    TFCmndStatus CmndStatus;
    TStatusDialogs Status{CnctStatus, CmndStatus};
    std::unique_ptr<sim::TSimulator> sim;
    std::unique_ptr<TFZQDir> W;
};

// A string variable of about `bytes` bytes as an object file.
std::string BigObjectFile(const QTemporaryDir& dir, size_t bytes) {
    const std::string path = dir.filePath("BIG.zq").toStdString();
    WriteStringToFile(test::ObjectFile(test::StringObj(std::string(bytes, 'x'))), path);
    return path;
}

void Transfer(bool usb) {
    TSession s(usb);
    if (!s.W->Connected()) {
        std::printf("%s: not connected\n", usb ? "USB" : "serial");
        return;
    }
    // The variable goes to the calculator first (the wire time is emulated on what the
    // calculator sends), then is copied back to the PC while the gaps are measured.
    QTemporaryDir dir;
    const std::string file = BigObjectFile(dir, 100 * 1024);
    bool sent = false;
    s.W->RunCommand([&] {
        bool replaceAll = true;
        TPutOutcome outcome = TPutOutcome::Failed;
        s.W->PutDroppedFile(file, replaceAll, 1, &outcome);
        sent = outcome == TPutOutcome::Sent;
        s.W->RefreshDirectory();
    });
    const int row = test::Parts(s.W).ListModel.RowNamed("BIG");
    if (!sent || row < 0) {
        std::printf("%s: the 100 KB variable was not sent\n", usb ? "USB" : "serial");
        return;
    }
    const TXPObject* big = test::Parts(s.W).ListModel.Record(row);
    s.sim->Control("throttle 115200");
    test::TGapMeter gaps;
    std::string copied;
    s.W->RunCommand([&] {
        copied = CopyEntryToFolder(s.W->Server(), "BIG", big->TypeIndex, big->SizeBytes,
                                   dir.path().toStdString());
    });
    const double gap = gaps.LongestMs(), elapsed = gaps.ElapsedMs();
    std::printf(
        "100 KB from the calculator, %-7s 115200 baud: longest gap %6.1f ms over %7.0f ms%s\n",
        usb ? "USB," : "serial,", gap, elapsed, copied.empty() ? " (NOT COPIED)" : "");
    s.sim->Control("throttle 0");
}

void SilentListing() {
    TSession s(false);
    if (!s.W->Connected()) {
        std::printf("silent listing: not connected\n");
        return;
    }
    s.sim->Control("mute");
    // After 30 s of silence the user gives up: Cancel on the busy dialog; the failure's one
    // message is answered.
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (s.CmndStatus.isVisible()) s.CmndStatus.btnCancel->click();
    });
    QTimer::singleShot(30000, [&] { cancel.start(10); });
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    answer.start(50);
    test::TGapMeter gaps;
    s.W->RunCommand([&] { s.W->RefreshDirectory(); });
    std::printf(
        "listing, calculator silent 30 s, then Cancel:    longest gap %6.1f ms over %7.0f ms\n",
        gaps.LongestMs(), gaps.ElapsedMs());
    s.sim->Control("unmute");
}

} // namespace

int main(int argc, char** argv) {
    const bench::TBenchApplication app(argc, argv);
    QSettings().clear();
    const std::string only = argc > 1 ? argv[1] : "";
    if (only.empty() || only == "serial") Transfer(false);
    if (only.empty() || only == "usb") Transfer(true);
    if (only.empty() || only == "silent") SilentListing();
    return 0;
}
