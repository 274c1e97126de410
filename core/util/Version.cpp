#include "util/Version.h"

#include <cstdio>

namespace lw {

std::string FileVersionText() {
#if defined(LW_VERSION_MAJOR) && defined(LW_VERSION_MINOR) && defined(LW_VERSION_BUILD)
    char buf[64];
    std::snprintf(buf, sizeof buf, "Version %d.%d Build %d", LW_VERSION_MAJOR, LW_VERSION_MINOR,
                  LW_VERSION_BUILD);
    return buf;
#else
    return "-.-.-.-";
#endif
}

} // namespace lw
