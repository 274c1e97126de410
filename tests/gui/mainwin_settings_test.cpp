// The main window without a calculator: the list's order and the stored settings; its "File
// Options" dialog: what OK stores for each translation level and carriage-return choice,
// Cancel, and a browsed editor path with blanks.
#include "mainwin/Help.h"
#include "mainwin/ZQDir.h"
#include "server/XModemServer.h"
#include "server/XPObject.h"
#include "settings/FileChooser.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "support/gui/ModalScript.h"
#include "support/gui/WindowParts.h"

#include <QtTest>
#include <QtWidgets>

using namespace lw;
using namespace lw::gui;
using lw::test::TModalScript;

class TMainWindowSettingsTest : public QObject {
    Q_OBJECT
    TModalScript Script;

    static void Add(TXPObject& dir, const char* name, int size, const char* type, bool isDir) {
        auto e = std::make_unique<TXPObject>();
        e->Name = name;
        e->SizeBytes = size;
        e->TypeName = type;
        e->TypeIndex = isDir ? DirectoryTypeIndex : 10;
        e->Parent = &dir;
        dir.Children.push_back(std::move(e));
    }
    static QString Order(const TDirListModel& m) {
        QStringList names;
        for (int r = 0; r < m.rowCount(); ++r) names << m.index(r, 0).data().toString();
        return names.join(' ');
    }

private Q_SLOTS:
    void initTestCase() { ApplySettingsNames(); }
    void init() { QSettings().clear(); }

    void EveryHelpTopicHasAPage() {
        for (int topic : {0, 125001, 125004, 125005})
            QVERIFY(QFile::exists(QString(LW_SOURCE_DIR "/docs/help/") + HelpPage(topic)));
        QCOMPARE(HelpFolder("/data", QLocale::German), QString("/data/help"));
    }

