// What the transfer prompts tell the user to do on the calculator, by prompt kind, in the RPN
// or the ALG wording; their titles and buttons. The desktop program's prompt dialog and
// linkwell-cli's terminal prompts both take their texts from here.
#pragma once
#include "link/UiHooks.h"
#include "util/UiText.h"

#include <optional>
#include <string_view>

#include <string>

namespace lw {

// "ZQKAGII ZQKBg and ZQKCg series": what the "%s" of the prompt texts stands for.
extern const char* const PromptSeriesText;
TUiText PromptSeriesUiText();

// The text of prompt `kind` (empty for TPromptKind::Custom). Line ends are "\r\n". Only the
// kinds FileXRecv, FileXSend and Connect have an ALG wording of their own.
std::string PromptText(TPromptKind kind, bool rpn);
// The same text before "%s" is filled in, with its key (key and text empty for Custom).
TUiText PromptTextTemplate(TPromptKind kind, bool rpn);
// True for the kinds whose text differs between the RPN and the ALG wording.
bool HasAlgWording(TPromptKind kind);
// "Wait for the Calculator" for Reconnect, "Set the Calculator" otherwise.
std::string PromptTitle(TPromptKind kind);
TUiText PromptTitleText(TPromptKind kind);
// "Connect..." for Reconnect, "OK" otherwise.
std::string PromptOkCaption(TPromptKind kind);
TUiText PromptOkText(TPromptKind kind);
// The prompts shown while the program waits for the calculator to start sending: they only
// inform, have no OK button, and ShowPrompt returns at once.
bool IsModelessPrompt(TPromptKind kind);
// The prompts that only acknowledge what happened: an OK button and no Cancel.
bool IsAcknowledgePrompt(TPromptKind kind);

// The keyed text that `text` is (a prompt text, with or without its "%s" filled in, a title,
// a button caption), if any: how the desktop program finds the translation of a prompt text
// the core hands it ready-made.
std::optional<TUiText> FindPromptText(std::string_view text);

} // namespace lw
