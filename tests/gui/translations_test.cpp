// The desktop program in each of its languages: the language chosen from --lang and the
// locale conventions, the translations found, the help window following the language, no
// text cut off in any window under any translation, the program started under each locale
// showing its menus and its --help in that language, the core's texts shown translated, and
// the accessible names and the core's texts unchanged under English.
#include "capture/ScreenCapt.h"
#include "cmdwin/VorlCmd.h"
#include "link/Engines.h"
#include "link/Port.h"
#include "log/CmStatus.h"
#include "log/CmndStatus.h"
#include "log/CnctStatus.h"
#include "log/LogIt.h"
#include "mainwin/About.h"
#include "mainwin/BadFileForm.h"
#include "mainwin/Help.h"
#include "mainwin/Program.h"
#include "mainwin/Properties.h"
#include "mainwin/ReplaceFile.h"
#include "mainwin/SyncDialog.h"
#include "mainwin/ZQDir.h"
#include "objects/DecompLength.h"
#include "objects/FileHeaders.h"
#include "objects/FileKinds.h"
#include "prompts/CoreTexts.h"
#include "prompts/DownLd.h"
#include "prompts/MessageMemo.h"
#include "settings/Language.h"
#include "settings/Options.h"
#include "settings/SettingsStore.h"
#include "support/ObjectBuilder.h"
#include "util/MessageTexts.h"
#include "util/Version.h"

#include <QtTest>
#include <QtWidgets>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

using namespace lw;
using namespace lw::gui;

namespace {

// The locale variables, set for one test and put back afterwards.
class TLocaleEnv {
public:
    TLocaleEnv(const char* language, const char* lcAll, const char* lcMessages, const char* lang) {
        Set("LANGUAGE", language);
        Set("LC_ALL", lcAll);
        Set("LC_MESSAGES", lcMessages);
        Set("LANG", lang);
    }
    ~TLocaleEnv() {
        for (auto it = FSaved.rbegin(); it != FSaved.rend(); ++it) {
            if (it->second.isNull())
                qunsetenv(it->first);
            else
                qputenv(it->first, it->second);
        }
    }

private:
    void Set(const char* name, const char* value) {
        FSaved.emplace_back(name, qgetenv(name));
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    std::vector<std::pair<const char*, QByteArray>> FSaved;
};

// The widgets whose text the user reads, checked for being cut: a label's or button's size
// hint fits the size it got (a word-wrapped label: its height for the width it got), a group
// box is wide enough for its title, and a read-only memo shows its text without scrolling.
QStringList CutTexts(QWidget& top) {
    QStringList cut;
    const auto report = [&cut](QWidget* w, const QString& text, QSize want) {
        cut << QString("%1 \"%2\": wants %3x%4, has %5x%6")
                   .arg(w->objectName(), text)
                   .arg(want.width())
                   .arg(want.height())
                   .arg(w->width())
                   .arg(w->height());
    };
    for (QLabel* l : top.findChildren<QLabel*>()) {
        if (!l->isVisibleTo(&top) || l->text().isEmpty()) continue;
        const QSize want =
            l->wordWrap() ? QSize(l->width(), l->heightForWidth(l->width())) : l->sizeHint();
        if (want.width() > l->width() || want.height() > l->height()) report(l, l->text(), want);
    }
    for (QAbstractButton* b : top.findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(&top) || b->text().isEmpty()) continue;
        if (b->sizeHint().width() > b->width()) report(b, b->text(), b->sizeHint());
    }
    for (QGroupBox* g : top.findChildren<QGroupBox*>()) {
        if (!g->isVisibleTo(&top)) continue;
        if (g->minimumSizeHint().width() > g->width()) report(g, g->title(), g->minimumSizeHint());
    }
    for (QPlainTextEdit* m : top.findChildren<QPlainTextEdit*>()) {
        if (!m->isVisibleTo(&top) || !m->isReadOnly() ||
            m->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
            continue;
        if (m->verticalScrollBar()->maximum() > 0)
            report(m, m->toPlainText().left(40), m->document()->size().toSize());
    }
    return cut;
}

// Shows `w`, lets it lay itself out and collects what is cut in it.
QStringList ShownCutTexts(QWidget& w) {
    w.show();
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    QStringList cut = CutTexts(w);
    for (QString& c : cut) c.prepend(w.objectName() + ": ");
    w.hide();
    return cut;
}

// Every menu of `bar` opened in turn: each item's text fits the menu, and the bar shows every
// title without an overflow button.
QStringList CutMenus(QMenuBar& bar) {
    QStringList cut;
    for (QAction* title : bar.actions()) {
        if (!title->isVisible()) continue;
        const QRect at = bar.actionGeometry(title);
        if (at.isEmpty() || at.right() > bar.width())
            cut << QString("menu bar: \"%1\" does not fit").arg(title->text());
        QMenu* menu = title->menu();
        if (!menu) continue;
        menu->popup(bar.mapToGlobal(at.bottomLeft()));
        QCoreApplication::processEvents();
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible()) continue;
            const QRect item = menu->actionGeometry(a);
            const int text = menu->fontMetrics().horizontalAdvance(QString(a->text()).remove('&'));
            if (item.width() < text)
                cut << QString("menu %1: \"%2\" does not fit").arg(title->text(), a->text());
        }
        menu->hide();
    }
    return cut;
}

