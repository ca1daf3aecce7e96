// A printer's calibration moves and stretches everything printed there,
// except that symbols keep their whole printer dots; the calibration page
// shows where a printer puts things.
#include "labelrender/Calibration.h"

#include <gtest/gtest.h>

#include "RenderTestSupport.h"
#include "core/SettingsStore.h"
#include "core/UGlobals.h"
#include "labelrender/LabelJob.h"
#include "labelrender/PrinterSettings.h"

namespace quill::labelrender {
namespace {

using test::Object;
constexpr int kDpi = 203;

class CalibrationTest : public test::RenderTest {
protected:
    QImage PrintOnce(const std::string& path) {
        LabelJob job;
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("Code", "00005814", VariableType::Barcode);
        job.LlSetPrinterDefaultsDir(designFolder());
        EXPECT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, path, LL_PRINT_NORMAL), 0) << job.LastErrorMessage();
        EXPECT_EQ(job.LlPrint(), 0) << job.LastErrorMessage();
        EXPECT_EQ(job.LlPrintEnd(0), 0) << job.LastErrorMessage();
        const auto files = test::FilesIn(pdfFolder(), ".pdf");
        EXPECT_EQ(files.size(), 1u);
        return files.empty() ? QImage() : test::RasterisePdf(files.back(), kDpi).convertToFormat(QImage::Format_Grayscale8);
    }
};

// The first dark column and row of the raster, in millimetres.
std::pair<double, double> InkStart(const QImage& raster) {
    int left = raster.width(), top = raster.height();
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            if (qGray(raster.pixel(x, y)) < 128) left = std::min(left, x), top = std::min(top, y);
    return {left * 25.4 / kDpi, top * 25.4 / kDpi};
}

TEST_F(CalibrationTest, LabelsMoveAndStretchByThePrintersCalibration) {
    Design design = test::LabelDesign(60, 40);
    design.objects.push_back(Object(RectangleObject{Stroke{Length::um(0), {}}, Colour{}, {}}, 10, 10, 10, 5));
    design.objects.push_back(Object(test::Barcode("{Code}", Symbology::Interleaved2of5), 10, 20, 45, 15));
    const std::string path = Save(design, "CAL");
    ASSERT_TRUE((PrinterSettings{kPdfPrinterName, 1, kDpi}.Save(designFolder() + "CAL.lbp")));

    WriteCalibration(kPdfPrinterName, Calibration{20, -10, 100});   // 2 mm right, 1 mm up, 1 % larger
    const QImage raster = PrintOnce(path);
    const auto [x, y] = InkStart(raster);
    EXPECT_NEAR(x, 2 + 10 * 1.01, 0.15);
    EXPECT_NEAR(y, -1 + 10 * 1.01, 0.15);
    EXPECT_EQ(test::Decode(test::Crop(raster, 12, 19, 46, 16, kDpi), ZXing::BarcodeFormat::ITF), "00005814");
}

TEST_F(CalibrationTest, ValuesBeyondTheLimitsCountAsTheLimits) {
    WithSettingsSection("\\Calibration.Zebra", [] {
        WriteValue("OffsetX", std::string("99"));
        WriteValue("OffsetY", std::string("not a number"));
        WriteValue("Scale", std::string("-500"));
    });
    const Calibration read = ReadCalibration("Zebra");
    EXPECT_EQ(read.offsetX, kMaxCalibrationOffset);
    EXPECT_EQ(read.offsetY, 0);
    EXPECT_EQ(read.scale, -kMaxCalibrationScale);
    EXPECT_TRUE(ReadCalibration("Other").IsNone()) << "kept per printer";
}

TEST_F(CalibrationTest, TheCalibrationPageShowsRulersAndCrossesWhereTheyBelong) {
    ASSERT_TRUE(PrintCalibrationPage(kPdfPrinterName).ok());
    const auto files = test::FilesIn(pdfFolder(), ".pdf");
    ASSERT_EQ(files.size(), 1u);
    const test::PdfInfo info = test::ReadPdfInfo(files[0]);
    EXPECT_NEAR(info.widthPt, 100 * 72 / 25.4, 0.5);
    const QImage raster = test::RasterisePdf(files[0], 300).convertToFormat(QImage::Format_Grayscale8);
    const auto dark = [&](double xMm, double yMm) {
        return qGray(raster.pixel(static_cast<int>(xMm * 300 / 25.4), static_cast<int>(yMm * 300 / 25.4))) < 128;
    };
    EXPECT_TRUE(dark(10, 10)) << "a cross 10 mm in from the corner";
    EXPECT_TRUE(dark(50, 30)) << "and one in the middle";
    EXPECT_TRUE(dark(20.02, 1)) << "a ruler tick every millimetre";
    EXPECT_FALSE(dark(20.5, 1));
}

}  // namespace
}  // namespace quill::labelrender
