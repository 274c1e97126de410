// Texts of the core that the desktop program shows in the user's language. The core keeps them
// in English; each has a key that names it for good, so that its translations stay attached to
// it while the code around it changes.
#pragma once
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace lw {

struct TUiText {
    const char* Key;
    const char* Text;
};

// `text` with "%1", "%2" ... replaced by the arguments in order, in one pass: an argument that
// itself holds "%2" stays as it is.
std::string FillUiText(std::string_view text, std::span<const std::string_view> args);
inline std::string FillUiText(std::string_view text, std::initializer_list<std::string_view> args) {
    return FillUiText(text, std::span(args.begin(), args.size()));
}

} // namespace lw

// Marks an English text for the desktop program's translation tools, which read the macro as
// (context, text, key), and makes the TUiText of it. The context names where the desktop
// program looks the text up ("CoreTexts").
#define LW_UI_TEXT(context, text, key)                                                             \
    ::lw::TUiText {                                                                                \
        key, text                                                                                  \
    }
