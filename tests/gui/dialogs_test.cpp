// The small dialogs of the main window: the wrong-file and replace questions answered by
// clicking their buttons, with the answers reaching the server client (and the simulated
// calculator where a put is made); the properties and the about box. The transfer prompts
// dialog: ALG/RPN wording switched while a prompt is open, the dialog sized to its text, the
// buttons and titles of each kind, modeless prompts.
#include "link/PromptTexts.h"
#include "mainwin/About.h"
#include "mainwin/BadFileForm.h"
#include "mainwin/Properties.h"
#include "mainwin/ReplaceFile.h"
#include "prompts/DownLd.h"
#include "prompts/MessageMemo.h"
#include "server/Commands.h"
#include "server/XModemServer.h"
#include "settings/WindowPlacement.h"
#include "sim/calc/SimCalculator.h"
#include "sim/link/Simulator.h"
#include "support/FakeUi.h"
#include "support/gui/DialogScenes.h"
#include "support/gui/ModalScript.h"
#include "util/Files.h"
#include "util/Version.h"

#include <QtTest>
#include <QtWidgets>

using namespace lw;
using lw::gui::TFBadFile;
using lw::gui::TFDownLd;
using lw::gui::TFReplaceFile;
using lw::test::TModalScript;

namespace {

std::string Path(const QTemporaryDir& dir, const char* name) {
    return (dir.path() + '/' + name).toStdString();
}

// Which of the dialog's buttons show, by caption, left to right as laid out.
QStringList ShownButtons(QWidget* dialog) {
    QList<QPushButton*> shown;
    for (QPushButton* b : dialog->findChildren<QPushButton*>())
        if (!b->isHidden()) shown.append(b);
    std::sort(shown.begin(), shown.end(),
              [](QPushButton* a, QPushButton* b) { return a->x() < b->x(); });
    QStringList captions;
    for (QPushButton* b : shown) captions << b->text().trimmed();
    return captions;
}

// A prompt text as the memo shows it.
QString Shown(TPromptKind kind, bool rpn) {
    QString s = QString::fromStdString(PromptText(kind, rpn));
    s.remove('\r');
    if (s.endsWith('\n')) s.chop(1);
    return s;
}

// The whole text and the buttons lie inside the dialog, one above the other.
void CheckFits(TFDownLd& d) {
    QVERIFY(d.Memo1->geometry().bottom() < d.btnCancel->geometry().top());
    QVERIFY(d.btnCancel->geometry().bottom() < d.height());
    QVERIFY(d.Memo1->WrappedLineCount() >= d.Memo1->toPlainText().count('\n') + 1);
    QTRY_COMPARE_WITH_TIMEOUT(d.Memo1->verticalScrollBar()->maximum(), 0, 5000);
}

// The wrong-file question of a KB's server client, and a file without a header to ask about.
struct TMatchCheck {
    TMatchCheck() { WriteStringToFile("12.5", Raw); }
    QTemporaryDir Dir;
    std::string Raw = Path(Dir, "prog.src");
    TCalcState State = [] {
        TCalcState s;
        s.SetModel("KB");
        return s;
    }();
    TFBadFile Bad;
    TXModemServer Server{State, &Bad, nullptr};
    TModalScript Script;
};

int CentreDistance(const QRect& a, const QRect& b) {
    return (a.center() - b.center()).manhattanLength();
}

} // namespace

class TDialogsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void BadFileAnswersReachTheMatchCheck() {
        TMatchCheck m;
        const std::string& raw = m.Raw;
        TFBadFile& bad = m.Bad;
        TXModemServer& server = m.Server;
        TModalScript& script = m.Script;
        const std::string ka = Path(m.Dir, "ka.zq");
        WriteStringToFile(std::string("ZQZQKA-C") + "\x2c\x2a\x20", ka);
        bool isText = false;

