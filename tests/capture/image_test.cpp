// The capture picture: both layouts, the border options, short data, and the three file
// writers checked by decoding what they wrote.
#include "capture/CaptureImage.h"
#include "support/TempDir.h"
#include "util/Files.h"

#include <gtest/gtest.h>

#include <jpeglib.h>
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

TEST(CaptureImage, HeaderLayoutIgnoresBitsBeyondTheWidth) {
    std::string data = HeaderCapture(131, 64, {{0, 0}, {130, 1}, {8, 63}});
    data[6 + 16] |= char(0xFE); // row 0, bits for columns 129..135: only 129 and 130 are real
    const TCaptureBitmap b = RenderCapture(data, NoBorder);
    ASSERT_EQ(b.Width, 131);
    ASSERT_EQ(b.Height, 64);
    EXPECT_TRUE(b.Black(0, 0));
    EXPECT_TRUE(b.Black(129, 0));
    EXPECT_TRUE(b.Black(130, 0));
    EXPECT_TRUE(b.Black(130, 1));
    EXPECT_TRUE(b.Black(8, 63));
    EXPECT_EQ(BlackCount(b), 5);
}

TEST(CaptureImage, BorderAddsFrameAndSpaceOnlyWhenShown) {
    const std::string data = HeaderCapture(10, 4, {{0, 0}});
    const TCaptureBitmap framed = RenderCapture(data, {true, 2, 3});
    ASSERT_EQ(framed.Width, 10 + 2 * 3 + 2 * 2);
    ASSERT_EQ(framed.Height, 4 + 2 * 3 + 2 * 2);
    EXPECT_TRUE(framed.Black(0, 0));
    EXPECT_TRUE(framed.Black(1, 10));
    EXPECT_TRUE(framed.Black(framed.Width - 1, framed.Height - 1));
    EXPECT_TRUE(framed.Black(framed.Width - 2, 5));
    EXPECT_FALSE(framed.Black(2, 2)); // the white space inside the frame
    EXPECT_TRUE(framed.Black(5, 5));  // picture pixel (0, 0) at frame + space
    EXPECT_EQ(BlackCount(framed), 2 * 2 * (framed.Width + framed.Height) - 4 * 4 + 1);

    const TCaptureBitmap spaced = RenderCapture(data, {true, 0, 3});
    EXPECT_EQ(spaced.Width, 16);
    EXPECT_EQ(BlackCount(spaced), 1); // white margin, no black line
    EXPECT_TRUE(spaced.Black(3, 3));

    const TCaptureBitmap bare = RenderCapture(data, {false, 9, 9});
    EXPECT_EQ(bare.Width, 10);
    EXPECT_EQ(bare.Height, 4);
}

TEST(CaptureImage, ShortDataDrawsMissingPixelsWhite) {
    // Header claims 255 x 255 but carries one row; the band layout stops after its first band.
    std::string header = HeaderCapture(255, 1, {{3, 0}});
    header[4] = char(255);
    const TCaptureBitmap big = RenderCapture(header, NoBorder);
    ASSERT_EQ(big.Width, 255);
    ASSERT_EQ(big.Height, 255);
    EXPECT_EQ(BlackCount(big), 1);

    std::string band = BandCapture({{7, 2}, {7, 40}});
    band.resize(140);
    EXPECT_EQ(BlackCount(RenderCapture(band, NoBorder)), 1);
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

uint32_t Le32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 |
           uint32_t(uint8_t(s[at + 2])) << 16 | uint32_t(uint8_t(s[at + 3])) << 24;
}
uint32_t Be32(const std::string& s, size_t at) {
    return uint32_t(uint8_t(s[at])) << 24 | uint32_t(uint8_t(s[at + 1])) << 16 |
           uint32_t(uint8_t(s[at + 2])) << 8 | uint32_t(uint8_t(s[at + 3]));
}

TEST_F(CaptureFiles, BmpIs24BitBottomUpWithPaddedRows) {
    const std::string path = Dir.File("shot.bmp");
    ASSERT_TRUE(SaveImageToFile(Bitmap, path));
    const std::string bmp = ReadFileToString(path);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12); // 3 pixels * 3 bytes = 9, padded to 12
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(Le32(bmp, 2), bmp.size());
    EXPECT_EQ(Le32(bmp, 18), 3u);
    EXPECT_EQ(Le32(bmp, 22), 2u);
    EXPECT_EQ(uint8_t(bmp[28]), 24);
    // The first stored row is the bottom one: white, black, white.
    EXPECT_EQ(uint8_t(bmp[54]), 0xFF);
    EXPECT_EQ(uint8_t(bmp[57]), 0x00);
    EXPECT_EQ(uint8_t(bmp[60]), 0xFF);
    EXPECT_EQ(uint8_t(bmp[66]), 0x00); // top row, x = 0
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

TEST_F(CaptureFiles, JpegIsBaselineRgbAndKeepsBlackAndWhite) {
    TCaptureBitmap big = RenderCapture(HeaderCapture(131, 64, {}), {true, 2, 1});
    const std::string path = Dir.File("shot.jpg");
    ASSERT_TRUE(SaveImageToFile(big, path));
    const std::string jpg = ReadFileToString(path);
    ASSERT_GT(jpg.size(), 100u);
    EXPECT_EQ(jpg.substr(0, 2), "\xFF\xD8");
    EXPECT_NE(jpg.find("\xFF\xC0"), std::string::npos); // baseline frame marker
    EXPECT_EQ(jpg.find("\xFF\xC2"), std::string::npos); // not progressive

    jpeg_decompress_struct info{};
    jpeg_error_mgr err{};
    info.err = jpeg_std_error(&err);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpg.data()), jpg.size());
    ASSERT_EQ(jpeg_read_header(&info, TRUE), JPEG_HEADER_OK);
    EXPECT_EQ(info.num_components, 3);
    jpeg_start_decompress(&info);
    EXPECT_EQ(int(info.output_width), big.Width);
    EXPECT_EQ(int(info.output_height), big.Height);
    std::vector<unsigned char> row(info.output_width * 3);
    int wrong = 0;
    while (info.output_scanline < info.output_height) {
        const int y = int(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        for (int x = 0; x < big.Width; ++x)
            if ((row[size_t(x) * 3] < 128) != big.Black(x, y)) ++wrong;
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    EXPECT_EQ(wrong, 0);
}

TEST_F(CaptureFiles, UnknownExtensionWritesNothingAndAMissingFolderRaises) {
    const std::string gif = Dir.File("shot.gif");
    EXPECT_FALSE(SaveImageToFile(Bitmap, gif));
    EXPECT_FALSE(std::filesystem::exists(gif));
    EXPECT_THROW(SaveImageToFile(Bitmap, Dir.File("missing/shot.bmp")), EFileError);
}

} // namespace
} // namespace lw
