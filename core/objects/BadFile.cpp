#include "objects/BadFile.h"

namespace lw {

std::string BadFileQuestion(const std::string& fileName, const std::string& kind, bool allowText) {
    return fileName + "\r\n\r\nis a " + kind +
           " file and does not match the calculator.\r\nThis may damage the calculator "
           "contents.\r\n\r\n" +
           (allowText ? "How should this file be downloaded?" : "Do you wish to continue?");
}

} // namespace lw