        // A file without a header: Binary, Text, Cancel; Cancel preselected.
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(ShownButtons(&bad), QStringList({"&Binary", "&Text", "Cancel"}));
                QCOMPARE(bad.focusWidget(), bad.btnCancel);
                QVERIFY(bad.Memo1->toPlainText().contains("is a .src file"));
                QCOMPARE(bad.windowTitle(), QString("Wrong File Type?"));
            },
            "Text"));
        QVERIFY(server.CheckFileMatches(raw, isText));
        QVERIFY(isText);
        script.Then(TModalScript::CheckThenClick([] {}, "Binary"));
        QVERIFY(server.CheckFileMatches(raw, isText));
        QVERIFY(!isText);
        script.Then(TModalScript::CheckThenClick([] {}, "Cancel"));
        QVERIFY(!server.CheckFileMatches(raw, isText));

        // An object file of the other model: Yes or No; No preselected.
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(ShownButtons(&bad), QStringList({"&Yes", "&No"}));
                QCOMPARE(bad.focusWidget(), bad.btnNo);
                QVERIFY(bad.Memo1->toPlainText().contains("is a ZQKA file"));
            },
            "Yes"));
        QVERIFY(server.CheckFileMatches(ka, isText));
        QVERIFY(!isText);
        script.Then(TModalScript::CheckThenClick([] {}, "No"));
        QVERIFY(!server.CheckFileMatches(ka, isText));
        QCOMPARE(script.Pending(), 0);
    }

    // A script that clicks a button the dialog lacks fails the test at once, and the dialog
    // goes, so the test ends instead of waiting until its time-out.
    void MissingButtonFailsTheTestAtOnce() {
        TMatchCheck m;
        bool isText = false;
        m.Script.Then(TModalScript::CheckThenClick([] {}, "Maybe"));
        QElapsedTimer took;
        took.start();
        QEXPECT_FAIL("", "the script names a button the wrong-file question lacks", Continue);
        const bool matched = m.Server.CheckFileMatches(m.Raw, isText);
        QVERIFY(!matched); // rejected: as No
        QVERIFY(took.elapsed() < 5000);
        QVERIFY(!m.Bad.isVisible());
    }

    void ReplaceAnswersReachTheCalculator() {
        test::TFakeUi ui;
        sim::TSimulator sim({}, sim::CreateSampleCalculator(sim::TModel::KB));
        const std::string port = sim.AttachSerial("");
        sim.Start();
        TCalcState state;
        QWidget owner;
        owner.setGeometry(50, 50, 800, 600);
        owner.show();
        gui::TOwnerForm<TFReplaceFile>::Set(&owner);
        TFReplaceFile replace;
        TXModemServer server(state, nullptr, &replace);
        server.SetSpeed("115200");
        server.Connect(port);
        server.ChangeDir("HOME");
        auto value = [&](const std::string& name) {
            std::string object;
            sim.Invoke([&](sim::ISimCalculator& c) { c.GetVariable(name, object); });
            return object;
        };
        QTemporaryDir dir;
        auto textFile = [&](const char* name, const std::string& number) {
            const std::string path = Path(dir, name);
            WriteStringToFile("%%ZQ: T(3)A(D)F(.);\n" + number, path);
            return path;
        };
        const std::string n0 = value("N"), x0 = value("X"), small0 = value("SMALL");
        TModalScript script;

        // One file: no All. No leaves the variable and counts as done; Yes replaces it.
        bool all = false;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(ShownButtons(&replace), QStringList({"&Yes", "&No", "Cancel"}));
                QVERIFY(replace.Memo1->toPlainText().contains("a file named N."));
                QVERIFY(CentreDistance(replace.frameGeometry(), owner.frameGeometry()) <= 2);
            },
            "No"));
        QCOMPARE(PutFileToCalc(server, textFile("N.txt", "7."), all, 1, true),
                 TPutOutcome::NotReplaced);
        QCOMPARE(value("N"), n0);
        script.Then(TModalScript::CheckThenClick([] {}, "Yes"));
        QCOMPARE(PutFileToCalc(server, textFile("N.txt", "7."), all, 1, true), TPutOutcome::Sent);
        QVERIFY(value("N") != n0);

        // A batch: All replaces this one and the rest without asking; Cancel stops.
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(ShownButtons(&replace), QStringList({"&Yes", "&All", "&No", "Cancel"}));
            },
            "All"));
        QCOMPARE(PutFileToCalc(server, textFile("X.txt", "8."), all, 2, true), TPutOutcome::Sent);
        QVERIFY(all);
        QCOMPARE(PutFileToCalc(server, textFile("SMALL.txt", "9."), all, 2, true),
                 TPutOutcome::Sent);
        QVERIFY(value("X") != x0 && value("SMALL") != small0);
        all = false;
        const std::string x1 = value("X");
        script.Then(TModalScript::CheckThenClick([] {}, "Cancel"));
        QCOMPARE(PutFileToCalc(server, textFile("X.txt", "10."), all, 2, true),
                 TPutOutcome::Refused);
        QCOMPARE(value("X"), x1);
        QCOMPARE(script.Pending(), 0);
        QCOMPARE(int(script.Seen.size()), 4);
        gui::TOwnerForm<TFReplaceFile>::Set(nullptr);
    }

    void PropertiesShowSizeAndTime() {
        QCOMPARE(gui::PropertySizeText(1024), std::string("1024 B"));
        QCOMPARE(gui::PropertySizeText(1025), std::string("1 KB"));
        QCOMPARE(gui::PropertyTimeText(1), std::string("0min : 2s"));
        QCOMPARE(gui::PropertyTimeText(125), std::string("2min : 5s"));
        QCOMPARE(gui::PropertySeconds(96000, "9600", false), int64_t(125));
        QCOMPARE(gui::PropertySeconds(96000, "9600", true), int64_t(250));
        // A speed that is no number must not divide by zero.
        QCOMPARE(gui::PropertySeconds(96000, "", false), int64_t(125));
        QCOMPARE(gui::PropertySeconds(96000, "0", false), int64_t(125));

        gui::TFProperty dialog;
        TModalScript script;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(dialog.ListBox1->count(), 2);
                QCOMPARE(dialog.ListBox1->item(1)->text(), QString("PROG"));
                QCOMPARE(dialog.Size->text(), QString("2 KB"));
                QCOMPARE(dialog.Time->text(), QString("0min : 3s"));
            },
            "Close"));
        dialog.ShowProperties({"N", "PROG"}, 2048, 3);
        QCOMPARE(script.Pending(), 0);
    }

    void AboutBoxAndStartupSplash() {
        QWidget main;
        main.setWindowTitle("Main caption");
        main.setGeometry(100, 100, 700, 500);
        gui::TOwnerForm<gui::TFAboutForm>::Set(&main);
        gui::TFAboutForm about;
        gui::TStartupAbout splash(main, about);
        main.show();
        // Shown shortly after the main window, then closed by itself.
        QTRY_VERIFY_WITH_TIMEOUT(about.isVisible(), 5000);
        QCOMPARE(about.windowTitle(), QString("Main caption"));
        QCOMPARE(about.Label1->text(), QString::fromStdString(FileVersionText()));
        QCOMPARE(about.Label1->text(), QString("Version 2.3 Build 2439"));
        QTRY_VERIFY_WITH_TIMEOUT(!about.isVisible(), 5000);
        // From the Help menu it stays until the user closes it.
        TModalScript script;
        script.Then(TModalScript::CheckThenClick([] {}, "OK"));
        QCOMPARE(about.exec(), int(QDialog::Accepted));
        gui::TOwnerForm<gui::TFAboutForm>::Set(nullptr);
    }

    void ScreenshotScenesOpenEveryDialog() {
        QTemporaryDir dir;
        QWidget main;
        main.setWindowTitle("Linkwell");
        main.setGeometry(0, 0, 800, 600);
        main.show();
        const QStringList files = test::SaveDialogScenes(qEnvironmentVariableIsSet("LW_SCENES_DIR")
                                                             ? qEnvironmentVariable("LW_SCENES_DIR")
                                                             : dir.path(),
                                                         &main);
        QCOMPARE(files.size(), 7);
    }

    void AlgRpnSwitchChangesTheOpenPromptAndItsSize() {
        QWidget owner;
        owner.setGeometry(100, 100, 900, 700);
        owner.show();
        gui::TOwnerForm<TFDownLd>::Set(&owner);
        TFDownLd d(true);
        TModalScript script;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::Connect, true));
                QVERIFY(d.rbtnRPN->isChecked());
                QVERIFY(CentreDistance(d.frameGeometry(), owner.frameGeometry()) <= 2);
                QCOMPARE(d.focusWidget(), d.btnOK);
                CheckFits(d);
                const int height = d.height();
                d.rbtnALG->click(); // the ALG text has one line more
                QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::Connect, false));
                QVERIFY(d.height() > height);
                CheckFits(d);
                d.rbtnRPN->click();
                QCOMPARE(d.height(), height);
                d.rbtnALG->click();
            },
            "OK"));
        QVERIFY(d.ShowPrompt(TPromptKind::Connect, ""));
        QVERIFY(!d.RpnPrompts());
        QCOMPARE(script.Pending(), 0);
        gui::TOwnerForm<TFDownLd>::Set(nullptr);
    }

    void CustomPromptKeepsTheCallersTextAndTitle() {
        TFDownLd d(false);
        TModalScript script;
        int shortHeight = 0;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QVERIFY(d.grpPrompt->isHidden());
                QCOMPARE(d.Memo1->toPlainText(), QString("Line one\nLine two"));
                QCOMPARE(d.windowTitle(), QString("Set the Calculator"));
                shortHeight = d.height();
            },
            "Cancel"));
        QVERIFY(!d.ShowCustomPrompt("Line one\r\nLine two\r\n", ""));
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.windowTitle(), QString("Erase Calculator?"));
                QVERIFY(d.height() > shortHeight);
                CheckFits(d);
            },
            "OK"));
        const std::string longText(40 * 12, 'w'); // wraps to many lines
        QVERIFY(d.ShowCustomPrompt("a\r\n" + longText, "Erase Calculator?"));
        QCOMPARE(script.Pending(), 0);
    }

    void AcknowledgeAndReconnectButtons() {
        TFDownLd d(true);
        TModalScript script;
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QVERIFY(d.btnCancel->isHidden());
                QCOMPARE(d.btnOK->text(), QString("OK"));
                QVERIFY(std::abs(d.btnOK->geometry().center().x() - d.width() / 2) <= 1);
                QVERIFY(!d.grpPrompt->isHidden());
            },
            "OK"));
        QVERIFY(d.ShowPrompt(TPromptKind::ServerSent, ""));
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.windowTitle(), QString("Wait for the Calculator"));
                QVERIFY(!d.btnCancel->isHidden());
                QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::Reconnect, true));
            },
            "Connect..."));
        QVERIFY(d.ShowPrompt(TPromptKind::Reconnect, ""));
        script.Then(TModalScript::CheckThenClick(
            [&] {
                QCOMPARE(d.btnOK->text(), QString("OK"));
                QCOMPARE(d.windowTitle(), QString("Set the Calculator"));
            },
            "Cancel"));
        QVERIFY(!d.ShowPrompt(TPromptKind::RomDownload, ""));
        QCOMPARE(script.Pending(), 0);
    }

    void ModelessPromptsReturnAtOnce() {
        TFDownLd d(true);
        QVERIFY(!d.ShowPrompt(TPromptKind::FileXRecv, ""));
        QVERIFY(d.IsVisible());
        QVERIFY(!d.isModal());
        QVERIFY(d.btnOK->isHidden());
        d.rbtnALG->click();
        QCOMPARE(d.Memo1->toPlainText(), Shown(TPromptKind::FileXRecv, false));
        d.HidePromptIfKind(TPromptKind::CaptureNext); // another prompt is up: it stays
        QVERIFY(d.IsVisible());
        d.btnCancel->click();
        QVERIFY(!d.IsVisible());

        QVERIFY(!d.ShowPrompt(TPromptKind::CaptureNext, "Another Capture"));
        QCOMPARE(d.windowTitle(), QString("Another Capture"));
        QVERIFY(d.IsVisible());
        d.HidePromptIfKind(TPromptKind::CaptureNext);
        QVERIFY(!d.IsVisible());
    }
};

QTEST_MAIN(TDialogsTest)
#include "dialogs_test.moc"
