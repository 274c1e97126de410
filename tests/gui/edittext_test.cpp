// Edit as text against the in-process simulated calculator, with a scripted editor program:
// what reaches the calculator for each way an editor can end, how the editor is started
// (paths with blanks, command lines, the user's environment), and the temporary file.
#include "mainwin/EditText.h"
#include "mainwin/UiThread.h"
#include "mainwin/ZQDir.h"
#include "server/XModemServer.h"
#include "support/gui/MainWindowFixture.h"
#include "support/gui/SimCalc.h"
#include "support/gui/WindowParts.h"
#include "util/Files.h"

#include <QtTest>
#include <QtWidgets>

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

// One way an editor can end.
struct TEdit {
    const char* Name;
    QString Editor, Text; // what the editor writes; null: nothing
    bool KeepTime;
    QString Answer;                 // to the "press Done" question; empty: none shown
    QString UserText;               // saved before Done, as another instance would
    bool Sent, FileStays, PutFails; // PutFails: the calculator cancels the write-back
};

// Counts the paint events `widget` receives while it lives.
class TPaintCount : public QObject {
public:
    explicit TPaintCount(QWidget* widget) : FWidget(widget) { widget->installEventFilter(this); }
    ~TPaintCount() override {
        if (FWidget) FWidget->removeEventFilter(this);
    }
    int Paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++Paints;
        return false;
    }

private:
    QPointer<QWidget> FWidget;
};

} // namespace

class TEditTextTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TMainWindowFixture> F;
    TFZQDir* W = nullptr;
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
        F = std::make_unique<test::TMainWindowFixture>();
        W = F->W.get();
        QVERIFY(W->Connected() && F->Select("HOME"));
    }
    void cleanupTestCase() { F.reset(); }

    void EditorCommandLines() {
        const QString whole = BlankFolder + "/edit helper";
        const struct {
            QString Setting, Visual, Editor;
            QStringList Expected; // program, then arguments
        } rows[] = {
            {whole, "", "", {whole, "F"}}, // an existing path with blanks
            {"\"" + whole + "\" -n", "", "", {whole, "-n", "F"}},
            {"gedit --new-window", "vim", "", {"gedit", "--new-window", "F"}},
            {"", "kate -b", "nano", {"kate", "-b", "F"}},          // a graphical VISUAL
            {"  ", "/usr/bin/vim", "mousepad", {"mousepad", "F"}}, // a terminal VISUAL
            {"", "emacs -nw", "editor", {"xdg-open", "F"}},        // terminal editors only
            {"", "", "", {"xdg-open", "F"}},
        };
        for (const auto& row : rows) {
            QProcessEnvironment env;
            if (!row.Visual.isEmpty()) env.insert("VISUAL", row.Visual);
            if (!row.Editor.isEmpty()) env.insert("EDITOR", row.Editor);
            const TEditorCommand c = EditorCommand(row.Setting, "F", env);
            QCOMPARE(QStringList{c.Program} + c.Arguments, row.Expected);
        }
    }

    void EditsReachTheCalculatorOnlyWhenTheFileChanged() {
        const QString blank = BlankFolder + "/edit helper", none;
        const TEdit rows[] = {
            {"changed (Enter)", Helper, "first edit", false, "", "", true, false, false},
            {"saves nothing", Helper, none, false, "", "", false, false, false},
            {"same second", Helper, "second edit", true, "", "", true, false, false},
            {"path with blanks", blank, "third edit", false, "", "", true, false, false},
            {"quoted path, option", "\"" + blank + "\" -x", "fourth edit", false, "", "", true,
             false, false},
            {"returns at once, Done", Helper, none, false, "Done", "fifth edit", true, false,
             false},
            {"returns at once, Cancel", Helper, none, false, "Cancel", "not sent", false, false,
             false},
            {"no such editor", "/nonexistent/editor", none, false, "Edit Error", "", false, true,
             false},
            // Long enough to travel as a transfer, which the calculator can cancel.
            {"write-back fails", Helper, none, false, "Done", QString(300, 'k'), false, true, true},
        };
        for (const TEdit& row : rows) {
            Edit(row);
            if (QTest::currentTestFailed()) QFAIL(row.Name);
        }
    }

    // The box for an editor that cannot start is shown from an ordinary event loop, not from
    // inside a wait of the core: while it is up it paints, and the window behind it repaints.
    void EditErrorBoxPaintsAndTheWindowRepaintsMeanwhile() {
        Reconnect();
        QVERIFY(W->Connected() && F->Select("HOME"));
        test::Parts(W).Editor = "/nonexistent/editor";
        QString text;
        bool insideCoreWait = true;
        int boxPaints = 0, listPaints = 0;
        F->Script.Then([&](QWidget* box) {
            text = static_cast<QMessageBox*>(box)->text();
            insideCoreWait = TQtUiThread::LettingMessagesRun();
            TPaintCount boxCount(box), listCount(test::Parts(W).ListView1->viewport());
            box->update();
            test::Parts(W).ListView1->viewport()->update();
            QTest::qWait(100);
            boxPaints = boxCount.Paints;
            listPaints = listCount.Paints;
            test::TModalScript::Click(box, "OK");
        });
        QVERIFY(F->SelectEntries({"MSG"}));
        W->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(W));
        QTest::keyClick(W, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(F->Script.Pending(), 0);
        QVERIFY2(text.startsWith("Cannot start the editor (/nonexistent/editor)"),
                 qPrintable(text));
        QVERIFY(!insideCoreWait);
        QVERIFY(boxPaints > 0 && listPaints > 0);
        QVERIFY(!W->Busy());
    }

    // Last: the window closes. The editor is the person's: it is left running, its changes are
    // not sent, and the program says where the file is.
    void EditorStillRunningAtExitIsLeftRunning() {
        Reconnect();
        QVERIFY(W->Connected() && F->Select("HOME"));
        const QString go = QString::fromStdString(F->File("go"));
        const std::string temp = TempFolder() + "MSG.txt";
        test::Parts(W).Editor = Helper.toStdString();
        test::Parts(W).EditorHandOverMs = 0;
        SetScript("after the exit", false);
        qputenv("LW_EDIT_WAIT_FOR", go.toUtf8());
        const std::string before = Msg();
        QString told;
        F->Script.Then([&](QWidget* dialog) {
            told = static_cast<QMessageBox*>(dialog)->text();
            test::TModalScript::Click(dialog, "OK");
        });
        // The person closes the window once the editor runs.
        QTimer closer;
        connect(&closer, &QTimer::timeout, this, [this, &closer] {
            if (W->Busy()) {
                closer.stop();
                W->close();
            }
        });
        QVERIFY(F->SelectEntries({"MSG"}));
        W->UpdateControls();
        QVERIFY(test::Parts(W).mnuEditText->isEnabled());
        closer.start(20);
        QElapsedTimer took;
        took.start();
        test::Parts(W).mnuEditText->trigger();
        QVERIFY2(took.elapsed() < 5000, "the window waited for the editor");
        QTRY_VERIFY(!W->isVisible());
        QVERIFY2(told.contains(QString::fromStdString(temp)), qPrintable(told));
        // Still running: it saves once the person is done.
        QFile(go).open(QIODevice::WriteOnly);
        QTRY_VERIFY_WITH_TIMEOUT(ReadFileToString(temp).find("after the exit") != std::string::npos,
                                 10000);
        qunsetenv("LW_EDIT_WAIT_FOR");
        QVERIFY(test::SimObjectFile(*F->Sim, "HOME", "MSG") == before);
    }

