// The JPEG encoder of a build without libjpeg: every request is refused with a message that
// says what to use instead.
#include "objects/CaptureImage.h"

#include <stdexcept>

namespace lw {

bool JpegAvailable() {
    return false;
}

std::string EncodeJpeg(const TCaptureBitmap&) {
    throw std::runtime_error(JpegUnavailableText());
}

} // namespace lw
