#include "mainwin/Help.h"

#include "util/Files.h"

#include <QDir>
#include <QFile>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace lw::gui {

QString HelpFolder(const QString& dataFolder, QLocale::Language language) {
    const char* code = nullptr;
    switch (language) {
    case QLocale::Dutch:
        code = "nl";
        break;
    case QLocale::French:
        code = "fr";
        break;
    case QLocale::German:
        code = "de";
        break;
    case QLocale::Portuguese:
        code = "pt";
        break;
    case QLocale::Spanish:
        code = "es";
        break;
    case QLocale::Italian:
        code = "it";
        break;
    default:
        break;
    }
    if (code) {
        const QString own = dataFolder + "/help-" + code;
        if (QDir(own).exists()) return own;
    }
    return dataFolder + "/help";
}

QString HelpPage(int topic) {
    switch (topic) {
    case 125001:
        return "communications.html";
    case 125004:
        return "troubleshooting.html";
    case 125005:
        return "textfiles.html";
    default:
        return "index.html";
    }
}

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName("HelpWindow");
    setWindowTitle(tr("Linkwell Help"));
    resize(560, 480);
    Browser = new QTextBrowser(this);
    Browser->setObjectName("Browser");
    Browser->setAccessibleName(tr("Help page"));
    Browser->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Browser);
    FFolder = HelpFolder(QString::fromStdString(ProgramDataFolder("help")), QLocale().language());
    Browser->setSearchPaths({FFolder});
}

void THelpWindow::ShowTopic(int topic) {
    const QString page = FFolder + "/" + HelpPage(topic);
    if (QFile::exists(page))
        Browser->setSource(QUrl::fromLocalFile(page));
    else
        Browser->setHtml(
            "<p>" + tr("The help page %1 is not installed.").arg(page.toHtmlEscaped()) + "</p>");
    show();
    raise();
    activateWindow();
}

} // namespace lw::gui
