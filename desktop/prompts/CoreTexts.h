// The core's prompt texts in the user's language. The core keeps them in English with a key
// each; their translations are in the "CoreTexts" context under that key.
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
// A prompt text or title the core hands over ready-made: its translation when it is one of
// the keyed texts, else the text as it is.
QString TrCoreText(const std::string& text);

} // namespace lw::gui
