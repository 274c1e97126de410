// How one screen capture ended, from the receiver up to the front ends.
#pragma once

namespace lw {

enum class TCaptureOutcome {
    None,     // no capture came: the prompt or the progress was cancelled
    Received, // the picture arrived (it may be empty when the calculator sent no body)
    Failed,   // the picture could not be read; the receiver has told the user already
};

} // namespace lw
