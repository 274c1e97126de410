// The main window against the in-process simulated calculator: connecting, the tree and list
// over the whole sample memory, the enabling rules, and each command end to end (files on the
// PC, the clipboard, the calculator's memory afterwards).
#include "link/PromptTexts.h"
#include "mainwin/ZQDir.h"
#include "prompts/DownLd.h"
#include "server/XModemServer.h"
#include "settings/SettingsStore.h"
#include "support/gui/GuiFixture.h"
#include "support/gui/SimCalc.h"
#include "util/Files.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QSettings>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <set>
#include <thread>

using namespace lw;
using namespace lw::gui;
using lw::test::TSimEntry;

namespace {

std::string Str(const QString& s) {
    return s.toLatin1().toStdString();
}

// A prompt dialog that only says it is showing.
class TShowingPrompt : public IPromptDialog {
public:
    bool ShowPrompt(TPromptKind, const std::string&) override { return false; }
    bool ShowCustomPrompt(const std::string&, const std::string&) override { return false; }
    bool IsVisible() override { return true; }
    void Hide() override {}
    void Focus() override {}
};

} // namespace

class TMainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TGuiFixture> F;
    std::unique_ptr<TFZQDir> W;
    test::TModalScript* Script = nullptr;
    sim::TSimulator* Sim = nullptr;

    void Select(const std::string& path) {
        W->TreeView1->setCurrentIndex(W->FindNodeForPath(QString::fromStdString(path)));
        QCOMPARE(W->CurrentPath, QString::fromStdString(path));
    }
    void SelectEntries(const QStringList& names) {
        W->FocusedControl = W->ListView1;
        auto* sel = W->ListView1->selectionModel();
        sel->clearSelection();
        for (const QString& n : names) {
            const int row = W->ListModel.RowNamed(n);
            QVERIFY2(row >= 0, qPrintable(n));
            sel->setCurrentIndex(W->ListModel.index(row, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }
    // Waits for the refresh a command asked for.
    void WaitRefresh(int before) {
        QTRY_VERIFY_WITH_TIMEOUT(W->RefreshCount > before && !W->Busy(), 20000);
    }
    bool Has(const std::string& dir, const std::string& name) {
        const auto memory = test::SimMemory(*Sim);
        const auto& entries = memory.at(dir);
        return std::any_of(entries.begin(), entries.end(),
                           [&](const TSimEntry& e) { return e.Name == name; });
    }

private Q_SLOTS:
    void initTestCase() {
        F = std::make_unique<test::TGuiFixture>();
        QSettings().clear(); // a first start
        F->StartSimulator();
        Sim = F->Sim.get();
        Script = &F->Script;
        W = std::make_unique<TFZQDir>(QString::fromStdString(F->Port));
        F->InstallHooks(W.get());
        W->show();
    }
    void cleanupTestCase() {
        W.reset();
        F.reset();
    }

    void ConnectsThroughThePortListAndShowsTheWholeMemory() {
        QCOMPARE(W->cmboPort->count(), 1);
        QCOMPARE(W->cmboPort->currentText(), QString::fromStdString(F->Port));
        W->tbtnConnectClick(false);
        QVERIFY(W->Connected());
        QCOMPARE(W->tbtnConnect->text(), QString("Disconnect"));
        QVERIFY(W->TreeModel.RootIndex().data().toString().startsWith("HOME (ZQ-"));
        QVERIFY(W->Server().Port() == F->Port);
        const auto memory = test::SimMemory(*Sim);
        QVERIFY(memory.size() >= 5); // HOME, WORK, EMPTY, PROJ, OLD
        for (const auto& [path, entries] : memory) {
            Select(path);
            // The tree holds the directories in listing order.
            const QModelIndex node = W->TreeView1->currentIndex();
            std::vector<std::string> dirs, shown;
            for (const TSimEntry& e : entries)
                if (e.Dir) dirs.push_back(e.Name);
            for (int r = 0; r < W->TreeModel.rowCount(node); ++r)
                shown.push_back(Str(W->TreeModel.index(r, 0, node).data().toString()));
            QCOMPARE(shown, dirs);
            // The list holds every entry with its size and type.
            std::set<TSimEntry> listed;
            for (int r = 0; r < W->ListModel.rowCount(); ++r) {
                const auto cell = [&](TColumnTag tag) {
                    return Str(W->ListModel.index(r, W->ListModel.ColumnOf(tag)).data().toString());
                };
                listed.insert({cell(ctFiles), std::stoi(cell(ctSize)), cell(ctType),
                               W->ListModel.Record(r)->IsDirectory()});
            }
            QCOMPARE(listed, std::set<TSimEntry>(entries.begin(), entries.end()));
        }
        QVERIFY(W->ListModel.rowCount() >= 0);
        QVERIFY(!W->StatusPanel1->text().isEmpty());
    }

    void FindsTheDeepestDirectoryThatStillExists() {
        const auto path = [&](const QString& p) {
            return QString::fromStdString(W->TreeModel.Record(W->FindNodeForPath(p))->GetPath());
        };
        QCOMPARE(path(""), QString("HOME"));
        QCOMPARE(path("HOME WORK PROJ OLD"), QString("HOME WORK PROJ OLD"));
        QCOMPARE(path("WORK PROJ"), QString("HOME WORK PROJ"));
        QCOMPARE(path("HOME GONE"), QString("HOME"));
        QCOMPARE(path("HOME WORK GONE OLD"), QString("HOME WORK"));
        // A directory that vanished on the calculator: the refresh shows its parent.
        Select("HOME WORK PROJ OLD");
        Sim->Invoke([](sim::ISimCalculator& c) { c.RunScript("HOME WORK PROJ 'OLD' PGDIR"); });
        W->RunCommand([&] { W->RefreshDirectory(); });
        QCOMPARE(QString::fromStdString(W->ListModel.Dir()->GetPath()), QString("HOME WORK PROJ"));
        QCOMPARE(W->CurrentPath, QString("HOME WORK PROJ"));
        QVERIFY(!Has("HOME WORK PROJ", "OLD"));
    }

    void TwoRefreshRequestsGiveOneRefresh() {
        Select("HOME");
        const int before = W->RefreshCount;
        W->RequestRefresh();
        W->RequestRefresh();
        WaitRefresh(before);
        QVERIFY(!W->Timer1.isActive());
        QCOMPARE(W->RefreshCount, before + 1);
    }

    void EnablingRules() {
        Select("HOME");
        struct TRow {
            const char* State;
            const char* Expected; // tree list connect port xfer cut copy delete rename eval
                                  // copyText props newFolder refresh selectAll edit capture
        };
        const std::vector<QObject*> controls = {
            W->TreeView1,       W->ListView1,  W->tbtnConnect,   W->cmboPort,
            W->tbtnXferMode,    W->mnuCut,     W->mnuCopy,       W->mnuDelete,
            W->mnuRename,       W->mnuEval,    W->mnuCopyAsText, W->mnuProperty,
            W->mnuNewFolder,    W->mnuRefresh, W->mnuSelectAll,  W->mnuEdit->menuAction(),
            W->mnuCaptureScreen};
        const std::vector<TRow> table = {
            {"disconnected", "00110000000000011"}, {"one", "11101111111111110"},
            {"several", "11101111100111110"},      {"root", "11101000000111010"},
            {"folder", "11101111101111010"},       {"busy", "00000000000000000"},
            {"prompt", "00000000000000000"},
        };
        TShowingPrompt prompt;
        for (const TRow& row : table) {
            const std::string state = row.State;
            SelectEntries(state == "several" ? QStringList{"X", "N", "Z"} : QStringList{"X"});
            if (state == "root" || state == "folder") {
                W->FocusedControl = W->TreeView1;
                W->TreeView1->setCurrentIndex(
                    W->FindNodeForPath(state == "root" ? "HOME" : "HOME WORK"));
            }
            TUiHooks saved = UiHooks();
            if (state == "disconnected") W->State.Connected = false;
            if (state == "busy") W->SetBusy(true);
            if (state == "prompt") {
                TUiHooks h = saved;
                h.Prompt = &prompt;
                SetUiHooks(h);
            }
            W->UpdateControls();
            QString got;
            for (QObject* c : controls) got += c->property("enabled").toBool() ? '1' : '0';
            QCOMPARE(got + " " + row.State, QString(row.Expected) + " " + row.State);
            SetUiHooks(saved);
            if (state == "busy") W->SetBusy(false);
            W->State.Connected = true;
            W->TreeView1->setCurrentIndex(W->FindNodeForPath("HOME"));
            W->UpdateControls();
        }
        // While a name is edited in place, the edit box gets Ctrl+X, Ctrl+C and Ctrl+V.
        SelectEntries({"X"});
        QCOMPARE(W->mnuCopy->shortcut(), QKeySequence("Ctrl+C"));
        W->ListView1->setFocus();
        W->ListView1->edit(W->ListModel.index(W->ListModel.RowNamed("X"), 0));
        QTRY_VERIFY_WITH_TIMEOUT(W->Editing(), 5000);
        W->UpdateControls();
        QVERIFY(W->mnuCut->shortcut().isEmpty() && W->mnuCopy->shortcut().isEmpty() &&
                W->mnuPaste->shortcut().isEmpty());
        QTest::keyClick(W->ListView1->viewport()->findChild<QLineEdit*>(), Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!W->Editing(), 5000);
        W->UpdateControls();
        QCOMPARE(W->mnuCut->shortcut(), QKeySequence("Ctrl+X"));
    }

    void CopyWritesFilesAndPutsThemOnTheClipboard() {
        Select("HOME");
        SelectEntries({"X", "N"});
        W->RunCommand([&] { W->mnuCopyClick(); });
        const QList<QUrl> urls = QApplication::clipboard()->mimeData()->urls();
        QCOMPARE(urls.size(), 2);
        for (const QUrl& url : urls) {
            const std::string file = url.toLocalFile().toStdString();
            const std::string name = std::filesystem::path(file).stem().string();
            QCOMPARE(QString::fromStdString(file),
                     QString::fromStdString(TempFolder() + name + ".zq"));
            QVERIFY(ReadFileToString(file) == test::SimObjectFile(*Sim, "HOME", name));
        }
        QCOMPARE(W->LastCopiedFile, urls.last().toLocalFile());
        // Copy as text: a text file, and the transfer mode stays binary.
        SelectEntries({"MSG"});
        W->RunCommand([&] { W->mnuCopyAsTextClick(); });
        QVERIFY(!W->State.TextMode);
        QCOMPARE(W->LastCopiedFile, QString::fromStdString(TempFolder() + "MSG.txt"));
        QVERIFY(ReadFileToString(TempFolder() + "MSG.txt").find("Hello from the calculator!") !=
                std::string::npos);
    }

    void PasteSendsTheClipboardFilesAndStopsAtABackup() {
        Select("HOME WORK");
        const std::string folder = TempFolder() + "paste/";
        std::filesystem::create_directories(folder);
        WriteStringToFile(test::SimObjectFile(*Sim, "HOME", "X"), folder + "PASTED.zq");
        WriteStringToFile("not read", folder + "all.zqbackup");
        WriteStringToFile(test::SimObjectFile(*Sim, "HOME", "N"), folder + "AFTER.zq");
        auto* mime = new QMimeData;
        mime->setUrls({QUrl::fromLocalFile(QString::fromStdString(folder + "PASTED.zq")),
                       QUrl::fromLocalFile(QString::fromStdString(folder + "all.zqbackup")),
                       QUrl::fromLocalFile(QString::fromStdString(folder + "AFTER.zq"))});
        QApplication::clipboard()->setMimeData(mime);
        SelectEntries({"TODO"});
        W->UpdateControls();
        QVERIFY(W->mnuPaste->isEnabled());
        const int before = W->RefreshCount;
        W->RunCommand([&] { W->mnuPasteClick(); });
        WaitRefresh(before);
        QVERIFY(test::SimObjectFile(*Sim, "HOME WORK", "PASTED") ==
                test::SimObjectFile(*Sim, "HOME", "X"));
        QVERIFY(!Has("HOME WORK", "AFTER"));
        QVERIFY(W->ListModel.RowNamed("PASTED") >= 0);
    }

    void DeleteAsksFirstAndNamesWhatGoes() {
        Select("HOME");
        SelectEntries({"Z", "MSG", "EMPTY"});
        const QString question =
            "Delete 2 variables and the folder EMPTY with everything in it from the calculator?";
        QString asked;
        Script->Then([&](QWidget* d) {
            asked = static_cast<QMessageBox*>(d)->text();
            test::TModalScript::Click(d, "No");
        });
        W->RunCommand([&] { W->DeleteSelection(); });
        QCOMPARE(asked, question);
        QVERIFY(Has("HOME", "Z") && Has("HOME", "EMPTY"));
        Script->Then([](QWidget* d) { test::TModalScript::Click(d, "Yes"); });
        const int before = W->RefreshCount;
        W->RunCommand([&] { W->DeleteSelection(); });
        WaitRefresh(before);
        QVERIFY(!Has("HOME", "Z") && !Has("HOME", "MSG") && !Has("HOME", "EMPTY"));
        QCOMPARE(W->ListModel.RowNamed("Z"), -1);
        QCOMPARE(W->TreeModel.ChildNamed(W->TreeModel.RootIndex(), "EMPTY"), QModelIndex());
        QCOMPARE(Script->Pending(), 0);
    }

    void CutCopiesThenDeletesWithoutAsking() {
        Select("HOME");
        SelectEntries({"SMALL"});
        const std::string object = test::SimObjectFile(*Sim, "HOME", "SMALL");
        const size_t seen = Script->Seen.size();
        const int before = W->RefreshCount;
        W->RunCommand([&] { W->mnuCutClick(); });
        WaitRefresh(before);
        QCOMPARE(Script->Seen.size(), seen);
        QVERIFY(ReadFileToString(TempFolder() + "SMALL.zq") == object);
        QVERIFY(!Has("HOME", "SMALL"));
    }

    void RenameAndNewFolder() {
        Select("HOME");
        int before = W->RefreshCount;
        W->ListModel.setData(W->ListModel.index(W->ListModel.RowNamed("AVOG"), 0), "AVO2",
                             Qt::EditRole);
        WaitRefresh(before);
        QVERIFY(Has("HOME", "AVO2") && !Has("HOME", "AVOG"));
        SelectEntries({"AVO2"});
        before = W->RefreshCount;
        W->RunCommand([&] { W->mnuNewFolderClick(); });
        WaitRefresh(before);
        QVERIFY(Has("HOME", "New"));
        const QModelIndexList selected = W->ListView1->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().data().toString(), QString("New"));
        // A folder renamed in the tree is shown under its new name.
        Select("HOME New");
        before = W->RefreshCount;
        W->TreeModel.setData(W->TreeView1->currentIndex(), "NEW2", Qt::EditRole);
        WaitRefresh(before);
        QVERIFY(Has("HOME", "NEW2") && !Has("HOME", "New"));
        QCOMPARE(W->CurrentPath, QString("HOME NEW2"));
    }

    void EvalRunsTheVariableAndOpensAFolder() {
        Select("HOME");
        SelectEntries({"N"});
        const int before = W->RefreshCount;
        W->RunCommand([&] { W->mnuEvalClick(); });
        WaitRefresh(before);
        std::string stack;
        Sim->Invoke([&](sim::ISimCalculator& c) { stack = c.StackText(); });
        QVERIFY2(stack.find("-42") != std::string::npos, stack.c_str());
        SelectEntries({"WORK"});
        W->RunCommand([&] { W->mnuEvalClick(); });
        QCOMPARE(W->CurrentPath, QString("HOME WORK"));
        QVERIFY(W->ListModel.RowNamed("TODO") >= 0);
    }

    // Last: the calculator hangs up in the middle of a copy.
    void HangUpInACopyDisconnectsWithOneMessageAndNoFile() {
        Select("HOME");
        SelectEntries({"BIG"});
        std::filesystem::remove(TempFolder() + "BIG.zq");
        Sim->Control("throttle 115200");
        std::thread hangUp([this] {
            for (int i = 0; i < 3000 && Sim->Stats().BlocksSent < 3; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            Sim->Control("hangup");
        });
        const size_t seen = Script->Seen.size();
        W->RunCommand([&] { W->mnuCopyClick(); });
        hangUp.join();
        QVERIFY(!W->Connected());
        QCOMPARE(Script->Seen.size(), seen + 1);
        QVERIFY(!std::filesystem::exists(TempFolder() + "BIG.zq"));
        QCOMPARE(W->tbtnConnect->text(), QString("Connect"));
    }

    // Disconnected: the menu's Connect asks first (Cancel connects nothing), and a port that
    // cannot be opened is refused with its cause, not with the bare connection error.
    void MenuConnectAsksFirstAndNamesWhyThePortDoesNotOpen() {
        TFDownLd prompt(W->State.RpnPrompts);
        F->InstallHooks(W.get(), &prompt);
        const QString missing = QString::fromStdString(TempFolder() + "ttyNone");
        W->cmboPort->addItem(missing);
        W->cmboPort->setCurrentText(missing);
        const QString title = QString::fromStdString(PromptTitle(TPromptKind::Connect));
        const QString ok = QString::fromStdString(PromptOkCaption(TPromptKind::Connect));

        Script->Then([](QWidget* d) { test::TModalScript::Click(d, "Cancel"); });
        W->mnuConnect->trigger();
        QVERIFY(!W->Connected());
        QCOMPARE(Script->Seen.back(), title);

        QString message;
        Script->Then([&](QWidget* d) { test::TModalScript::Click(d, ok); });
        Script->Then([&](QWidget* d) {
            if (auto* box = qobject_cast<QMessageBox*>(d)) message = box->text();
            test::TModalScript::Click(d, "OK");
        });
        W->mnuConnect->trigger();
        QVERIFY(!W->Connected());
        QCOMPARE(Script->Pending(), 0);
        QVERIFY2(message == missing + " does not exist", qPrintable(message));
        F->InstallHooks(W.get());
    }
};

QTEST_MAIN(TMainWindowTest)
#include "mainwin_test.moc"
