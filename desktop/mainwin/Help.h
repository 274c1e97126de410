// The help pages: HTML files shipped beside the program (docs/help in the source tree), shown
// in one help window. Topic numbers of the menus and controls map to pages.
#pragma once
#include <QDialog>
#include <QLocale>
#include <QString>

class QTextBrowser;

namespace lw::gui {

// The help folder for a language: "help-<code>" for the languages that may get their own pages
// (Dutch, French, German, Portuguese, Spanish, Italian) when such a folder is shipped, else
// "help". `dataFolder`: where the program's shipped files are.
QString HelpFolder(const QString& dataFolder, QLocale::Language language);
// The page of a topic number: 125001 communications, 125004 trouble shooting, 125005 text
// files; any other number the contents.
QString HelpPage(int topic);

class THelpWindow : public QDialog {
    Q_OBJECT
public:
    explicit THelpWindow(QWidget* parent = nullptr);
    // Shows the page of `topic` (0: the contents).
    void ShowTopic(int topic);
    QTextBrowser* Browser;

private:
    QString FFolder;
};

} // namespace lw::gui
