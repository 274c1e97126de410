// The core's texts in the user's language. The core keeps them in English with a key each;
// their translations are in the "CoreTexts" context under that key.
#pragma once
#include "link/UiHooks.h"
#include "util/UiText.h"

#include <QString>

#include <string>

namespace lw::gui {

QString TrCore(const TUiText& text);
// The text of prompt `kind` in the RPN or ALG wording, its "%s" filled in.
QString TrPromptText(TPromptKind kind, bool rpn);
QString TrPromptTitle(TPromptKind kind);
QString TrPromptOkCaption(TPromptKind kind);

// Names and listing texts come in the calculator's 8-bit character set, one byte a character.
inline QString CalcText(const std::string& s) {
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// PC paths and the system's own texts are in the local encoding.
inline QString LocalText(const std::string& s) {
    return QString::fromLocal8Bit(s.data(), qsizetype(s.size()));
}

// How the bytes of a core text become characters (CalcText, LocalText, UTF-8).
using TTextDecoder = QString (*)(const std::string&);

// A text the core hands over ready-made (a prompt text or title, a message, an error, a
// status text): its translation when it is one of the keyed texts or was filled in from one,
// with the filled-in parts put into the translation (those that are keyed texts themselves
// translated too), else the text as it is. `decode` turns the parts and an unknown text into
// characters.
QString TrCoreText(const std::string& text, TTextDecoder decode = &QString::fromStdString);
// An object type's name as the listing gives it ("Real"), or the name as it is.
QString TrTypeName(const std::string& name);

} // namespace lw::gui
