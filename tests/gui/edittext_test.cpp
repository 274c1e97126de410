// Edit as text against the in-process simulated calculator, with a scripted editor program:
// what reaches the calculator for each way an editor can end, how the editor is started
// (paths with blanks, command lines, the user's environment), and the temporary file.
#include "mainwin/EditText.h"
#include "mainwin/ZQDir.h"
#include "server/XModemServer.h"
#include "support/gui/GuiFixture.h"
#include "support/gui/SimCalc.h"
#include "util/Files.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QSettings>
#include <QTreeView>
#include <QtTest>

#include <filesystem>

using namespace lw;
using namespace lw::gui;

namespace {

const QString Helper = LW_SCRIPTED_EDITOR;

// Runs the scripted editor with its script in the environment, the way the test's editor
// process sees it; an empty text leaves the file alone.
void SetScript(const QString& text, bool keepTime) {
    if (text.isNull())
        qunsetenv("LW_EDIT_TEXT");
    else
        qputenv("LW_EDIT_TEXT", text.toUtf8());
    qputenv("LW_EDIT_KEEP_TIME", keepTime ? "1" : "0");
}

} // namespace

class TEditTextTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TGuiFixture> F;
    std::unique_ptr<TFZQDir> W;
    QString BlankFolder; // holds "edit helper", a copy of the scripted editor

    std::string Msg() { return test::SimObjectFile(*F->Sim, "HOME", "MSG"); }