// In a child process: the program's start under the inherited locale variables, then the
// first menu title of the main window on standard output.
int PrintMenuTitle(int argc, char** argv) {
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    InstallTranslations(PickLanguage(PreferredLanguages({})));
    ApplySettingsNames();
    TFZQDir window;
    std::printf("%s\n%s\n", qPrintable(QLocale().name()),
                qPrintable(window.menuBar()->actions().constFirst()->text()));
    return 0;
}

// The text of the core's link error around `reason`, as a command's failure shows it.
std::string LinkErrorText(const std::string& reason) {
    try {
        RaiseLinkError(reason);
    } catch (const std::exception& e) {
        return e.what();
    }
    return {};
}

// The output of the program started with `args` under the locale `lang`.
QString ProgramOutput(const QString& lang, const QStringList& args) {
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) env.remove(name);
    env.insert("LANG", lang);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), QStringList{"--run-program"} + args);
    if (!child.waitForFinished(60000)) return {};
    return QString::fromUtf8(child.readAllStandardOutput());
}

} // namespace

class TTranslationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void LanguageFollowsTheLocaleConventions() {
        // PickLanguage: the first language the program speaks; English and C end the search.
        QCOMPARE(PickLanguage({"de_DE.UTF-8"}), QString("de"));
        QCOMPARE(PickLanguage({"pt-BR", "de"}), QString("pt"));
        QCOMPARE(PickLanguage({"sv_SE", "it_IT@euro"}), QString("it"));
        QCOMPARE(PickLanguage({"en_GB", "fr"}), QString("en"));
        QCOMPARE(PickLanguage({"C.UTF-8", "fr"}), QString("en"));
        QCOMPARE(PickLanguage({"POSIX"}), QString("en"));
        QCOMPARE(PickLanguage({"sv", "fi"}), QString("en"));
        QCOMPARE(PickLanguage({}), QString("en"));

