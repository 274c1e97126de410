// The main window's whole-calculator and manual transfers against simulated calculators: a
// backup restored into an emptied calculator, the operating-system download over the USB pipes
// only, the calculator's XRECV and XSEND, and how each failure ends: one message, the window
// disconnected (or connected and refreshed after a backup or restore), no partial file.
#include "link/Port.h"
#include "mainwin/ZQDir.h"
#include "prompts/DownLd.h"
#include "server/Commands.h"
#include "support/gui/FileScript.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/SimCalc.h"
#include "support/gui/WindowParts.h"
#include "util/Files.h"

#include <QtTest>
#include <QtWidgets>

#include <cstdlib>
#include <filesystem>
#include <thread>

using namespace lw;
using namespace lw::gui;
using TAction = test::TModalScript::TAction;

namespace {

enum TPortRow { SamplePort, EmptyPort, UsbPort };

// The calculator's memory without the flag-restoring program a restore leaves in HOME.
std::map<std::string, std::vector<test::TSimEntry>>
WithoutFlagProgram(std::map<std::string, std::vector<test::TSimEntry>> memory) {
    std::erase_if(memory["HOME"], [](const test::TSimEntry& e) { return e.Name == "fLaG"; });
    return memory;
}

std::unique_ptr<sim::TSimulator> StartSim(std::unique_ptr<sim::ISimCalculator> calc,
                                          std::string& port, const std::string& usbRoot = {}) {
    auto sim = std::make_unique<sim::TSimulator>(sim::TSimConfig{}, std::move(calc));
    port = usbRoot.empty() ? sim->AttachSerial() : (sim->AttachUsb(usbRoot), UsbCalculatorText);
    sim->Start();
    return sim;
}

} // namespace

class TTransfersTest : public QObject {
    Q_OBJECT
    QTemporaryDir UsbRoot;
    std::unique_ptr<sim::TSimulator> EmptySim, UsbSim;
    std::unique_ptr<test::TMainWindowFixture> F;
    std::unique_ptr<test::TFileScript> Files;
    std::unique_ptr<TFDownLd> DownLd;
    TFZQDir* W = nullptr;
    test::TModalScript* Script = nullptr;

    int Dialogs() const { return int(Script->Seen.size()); }
    static TAction Click(const QString& button, std::function<void()> first = {}) {
        return [button, first](QWidget* d) {
            if (first) first();
            test::TModalScript::Click(d, button);
        };
    }
    void UsePort(TPortRow row) {
        if (W->Connected()) W->RunCommand([&] { W->Server().Disconnect(); });
        test::Parts(W).cmboPort->setCurrentIndex(int(row));
        W->UpdateControls();
    }
    void ConnectTo(TPortRow row, sim::TSimulator& sim) {
        UsePort(row);
        QCOMPARE(sim.Control("server").substr(0, 2), std::string("OK"));
        W->tbtnConnectClick(false);
        QVERIFY(W->Connected());
    }
    std::string ObjectFile(const std::string& name) {
        const std::string path = F->File(name + ".zq");
        WriteStringToFile(test::SimObjectFile(*F->Sim, "HOME", name), path);
        return path;
    }

private Q_SLOTS:
    void initTestCase() {
        ::setenv("LINKWELL_USB_ROOT", qPrintable(UsbRoot.path()), 1);
        std::string emptyPort, usbPort;
        EmptySim = StartSim(sim::CreateEmptyCalculator(sim::TModel::KB), emptyPort);
        UsbSim = StartSim(sim::CreateSampleCalculator(sim::TModel::KB), usbPort,
                          UsbRoot.path().toStdString());
        F = std::make_unique<test::TMainWindowFixture>(false, test::TGuiOptions{},
                                                       emptyPort + "\n" + usbPort);
        W = F->W.get();
        Script = &F->Script;
        Files = std::make_unique<test::TFileScript>();
        test::Parts(W).cmboSpeed->setCurrentText("115200");
        DownLd = std::make_unique<TFDownLd>(true);
        W->AttachPromptDialog(DownLd.get());
        F->InstallHooks(W, DownLd.get());
    }
    void cleanupTestCase() {
        F.reset();
        DownLd.reset();
        UsbSim.reset();
        EmptySim.reset();
        Files.reset();
        ::unsetenv("LINKWELL_USB_ROOT");
    }

