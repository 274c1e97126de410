// What the transfer prompts tell the user to do on the calculator, by prompt kind (1..10), in
// the RPN or the ALG wording; and their titles.
#pragma once
#include <string>

namespace lw::cli {

// The text of prompt `kind` (empty for kind 0 and unknown kinds). Line ends are "\r\n".
std::string PromptText(int kind, bool rpn);
// "Wait for the Calculator" for kind 9, "Set the Calculator" otherwise.
std::string PromptTitle(int kind);
// Kinds 1, 3, 4 and 10 are shown while the program waits for the calculator.
bool IsModelessPrompt(int kind);

} // namespace lw::cli