    void SortsDirectoriesFirstSizesAsNumbersAndReversesLast() {
        TXPObject dir;
        Add(dir, "x", 100, "Real", false);
        Add(dir, "b", 0, "Directory", true);
        Add(dir, "Y", 20, "list", false);
        Add(dir, "z", 9, "Program", false);
        Add(dir, "A", 5, "Directory", true);
        TFZQDir w;
        QAbstractItemModelTester tester(&test::Parts(w).ListModel,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        test::Parts(w).ListModel.SetDir(&dir);
        QCOMPARE(Order(test::Parts(w).ListModel), QString("A b x Y z"));
        w.ListView1ColumnClick(test::Parts(w).ListModel.ColumnOf(ctSize));
        QCOMPARE(Order(test::Parts(w).ListModel), QString("b A z Y x"));
        QCOMPARE(test::Parts(w).ListView1->header()->sortIndicatorOrder(), Qt::AscendingOrder);
        w.ListView1ColumnClick(test::Parts(w).ListModel.ColumnOf(ctSize));
        QVERIFY(test::Parts(w).SortReverse);
        QCOMPARE(Order(test::Parts(w).ListModel), QString("x Y z A b"));
        QCOMPARE(test::Parts(w).ListView1->header()->sortIndicatorOrder(), Qt::DescendingOrder);
        w.ListView1ColumnClick(test::Parts(w).ListModel.ColumnOf(ctType));
        QVERIFY(!test::Parts(w).SortReverse);
        QCOMPARE(Order(test::Parts(w).ListModel), QString("A b Y z x"));
        w.ListView1ColumnClick(test::Parts(w).ListModel.ColumnOf(ctFiles));
        w.ListView1ColumnClick(test::Parts(w).ListModel.ColumnOf(ctFiles));
        QCOMPARE(Order(test::Parts(w).ListModel), QString("z Y x b A"));
        test::Parts(w).ListModel.Detach();
    }

    void FirstStartTakesTheDefaults() {
        TFZQDir w;
        QCOMPARE(test::Parts(w).cmboPort->currentText(), QString("Auto"));
        QCOMPARE(test::Parts(w).cmboSpeed->currentText(), QString("115200"));
        QCOMPARE(QString::fromStdString(w.Server().GetSpeed()), QString("115200"));
        QVERIFY(!test::Parts(w).ToolBar->isHidden());
        QCOMPARE(w.ViewStyle(), 3);
        QCOMPARE(test::Parts(w).ListModel.ColumnOf(ctSize), 2);
        QCOMPARE(test::Parts(w).SortColumn, 0);
        QVERIFY(!test::Parts(w).SortReverse);
        QVERIFY(test::Parts(w).State.AddExtension && test::Parts(w).State.AddCR &&
                test::Parts(w).State.Trans031 && test::Parts(w).State.RpnPrompts);
        QCOMPARE(test::Parts(w).State.TransIO, 3);
        QCOMPARE(test::Parts(w).ListView1->header()->sectionSize(0), 160);
    }

    void StoredValuesAreCheckedAndTheOthersStillApply() {
        {
            QSettings s;
            s.setValue("DirColSize", "7");
            s.setValue("DirWidthFiles", "wide");
            s.setValue("DirWidthSize", "77");
            s.setValue("DirViewStyle", "1");
            s.setValue("Speed", "1234");
            s.setValue("TRANSIO", "0");
            s.setValue("AddCR", "1");
        }
        {
            TFZQDir w;
            QCOMPARE(test::Parts(w).ListModel.ColumnOf(ctSize), 2);
            QCOMPARE(test::Parts(w).ListView1->header()->sectionSize(0), 160);
            QCOMPARE(test::Parts(w).ListView1->header()->sectionSize(2), 77);
            QCOMPARE(w.ViewStyle(), 1);
            QCOMPARE(test::Parts(w).cmboSpeed->currentText(), QString("9600"));
            QCOMPARE(test::Parts(w).State.TransIO, 1);
            w.close();
        }
        QCOMPARE(QSettings().value("DirColSize").toString(), QString("3"));
        QSettings().setValue("TRANSIO", "1");
        QSettings().setValue("AddCR", "0");
        TFZQDir w;
        QCOMPARE(test::Parts(w).State.TransIO, 0);
    }

    void EveryValueSurvivesACloseAndANewStart() {
        {
            QSettings().setValue("DirColSize", "2");
            TFZQDir w;
            w.show();
            test::Parts(w).cmboSpeed->setCurrentText("19200");
            test::Parts(w).ToolBar->hide();
            w.SetViewStyle(2);
            w.ListView1ColumnClick(2);
            w.ListView1ColumnClick(2);
            test::Parts(w).ListView1->header()->resizeSection(1, 99);
            test::Parts(w).Splitter1->setSizes({200, 367});
            test::Parts(w).State.AddExtension = false;
            test::Parts(w).State.AddCR = false;
            test::Parts(w).State.TransIO = 2;
            test::Parts(w).State.Trans031 = false;
            test::Parts(w).State.RpnPrompts = false;
            test::Parts(w).Editor = "my editor";
            w.close();
        }
        TFZQDir w;
        w.show();
        QCOMPARE(test::Parts(w).cmboSpeed->currentText(), QString("19200"));
        QVERIFY(test::Parts(w).ToolBar->isHidden());
        QCOMPARE(w.ViewStyle(), 2);
        QCOMPARE(test::Parts(w).SortColumn, 2);
        QVERIFY(test::Parts(w).SortReverse);
        QCOMPARE(test::Parts(w).ListModel.ColumnOf(ctSize), 1);
        QCOMPARE(test::Parts(w).ListView1->header()->sectionSize(1), 99);
        QCOMPARE(test::Parts(w).Splitter1->sizes().value(0), 200);
        QVERIFY(!test::Parts(w).State.AddExtension && !test::Parts(w).State.AddCR &&
                !test::Parts(w).State.Trans031 && !test::Parts(w).State.RpnPrompts);
        QCOMPARE(test::Parts(w).State.TransIO, 2);
        QCOMPARE(test::Parts(w).Editor, std::string("my editor"));
    }

    void OkStoresTheLevelAndCarriageReturns() {
        const struct {
            int Level;
            bool AddCR; // stored before
            int Shown;  // radio button checked on showing: 1..3
            int Choose;
            bool Check;
            int Stored;
        } rows[] = {
            {3, false, 3, 1, true, 1},  // 1 with C/R
            {1, true, 1, 1, false, 0},  // 1 without C/R
            {0, false, 1, 2, true, 2},  // 2 with C/R
            {2, true, 2, 2, false, 2},  // 2, C/R unchecked
            {2, false, 2, 3, false, 3}, // 3 without C/R
        };
        const auto radio = [](QWidget* d, int n) {
            return d->findChild<QRadioButton*>(QString("rbtnTrans%1").arg(n));
        };
        for (const auto& row : rows) {
            QSettings().clear();
            QSettings().setValue("TRANSIO", QString::number(row.Level));
            QSettings().setValue("AddCR", row.AddCR ? "1" : "0");
            TFZQDir w;
            w.show();
            Script.Then([&](QWidget* d) {
                QVERIFY(radio(d, row.Shown)->isChecked());
                QCOMPARE(d->findChild<QCheckBox*>("chbAddCR")->isChecked(),
                         test::Parts(w).State.AddCR);
                radio(d, row.Choose)->click();
                d->findChild<QCheckBox*>("chbAddCR")->setChecked(row.Check);
                d->findChild<QLineEdit*>("edtEditor")->setText("  my editor -x ");
                TModalScript::Click(d, "OK");
            });
            test::Parts(w).mnuOptions->trigger();
            QCOMPARE(Script.Pending(), 0);
            QCOMPARE(test::Parts(w).State.TransIO, row.Stored);
            QCOMPARE(test::Parts(w).State.AddCR, row.Check);
            QCOMPARE(test::Parts(w).Editor, std::string("  my editor -x "));
            w.close();
            QCOMPARE(QSettings().value("TRANSIO").toString(), QString::number(row.Stored));
        }
    }

    void CancelKeepsAndBrowseStoresThePathAsItIs() {
        QTemporaryDir dir;
        const QString program = dir.filePath("my editor/edit it");
        QVERIFY(QDir().mkpath(dir.filePath("my editor")));
        QFile f(program);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        TCalcState state;
        state.TransIO = 2;
        std::string editor = "kept";
        TFOptions options;
        Script.Then([](QWidget* d) {
            d->findChild<QRadioButton*>("rbtnTrans1")->click();
            TModalScript::Click(d, "Cancel");
        });
        QCOMPARE(options.ShowOptions(state, editor), int(QDialog::Rejected));
        QCOMPARE(state.TransIO, 2);
        QCOMPARE(editor, std::string("kept"));

        QString asked;
        const TFileChooser previous = SetFileChooser([&](QWidget*, const TFileRequest& request) {
            asked = request.Title;
            return program;
        });
        Script.Then([&](QWidget* d) {
            d->findChild<QPushButton*>("btnBrowseEditor")->click();
            TModalScript::Click(d, "OK");
        });
        QCOMPARE(options.ShowOptions(state, editor), int(QDialog::Accepted));
        SetFileChooser(previous);
        QCOMPARE(asked, QString("Editor Program"));
        QCOMPARE(QString::fromStdString(editor), program);
    }
};

QTEST_MAIN(TMainWindowSettingsTest)
#include "mainwin_settings_test.moc"