    void BackupRestoredIntoAnEmptiedCalculatorListsTheSame() {
        ConnectTo(SamplePort, *F->Sim);
        const std::string archive = F->File("whole.zqbackup");
        Files->Then(archive);
        const int dialogs = Dialogs(), refreshes = test::Parts(W).RefreshCount;
        test::Parts(W).mnuBackup->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(test::Parts(W).RefreshCount > refreshes && !W->Busy(), 20000);
        QCOMPARE(Dialogs(), dialogs);
        QVERIFY(W->Connected());
        const gui::TFileRequest& asked = Files->Requests.back();
        QCOMPARE(asked.Name.left(3), QString::fromStdString(test::Parts(W).State.ModelCode + "_"));
        QVERIFY(asked.Name.endsWith(".zqbackup") && asked.Mode == gui::TFileRequest::Save);
        QVERIFY(ReadFileToString(archive).size() > 66000);
        const auto memory = test::SimMemory(*F->Sim);

        ConnectTo(EmptyPort, *EmptySim);
        QCOMPARE(test::Parts(W).ListModel.rowCount(), 0);
        Files->Then(archive);
        // The restored calculator has stopped its server: the user starts it, then connects.
        Script->Then(Click("Connect...", [this] {
            QCOMPARE(DownLd->CurrentKind(), TPromptKind::Reconnect);
            QVERIFY(!W->Connected());
            EmptySim->Control("server");
        }));
        test::Parts(W).mnuRestore->trigger();
        QCOMPARE(Script->Pending(), 0);
        QCOMPARE(Dialogs(), dialogs + 1);
        QVERIFY(W->Connected());
        QCOMPARE(WithoutFlagProgram(test::SimMemory(*EmptySim)), memory);
        QVERIFY(test::Parts(W).ListModel.RowNamed("BIG") >= 0);
    }

    void RomDownloadGoesOverUsbOnly() {
        UsePort(SamplePort);
        QVERIFY(!test::Parts(W).mnuDownloadRom->isEnabled());
        const size_t asked = Files->Requests.size();
        W->RunCommand([this] { W->mnuDownloadRomClick(); });
        QCOMPARE(Files->Requests.size(), asked); // refused before any dialog

        ConnectTo(UsbPort, *UsbSim);
        QVERIFY(test::Parts(W).mnuDownloadRom->isEnabled());
        bool connectedAtDialog = true;
        Files->Then([&](const gui::TFileRequest&) {
            connectedAtDialog = W->Connected();
            return QString();
        });
        test::Parts(W).mnuDownloadRom->trigger();
        QVERIFY(!connectedAtDialog && !W->Connected());

        std::string image;
        for (int i = 0; i < 10000; ++i) image += char((i * 7) & 0xFF);
        const std::string rom = F->File("os.bin");
        WriteStringToFile(image, rom);
        struct TRow {
            const char* Name;
            std::string File;
            TAction Prompt; // null: no prompt expected
            int Messages;
        } rows[] = {
            {"object file", ObjectFile("X"), nullptr, 1},
            {"cancelled", rom, Click("Cancel"), 0}, // quietly
            {"image", rom, Click("OK", [this] { UsbSim->Control("rom"); }), 0},
        };
        for (TRow& row : rows) {
            const int dialogs = Dialogs() + (row.Prompt ? 1 : 0);
            Files->Then(row.File);
            if (row.Prompt) Script->Then(row.Prompt);
            test::Parts(W).mnuDownloadRom->trigger();
            QCOMPARE(Script->Pending(), 0);
            QVERIFY2(Dialogs() == dialogs + row.Messages, row.Name);
            QVERIFY2(!W->Connected() && !W->Busy(), row.Name);
        }
        QVERIFY(!UsbSim->WaitEvent("rom received", 5000).empty());
        const sim::TSimStats stats = UsbSim->Stats();
        QVERIFY(stats.RomComplete && stats.RomImage == image);
    }

