// Synchronize Folder in the main window: the plan dialog's table and counts for a prepared
// folder, a line left out, the run, the list read again, and the folder remembered for the
// directory.
#include "mainwin/SyncDialog.h"
#include "mainwin/ZQDir.h"
#include "settings/SettingsStore.h"
#include "support/ObjectBuilder.h"
#include "support/gui/FileScript.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/WindowParts.h"
#include "util/Files.h"

#include <QtTest>
#include <QtWidgets>

#include <filesystem>

using namespace lw;
using namespace lw::gui;

class TSyncFolderTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    TFZQDir* W = nullptr;

    static QStringList Row(QTableWidget* t, int row) {
        return {t->item(row, 0)->text(), t->item(row, 1)->text(), t->item(row, 2)->text()};
    }

private Q_SLOTS:
    void initTestCase() {
        F = std::make_unique<test::TMainWindowFixture>(true, test::TGuiOptions{.Empty = true});
        W = F->W.get();
        QVERIFY(W->Connected());
    }
    void cleanupTestCase() { F.reset(); }

    void ThePlanIsShownTickedLinesRunAndTheListIsReadAgain() {
        const std::string pc = F->File("pc");
        std::filesystem::create_directories(pc);
        WriteStringToFile(test::ObjectFile(test::StringObj("a")), pc + "/A.zq");
        WriteStringToFile(test::ObjectFile(test::StringObj("b")), pc + "/B.zq");
        QVERIFY(F->Sim->Invoke([](sim::ISimCalculator& c) {
            c.PutVariable("C", c.ObjectFileHeader() + PackNibbles(test::StringObj("c")));
        }));
        QVERIFY(F->Select("HOME"));

        test::TFileScript files;
        files.Then(pc);
        bool checked = false;
        F->Script.Then([&](QWidget* d) {
            auto* dialog = qobject_cast<TFSyncDialog*>(d);
            QVERIFY(dialog);
            QTableWidget* table = dialog->SyncTable;
            QCOMPARE(table->rowCount(), 3);
            QCOMPARE(Row(table, 0), (QStringList{"send", "A", "new on the PC"}));
            QCOMPARE(Row(table, 1), (QStringList{"send", "B", "new on the PC"}));
            QCOMPARE(Row(table, 2), (QStringList{"fetch", "C", "new on the calculator"}));
            QCOMPARE(dialog->lblCounts->text(), QString("send 2, fetch 1"));
            // Space on the line's check box, as a keyboard user leaves it out.
            table->setFocus();
            table->setCurrentCell(1, 0);
            QTRY_VERIFY(QApplication::focusWidget() == table);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(table->item(1, 0)->checkState(), Qt::Unchecked);
            QCOMPARE(dialog->lblCounts->text(), QString("send 1, fetch 1; left out 1"));
            checked = true;
            test::TModalScript::Click(d, "Synchronize");
        });
        test::Parts(W).mnuSyncFolder->trigger();
        QVERIFY(checked);
        QCOMPARE(F->Script.Pending(), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!W->Busy() && !test::Parts(W).Timer1.isActive(), 20000);
        QVERIFY(F->Has("HOME", "A"));
        QVERIFY(!F->Has("HOME", "B"));
        QVERIFY(std::filesystem::exists(pc + "/C.zq"));
        QVERIFY(std::filesystem::exists(pc + "/.linkwell-sync"));
        QVERIFY(test::Parts(W).ListModel.RowNamed("A") >= 0); // the list was read again
        QCOMPARE(TSettingsStore("Synchronize").ReadString("HOME", ""), QString::fromStdString(pc));

        // The next time the folder is offered again; the line left out is still to do.
        files.Then("");
        test::Parts(W).mnuSyncFolder->trigger();
        QCOMPARE(files.Requests.back().Name, QString::fromStdString(pc));
        QCOMPARE(files.Requests.back().Mode, TFileRequest::Folder);
        files.Then(pc);
        F->Script.Then(test::TModalScript::CheckThenClick(
            [] {
                auto* dialog = qobject_cast<TFSyncDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QCOMPARE(dialog->lblCounts->text(), QString("send 1, same 2"));
            },
            "Cancel"));
        test::Parts(W).mnuSyncFolder->trigger();
        QCOMPARE(F->Script.Pending(), 0);
        QVERIFY(!F->Has("HOME", "B"));
    }
};

QTEST_MAIN(TSyncFolderTest)
#include "syncfolder_test.moc"
