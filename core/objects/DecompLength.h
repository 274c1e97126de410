// The object length walk ("decompile"): finds where the object in a received object file
// really ends, so that the XModem padding behind it can be cut off.
#pragma once
#include "util/MessageTexts.h"

#include <chrono>
#include <string>

namespace lw {

// The longest a walk may take before it is given up ("Decomp TimeOut").
constexpr std::chrono::milliseconds DecompTimeLimit{3000};

// Walks the one object that starts behind the 8-byte header of `data` ("ZQZQ", model code,
// two more bytes), cuts `data` to the object's end and tells whether the object ends on a half
// byte (then the high nibble of the last byte is cleared). Returns false, leaving `data` as it
// is, when the walk is given up: the data does not begin with "ZQZQ", a field lies beyond the
// end of the data, the object reaches past it, or the walk takes longer than `limit`.
bool DecompLength(std::string& data, bool& oddNibble,
                  std::chrono::milliseconds limit = DecompTimeLimit);

// The message box a caller shows when the walk was given up.
inline constexpr const char* DecompErrorCaption = msg::DecompErrorCaption.Text;
std::string DecompErrorText(const std::string& fileName);

} // namespace lw
