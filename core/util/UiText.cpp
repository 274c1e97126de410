#include "util/UiText.h"

namespace lw {

std::string FillUiText(std::string_view text, std::span<const std::string_view> args) {
    std::string result;
    result.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t n = i + 1 < text.size() ? size_t(text[i + 1] - '1') : args.size();
        if (text[i] == '%' && n < args.size() && n < 9) {
            result += args[n];
            ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace lw
