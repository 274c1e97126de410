#include "util/Version.h"

#include "util/MessageTexts.h"

namespace lw {

std::string FileVersionText() {
#if defined(LW_VERSION_MAJOR) && defined(LW_VERSION_MINOR) && defined(LW_VERSION_BUILD)
    return msg::Fill(msg::VersionBuild,
                     {std::to_string(LW_VERSION_MAJOR), std::to_string(LW_VERSION_MINOR),
                      std::to_string(LW_VERSION_BUILD)});
#else
    return "-.-.-.-";
#endif
}

} // namespace lw
