// The capture picture: the band layout's unread bytes, short or tiny data, the format by
// extension, and the files' structure. The capture window's tests compare both layouts, the
// border options and the saved files pixel for pixel through the same functions.
#include "objects/CaptureImage.h"
#include "support/TempDir.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdio>
#include <filesystem>

namespace lw {
namespace {

const TCaptureBorder NoBorder{false, 2, 1};

// A header-layout capture: byte 0 any, planes 1, then rows of (width + 7) / 8 bytes.
std::string HeaderCapture(int width, int height, const std::vector<std::pair<int, int>>& black) {
    const size_t rowBytes = (size_t(width) + 7) / 8;
    std::string data = std::string("\x01\x00\x00\x01", 4) + char(height) + char(width);
    data.append(rowBytes * size_t(height), '\0');
    for (auto [x, y] : black) data[6 + size_t(y) * rowBytes + size_t(x) / 8] |= char(1 << (x % 8));
    return data;
}

// A band-layout capture: ESC, count, 8 bands of 135 bytes.
std::string BandCapture(const std::vector<std::pair<int, int>>& black) {
    std::string data(1081, '\0');
    data[0] = 27;
    data[1] = 1;
    for (auto [x, y] : black) data[size_t(y / 8) * 135 + 2 + size_t(x)] |= char(1 << (y % 8));
    return data;
}

int BlackCount(const TCaptureBitmap& b) {
    int n = 0;
    for (auto p : b.Pixels) n += p;
    return n;
}

TEST(CaptureImage, BandLayoutIsAlways131By64WithBitsAsRows) {
    std::string data = BandCapture({{0, 0}, {130, 63}, {5, 9}});
    data[1] = char(200);    // the count byte is not read
    data[133] = char(0xFF); // the two trailing bytes of band 0 are not read
    data[134] = char(0xFF);
    const TCaptureBitmap b = RenderCapture(data, NoBorder);
    ASSERT_EQ(b.Width, 131);
    ASSERT_EQ(b.Height, 64);
    EXPECT_TRUE(b.Black(0, 0));
    EXPECT_TRUE(b.Black(130, 63));
    EXPECT_TRUE(b.Black(5, 9));
    EXPECT_EQ(BlackCount(b), 3);
}

TEST(CaptureImage, ShortDataDrawsMissingPixelsWhite) {
    // Header claims 255 x 255 but carries one row; the band layout stops after its first band.
    std::string header = HeaderCapture(255, 1, {{3, 0}});
    header[4] = char(255);
    const TCaptureBitmap big = RenderCapture(header, NoBorder);
    ASSERT_EQ(big.Width, 255);
    ASSERT_EQ(big.Height, 255);
    EXPECT_EQ(BlackCount(big), 1);

    EXPECT_EQ(RenderCapture(std::string(1, char(27)), NoBorder).Width, 131);

    EXPECT_EQ(RenderCapture("", NoBorder).Width, 0);
    EXPECT_EQ(RenderCapture("\x01\x02\x03", NoBorder).Pixels.size(), 0u);
    EXPECT_EQ(RenderCapture(std::string(6, '\0'), NoBorder).Pixels.size(), 0u); // 0 x 0
}

TEST(CaptureImage, FormatComesFromTheExtension) {
    EXPECT_EQ(ImageFormatOf("a.JPG"), TImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOf("dir.x/a.jpeg"), TImageFormat::Jpeg);
    EXPECT_EQ(ImageFormatOf("a.Bmp"), TImageFormat::Bmp);
    EXPECT_EQ(ImageFormatOf("a."), TImageFormat::Bmp);
    EXPECT_EQ(ImageFormatOf("dir.x/a"), TImageFormat::Bmp);
    EXPECT_EQ(ImageFormatOf("a.png"), TImageFormat::Png);
    EXPECT_EQ(ImageFormatOf("a.gif"), TImageFormat::None);
}

class CaptureFiles : public ::testing::Test {
protected:
    void SetUp() override {
        // 3 x 2 with a checker: black at (0,0), (2,0), (1,1).
        Bitmap.Width = 3;
        Bitmap.Height = 2;
        Bitmap.Pixels = {1, 0, 1, 0, 1, 0};
    }
    test::TTempDir Dir;
    TCaptureBitmap Bitmap;
};

uint32_t Be32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) << 24 | uint32_t(uint8_t(s[at + 1])) << 16 |
           uint32_t(uint8_t(s[at + 2])) << 8 | uint32_t(uint8_t(s[at + 3]));
}

TEST_F(CaptureFiles, PngDecodesToTheSamePixels) {
    const std::string path = Dir.File("shot.PNG");
    ASSERT_TRUE(SaveImageToFile(Bitmap, path));
    const std::string png = ReadFileToString(path);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(Be32(png, 16), 3u);
    EXPECT_EQ(Be32(png, 20), 2u);
    // Walk the chunks, check every CRC, inflate IDAT.
    size_t at = 8;
    std::string idat;
    bool ended = false;
    while (at + 12 <= png.size()) {
        const uint32_t len = Be32(png, at);
        const std::string typed = png.substr(at + 4, 4 + len);
        EXPECT_EQ(Be32(png, at + 8 + len),
                  crc32(0, reinterpret_cast<const Bytef*>(typed.data()), uInt(typed.size())));
        if (typed.substr(0, 4) == "IDAT") idat += typed.substr(4);
        if (typed.substr(0, 4) == "IEND") ended = true;
        at += 12 + len;
    }
    EXPECT_TRUE(ended);
    EXPECT_EQ(at, png.size());
    std::string raw(2 * 4, '\0');
    uLongf rawSize = raw.size();
    ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                         reinterpret_cast<const Bytef*>(idat.data()), uLong(idat.size())),
              Z_OK);
    EXPECT_EQ(raw, std::string("\0\0\xFF\0\0\xFF\0\xFF", 8));
}

// Qt reads back what the writers make, pixel for pixel (the capture window's save test); here
// what a strict reader needs: a baseline frame of three components.
TEST_F(CaptureFiles, JpegIsBaselineRgb) {
    const std::string path = Dir.File("shot.jpg");
    ASSERT_TRUE(SaveImageToFile(Bitmap, path));
    const std::string jpg = ReadFileToString(path);
    EXPECT_EQ(jpg.substr(0, 2), "\xFF\xD8");
    const size_t frame = jpg.find("\xFF\xC0"); // baseline frame marker
    ASSERT_NE(frame, std::string::npos);
    EXPECT_EQ(jpg.find("\xFF\xC2"), std::string::npos); // not progressive
    ASSERT_GT(jpg.size(), frame + 9);
    EXPECT_EQ(jpg[frame + 9], 3); // length, precision, height, width, then the components
}

TEST_F(CaptureFiles, UnknownExtensionWritesNothingAndAMissingFolderRaises) {
    const std::string gif = Dir.File("shot.gif");
    EXPECT_FALSE(SaveImageToFile(Bitmap, gif));
    EXPECT_FALSE(std::filesystem::exists(gif));
    EXPECT_THROW(SaveImageToFile(Bitmap, Dir.File("missing/shot.bmp")), EFileError);
}

} // namespace
} // namespace lw
