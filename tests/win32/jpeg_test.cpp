// The Windows build has no JPEG encoder: a JPEG picture is refused with a message that says
// what to use, and nothing is written.
#include "objects/CaptureImage.h"

#include "util/Files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace lw {
namespace {

TEST(WinPictures, JpegIsRefusedWithTheAlternativesAndNothingIsWritten) {
    EXPECT_FALSE(JpegAvailable());
    TCaptureBitmap bitmap;
    bitmap.Width = 2;
    bitmap.Height = 1;
    bitmap.Pixels = {1, 0};
    const std::string file = TempFolder() + "capture-test.jpg";
    try {
        SaveImageToFile(bitmap, file);
        FAIL() << "a JPEG was written";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), JpegUnavailableText());
    }
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_NE(JpegUnavailableText().find(".png"), std::string::npos);
    const std::string png = TempFolder() + "capture-test.png";
    EXPECT_TRUE(SaveImageToFile(bitmap, png));
    EXPECT_EQ(ReadFileHead(png, 4), "\x89PNG");
    std::filesystem::remove(png);
}

} // namespace
} // namespace lw
