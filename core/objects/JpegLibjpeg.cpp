// JPEG pictures of a capture through libjpeg.
#include "objects/CaptureImage.h"
#include "util/MessageTexts.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace lw {

namespace {

struct TJpegError {
    jpeg_error_mgr Manager;
    std::jmp_buf Jump;
};

[[noreturn]] void OnJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<TJpegError*>(info->err)->Jump, 1);
}

} // namespace

bool JpegAvailable() {
    return true;
}

std::string EncodeJpeg(const TCaptureBitmap& bitmap) {
    if (bitmap.Width <= 0 || bitmap.Height <= 0)
        throw std::invalid_argument("an empty picture has no JPEG form");
    jpeg_compress_struct info{};
    TJpegError error{};
    info.err = jpeg_std_error(&error.Manager);
    error.Manager.error_exit = OnJpegError;
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    std::vector<JSAMPLE> row(size_t(bitmap.Width) * 3);
    if (setjmp(error.Jump) != 0) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        throw std::runtime_error(msg::JpegFailed.Text);
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(bitmap.Width);
    info.image_height = JDIMENSION(bitmap.Height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 90, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        const int y = int(info.next_scanline);
        for (int x = 0; x < bitmap.Width; ++x) {
            const JSAMPLE v = bitmap.Black(x, y) ? 0 : 255;
            row[size_t(x) * 3] = row[size_t(x) * 3 + 1] = row[size_t(x) * 3 + 2] = v;
        }
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<const char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

} // namespace lw