private:
    // A failed write-back hangs up: the calculator's server is started again and connected.
    void Reconnect() {
        if (W->Connected()) return;
        QCOMPARE(F->Control("server").substr(0, 2), std::string("OK"));
        W->tbtnConnectClick(false);
    }
    void Edit(const TEdit& c) {
        const std::string temp = TempFolder() + "MSG.txt";
        std::filesystem::remove(temp);
        test::Parts(W).Editor = c.Editor.toStdString();
        test::Parts(W).EditorHandOverMs = c.Answer == "Done" || c.Answer == "Cancel" ? 600000 : 0;
        SetScript(c.Text, c.KeepTime);
        QApplication::clipboard()->setText("untouched");
        const std::string before = Msg();
        bool busyMeanwhile = false;
        if (!c.Answer.isEmpty())
            F->Script.Then([&](QWidget* dialog) {
                busyMeanwhile = W->Busy();
                if (!c.UserText.isEmpty()) {
                    SetScript(c.UserText, false);
                    QCOMPARE(QProcess::execute(Helper, {QString::fromStdString(temp)}), 0);
                }
                if (c.PutFails) QVERIFY(F->Control("cancel").rfind("OK", 0) == 0);
                test::TModalScript::Click(dialog, c.Answer == "Edit Error" ? "OK" : c.Answer);
            });
        if (c.PutFails)
            F->Script.Then([](QWidget* dialog) { test::TModalScript::Click(dialog, "OK"); });
        const size_t seen = F->Script.Seen.size();

        QVERIFY(F->SelectEntries({"MSG"}));
        W->UpdateControls();
        QVERIFY(test::Parts(W).mnuEditText->isEnabled());
        if (c.Name == std::string("changed (Enter)"))
            QTest::keyClick(test::Parts(W).ListView1, Qt::Key_Return);
        else
            test::Parts(W).mnuEditText->trigger();

        QVERIFY(!W->Busy());
        QCOMPARE(F->Script.Pending(), 0);
        QCOMPARE(F->Script.Seen.size(), seen + (c.Answer.isEmpty() ? 0 : 1) + (c.PutFails ? 1 : 0));
        if (c.Answer == "Done" || c.Answer == "Cancel") QVERIFY(busyMeanwhile);
        const std::string after = Msg();
        if (c.Sent) {
            const QString expected = c.UserText.isEmpty() ? c.Text : c.UserText;
            QVERIFY2(after.find(expected.toStdString()) != std::string::npos, after.c_str());
        } else {
            QVERIFY(after == before);
        }
        QCOMPARE(std::filesystem::exists(temp), c.FileStays);
        // A failed write-back keeps the edit in the file.
        if (c.PutFails)
            QVERIFY(ReadFileToString(temp).find(c.UserText.toStdString()) != std::string::npos);
        // The file went past the clipboard.
        QCOMPARE(QApplication::clipboard()->text(), QString("untouched"));
        QVERIFY(test::Parts(W).PutOnClipboard);
    }
};

QTEST_MAIN(TEditTextTest)
#include "edittext_test.moc"
