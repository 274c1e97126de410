#include "settings/Language.h"

#include "util/Files.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

// The embedded translations are in a static library: their registration has to be asked for.
static void InitTranslationResources() {
    Q_INIT_RESOURCE(linkwell_translations);
}

namespace lw::gui {

namespace {

// "de_DE.UTF-8" -> "de", "pt-BR" -> "pt", "C.UTF-8" -> "c".
QString LanguagePart(const QString& name) {
    qsizetype end = 0;
    while (end < name.size() && name[end].isLetter()) ++end;
    return name.left(end).toLower();
}

bool IsCLocale(const QString& name) {
    const QString language = LanguagePart(name);
    return name.isEmpty() || language == "c" || language == "posix";
}

} // namespace

const QStringList& TranslationLanguages() {
    static const QStringList codes = {"nl", "fr", "de", "pt", "es", "it"};
    return codes;
}

QString PickLanguage(const QStringList& preferred) {
    for (const QString& name : preferred) {
        const QString language = LanguagePart(name);
        if (IsCLocale(name) || language == "en") return "en";
        if (TranslationLanguages().contains(language)) return language;
    }
    return "en";
}

QStringList PreferredLanguages(const QString& override) {
    if (!override.isEmpty()) return {override};
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = qEnvironmentVariable(variable);
        if (!locale.isEmpty()) break;
    }
    if (locale.isEmpty()) return QLocale::system().uiLanguages();
    if (IsCLocale(locale)) return {locale};
    QStringList result = qEnvironmentVariable("LANGUAGE").split(':', Qt::SkipEmptyParts);
    result << locale;
    return result;
}

bool InstallTranslations(const QString& code) {
    InitTranslationResources();
    auto* app = QCoreApplication::instance();
    QLocale::setDefault(code == "en" ? QLocale(QLocale::English) : QLocale(code));
    if (code == "en") return true;

    auto* qt = new QTranslator(app);
    if (qt->load(QLocale(code), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;

    auto* own = new QTranslator(app);
    const QString file = "linkwell_" + code;
    const QString installed =
        QString::fromStdString(ProgramDataFolder("translations")) + "/translations";
    if (own->load(file, installed) || own->load(file, ":/translations")) {
        QCoreApplication::installTranslator(own);
        return true;
    }
    delete own;
    return false;
}

} // namespace lw::gui
