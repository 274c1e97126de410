// The language of the desktop program's texts: chosen at start from the command line's
// --lang, the LANGUAGE/LC_ALL/LC_MESSAGES/LANG conventions or the system locale, and applied
// by installing the program's translation and Qt's own.
#pragma once
#include <QString>
#include <QStringList>

namespace lw::gui {

// The codes of the languages the program has translations for, besides English.
const QStringList& TranslationLanguages();

// The first entry of `preferred` (locale names such as "de_DE.UTF-8", "pt-BR", "C", "en_GB")
// that the program speaks: one of TranslationLanguages(), or "en". English and the C locale
// end the search; languages without a translation are passed over.
QString PickLanguage(const QStringList& preferred);

// The user's languages, first choice first: `override` (from --lang) alone when not empty;
// else LANGUAGE (colon-separated, ignored under the C locale as gettext does) and then the
// locale named by LC_ALL, LC_MESSAGES or LANG; the system locale's languages when none is set.
QStringList PreferredLanguages(const QString& override);

// Makes `code` the program's language: installs its translation (the installed or build-folder
// file, else the copy embedded in the program) and Qt's own dialog texts for it where the
// system has them, and makes it the default locale, which the help window follows. Returns
// false when the program has no translation for `code` (English needs none).
bool InstallTranslations(const QString& code);

} // namespace lw::gui