private Q_SLOTS:
    void initTestCase() {
        // The temporary folder and the editor's path hold blanks: neither may be split.
        const QString base = qEnvironmentVariable("TMPDIR", QDir::tempPath());
        const QString tmp = base + "/tmp with blank";
        BlankFolder = base + "/editor with blank";
        QDir().mkpath(tmp);
        QDir().mkpath(BlankFolder);
        qputenv("TMPDIR", tmp.toUtf8());
        QFile::remove(BlankFolder + "/edit helper");
        QVERIFY(QFile::copy(Helper, BlankFolder + "/edit helper"));
        F = std::make_unique<test::TGuiFixture>();
        QSettings().clear();
        F->StartSimulator();
        W = std::make_unique<TFZQDir>(QString::fromStdString(F->Port));
        F->InstallHooks(W.get());
        W->show();
        W->tbtnConnectClick(false);
        QVERIFY(W->Connected());
        W->TreeView1->setCurrentIndex(W->FindNodeForPath("HOME"));
    }
    void cleanupTestCase() {
        W.reset();
        F.reset();
    }

    void EditorCommandLines_data() {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("visual");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QStringList>("expected"); // program, then arguments
        const QString whole = BlankFolder + "/edit helper";
        QTest::newRow("existing path with blanks") << whole << ""
                                                   << "" << QStringList{whole, "F"};
        QTest::newRow("quoted path and option") << "\"" + whole + "\" -n"
                                                << ""
                                                << "" << QStringList{whole, "-n", "F"};
        QTest::newRow("words") << "gedit --new-window"
                               << "vim"
                               << "" << QStringList{"gedit", "--new-window", "F"};
        QTest::newRow("graphical VISUAL") << ""
                                          << "kate -b"
                                          << "nano" << QStringList{"kate", "-b", "F"};
        QTest::newRow("terminal VISUAL, graphical EDITOR")
            << "  "
            << "/usr/bin/vim"
            << "mousepad" << QStringList{"mousepad", "F"};
        QTest::newRow("terminal editors only") << ""
                                               << "emacs -nw"
                                               << "editor" << QStringList{"xdg-open", "F"};
        QTest::newRow("nothing set") << ""
                                     << ""
                                     << "" << QStringList{"xdg-open", "F"};
    }
    void EditorCommandLines() {
        QFETCH(QString, setting);
        QFETCH(QString, visual);
        QFETCH(QString, editor);
        QFETCH(QStringList, expected);
        QProcessEnvironment env;
        if (!visual.isEmpty()) env.insert("VISUAL", visual);
        if (!editor.isEmpty()) env.insert("EDITOR", editor);
        const TEditorCommand c = EditorCommand(setting, "F", env);
        QCOMPARE(QStringList{c.Program} + c.Arguments, expected);
    }

    void EditsReachTheCalculatorOnlyWhenTheFileChanged_data() {
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("text"); // what the editor writes; null: nothing
        QTest::addColumn<bool>("keepTime");
        QTest::addColumn<QString>("answer");   // to the "press Done" question; empty: none shown
        QTest::addColumn<QString>("userText"); // saved before Done, as another instance would
        QTest::addColumn<bool>("sent");
        QTest::addColumn<bool>("fileStays");
        QTest::addColumn<bool>("putFails"); // the calculator cancels the write-back
        const QString blank = BlankFolder + "/edit helper";
        QTest::newRow("changed (Enter)") << Helper << "first edit" << false << ""
                                         << "" << true << false << false;
        QTest::newRow("saves nothing") << Helper << QString() << false << ""
                                       << "" << false << false << false;
        QTest::newRow("same second") << Helper << "second edit" << true << ""
                                     << "" << true << false << false;
        QTest::newRow("path with blanks") << blank << "third edit" << false << ""
                                          << "" << true << false << false;
        QTest::newRow("quoted path, option") << "\"" + blank + "\" -x"
                                             << "fourth edit" << false << ""
                                             << "" << true << false << false;
        QTest::newRow("returns at once, Done") << Helper << QString() << false << "Done"
                                               << "fifth edit" << true << false << false;
        QTest::newRow("returns at once, Cancel") << Helper << QString() << false << "Cancel"
                                                 << "not sent" << false << false << false;
        QTest::newRow("no such editor")
            << "/nonexistent/editor" << QString() << false << "Edit Error"
            << "" << false << true << false;
        // Long enough to travel as a transfer, which the calculator can cancel.
        QTest::newRow("write-back fails")
            << Helper << QString() << false << "Done" << QString(300, 'k') << false << true << true;
    }
    void EditsReachTheCalculatorOnlyWhenTheFileChanged() {
        QFETCH(QString, editor);
        QFETCH(QString, text);
        QFETCH(bool, keepTime);
        QFETCH(QString, answer);
        QFETCH(QString, userText);
        QFETCH(bool, sent);
        QFETCH(bool, fileStays);
        QFETCH(bool, putFails);
        const std::string temp = TempFolder() + "MSG.txt";
        std::filesystem::remove(temp);
        W->Editor = editor.toStdString();
        W->EditorHandOverMs = answer == "Done" || answer == "Cancel" ? 600000 : 0;
        SetScript(text, keepTime);
        QApplication::clipboard()->setText("untouched");
        const std::string before = Msg();
        bool busyMeanwhile = false;
        if (!answer.isEmpty())
            F->Script.Then([&](QWidget* dialog) {
                busyMeanwhile = W->Busy();
                if (!userText.isEmpty()) {
                    SetScript(userText, false);
                    QCOMPARE(QProcess::execute(Helper, {QString::fromStdString(temp)}), 0);
                }
                if (putFails) QVERIFY(F->Control("cancel").rfind("OK", 0) == 0);
                test::TModalScript::Click(dialog, answer == "Edit Error" ? "OK" : answer);
            });
        if (putFails)
            F->Script.Then([](QWidget* dialog) { test::TModalScript::Click(dialog, "OK"); });
        const size_t seen = F->Script.Seen.size();

        W->FocusedControl = W->ListView1;
        const int row = W->ListModel.RowNamed("MSG");
        W->ListView1->selectionModel()->setCurrentIndex(W->ListModel.index(row, 0),
                                                        QItemSelectionModel::ClearAndSelect |
                                                            QItemSelectionModel::Rows);
        W->UpdateControls();
        QVERIFY(W->mnuEditText->isEnabled());
        if (QTest::currentDataTag() == QByteArray("changed (Enter)"))
            QTest::keyClick(W->ListView1, Qt::Key_Return);
        else
            W->mnuEditText->trigger();

        QVERIFY(!W->Busy());
        QCOMPARE(F->Script.Pending(), 0);
        QCOMPARE(F->Script.Seen.size(), seen + (answer.isEmpty() ? 0 : 1) + (putFails ? 1 : 0));
        if (answer == "Done" || answer == "Cancel") QVERIFY(busyMeanwhile);
        const std::string after = Msg();
        if (sent) {
            const QString expected = userText.isEmpty() ? text : userText;
            QVERIFY2(after.find(expected.toStdString()) != std::string::npos, after.c_str());
        } else {
            QVERIFY(after == before);
        }
        QCOMPARE(std::filesystem::exists(temp), fileStays);
        // A failed write-back keeps the edit in the file.
        if (putFails)
            QVERIFY(ReadFileToString(temp).find(userText.toStdString()) != std::string::npos);
        // The file went past the clipboard.
        QCOMPARE(QApplication::clipboard()->text(), QString("untouched"));
        QVERIFY(W->PutOnClipboard);
    }
};

QTEST_MAIN(TEditTextTest)
#include "edittext_test.moc"
