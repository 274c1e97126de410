// Cut, copy and paste through the keyboard against the in-process simulated calculator: what a
// Cut keeps on the PC and where, what goes at exit, Paste following the clipboard as another
// program fills it, and a rename that a refresh overtakes.
#include "mainwin/DragDrop.h"
#include "mainwin/ZQDir.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/SimCalc.h"
#include "support/gui/WindowParts.h"
#include "util/Files.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>
#include <set>

using namespace lw;
using namespace lw::gui;

class TCutPasteTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    TFZQDir* W = nullptr;

    // Ctrl+<key> to whatever has the keyboard focus, as the person presses it.
    static bool Press(Qt::Key key) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) return false;
        QTest::keyClick(focus, key, Qt::ControlModifier);
        return true;
    }
    bool Activate() {
        W->activateWindow();
        return QTest::qWaitForWindowActive(W);
    }
    // Once no command runs and no refresh waits: activates the window, selects `names` in HOME's
    // list and gives the list the keyboard.
    bool SelectInHome(const QStringList& names) {
        if (!QTest::qWaitFor([this] { return !W->Busy() && !test::Parts(W).Timer1.isActive(); },
                             20000))
            return false;
        // The offscreen platform gives the activation back to no window when the progress
        // dialog closes; a window manager gives it back to the main window.
        if (!Activate() || !F->Select("HOME") || !F->SelectEntries(names)) return false;
        W->ListWidget()->setFocus();
        return QTest::qWaitFor([this] { return W->ListWidget()->hasFocus(); }, 5000);
    }
    QStringList ClipboardFiles(bool* cut = nullptr) {
        return FileListOf(QApplication::clipboard()->mimeData(), cut);
    }
    static QString CutFolder() {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Cut files";
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(qEnvironmentVariableIsSet("XDG_DATA_HOME")); // never the person's own folder
        F = std::make_unique<test::TMainWindowFixture>();
        QDir(CutFolder()).removeRecursively(); // the program has named its data folder
        W = F->W.get();
        QVERIFY(W->Connected());
        QVERIFY(Activate());
    }
    void cleanupTestCase() { F.reset(); }

    // A cut variable exists only on the PC until it is pasted: the file outlives the program,
    // in a folder the person is told about once; copies (still on the calculator) do not.
    void CutFilesOutliveTheProgramCopiesDoNot() {
        QVERIFY(SelectInHome({"X"}));
        const int before = test::Parts(W).RefreshCount;
        QVERIFY(Press(Qt::Key_X));
        QVERIFY2(test::Parts(W).StatusPanel0->text().contains(CutFolder()),
                 qPrintable(test::Parts(W).StatusPanel0->text()));
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(!F->Has("HOME", "X"));
        bool cut = false;
        const QStringList files = ClipboardFiles(&cut);
        QCOMPARE(files.size(), 1);
        QVERIFY(cut);
        const QString cutFile = files.first();
        QCOMPARE(QFileInfo(cutFile).absolutePath(), CutFolder());
        const std::string cutBytes = ReadFileToString(cutFile.toStdString());
        QVERIFY(!cutBytes.empty());

        QVERIFY(SelectInHome({"N"}));
        QVERIFY(Press(Qt::Key_C));
        const QStringList copied = ClipboardFiles();
        QCOMPARE(copied.size(), 1);
        QVERIFY(QFile::exists(copied.first()));

        F->Reopen(); // exit and start again
        W = F->W.get();
        QVERIFY(QFile::exists(cutFile));
        QVERIFY(!QFile::exists(copied.first()));
        QVERIFY(ReadFileToString(cutFile.toStdString()) == cutBytes);

        // Pasting the cut file puts the variable back and uses the file up.
        QCOMPARE(F->Control("server").substr(0, 2), std::string("OK")); // the person starts it
        W->tbtnConnectClick(false);
        QVERIFY(W->Connected());
        QVERIFY(Activate());
        QApplication::clipboard()->setMimeData(FileListMimeData({cutFile}, true));
        QVERIFY(SelectInHome({"N"}));
        const int again = test::Parts(W).RefreshCount;
        QVERIFY(Press(Qt::Key_V));
        QVERIFY(F->WaitRefresh(again));
        QVERIFY(F->Has("HOME", "X"));
        QVERIFY(!QFile::exists(cutFile));
    }

    // Another program puts files on the clipboard: Ctrl+V pastes them at once.
    void PasteFollowsTheClipboard() {
        QVERIFY(SelectInHome({"N"}));
        const std::string file = F->File("FROMFM.zq");
        WriteStringToFile(test::SimObjectFile(*F->Sim, "HOME", "N"), file);
        QApplication::clipboard()->clear();
        QTRY_VERIFY(!test::Parts(W).mnuPaste->isEnabled());
        QApplication::clipboard()->setMimeData(
            FileListMimeData({QString::fromStdString(file)}, false));
        const int before = test::Parts(W).RefreshCount;
        QVERIFY(Press(Qt::Key_V));
        QVERIFY(F->WaitRefresh(before));
        QVERIFY(F->Has("HOME", "FROMFM"));
        QVERIFY(QFile::exists(QString::fromStdString(file))); // a copy stays where it was
    }

    // The rename runs after the editor has closed; a refresh in between must neither lose it
    // nor rename another entry.
    void RenameOvertakenByARefresh() {
        QVERIFY(F->Select("HOME"));
        const auto names = [this] {
            std::set<std::string> all;
            const auto memory = test::SimMemory(*F->Sim); // kept: the loop reads into it
            for (const test::TSimEntry& e : memory.at("HOME")) all.insert(e.Name);
            return all;
        };
        std::set<std::string> expected = names();
        expected.erase("AVOG");
        expected.insert("AVO2");
        test::Parts(W).ListModel.setData(
            test::Parts(W).ListModel.index(test::Parts(W).ListModel.RowNamed("AVOG"), 0), "AVO2",
            Qt::EditRole);
        const int before = test::Parts(W).RefreshCount;
        W->RunCommand([this] { W->RefreshDirectory(); }); // new records for the same entries
        QVERIFY(F->WaitRefresh(before + 1));
        QCOMPARE(names(), expected);
    }
};

QTEST_MAIN(TCutPasteTest)
#include "cutpaste_test.moc"
