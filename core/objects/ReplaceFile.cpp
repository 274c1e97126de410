#include "objects/ReplaceFile.h"

namespace lw {

std::string ReplaceFileQuestion(const std::string& name) {
    return "\r\nThis folder already contains a file named " + name +
           ".\r\n\r\nWould you like to replace the existing file?\r\n\r\n";
}

} // namespace lw
