#include "mainwin/Program.h"

#include "cmdwin/VorlCmd.h"
#include "log/CmStatus.h"
#include "log/CmndStatus.h"
#include "log/CnctStatus.h"
#include "log/LogIt.h"
#include "log/StatusDialogs.h"
#include "mainwin/About.h"
#include "mainwin/BadFileForm.h"
#include "mainwin/ReplaceFile.h"
#include "mainwin/UiThread.h"
#include "mainwin/ZQDir.h"
#include "prompts/CoreTexts.h"
#include "prompts/DownLd.h"
#include "settings/HelpHints.h"
#include "settings/Language.h"
#include "settings/SettingsStore.h"
#include "sim/demo/Demo.h"
#include "util/Version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace lw::gui {

namespace {

struct TOptions {
    bool Demo = false;
    QString PortList;
    QString Language;
};

QString Tr(const char* text) {
    return QCoreApplication::translate("CommandLine", text);
}

// The value of --lang, looked for before the parser runs so that --help already speaks the
// chosen language.
QString LanguageArgument(const QStringList& args) {
    for (qsizetype i = 1; i < args.size() && args[i] != "--"; ++i) {
        if (args[i] == "--lang" && i + 1 < args.size()) return args[i + 1];
        if (args[i].startsWith("--lang=")) return args[i].mid(7);
    }
    return {};
}

// The command line, read before any window exists so that --help and --version work without a
// display. Exits for --help, --version and errors.
TOptions ParseCommandLine(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("linkwell");
    InstallTranslations(PickLanguage(PreferredLanguages(LanguageArgument(app.arguments()))));
    QCoreApplication::setApplicationVersion(TrCoreText(FileVersionText()));
    QCommandLineParser parser;
    parser.setApplicationDescription(Tr(QT_TRANSLATE_NOOP(
        "CommandLine", "Connects to a ZQ graphing calculator and manages its memory.")));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demoOption(
        "demo",
        Tr(QT_TRANSLATE_NOOP("CommandLine",
                             "Start the simulated calculator in this process and connect to it.")));
    parser.addOption(demoOption);
    const QCommandLineOption langOption(
        "lang",
        Tr(QT_TRANSLATE_NOOP("CommandLine",
                             "Show the windows in this language (nl, fr, de, pt, es, it or en) "
                             "instead of the one of the system's locale.")),
        Tr(QT_TRANSLATE_NOOP("CommandLine", "code")));
    parser.addOption(langOption);
    parser.addPositionalArgument(
        "ports",
        Tr(QT_TRANSLATE_NOOP("CommandLine",
                             "The ports to offer, one per line (a single device path works "
                             "too); given ports, the program connects at start.")),
        Tr(QT_TRANSLATE_NOOP("CommandLine", "[ports]")));
    parser.process(app);
    const QString language = parser.value(langOption);
    if (!language.isEmpty() && PickLanguage({language}) == "en" &&
        !language.startsWith("en", Qt::CaseInsensitive))
        std::fprintf(
            stderr, "%s\n",
            qPrintable(
                Tr(QT_TRANSLATE_NOOP("CommandLine",
                                     "linkwell: no translation for language \"%1\", using English"))
                    .arg(language)));
    return {parser.isSet(demoOption), parser.positionalArguments().join('\n'), language};
}

} // namespace

int RunProgram(int argc, char** argv) {
    const TOptions options = ParseCommandLine(argc, argv);
    QApplication app(argc, argv);
    InstallTranslations(PickLanguage(PreferredLanguages(options.Language)));
    ApplySettingsNames();
    QApplication::setApplicationDisplayName("Linkwell");
    QApplication::setApplicationVersion(TrCoreText(FileVersionText()));

    QString portList = options.PortList;
    std::unique_ptr<sim::TDemo> demo;
    if (options.Demo) {
        try {
            demo = std::make_unique<sim::TDemo>();
        } catch (const std::exception& e) {
            std::fprintf(
                stderr, "%s\n",
                qPrintable(Tr(QT_TRANSLATE_NOOP("CommandLine",
                                                "linkwell: the demo calculator cannot start: %1"))
                               .arg(TrCoreText(e.what(), LocalText))));
            return 1;
        }
        portList = QString::fromStdString(demo->Port());
    }

    // The windows, the main window first: its creation reads the settings the others use.
    TQtUiThread uiThread;
    TFZQDir window(portList);
    TFDownLd downLd(window.CalcState().RpnPrompts);
    TFLogForm log;
    TFCmStatus cmStatus(&log);
    TFAboutForm about;
    TFCmndStatus cmndStatus;
    TFCnctStatus cnctStatus;
    TFReplaceFile replace;
    TFBadFile badFile;
    TFVorlCmd vorlCmd(window);
    TStatusDialogs status(cnctStatus, cmndStatus);
    window.AttachPromptDialog(&downLd);
    window.AttachQuestionDialogs(&badFile, &replace);
    const TUiHooks previous = SetUiHooks({&window, &downLd, &status, &cmStatus, &uiThread});
    log.hide();
    const TStartupAbout splash(window, about);
    MarkAllHelpHints();

    window.show();
    window.activateWindow();
    if (!portList.isEmpty())
        QTimer::singleShot(0, &window, [&window] { window.tbtnConnectClick(false); });
    const int result = QApplication::exec();
    SetUiHooks(previous);
    return result;
}

} // namespace lw::gui
