#include "printing/DesignSketch.h"

#include <gtest/gtest.h>

#include <QImage>

#include <chrono>
#include <filesystem>

#include "platform/FileOps.h"
#include "printing/JpegFile.h"
#include "printing/PrintWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class SketchTest : public test::PrintWorldTest {
protected:
    std::string file(const std::string& name) const { return designFolder() + name; }

    void writeJpegSketch(int width, int height) const {
        TRgbImage image;
        image.Width = width;
        image.Height = height;
        image.Pixels.assign(static_cast<std::size_t>(width) * height * 3, 200);
        std::string error;
        ASSERT_TRUE(SaveJpeg(image, file("C01.lbv"), 90, error)) << error;
    }
    static void age(const std::string& path, std::chrono::hours by) {
        fs::last_write_time(path, fs::last_write_time(path) - by);
    }
    static QImage picture(const std::string& path) { return QImage(QString::fromStdString(path)); }
};

TEST_F(SketchTest, JpegSketchBecomesASmallJpegAndABitmap) {
    writeJpegSketch(400, 240);
    world.writeFile("designs/C01.bmp", "stale picture");
    ConvertSketch(designFolder(), "C01.lbl");
    EXPECT_EQ(picture(file("C01.lbv")).width(), 200);
    EXPECT_EQ(picture(file("C01.jpg")).size(), QSize(200, 120));
    const std::string bmp = world.readFile("designs/C01.bmp");
    ASSERT_GE(bmp.size(), 2u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");
    EXPECT_EQ(picture(file("C01.bmp")).size(), QSize(200, 120));
}

TEST_F(SketchTest, BitmapSketchIsCopiedAsItIs) {
    QImage bitmap(30, 20, QImage::Format_RGB888);
    bitmap.fill(Qt::red);
    ASSERT_TRUE(bitmap.save(QString::fromStdString(file("C01.lbv")), "BMP"));
    ConvertSketch(designFolder(), "C01.lbl");
    EXPECT_EQ(world.readFile("designs/C01.bmp"), world.readFile("designs/C01.lbv"));
    EXPECT_FALSE(platform::FileExists(file("C01.jpg")));
}

TEST_F(SketchTest, UnknownOrMissingSketchLeavesNoPicture) {
    for (const std::string& sketch : {std::string("BM but no bitmap header"), std::string("GIF89a"), std::string()}) {
        world.writeFile("designs/C01.bmp", "stale picture");
        if (sketch.empty())
            platform::DeleteFile(file("C01.lbv"));
        else
            world.writeFile("designs/C01.lbv", sketch);
        ConvertSketch(designFolder(), "C01.lbl");
        EXPECT_FALSE(platform::FileExists(file("C01.bmp"))) << sketch;
        EXPECT_FALSE(platform::FileExists(file("C01.jpg"))) << sketch;
    }
}

TEST_F(SketchTest, CopyWhenNewerReplacesOnlyOlderTargets) {
    world.writeFile("designs/source", "new");
    world.writeFile("designs/target", "old");
    age(file("target"), std::chrono::hours(1));
    EXPECT_TRUE(CopyWhenNewer(file("source"), file("target")));
    EXPECT_EQ(world.readFile("designs/target"), "new");

    world.writeFile("designs/source", "newer still");
    age(file("source"), std::chrono::hours(2));
    EXPECT_TRUE(CopyWhenNewer(file("source"), file("target")));
    EXPECT_EQ(world.readFile("designs/target"), "new");

    EXPECT_FALSE(CopyWhenNewer(file("missing"), file("target")));
    EXPECT_EQ(world.readFile("designs/target"), "new");
}

TEST_F(SketchTest, CreateSketchCopiesTheDesignAndRendersItsFirstLabel) {
    writeTextDesign("C01", {"WearerName", "IDCodeSGTIN96"});
    const std::string design = world.readFile("designs/C01.lbl");
    fs::create_directories(world.path("target"));
    const TLabelRecord record = makeRecord(TMode::Corvane, "C01", 1, {{21, "Anna"}});
    ASSERT_TRUE(CreateSketch(TMode::Corvane, designFolder(), world.path("target"), record, "C01.lbl"));
    EXPECT_EQ(world.readFile("target/C01.lbl"), design);
    EXPECT_EQ(picture(world.path("target/C01.lbv")).width(), 200);

    // into its own folder: the design stays as it is
    ASSERT_TRUE(CreateSketch(TMode::Corvane, designFolder(), designFolder(), TLabelRecord{}, "C01.lbl"));
    EXPECT_EQ(world.readFile("designs/C01.lbl"), design);
    ConvertSketch(designFolder(), "C01.lbl");
    EXPECT_EQ(picture(file("C01.bmp")).width(), 200);
}

TEST_F(SketchTest, CreateSketchFailsForAMissingDesign) {
    EXPECT_FALSE(CreateSketch(TMode::Corvane, designFolder(), world.path("target"), TLabelRecord{}, "C09.lbl"));
}

}  // namespace
}  // namespace quill
