// The "File Options" dialog from the main window's menu: what OK stores for each translation
// level and carriage-return choice (through to the stored settings and the next showing),
// Cancel, and a browsed editor path with blanks.
#include "mainwin/FileChooser.h"
#include "mainwin/ZQDir.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "support/gui/ModalScript.h"

#include <QtTest>
#include <QtWidgets>

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
            Script->Then([&](QWidget* d) {
                QVERIFY(radio(d, row.Shown)->isChecked());
                QCOMPARE(d->findChild<QCheckBox*>("chbAddCR")->isChecked(), w.State.AddCR);
                radio(d, row.Choose)->click();
                d->findChild<QCheckBox*>("chbAddCR")->setChecked(row.Check);
                d->findChild<QLineEdit*>("edtEditor")->setText("  my editor -x ");
                TModalScript::Click(d, "OK");
            });
            w.mnuOptions->trigger();
            QCOMPARE(Script->Pending(), 0);
            QCOMPARE(w.State.TransIO, row.Stored);
            QCOMPARE(w.State.AddCR, row.Check);
            QCOMPARE(w.Editor, std::string("  my editor -x "));
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
