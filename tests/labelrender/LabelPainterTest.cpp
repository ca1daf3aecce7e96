// What the one paint path puts on a label, looked at in a raster of it.
#include "labelrender/LabelPainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>

#include "RenderTestSupport.h"
#include "labelrender/LabelJob.h"

namespace quill::labelrender {
namespace {

using test::Object;

constexpr double kDpi = 254;   // ten dots per millimetre

QRgb At(const QImage& image, double xMm, double yMm) {
    return image.pixel(static_cast<int>(xMm * 10), static_cast<int>(yMm * 10));
}
bool IsWhite(QRgb c) { return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230; }
bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
bool IsDark(QRgb c) { return qGray(c) < 80; }

class LabelPainterTest : public test::RenderTest {};

TEST_F(LabelPainterTest, PicturesKeepTheirProportionsCentredInTheBox) {
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(Qt::red);
    std::filesystem::create_directories(designFolder());
    ASSERT_TRUE(wide.save(QString::fromStdString(designFolder() + "Logo.png")));

    Design design = test::LabelDesign(40, 40);
    design.objects.push_back(Object(ImageObject{"logo.PNG"}, 0, 0, 40, 40));   // found without regard to case
    LabelFiller filler(design);
    ASSERT_TRUE(filler.LoadImages(designFolder()).ok());
    const QImage label = RenderLabelImage(design, filler.content(), kDpi);

    EXPECT_TRUE(IsRed(At(label, 20, 20)));
    EXPECT_TRUE(IsRed(At(label, 1, 20))) << "as wide as the box";
    EXPECT_TRUE(IsWhite(At(label, 20, 5))) << "not stretched to the box's height";
    EXPECT_TRUE(IsWhite(At(label, 20, 35)));
    EXPECT_TRUE(IsRed(At(label, 20, 11))) << "centred: 10 mm free above and below";
}

TEST_F(LabelPainterTest, StrokesStayInsideTheBoxAndFillsUseTheirColour) {
    Design design = test::LabelDesign(40, 30);
    design.objects.push_back(Object(RectangleObject{Stroke{Length::mm(1), Colour{}}, std::nullopt, {}}, 0, 0, 40, 30));
    design.objects.push_back(Object(EllipseObject{Stroke{Length::um(0), Colour{}}, Colour{0xFF0000}}, 10, 5, 20, 20));
    design.objects.push_back(Object(LineObject{Stroke{Length::mm(1), Colour{}}}, 40, 0, -40, 30));
    const LabelFiller filler(design);
    const QImage label = RenderLabelImage(design, filler.content(), kDpi);

    EXPECT_TRUE(IsDark(At(label, 0.1, 15))) << "a frame at the label's edge is not cut off";
    EXPECT_TRUE(IsDark(At(label, 39.9, 15)));
    EXPECT_TRUE(IsDark(At(label, 20, 29.9)));
    EXPECT_TRUE(IsWhite(At(label, 1.5, 15))) << "only 1 mm of frame";
    EXPECT_TRUE(IsRed(At(label, 13, 15)));
    EXPECT_TRUE(IsWhite(At(label, 10.5, 6))) << "an ellipse, not its box";
    EXPECT_TRUE(IsDark(At(label, 38, 1.5))) << "the line runs from top right ...";
    EXPECT_TRUE(IsDark(At(label, 2, 28.5))) << "... to bottom left";
}

// Rotation turns the contents clockwise inside the box: a text box rotated
// by 90 degrees starts at the box's top and reads downwards.
TEST_F(LabelPainterTest, RotatedTextRunsDownTheBox) {
    Design design = test::LabelDesign(20, 60);
    TextObject text = test::Text("{Filler}", 20);
    design.objects.push_back(Object(text, 5, 5, 10, 50, 90));
    VariableSet variables;
    variables.Define("Filler", "IIII", VariableType::Text);
    LabelFiller filler(design);
    ASSERT_TRUE(filler.Fill(variables, {}).ok());
    const QImage label = RenderLabelImage(design, filler.content(), kDpi);

    auto inkInRows = [&](double fromMm, double toMm) {
        for (int y = static_cast<int>(fromMm * 10); y < static_cast<int>(toMm * 10); ++y)
            for (int x = 0; x < label.width(); ++x)
                if (IsDark(label.pixel(x, y))) return true;
        return false;
    };
    EXPECT_TRUE(inkInRows(5, 15)) << "the text begins at the top of the box";
    EXPECT_FALSE(inkInRows(40, 60)) << "and does not reach its bottom";
    EXPECT_FALSE(inkInRows(0, 5)) << "nothing above the box";
}

// A value longer than its box must not print over its neighbours.
TEST_F(LabelPainterTest, TextThatRunsOutOfItsBoxIsCutAtTheBox) {
    Design design = test::LabelDesign(60, 40);
    design.objects.push_back(Object(test::Text("{Long}", 20), 5, 5, 20, 10));   // one line, far too wide
    TextObject wrapped = test::Text("{Long}", 20);
    wrapped.wordWrap = true;
    design.objects.push_back(Object(wrapped, 40, 20, 15, 10));   // many lines, far too tall
    VariableSet variables;
    variables.Define("Long", "WWW WWW WWW WWW WWW", VariableType::Text);
    LabelFiller filler(design);
    ASSERT_TRUE(filler.Fill(variables, {}).ok());
    const QImage label = RenderLabelImage(design, filler.content(), kDpi);

    auto inkIn = [&](double x0, double y0, double x1, double y1) {
        for (int y = static_cast<int>(y0 * 10); y < static_cast<int>(y1 * 10); ++y)
            for (int x = static_cast<int>(x0 * 10); x < static_cast<int>(x1 * 10); ++x)
                if (IsDark(label.pixel(x, y))) return true;
        return false;
    };
    EXPECT_TRUE(inkIn(5, 5, 25, 15));
    EXPECT_FALSE(inkIn(25.2, 0, 40, 20)) << "nothing right of the first box";
    EXPECT_TRUE(inkIn(40, 20, 55, 30));
    EXPECT_FALSE(inkIn(35, 30.2, 60, 40)) << "nothing below the second box";
}

}  // namespace
}  // namespace quill::labelrender