        const auto chosen = [] { return PickLanguage(PreferredLanguages({})); };
        {
            const TLocaleEnv env(nullptr, nullptr, nullptr, "de_DE.UTF-8");
            QCOMPARE(chosen(), QString("de"));
            // --lang wins over everything.
            QCOMPARE(PickLanguage(PreferredLanguages("es")), QString("es"));
        }
        {
            // LANGUAGE is a list of preferences before the locale; unknown ones are skipped.
            const TLocaleEnv env("sv:nl:fr", nullptr, nullptr, "de_DE.UTF-8");
            QCOMPARE(chosen(), QString("nl"));
        }
        {
            // LC_ALL before LC_MESSAGES before LANG.
            const TLocaleEnv env(nullptr, "fr_FR.UTF-8", "it_IT.UTF-8", "de_DE.UTF-8");
            QCOMPARE(chosen(), QString("fr"));
            const TLocaleEnv env2(nullptr, nullptr, "it_IT.UTF-8", "de_DE.UTF-8");
            QCOMPARE(chosen(), QString("it"));
        }
        {
            // Under the C locale LANGUAGE does not count, as with every other program.
            const TLocaleEnv env("fr", nullptr, nullptr, "C");
            QCOMPARE(chosen(), QString("en"));
        }
    }

    void EachLanguageIsBuiltAndTheHelpFollows() {
        for (const QString& code : TranslationLanguages()) {
            // Embedded in the program, and beside it in the build folder.
            QVERIFY2(QFile::exists(":/translations/linkwell_" + code + ".qm"), qPrintable(code));
            QVERIFY2(QFile::exists(LW_BINARY_DIR "/translations/linkwell_" + code + ".qm"),
                     qPrintable(code));
            const TInstalled installed(code);
            QVERIFY2(installed.Found, qPrintable(code));
            QCOMPARE(QLocale().name().left(2), code);
            // The help window looks up its folder by the default locale's language.
            if (QDir(LW_SOURCE_DIR "/docs/help-" + code).exists())
                QCOMPARE(HelpFolder(LW_BINARY_DIR, QLocale().language()),
                         QString(LW_BINARY_DIR "/help-" + code));
        }
        const TInstalled english("en");
        QCOMPARE(HelpFolder(LW_BINARY_DIR, QLocale().language()), QString(LW_BINARY_DIR "/help"));
    }

    void CutTextsAreFound() {
        // The check itself: a label, a button and a memo too small for their texts are found.
        QDialog d;
        d.setObjectName("d");
        auto* label = new QLabel("A label much wider than its place", &d);
        label->setObjectName("label");
        label->setGeometry(0, 0, 40, 30);
        auto* button = new QPushButton("A long button caption", &d);
        button->setObjectName("button");
        button->setGeometry(0, 40, 40, 30);
        auto* memo = new QPlainTextEdit("1\n2\n3\n4\n5\n6\n7\n8", &d);
        memo->setReadOnly(true);
        memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        memo->setGeometry(0, 80, 100, 30);
        const QStringList cut = ShownCutTexts(d);
        QCOMPARE(cut.size(), 3);
        QVERIFY(cut[0].startsWith("d: label \"A label"));
    }

    void NoTextIsCutInAnyLanguage() {
        QStringList languages = TranslationLanguages();
        languages.prepend("en");
        for (const QString& code : languages) {
            const TInstalled installed(code);
            QStringList cut;
            // As at a first start: no column width stored (closing the window stores them).
            QSettings(QSettings::NativeFormat, QSettings::UserScope, SettingsOrganisation,
                      SettingsApplication)
                .remove("DirWidthType");
            TFZQDir main;
            cut += ShownCutTexts(main);
            main.show();
            cut += CutMenus(*main.menuBar());
            // The variable list's type column (the second by default) shows the usual types.
            auto* list = main.findChild<QTreeView*>("ListView1");
            for (const char* type : {"Directory", "Real", "String", "List", "Complex"}) {
                const int want = list->fontMetrics().horizontalAdvance(TrTypeName(type)) + 8;
                if (list->header()->sectionSize(1) < want)
                    cut << QString("type column: \"%1\" does not fit").arg(TrTypeName(type));
            }
            TFDownLd prompt(true);
            for (int k = 0; k <= 10; ++k) {
                prompt.SetPrompt(static_cast<TPromptKind>(k));
                cut += ShownCutTexts(prompt);
            }
            // The core's own questions in the same dialog.
            for (const std::string& question : {msg::Fill(msg::BackupSpeedQuestion, {"KB"}),
                                                msg::Fill(msg::CaptureSpeedQuestion, {"KB"}),
                                                msg::Fill(msg::ImproperNameQuestion, {"A^B"})}) {
                prompt.Memo1->SetMessage(TrCoreText(question));
                prompt.SetPrompt(TPromptKind::Custom);
                cut += ShownCutTexts(prompt);
            }
            TFLogForm log;
            TFCmStatus progress(&log);
            TFCmndStatus busy;
            TFCnctStatus connecting;
            TFOptions options;
            TFAboutForm about;
            TFBadFile badFile;
            TFReplaceFile replace;
            TFProperty property;
            TFVorlCmd command(main);
            THelpWindow help;
            for (QWidget* w : std::initializer_list<QWidget*>{&log, &progress, &busy, &connecting,
                                                              &options, &about, &badFile, &replace,
                                                              &property, &command, &help})
                cut += ShownCutTexts(*w);
            // The progress dialog with its widest texts: a whole operating-system image at a
            // slow rate (counted in bytes) and at a fast one (in Kbytes).
            for (const uint64_t ms : {uint64_t(419430400), uint64_t(100)}) {
                progress.show();
                progress.Progress(ProgressText(4194304, 4194304, ms), skProgress, 1, 1, 0);
                cut += ShownCutTexts(progress);
            }
            auto* capture = new TFCapture; // deletes itself on closing
            cut += ShownCutTexts(*capture);
            capture->show();
            cut += CutMenus(*capture->menuBar());
            capture->close();
            main.close();
            QVERIFY2(cut.isEmpty(), qPrintable(code + ":\n" + cut.join('\n')));
        }
    }

    void TheProgramStartsInTheLocalesLanguage() {
        const QStringList locales = {"C",           "en_US.UTF-8", "nl_NL.UTF-8", "fr_FR.UTF-8",
                                     "de_DE.UTF-8", "pt_PT.UTF-8", "es_ES.UTF-8", "it_IT.UTF-8"};
        for (const QString& locale : locales) {
            const QString code = PickLanguage({locale});
            QProcess child;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove("LANGUAGE");
            env.remove("LC_ALL");
            env.remove("LC_MESSAGES");
            env.insert("LANG", locale);
            env.insert("QT_QPA_PLATFORM", "offscreen");
            child.setProcessEnvironment(env);
            child.start(QCoreApplication::applicationFilePath(), {"--print-menu-title"});
            QVERIFY(child.waitForFinished(60000));
            QCOMPARE(child.exitCode(), 0);
            const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split('\n');
            QVERIFY2(lines.size() >= 2, qPrintable(locale));
            QCOMPARE(lines[0].left(2), code);
            // The title as the language's translation has it ("&File" where it has none yet).
            QTranslator translator;
            QString expected;
            if (code != "en" && translator.load("linkwell_" + code, ":/translations"))
                expected = translator.translate("TFZQDir", "&File");
            if (expected.isEmpty()) expected = "&File";
            QCOMPARE(lines[1], expected);
        }
    }

    void CoreTextsAreFoundWholeWithTheirParts() {
        const TInstalled installed("de");
        // A part that repeats must repeat its value; one that differs is no match.
        QCOMPARE(TrCoreText(msg::Fill(msg::PermissionDeniedGroup, {"/dev/ttyS0", "dialout"})),
                 QString("/dev/ttyS0: Zugriff verweigert; es gehört der Gruppe dialout: Fügen "
                         "Sie sich mit „sudo usermod -aG dialout $USER“ hinzu und melden Sie "
                         "sich dann neu an"));
        const std::string mixed = "/dev/x: permission denied; it belongs to group a: add yourself "
                                  "with \"sudo usermod -aG b $USER\", then log in again";
        QCOMPARE(TrCoreText(mixed), QString::fromStdString(mixed));
        // A keyed text inside another is translated too; a part that looks like a marker stays.
        QCOMPARE(TrCoreText(LinkErrorText(msg::Fill(msg::UnableToOpen, {"/tmp/%2 b", "gone"}))),
                 QString("Fehler (Datei /tmp/%2 b kann nicht geöffnet werden – gone)"));
        // Parts keep their bytes: a calculator name in its character set, a path in UTF-8.
        QCOMPARE(TrCoreText(msg::Fill(msg::Copying, {"\xE9T"}), CalcText),
                 QString("Kopiere \u00e9T"));
        QCOMPARE(TrCoreText(msg::Fill(msg::Copying, {"/tmp/\xC3\xA9"})),
                 QString("Kopiere /tmp/\u00e9"));
        QCOMPARE(TrCoreText("Some other text"), QString("Some other text"));
        QCOMPARE(TrTypeName("NoSuchType"), QString("NoSuchType"));
    }

    // A text of each kind the desktop program shows from the core: exactly the core's English
    // under C and English, German under German.
    void CoreTextsFollowTheLanguage() {
        const std::string realFile = test::ObjectFile(test::RealObj());
        const std::vector<std::pair<std::string, QString>> texts = {
            // messages built from pieces, and their captions
            {DecompErrorText("X.zq"),
             "X.zq\nDiese Datei kann nicht dekompiliert werden.\nDie Länge wurde samt Auffüllung "
             "belassen.\nDie Datei kann trotzdem in Ordnung sein."},
            {DecompErrorCaption, "Dekompilierfehler"},
            {msg::ErrorCaption.Text, "Fehler"},
            {msg::WarningCaption.Text, "Warnung"},
            {BackupArchiveRefusal("r.zq", realFile, realFile.size(), "KB"),
             "r.zq ist eine Objektdatei des Taschenrechners mit einem Objekt vom Typ „Reelle "
             "Zahl“, kein Sicherungsarchiv"},
            // exceptions shown in message boxes
            {LinkErrorText(msg::NoDevice.Text),
             "Fehler (Kein Gerät gefunden. Prüfen Sie die Kabelverbindungen und den "
             "Taschenrechner.)"},
            // progress captions and texts, status texts
            {msg::Fill(msg::Copying, {"A.zq"}), "Kopiere A.zq"},
            {ProgressText(512, 2048, 999), "512/2048 Bytes\n(25%)\n512 Bytes/s"},
            {msg::Fill(msg::DeviceConnected, {"/dev/ttyUSB0"}), "Gerät verbunden an /dev/ttyUSB0"},
            // the version text's words around the number
            {msg::Fill(msg::VersionBuild, {"2", "3", "4"}), "Version 2.3 Build 4"},
            // synchronizing: a reason with what a one-way sync made of it
            {msg::Fill(msg::SyncNotSentOneWay, {msg::SyncNewOnPc.Text}),
             "neu auf dem PC; bei einseitiger Synchronisierung nicht gesendet"},
        };
        for (const char* locale : {"C", "en_US.UTF-8", "de_DE.UTF-8"}) {
            const TInstalled installed(PickLanguage({locale}));
            const bool german = QLocale().language() == QLocale::German;
            for (const auto& [english, translated] : texts)
                QCOMPARE(TrCoreText(english),
                         german ? translated : QString::fromStdString(english));
            QCOMPARE(TrTypeName("Real"), german ? QString("Reelle Zahl") : QString("Real"));
            QCOMPARE(TrTypeName("Directory"),
                     german ? QString("Verzeichnis") : QString("Directory"));

            // The sync window: action names, reasons and the counts.
            TSyncPlan plan;
            TSyncItem item;
            item.Key = "X";
            item.Action = TSyncAction::Send;
            item.Reason = msg::SyncChangedOnPc.Text;
            plan.Items.push_back(item);
            TFSyncDialog sync(plan);
            QCOMPARE(sync.SyncTable->item(0, 0)->text(), german ? "senden" : "send");
            QCOMPARE(sync.SyncTable->item(0, 2)->text(),
                     german ? "auf dem PC geändert" : "changed on the PC");
            QCOMPARE(sync.lblCounts->text(), german ? "senden 1" : "send 1");

            // The wrong-file question about a file of no known kind words the kind itself.
            TFBadFile bad;
            QString question;
            QTimer::singleShot(0, &bad, [&] {
                question = bad.Memo1->toPlainText();
                bad.reject();
            });
            bad.Ask("notes", UnknownFileKind, true);
            QCOMPARE(question.section('\n', 2, 2),
                     german ? "ist eine Datei unbekannter Art und passt nicht zum Taschenrechner."
                            : "is a Unknown file and does not match the calculator.");
        }
        // The About window's version text (its words are the same in German).
        const TInstalled dutch("nl");
        TFAboutForm about;
        about.show();
        const QString version = TrCoreText(FileVersionText());
        QVERIFY2(version.startsWith("Versie ") || FileVersionText() == "-.-.-.-",
                 qPrintable(version));
        const auto labels = about.findChildren<QLabel*>();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [&](QLabel* l) { return l->text() == version; }));
    }

    void HelpIsInTheLocalesLanguage() {
        const QString english = ProgramOutput("C", {"--help"});
        QVERIFY2(english.contains("Start the simulated calculator"), qPrintable(english));
        QVERIFY(english.contains("--lang <code>"));
        const QString german = ProgramOutput("de_DE.UTF-8", {"--help"});
        QVERIFY2(german.contains("Den simulierten Taschenrechner"), qPrintable(german));
        QVERIFY(german.contains("--lang <Code>"));
        // --lang chooses the language of --help too.
        QVERIFY(ProgramOutput("de_DE.UTF-8", {"--lang", "fr", "--help"})
                    .contains("Démarrer la calculatrice"));
    }

    void AccessibleNamesStayUnderEnglishAndC() {
        for (const char* locale : {"C", "en_US.UTF-8"}) {
            const TInstalled installed(PickLanguage({locale}));
            TFZQDir main;
            main.show();
            QCoreApplication::processEvents();
            const auto name = [](QWidget* w) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                return a ? a->text(QAccessible::Name) : QString();
            };
            const auto description = [](QWidget* w) {
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                return a ? a->text(QAccessible::Description) : QString();
            };
            QCOMPARE(name(main.findChild<QWidget*>("TreeView1")), QString("Directory tree"));
            QCOMPARE(name(main.findChild<QWidget*>("ListView1")), QString("Variable list"));
            QCOMPARE(name(main.findChild<QWidget*>("ListIcons")), QString("Variable list"));
            QCOMPARE(description(main.findChild<QWidget*>("StatusPanel0")),
                     QString("Last command"));
            QCOMPARE(description(main.findChild<QWidget*>("StatusPanel1")),
                     QString("Calculator version and free memory"));
            // The toolbar's boxes have their buddy labels (a box's name is its current item).
            const auto buddyText = [](QWidget& window, const char* box) {
                for (QLabel* l : window.findChildren<QLabel*>())
                    if (l->buddy() && l->buddy()->objectName() == box) return l->text();
                return QString();
            };
            QCOMPARE(buddyText(main, "cmboPort"), QString("  Connect using:"));
            QCOMPARE(buddyText(main, "cmboSpeed"), QString("Speed:"));
            TFOptions options;
            QCOMPARE(name(options.findChild<QWidget*>("edtEditor")), QString("Command:"));
            QCOMPARE(buddyText(options, "edtEditor"), QString("&Command:"));
            TFProperty property;
            QCOMPARE(buddyText(property, "ListBox1"), QString("File name(s)"));
            TFVorlCmd command(main);
            QCOMPARE(name(command.findChild<QWidget*>("Memo1")), QString("Stack picture"));
            THelpWindow help;
            QCOMPARE(name(help.Browser), QString("Help page"));
            main.close();
        }
    }

private:
    // A language's translations installed for one test, taken out again afterwards.
    struct TInstalled {
        explicit TInstalled(const QString& code) {
            Before = QCoreApplication::instance()->findChildren<QTranslator*>();
            Found = InstallTranslations(code);
        }
        ~TInstalled() {
            for (QTranslator* t : QCoreApplication::instance()->findChildren<QTranslator*>())
                if (!Before.contains(t)) {
                    QCoreApplication::removeTranslator(t);
                    delete t;
                }
            QLocale::setDefault(QLocale::c());
        }
        QList<QTranslator*> Before;
        bool Found = false;
    };
};

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--print-menu-title") == 0)
        return PrintMenuTitle(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--run-program") == 0)
        return RunProgram(argc - 1, argv + 1);
    QApplication app(argc, argv);
    ApplySettingsNames();
    TTranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "translations_test.moc"
