#include "objects/CaptureImage.h"

#include "util/Files.h"
#include "util/MessageTexts.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

#include <zlib.h>

namespace lw {

namespace {

constexpr unsigned char Esc = 27;
constexpr int BandWidth = 131;
constexpr int BandHeight = 64;
constexpr size_t BandBytes = 135; // one band of 8 pixel rows: 2 lead bytes, 131 columns, 2 more
constexpr size_t HeaderBytes = 6;

uint8_t ByteAt(const std::string& data, size_t index) {
    return static_cast<uint8_t>(data[index]);
}

// Whether the picture pixel (x, y) is black; false for pixels beyond the data.
bool PictureBit(const std::string& data, int x, int y, int width) {
    if (ByteAt(data, 0) == Esc) {
        const size_t index = size_t(y / 8) * BandBytes + 2 + size_t(x);
        return index < data.size() && (ByteAt(data, index) >> (y % 8) & 1) != 0;
    }
    const size_t rowBytes = (size_t(width) + 7) / 8;
    const size_t index = HeaderBytes + size_t(y) * rowBytes + size_t(x) / 8;
    return index < data.size() && (ByteAt(data, index) >> (x % 8) & 1) != 0;
}

void Append16(std::string& out, uint32_t v) {
    out += char(v & 0xFF);
    out += char(v >> 8 & 0xFF);
}

void Append32(std::string& out, uint32_t v) {
    Append16(out, v & 0xFFFF);
    Append16(out, v >> 16);
}

void Append32BigEndian(std::string& out, uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += char(v >> shift & 0xFF);
}

void AppendPngChunk(std::string& out, const char* type, const std::string& body) {
    Append32BigEndian(out, uint32_t(body.size()));
    const std::string typed = std::string(type, 4) + body;
    out += typed;
    const auto* bytes = reinterpret_cast<const Bytef*>(typed.data());
    Append32BigEndian(out, uint32_t(crc32(crc32(0, nullptr, 0), bytes, uInt(typed.size()))));
}

} // namespace

void CapturePictureSize(const std::string& data, int& width, int& height) {
    width = height = 0;
    if (data.empty()) return;
    if (ByteAt(data, 0) == Esc) {
        width = BandWidth;
        height = BandHeight;
    } else if (data.size() >= HeaderBytes) {
        width = ByteAt(data, 5);
        height = ByteAt(data, 4);
    }
}

TCaptureBitmap RenderCapture(const std::string& data, const TCaptureBorder& border) {
    int width = 0, height = 0;
    CapturePictureSize(data, width, height);
    const int f = border.Show ? std::clamp(border.Frame, 0, 9) : 0;
    const int s = border.Show ? std::clamp(border.Space, 0, 9) : 0;
    TCaptureBitmap bitmap;
    if (data.empty() || (ByteAt(data, 0) != Esc && data.size() < HeaderBytes)) return bitmap;
    bitmap.Width = width + 2 * s + 2 * f;
    bitmap.Height = height + 2 * s + 2 * f;
    bitmap.Pixels.assign(size_t(bitmap.Width) * size_t(bitmap.Height), 0);
    for (int y = 0; y < bitmap.Height; ++y)
        for (int x = 0; x < bitmap.Width; ++x)
            if (x < f || y < f || x >= bitmap.Width - f || y >= bitmap.Height - f)
                bitmap.Pixels[size_t(y) * size_t(bitmap.Width) + size_t(x)] = 1;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (PictureBit(data, x, y, width))
                bitmap.Pixels[size_t(f + s + y) * size_t(bitmap.Width) + size_t(f + s + x)] = 1;
    return bitmap;
}

std::string EncodeBmp(const TCaptureBitmap& bitmap) {
    const uint32_t rowBytes = (uint32_t(bitmap.Width) * 3 + 3) / 4 * 4;
    const uint32_t imageBytes = rowBytes * uint32_t(bitmap.Height);
    std::string out;
    out.reserve(54 + imageBytes);
    out += "BM";
    Append32(out, 54 + imageBytes); // file size
    Append32(out, 0);               // reserved
    Append32(out, 54);              // offset of the pixels
    Append32(out, 40);              // BITMAPINFOHEADER
    Append32(out, uint32_t(bitmap.Width));
    Append32(out, uint32_t(bitmap.Height)); // positive: rows bottom-up
    Append16(out, 1);                       // planes
    Append16(out, 24);                      // bits per pixel
    Append32(out, 0);                       // no compression
    Append32(out, imageBytes);
    Append32(out, 2835); // 72 dpi
    Append32(out, 2835);
    Append32(out, 0);
    Append32(out, 0);
    for (int y = bitmap.Height - 1; y >= 0; --y) {
        std::string row(rowBytes, '\0');
        for (int x = 0; x < bitmap.Width; ++x) {
            const char v = bitmap.Black(x, y) ? '\0' : char(0xFF);
            row[size_t(x) * 3] = row[size_t(x) * 3 + 1] = row[size_t(x) * 3 + 2] = v;
        }
        out += row;
    }
    return out;
}

std::string EncodePng(const TCaptureBitmap& bitmap) {
    if (bitmap.Width <= 0 || bitmap.Height <= 0)
        throw std::invalid_argument("an empty picture has no PNG form");
    std::string raw;
    raw.reserve(size_t(bitmap.Height) * (size_t(bitmap.Width) + 1));
    for (int y = 0; y < bitmap.Height; ++y) {
        raw += '\0'; // filter: none
        for (int x = 0; x < bitmap.Width; ++x) raw += bitmap.Black(x, y) ? '\0' : char(0xFF);
    }
    uLongf packedSize = compressBound(uLong(raw.size()));
    std::string packed(packedSize, '\0');
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(raw.data()), uLong(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK)
        throw std::runtime_error(msg::PngFailed.Text);
    packed.resize(packedSize);

    std::string header;
    Append32BigEndian(header, uint32_t(bitmap.Width));
    Append32BigEndian(header, uint32_t(bitmap.Height));
    header += char(8);              // bit depth
    header += char(0);              // greyscale
    header += std::string(3, '\0'); // deflate, adaptive filters, no interlace
    std::string out = "\x89PNG\r\n\x1a\n";
    AppendPngChunk(out, "IHDR", header);
    AppendPngChunk(out, "IDAT", packed);
    AppendPngChunk(out, "IEND", "");
    return out;
}

std::string JpegUnavailableText() {
    return msg::JpegUnavailable.Text;
}

TImageFormat ImageFormatOf(const std::string& fileName) {
    const std::string ext = LowerFileExt(fileName);
    if (ext == ".jpg" || ext == ".jpeg") return TImageFormat::Jpeg;
    if (ext == ".bmp" || ext == "." || ext.empty()) return TImageFormat::Bmp;
    if (ext == ".png") return TImageFormat::Png;
    return TImageFormat::None;
}

bool SaveImageToFile(const TCaptureBitmap& bitmap, const std::string& fileName) {
    switch (ImageFormatOf(fileName)) {
    case TImageFormat::Jpeg:
        WriteStringToFile(EncodeJpeg(bitmap), fileName);
        return true;
    case TImageFormat::Bmp:
        WriteStringToFile(EncodeBmp(bitmap), fileName);
        return true;
    case TImageFormat::Png:
        WriteStringToFile(EncodePng(bitmap), fileName);
        return true;
    case TImageFormat::None:
        break;
    }
    return false;
}

} // namespace lw
