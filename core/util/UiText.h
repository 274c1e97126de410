// Texts of the core that the desktop program shows in the user's language. The core keeps them
// in English; each has a key that names it for good, so that its translations stay attached to
// it while the code around it changes.
#pragma once

namespace lw {

struct TUiText {
    const char* Key;
    const char* Text;
};

} // namespace lw

// Marks an English text for the desktop program's translation tools, which read the macro as
// (context, text, key), and makes the TUiText of it. The context names where the desktop
// program looks the text up ("CoreTexts").
#define LW_UI_TEXT(context, text, key)                                                             \
    ::lw::TUiText {                                                                                \
        key, text                                                                                  \
    }
