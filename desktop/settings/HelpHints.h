// Hints of controls that have help are marked, so the user knows where help is: "? " for a
// pop-up text, "?* " for a help topic. A control's help context is its dynamic property
// "helpContext" (an integer); its hint is its tool tip.
#pragma once
class QWidget;

namespace lw::gui {

inline constexpr char HelpContextProperty[] = "helpContext";

// Marks `root` and every widget below it: a help context above 1 and a hint that is not
// empty and does not yet begin with "?" gets "?* " in front when the context mod 10000 is
// 5000 or more, "? " otherwise.
void MarkHelpHints(QWidget& root);
// Marks every top-level window of the application.
void MarkAllHelpHints();

} // namespace lw::gui