    void XRecvAndXSendRoundTrips() {
        UsePort(SamplePort);
        struct TRow {
            const char* Name;
            QAction* Action;
            std::string File; // "" : the server program, no file question
            const char* Var;
        } rows[] = {
            {"file", test::Parts(W).mnuDownLoadFile, ObjectFile("LST"), "COPY"},
            {"server", test::Parts(W).mnuDownLoadServer, "", "SRV"},
        };
        for (const TRow& row : rows) {
            if (!row.File.empty()) Files->Then(row.File);
            QCOMPARE(F->Control(std::string("xrecv ") + row.Var).substr(0, 2), std::string("OK"));
            Script->Then(Click("OK", [this] {
                QVERIFY(DownLd->CurrentKind() == TPromptKind::FileSent ||
                        DownLd->CurrentKind() == TPromptKind::ServerSent);
            }));
            W->RunCommand([&] { row.Action->trigger(); });
            QVERIFY2(Script->Pending() == 0, row.Name);
            const std::string sent = row.File.empty() ? ServerProgramFile() : row.File;
            // The calculator gives the object back under its own model's header.
            QVERIFY2(test::SimObjectFile(*F->Sim, "HOME", row.Var).substr(8) ==
                         ReadFileToString(sent).substr(8),
                     row.Name);
            QVERIFY(!W->Connected());
        }
        // XSEND: the calculator sends once the user has started it and confirmed.
        const std::string got = F->File("got.zq");
        Files->Then(got);
        Script->Then(Click("OK", [this] { F->Control("xsend MSG"); }));
        const int dialogs = Dialogs();
        test::Parts(W).mnuUploadFile->trigger();
        QCOMPARE(Dialogs(), dialogs + 1);
        QVERIFY(ReadFileToString(got) == test::SimObjectFile(*F->Sim, "HOME", "MSG"));
        QVERIFY(!W->Connected() && W->Server().Data.empty());
    }

    // Cancelling the XSEND prompt or the wait for XRECV is the person's choice: no message.
    void DeliberateCancelsEndQuietly() {
        const std::string out = F->File("out.zq");
        struct TRow {
            const char* Name;
            std::function<void()> Start;
            QAction* Action;
        } rows[] = {
            {"XSEND prompt cancelled",
             [&] {
                 Files->Then(out);
                 Script->Then(Click("Cancel"));
             },
             test::Parts(W).mnuUploadFile},
            {"XRECV wait cancelled",
             [&] {
                 Files->Then(ObjectFile("X"));
                 // Cancel once the prompt shows (the port's waits let messages run sooner).
                 auto* poll = new QTimer(DownLd.get());
                 connect(poll, &QTimer::timeout, [this, poll] {
                     if (!DownLd->isVisible()) return;
                     poll->deleteLater();
                     DownLd->btnCancel->click();
                 });
                 poll->start(10);
             },
             test::Parts(W).mnuDownLoadFile},
        };
        for (const TRow& row : rows) {
            UsePort(SamplePort);
            row.Start();
            const int dialogs = Dialogs() + Script->Pending();
            row.Action->trigger();
            QTRY_VERIFY_WITH_TIMEOUT(!W->Busy(), 10000);
            QVERIFY2(Dialogs() == dialogs, row.Name);
            QVERIFY2(!W->Connected() && !DownLd->isVisible(), row.Name);
            QVERIFY2(!std::filesystem::exists(out), row.Name);
        }
    }

    // Last: the sample calculator hangs up.
    void FailuresEndWithOneMessageAndNoFile() {
        const std::string out = F->File("out.zq");
        struct TRow {
            const char* Name;
            std::function<void()> Start;
            QAction* Action;
            bool Connected; // afterwards
        } rows[] = {
            {"not an archive", [&] { Files->Then(ObjectFile("X")); }, test::Parts(W).mnuRestore,
             true},
            {"hang-up in a backup",
             [&] {
                 Files->Then(out);
                 F->Control("throttle 115200");
             },
             test::Parts(W).mnuBackup, false},
        };
        for (const TRow& row : rows) {
            if (row.Action == test::Parts(W).mnuRestore || row.Action == test::Parts(W).mnuBackup)
                ConnectTo(SamplePort, *F->Sim);
            else
                UsePort(SamplePort);
            const int refreshes = test::Parts(W).RefreshCount;
            row.Start();
            const int dialogs = Dialogs() + Script->Pending() + 1;
            std::jthread hangUp;
            if (row.Action == test::Parts(W).mnuBackup) hangUp = F->HangUpAfterBlocks(3);
            row.Action->trigger();
            if (hangUp.joinable()) hangUp.join();
            QTRY_VERIFY_WITH_TIMEOUT(!W->Busy() && !test::Parts(W).Timer1.isActive(), 10000);
            QVERIFY2(Dialogs() == dialogs, row.Name);
            QVERIFY2(W->Connected() == row.Connected, row.Name);
            QVERIFY2(!row.Connected || test::Parts(W).RefreshCount > refreshes, row.Name);
            QVERIFY2(!std::filesystem::exists(out), row.Name);
        }
    }
};

QTEST_MAIN(TTransfersTest)
#include "transfers_test.moc"
