#include "printing/UImageTools.h"

#include <gtest/gtest.h>

#include <QImage>

#include <filesystem>

#include "platform/FileOps.h"
#include "support/TestEnv.h"

namespace quill {
namespace {

// A picture with a horizontal colour ramp, so scaling has something to blend.
TRgbImage Ramp(int width, int height) {
    TRgbImage image;
    image.Width = width;
    image.Height = height;
    image.Pixels.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = image.Row(y) + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 255 / std::max(1, width - 1));
            p[1] = static_cast<std::uint8_t>(y * 255 / std::max(1, height - 1));
            p[2] = 128;
        }
    return image;
}

class ImageToolsTest : public test::TempWorldTest {
protected:
    std::string writeJpeg(const std::string& name, int width, int height) {
        const std::string path = world.path(name);
        std::string error;
        EXPECT_TRUE(SaveJpeg(Ramp(width, height), path, 95, error)) << error;
        return path;
    }
    static std::pair<int, int> SizeOf(const std::string& jpeg) {
        std::string error;
        const auto image = LoadJpeg(jpeg, error);
        return image ? std::pair{image->Width, image->Height} : std::pair{0, 0};
    }
};

TEST(ScaleBilinear, BlendsNeighboursAndKeepsTheCorners) {
    TRgbImage source;
    source.Width = 3;
    source.Height = 1;
    source.Pixels = {0, 0, 0, 100, 10, 1, 200, 20, 2};
    const TRgbImage scaled = ScaleBilinear(source, 5, 1);
    EXPECT_EQ(scaled.Pixels, (std::vector<std::uint8_t>{0, 0, 0, 50, 5, 0, 100, 10, 1, 150, 15, 1, 200, 20, 2}));

    const TRgbImage halved = ScaleBilinear(Ramp(400, 100), 200, 50);
    EXPECT_EQ(halved.Row(0)[0], 0);
    EXPECT_EQ(halved.Row(49)[199 * 3], 255);
    EXPECT_EQ(halved.Row(49)[199 * 3 + 1], 255);
}

TEST_F(ImageToolsTest, WideJpegIsScaledToTheMaximumWidthInProportion) {
    const std::string file = writeJpeg("B.lbv", 400, 150);
    EXPECT_TRUE(ResizeImage(file, 200));
    EXPECT_EQ(SizeOf(file), (std::pair{200, 75}));
    EXPECT_FALSE(platform::FileExists(world.path("B.$$$")));

    // integer multiply-then-divide: 99 * 200 / 401 = 49.37...
    const std::string odd = writeJpeg("odd.jpg", 401, 99);
    EXPECT_TRUE(ResizeImage(odd, 200));
    EXPECT_EQ(SizeOf(odd), (std::pair{200, 49}));
}

TEST_F(ImageToolsTest, JpegAtMostTheMaximumWidthIsNotRewritten) {
    const std::string file = writeJpeg("B.lbv", 200, 300);
    const std::string before = world.readFile("B.lbv");
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) - std::chrono::hours(1));
    const auto time = platform::LastWriteTimeNs(file);
    EXPECT_TRUE(ResizeImage(file, 200));
    EXPECT_EQ(platform::LastWriteTimeNs(file), time);
    EXPECT_EQ(world.readFile("B.lbv"), before);
}

TEST_F(ImageToolsTest, UnreadableJpegIsLeftAsItWas) {
    world.writeFile("B.lbv", "\xFF\xD8 not really a JPEG");
    EXPECT_FALSE(ResizeImage(world.path("B.lbv"), 200));
    EXPECT_EQ(world.readFile("B.lbv"), "\xFF\xD8 not really a JPEG");
    EXPECT_FALSE(ResizeImage(world.path("missing.lbv"), 200));
}

TEST_F(ImageToolsTest, Jpeg2BmpWritesA24BitBitmapOfTheSameSize) {
    const std::string jpeg = writeJpeg("B.jpg", 120, 40);
    ASSERT_TRUE(Jpeg2Bmp(world.path("B.bmp"), jpeg));
    const std::string bmp = world.readFile("B.bmp");
    ASSERT_GE(bmp.size(), 30u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bmp[28]), 24);   // bits per pixel
    const QImage picture(QString::fromStdString(world.path("B.bmp")));
    EXPECT_EQ(picture.width(), 120);
    EXPECT_EQ(picture.height(), 40);
    EXPECT_NEAR(qRed(picture.pixel(119, 0)), 255, 8);
    EXPECT_NEAR(qBlue(picture.pixel(0, 0)), 128, 8);

    EXPECT_FALSE(Jpeg2Bmp(world.path("C.bmp"), world.path("missing.jpg")));
    EXPECT_FALSE(platform::FileExists(world.path("C.bmp")));
}

}  // namespace
}  // namespace quill
