#pragma once
#include <string>

namespace lw {

// "Version <major>.<minor> Build <build>" of this build, or "-.-.-.-" when the build
// carried no version.
std::string FileVersionText();

} // namespace lw
