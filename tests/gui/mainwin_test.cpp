// The main window against the in-process simulated calculator: connecting, the tree and list
// over the whole sample memory, the enabling rules, and each command end to end (files on the
// PC, the clipboard, the calculator's memory afterwards).
#include "link/PromptTexts.h"
#include "mainwin/ZQDir.h"
#include "prompts/DownLd.h"
#include "server/XModemServer.h"
#include "settings/SettingsStore.h"
#include "support/FakeUi.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/SimCalc.h"
#include "support/gui/WindowParts.h"
#include "util/Files.h"

#include <QAbstractItemModelTester>
#include <QtTest>
#include <QtWidgets>

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

} // namespace

class TMainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    TFZQDir* W = nullptr;
    test::TModalScript* Script = nullptr;
    sim::TSimulator* Sim = nullptr;
    // Check the tree's and the list's model contracts through every command of the run.
    std::unique_ptr<QAbstractItemModelTester> TreeTester, ListTester;

private Q_SLOTS:
    void initTestCase() {
        F = std::make_unique<test::TMainWindowFixture>(false);
        W = F->W.get();
        Sim = F->Sim.get();
        Script = &F->Script;
        const auto mode = QAbstractItemModelTester::FailureReportingMode::QtTest;
        TreeTester = std::make_unique<QAbstractItemModelTester>(&test::Parts(W).TreeModel, mode);
        ListTester = std::make_unique<QAbstractItemModelTester>(&test::Parts(W).ListModel, mode);
    }
    void cleanupTestCase() {
        TreeTester.reset();
        ListTester.reset();
        F.reset();
    }

    void ConnectsThroughThePortListAndShowsTheWholeMemory() {
        QCOMPARE(test::Parts(W).cmboPort->count(), 1);
        QCOMPARE(test::Parts(W).cmboPort->currentText(), QString::fromStdString(F->Port));
        W->tbtnConnectClick(false);
        QVERIFY(W->Connected());
        QCOMPARE(test::Parts(W).tbtnConnect->text(), QString("Disconnect"));
        QVERIFY(test::Parts(W).TreeModel.RootIndex().data().toString().startsWith("HOME (ZQ-"));
        QVERIFY(W->Server().Port() == F->Port);
        const auto memory = test::SimMemory(*Sim);
        QVERIFY(memory.size() >= 5); // HOME, WORK, EMPTY, PROJ, OLD
        for (const auto& [path, entries] : memory) {
            QVERIFY(F->Select(QString::fromStdString(path)));
            // The tree holds the directories in listing order.
            const QModelIndex node = test::Parts(W).TreeView1->currentIndex();
            std::vector<std::string> dirs, shown;
            for (const TSimEntry& e : entries)
                if (e.Dir) dirs.push_back(e.Name);
            for (int r = 0; r < test::Parts(W).TreeModel.rowCount(node); ++r)
                shown.push_back(Str(test::Parts(W).TreeModel.index(r, 0, node).data().toString()));
            QCOMPARE(shown, dirs);
            // The list holds every entry with its size and type.
            std::set<TSimEntry> listed;
            for (int r = 0; r < test::Parts(W).ListModel.rowCount(); ++r) {
                const auto cell = [&](TColumnTag tag) {
                    return Str(test::Parts(W)
                                   .ListModel.index(r, test::Parts(W).ListModel.ColumnOf(tag))
                                   .data()
                                   .toString());
                };
                listed.insert({cell(ctFiles), std::stoi(cell(ctSize)), cell(ctType),
                               test::Parts(W).ListModel.Record(r)->IsDirectory()});
            }
            QCOMPARE(listed, std::set<TSimEntry>(entries.begin(), entries.end()));
        }
        QVERIFY(!test::Parts(W).StatusPanel1->text().isEmpty());
    }

    void FindsTheDeepestDirectoryThatStillExists() {
        const auto path = [&](const QString& p) {
            return QString::fromStdString(
                test::Parts(W).TreeModel.Record(W->FindNodeForPath(p))->GetPath());
        };
        QCOMPARE(path(""), QString("HOME"));
        QCOMPARE(path("HOME WORK PROJ OLD"), QString("HOME WORK PROJ OLD"));
        QCOMPARE(path("WORK PROJ"), QString("HOME WORK PROJ"));
        QCOMPARE(path("HOME GONE"), QString("HOME"));
        QCOMPARE(path("HOME WORK GONE OLD"), QString("HOME WORK"));
        // A directory that vanished on the calculator: the refresh shows its parent.
        QVERIFY(F->Select("HOME WORK PROJ OLD"));
        Sim->Invoke([](sim::ISimCalculator& c) { c.RunScript("HOME WORK PROJ 'OLD' PGDIR"); });
        W->RunCommand([&] { W->RefreshDirectory(); });
        QCOMPARE(QString::fromStdString(test::Parts(W).ListModel.Dir()->GetPath()),
                 QString("HOME WORK PROJ"));
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME WORK PROJ"));
        QVERIFY(!F->Has("HOME WORK PROJ", "OLD"));
    }

    void TwoRefreshRequestsGiveOneRefresh() {
        QVERIFY(F->Select("HOME"));
        const int before = test::Parts(W).RefreshCount;
        W->RequestRefresh();
        W->RequestRefresh();
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(!test::Parts(W).Timer1.isActive());
        QCOMPARE(test::Parts(W).RefreshCount, before + 1);
    }

    // The action table gives each command its short-cut, and every visible action is in a menu
    // of the menu bar (a keyboard path for each command).
    void ActionsHaveTheirShortcutsAndMenuEntries() {
        W->UpdateControls();
        const std::vector<std::pair<const char*, const char*>> keys = {
            {"mnuCut", "Ctrl+X"},        {"mnuCopy", "Ctrl+C"},     {"mnuPaste", "Ctrl+V"},
            {"mnuCopyAsText", "Ctrl+T"}, {"mnuEditText", "Ctrl+E"}, {"mnuSelectAll", "Ctrl+A"},
            {"mnuRefresh", "F5"},        {"mnuDelete", ""},         {"mnuExit", ""}};
        for (const auto& [name, key] : keys) {
            const auto* action = W->findChild<QAction*>(name);
            QVERIFY2(action, name);
            QCOMPARE(action->shortcut(), QKeySequence(key));
        }
        std::set<QAction*> inMenus;
        for (QAction* top : W->menuBar()->actions())
            for (QAction* item : top->menu()->actions()) inMenus.insert(item);
        int named = 0;
        for (QAction* action : W->findChildren<QAction*>(QRegularExpression("^mnu"))) {
            if (!action->isVisible() || action->menu()) continue;
            ++named;
            QVERIFY2(inMenus.count(action), qPrintable(action->objectName()));
        }
        QVERIFY(named > 30);
    }

    void EnablingRules() {
        QVERIFY(F->Select("HOME"));
        struct TRow {
            const char* State;
            const char* Expected; // tree list connect port xfer cut copy delete rename eval
                                  // copyText props newFolder refresh selectAll edit capture
        };
        const std::vector<QObject*> controls = {
            test::Parts(W).TreeView1,       test::Parts(W).ListView1,
            test::Parts(W).tbtnConnect,     test::Parts(W).cmboPort,
            test::Parts(W).tbtnXferMode,    test::Parts(W).mnuCut,
            test::Parts(W).mnuCopy,         test::Parts(W).mnuDelete,
            test::Parts(W).mnuRename,       test::Parts(W).mnuEval,
            test::Parts(W).mnuCopyAsText,   test::Parts(W).mnuProperty,
            test::Parts(W).mnuNewFolder,    test::Parts(W).mnuRefresh,
            test::Parts(W).mnuSelectAll,    test::Parts(W).mnuEdit->menuAction(),
            test::Parts(W).mnuCaptureScreen};
        const std::vector<TRow> table = {
            {"disconnected", "00110000000000011"}, {"one", "11101111111111110"},
            {"several", "11101111100111110"},      {"root", "11101000000111010"},
            {"folder", "11101111101111010"},       {"busy", "00000000000000000"},
            {"prompt", "00000000000000000"},
        };
        test::TFakePrompt prompt;
        prompt.Visible = true;
        for (const TRow& row : table) {
            const std::string state = row.State;
            QVERIFY(F->SelectEntries(state == "several" ? QStringList{"X", "N", "Z"}
                                                        : QStringList{"X"}));
            if (state == "root" || state == "folder") {
                test::Parts(W).FocusedControl = test::Parts(W).TreeView1;
                test::Parts(W).TreeView1->setCurrentIndex(
                    W->FindNodeForPath(state == "root" ? "HOME" : "HOME WORK"));
            }
            TUiHooks saved = UiHooks();
            if (state == "disconnected") test::Parts(W).State.Connected = false;
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
            test::Parts(W).State.Connected = true;
            test::Parts(W).TreeView1->setCurrentIndex(W->FindNodeForPath("HOME"));
            W->UpdateControls();
        }
        // While a name is edited in place, the edit box gets Ctrl+X, Ctrl+C and Ctrl+V.
        QVERIFY(F->SelectEntries({"X"}));
        QCOMPARE(test::Parts(W).mnuCopy->shortcut(), QKeySequence("Ctrl+C"));
        test::Parts(W).ListView1->setFocus();
        test::Parts(W).ListView1->edit(
            test::Parts(W).ListModel.index(test::Parts(W).ListModel.RowNamed("X"), 0));
        QTRY_VERIFY_WITH_TIMEOUT(W->Editing(), 5000);
        W->UpdateControls();
        QVERIFY(test::Parts(W).mnuCut->shortcut().isEmpty() &&
                test::Parts(W).mnuCopy->shortcut().isEmpty() &&
                test::Parts(W).mnuPaste->shortcut().isEmpty());
        QTest::keyClick(test::Parts(W).ListView1->viewport()->findChild<QLineEdit*>(),
                        Qt::Key_Escape);
        QTRY_VERIFY_WITH_TIMEOUT(!W->Editing(), 5000);
        W->UpdateControls();
        QCOMPARE(test::Parts(W).mnuCut->shortcut(), QKeySequence("Ctrl+X"));
    }

    void CopyWritesFilesAndPutsThemOnTheClipboard() {
        QVERIFY(F->Select("HOME"));
        QVERIFY(F->SelectEntries({"X", "N"}));
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
        QCOMPARE(test::Parts(W).LastCopiedFile, urls.last().toLocalFile());
        // Copy as text: a text file, and the transfer mode stays binary.
        QVERIFY(F->SelectEntries({"MSG"}));
        W->RunCommand([&] { W->mnuCopyAsTextClick(); });
        QVERIFY(!test::Parts(W).State.TextMode);
        QCOMPARE(test::Parts(W).LastCopiedFile, QString::fromStdString(TempFolder() + "MSG.txt"));
        QVERIFY(ReadFileToString(TempFolder() + "MSG.txt").find("Hello from the calculator!") !=
                std::string::npos);
    }

    void DeleteAsksFirstAndNamesWhatGoes() {
        QVERIFY(F->Select("HOME"));
        QVERIFY(F->SelectEntries({"Z", "MSG", "EMPTY"}));
        const QString question =
            "Delete 2 variables and the folder EMPTY with everything in it from the calculator?";
        QString asked;
        Script->Then([&](QWidget* d) {
            asked = static_cast<QMessageBox*>(d)->text();
            test::TModalScript::Click(d, "No");
        });
        W->RunCommand([&] { W->DeleteSelection(); });
        QCOMPARE(asked, question);
        QVERIFY(F->Has("HOME", "Z") && F->Has("HOME", "EMPTY"));
        Script->Then([](QWidget* d) { test::TModalScript::Click(d, "Yes"); });
        const int before = test::Parts(W).RefreshCount;
        W->RunCommand([&] { W->DeleteSelection(); });
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(!F->Has("HOME", "Z") && !F->Has("HOME", "MSG") && !F->Has("HOME", "EMPTY"));
        QCOMPARE(test::Parts(W).ListModel.RowNamed("Z"), -1);
        QCOMPARE(test::Parts(W).TreeModel.ChildNamed(test::Parts(W).TreeModel.RootIndex(), "EMPTY"),
                 QModelIndex());
        QCOMPARE(Script->Pending(), 0);
    }

    void RenameAndNewFolder() {
        QVERIFY(F->Select("HOME"));
        int before = test::Parts(W).RefreshCount;
        test::Parts(W).ListModel.setData(
            test::Parts(W).ListModel.index(test::Parts(W).ListModel.RowNamed("AVOG"), 0), "AVO2",
            Qt::EditRole);
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(F->Has("HOME", "AVO2") && !F->Has("HOME", "AVOG"));
        QVERIFY(F->SelectEntries({"AVO2"}));
        before = test::Parts(W).RefreshCount;
        W->RunCommand([&] { W->mnuNewFolderClick(); });
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(F->Has("HOME", "New"));
        const QModelIndexList selected = test::Parts(W).ListView1->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().data().toString(), QString("New"));
        // A folder renamed in the tree is shown under its new name.
        QVERIFY(F->Select("HOME New"));
        before = test::Parts(W).RefreshCount;
        test::Parts(W).TreeModel.setData(test::Parts(W).TreeView1->currentIndex(), "NEW2",
                                         Qt::EditRole);
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(F->Has("HOME", "NEW2") && !F->Has("HOME", "New"));
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME NEW2"));
    }

    void EvalRunsTheVariableAndOpensAFolder() {
        QVERIFY(F->Select("HOME"));
        QVERIFY(F->SelectEntries({"N"}));
        const int before = test::Parts(W).RefreshCount;
        W->RunCommand([&] { W->mnuEvalClick(); });
        QVERIFY(F->WaitRefresh(before));
        std::string stack;
        Sim->Invoke([&](sim::ISimCalculator& c) { stack = c.StackText(); });
        QVERIFY2(stack.find("-42") != std::string::npos, stack.c_str());
        QVERIFY(F->SelectEntries({"WORK"}));
        W->RunCommand([&] { W->mnuEvalClick(); });
        QCOMPARE(test::Parts(W).CurrentPath, QString("HOME WORK"));
        QVERIFY(test::Parts(W).ListModel.RowNamed("TODO") >= 0);
    }

    // Last: the calculator hangs up in the middle of a copy.
    void HangUpInACopyDisconnectsWithOneMessageAndNoFile() {
        QVERIFY(F->Select("HOME"));
        QVERIFY(F->SelectEntries({"BIG"}));
        std::filesystem::remove(TempFolder() + "BIG.zq");
        Sim->Control("throttle 115200");
        std::jthread hangUp = F->HangUpAfterBlocks(3);
        const size_t seen = Script->Seen.size();
        W->RunCommand([&] { W->mnuCopyClick(); });
        hangUp.join();
        QVERIFY(!W->Connected());
        QCOMPARE(Script->Seen.size(), seen + 1);
        QVERIFY(!std::filesystem::exists(TempFolder() + "BIG.zq"));
        QCOMPARE(test::Parts(W).tbtnConnect->text(), QString("Connect"));
    }

    // Disconnected: the menu's Connect asks first (Cancel connects nothing), and a port that
    // cannot be opened is refused with its cause, not with the bare connection error.
    void MenuConnectAsksFirstAndNamesWhyThePortDoesNotOpen() {
        TFDownLd prompt(test::Parts(W).State.RpnPrompts);
        F->InstallHooks(W, &prompt);
        const QString missing = QString::fromStdString(TempFolder() + "ttyNone");
        test::Parts(W).cmboPort->addItem(missing);
        test::Parts(W).cmboPort->setCurrentText(missing);
        const QString title = QString::fromStdString(PromptTitle(TPromptKind::Connect));
        const QString ok = QString::fromStdString(PromptOkCaption(TPromptKind::Connect));

        Script->Then([](QWidget* d) { test::TModalScript::Click(d, "Cancel"); });
        test::Parts(W).mnuConnect->trigger();
        QVERIFY(!W->Connected());
        QCOMPARE(Script->Seen.back(), title);

        QString message;
        Script->Then([&](QWidget* d) { test::TModalScript::Click(d, ok); });
        Script->Then([&](QWidget* d) {
            if (auto* box = qobject_cast<QMessageBox*>(d)) message = box->text();
            test::TModalScript::Click(d, "OK");
        });
        test::Parts(W).mnuConnect->trigger();
        QVERIFY(!W->Connected());
        QCOMPARE(Script->Pending(), 0);
        QVERIFY2(message == missing + " does not exist", qPrintable(message));
        F->InstallHooks(W);
    }
};

QTEST_MAIN(TMainWindowTest)
#include "mainwin_test.moc"
