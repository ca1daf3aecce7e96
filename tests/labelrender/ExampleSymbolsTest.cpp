// The symbols of the shipped sample designs, at the sizes those designs
// give them, must scan on a 203 dpi thermal printer: each design passes the
// print-quality check there, prints one label through the PDF printer set
// to 203 dpi, the page is rasterised at 203 dpi and every barcode and
// DataMatrix is read back with zxing-cpp.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "RenderTestSupport.h"
#include "labelrender/DesignCheck.h"
#include "labelrender/LabelJob.h"
#include "labelrender/PrinterSettings.h"

namespace quill::labelrender {
namespace {

namespace fs = std::filesystem;
using ZXing::BarcodeFormat;

constexpr int kDpi = 203;

// A value every symbology of the samples accepts (an even number of digits
// for Interleaved 2 of 5), and short texts as a site's would be.
std::string SampleValue(const std::string& variable) {
    if (variable.find("DataMatrix") != std::string::npos) return "303402123456789";
    if (variable.find("Barcode") != std::string::npos) return "30340212";
    return "A1";
}

BarcodeFormat FormatOf(const ObjectKind& kind) {
    if (std::holds_alternative<DataMatrixObject>(kind)) return BarcodeFormat::DataMatrix;
    if (std::holds_alternative<QrCodeObject>(kind)) return BarcodeFormat::QRCode;
    switch (std::get<BarcodeObject>(kind).symbology) {
        case Symbology::Interleaved2of5: return BarcodeFormat::ITF;
        case Symbology::Code39: return BarcodeFormat::Code39;
        case Symbology::Ean13: return BarcodeFormat::EAN13;
        default: return BarcodeFormat::Code128;
    }
}

bool IsSymbol(const ObjectKind& kind) {
    return std::holds_alternative<BarcodeObject>(kind) || std::holds_alternative<DataMatrixObject>(kind) ||
           std::holds_alternative<QrCodeObject>(kind);
}

class ExampleSymbolsTest : public test::RenderTest {};

TEST_F(ExampleSymbolsTest, EverySampleSymbolScansAsItsValue) {
    int symbols = 0;
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(QUILL_SOURCE_DIR) / "examples/designs")) {
        if (entry.path().extension() != ".lbl") continue;
        SCOPED_TRACE(entry.path().string());
        Design design;
        ASSERT_TRUE(Design::Load(entry.path().string(), design).ok());
        const std::string path = Save(design, entry.path().stem().string());
        ASSERT_TRUE((PrinterSettings{kPdfPrinterName, 1, kDpi}.Save(designFolder() + entry.path().stem().string() + ".lbp")));
        for (const auto& pdf : test::FilesIn(pdfFolder())) fs::remove(pdf);

        LabelJob job;
        job.LlDefineVariableStart();
        for (const std::string& name : design.VariableNames())
            job.LlDefineVariableExt(name, SampleValue(name), VariableType::Text);
        job.LlSetPrinterDefaultsDir(designFolder());
        ASSERT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, path, LL_PRINT_NORMAL), 0) << job.LastErrorMessage();
        for (const DesignProblem& problem : job.LlPrintCheckDesign().problems) ADD_FAILURE() << problem.ToString();
        ASSERT_EQ(job.LlPrint(), 0) << job.LastErrorMessage();
        ASSERT_EQ(job.LlPrintEnd(0), 0) << job.LastErrorMessage();
        const auto files = test::FilesIn(pdfFolder(), ".pdf");
        ASSERT_EQ(files.size(), 1u);
        const QImage page = test::RasterisePdf(files[0], kDpi);
        ASSERT_FALSE(page.isNull());

        const double labelX = design.geometry.LabelX(0).mm();
        const double labelY = design.geometry.LabelY(0).mm();
        for (const DesignObject& object : design.objects) {
            if (!IsSymbol(object.kind)) continue;
            ++symbols;
            std::string expected = object.Contents()->Expand(SampleValue);
            if (const auto* matrix = std::get_if<DataMatrixObject>(&object.kind); matrix && matrix->gs1)
                std::erase_if(expected, [](char c) { return c == '[' || c == ']'; });   // read without the brackets
            const QImage area = test::Crop(page, labelX + object.x.mm(), labelY + object.y.mm(), object.width.mm(),
                                           object.height.mm(), kDpi);
            EXPECT_EQ(test::Decode(area, FormatOf(object.kind)), expected) << object.name;
        }
    }
    EXPECT_GE(symbols, 8);
}

}  // namespace
}  // namespace quill::labelrender
