// The "File Options" dialog from the main window's menu: what OK stores for each translation
// level and carriage-return choice (through to the stored settings and the next showing),
// Cancel, and a browsed editor path with blanks.
#include "mainwin/FileChooser.h"
#include "mainwin/ZQDir.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "support/gui/ModalScript.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QtTest>

using namespace lw;
using namespace lw::gui;
using lw::test::TModalScript;

class TOptionsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TModalScript> Script;

private Q_SLOTS:
    void initTestCase() {
        ApplySettingsNames();
        Script = std::make_unique<TModalScript>();
    }

    void OkStoresTheLevelAndCarriageReturns_data() {
        QTest::addColumn<int>("level"); // stored before
        QTest::addColumn<bool>("addCR");
        QTest::addColumn<int>("shown"); // radio button checked on showing: 1..3
        QTest::addColumn<int>("choose");
        QTest::addColumn<bool>("check");
        QTest::addColumn<int>("stored");
        QTest::newRow("1 with C/R") << 3 << false << 3 << 1 << true << 1;
        QTest::newRow("1 without C/R") << 1 << true << 1 << 1 << false << 0;
        QTest::newRow("2 with C/R") << 0 << false << 1 << 2 << true << 2;
        QTest::newRow("2, C/R unchecked") << 2 << true << 2 << 2 << false << 2;
        QTest::newRow("3 without C/R") << 2 << false << 2 << 3 << false << 3;
    }
    void OkStoresTheLevelAndCarriageReturns() {
        QFETCH(int, level);
        QFETCH(bool, addCR);
        QFETCH(int, shown);
        QFETCH(int, choose);
        QFETCH(bool, check);
        QFETCH(int, stored);
        QSettings().clear();
        QSettings().setValue("TRANSIO", QString::number(level));
        QSettings().setValue("AddCR", addCR ? "1" : "0");
        const auto radio = [](QWidget* d, int n) {
            return d->findChild<QRadioButton*>(QString("rbtnTrans%1").arg(n));
        };
        {
            TFZQDir w;
            w.show();
            Script->Then([&](QWidget* d) {
                QVERIFY(radio(d, shown)->isChecked());
                radio(d, choose)->click();
                d->findChild<QCheckBox*>("chbAddCR")->setChecked(check);
                d->findChild<QLineEdit*>("edtEditor")->setText("  my editor -x ");
                TModalScript::Click(d, "OK");
            });
            w.mnuOptions->trigger();
            QCOMPARE(Script->Pending(), 0);
            QCOMPARE(w.State.TransIO, stored);
            QCOMPARE(w.State.AddCR, check);
            QCOMPARE(w.Editor, std::string("  my editor -x "));
            w.close();
        }
        QCOMPARE(QSettings().value("TRANSIO").toString(), QString::number(stored));
        // The next start reads the same level, and the dialog shows it again.
        TFZQDir w;
        w.show();
        QCOMPARE(w.State.TransIO, stored);
        Script->Then([&](QWidget* d) {
            QVERIFY(radio(d, choose)->isChecked());
            QCOMPARE(d->findChild<QCheckBox*>("chbAddCR")->isChecked(), check);
            TModalScript::Click(d, "Cancel");
        });
        w.mnuOptions->trigger();
        QCOMPARE(Script->Pending(), 0);
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
        Script->Then([](QWidget* d) {
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
        Script->Then([&](QWidget* d) {
            d->findChild<QPushButton*>("btnBrowseEditor")->click();
            TModalScript::Click(d, "OK");
        });
        QCOMPARE(options.ShowOptions(state, editor), int(QDialog::Accepted));
        SetFileChooser(previous);
        QCOMPARE(asked, QString("Editor Program"));
        QCOMPARE(QString::fromStdString(editor), program);
    }
};

QTEST_MAIN(TOptionsTest)
#include "options_test.moc"
