// The screen-capture picture without a window system: the capture bytes of both layouts turned
// into a black-and-white pixel matrix (with the optional black frame and white space around
// it), and that matrix written as a BMP, JPEG or PNG file.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace lw {

// W x H pixels, row by row from the top, one byte each: 1 = black, 0 = white.
struct TCaptureBitmap {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Pixels;

    bool Black(int x, int y) const { return Pixels[size_t(y) * size_t(Width) + size_t(x)] != 0; }
};

// Border options of the capture window: frame and space are 0..9 pixels.
struct TCaptureBorder {
    bool Show = true;
    int Frame = 2;
    int Space = 1;
};

// The picture's own size before any border: 131 x 64 for the band layout (first byte ESC),
// bytes 5 and 4 of the header otherwise. Zero for empty data.
void CapturePictureSize(const std::string& data, int& width, int& height);

// Renders a capture. Pixels whose bytes are missing from a short capture are drawn white:
// nothing is ever read beyond the data. Empty data gives an empty bitmap.
TCaptureBitmap RenderCapture(const std::string& data, const TCaptureBorder& border);

// File images of the bitmap: a 24-bit Windows bitmap, a baseline JPEG of quality 90 (24-bit
// colour), and an 8-bit greyscale PNG.
std::string EncodeBmp(const TCaptureBitmap& bitmap);
// Raises std::runtime_error(JpegUnavailableText()) in a build without JPEG support.
std::string EncodeJpeg(const TCaptureBitmap& bitmap);
std::string EncodePng(const TCaptureBitmap& bitmap);

// Whether this build writes JPEG pictures. The Windows build has no JPEG library and says so
// with JpegUnavailableText when a JPEG file is asked for.
bool JpegAvailable();
// "JPEG pictures are not available in this build; save the capture as .png or .bmp".
std::string JpegUnavailableText();

enum class TImageFormat { None, Bmp, Jpeg, Png };

// The format a file name asks for by its extension (without regard to case): ".jpg" and
// ".jpeg" JPEG, ".bmp", a bare "." or no extension a bitmap, ".png" PNG, anything else None.
TImageFormat ImageFormatOf(const std::string& fileName);

// Writes the bitmap to `fileName` in the format of its extension, atomically. Returns false
// (and writes nothing) for an extension of no known format; raises EFileError when the file
// cannot be written.
bool SaveImageToFile(const TCaptureBitmap& bitmap, const std::string& fileName);

} // namespace lw
