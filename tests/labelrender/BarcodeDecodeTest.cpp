// Every symbology the library draws is printed to a real PDF, rasterised by
// pdftoppm and read back by zxing-cpp: what a scanner reads must be the
// variable's value.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "RenderTestSupport.h"
#include "labelrender/LabelJob.h"

namespace quill::labelrender {
namespace {

using test::Object;
using ZXing::BarcodeFormat;

constexpr int kDpi = 300;

struct Symbol {
    ObjectKind kind;
    double x, y, width, height;
    int rotation;
    BarcodeFormat format;
};

struct Label {
    std::map<std::string, std::string> values;
    // what the scanner reports per object, in the order of the objects
    std::vector<std::string> decoded;
};

class BarcodeDecodeTest : public test::RenderTest {
protected:
    // Prints one label per entry of `labels` (one label per page) and
    // checks every symbol of every page.
    void PrintAndDecode(const std::vector<Symbol>& symbols, const std::vector<Label>& labels) {
        Design design = test::LabelDesign(100, 80);
        for (const Symbol& s : symbols) design.objects.push_back(Object(s.kind, s.x, s.y, s.width, s.height, s.rotation));
        const std::string path = Save(design, "CODES");

        LabelJob job;
        job.LlDefineVariableStart();
        for (const auto& [name, value] : labels.front().values) job.LlDefineVariableExt(name, value, VariableType::Barcode);
        ASSERT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, path, LL_PRINT_NORMAL), 0) << job.LastErrorMessage();
        for (const Label& label : labels) {
            for (const auto& [name, value] : label.values) job.LlDefineVariableExt(name, value, VariableType::Barcode);
            ASSERT_EQ(job.LlPrint(), 0) << job.LastErrorMessage();
        }
        ASSERT_EQ(job.LlPrintEnd(0), 0) << job.LastErrorMessage();

        const auto files = test::FilesIn(pdfFolder(), ".pdf");
        ASSERT_EQ(files.size(), 1u);
        ASSERT_EQ(test::ReadPdfInfo(files[0]).pages, static_cast<int>(labels.size()));
        for (std::size_t page = 0; page < labels.size(); ++page) {
            const QImage raster = test::RasterisePdf(files[0], kDpi, static_cast<int>(page + 1));
            ASSERT_FALSE(raster.isNull());
            for (std::size_t i = 0; i < symbols.size(); ++i) {
                const Symbol& s = symbols[i];
                const QImage area = test::Crop(raster, s.x, s.y, s.width, s.height, kDpi);
                EXPECT_EQ(test::Decode(area, s.format), labels[page].decoded[i])
                    << "page " << page + 1 << ", object " << i + 1 << " (" << TypeName(s.kind) << ")";
            }
        }
    }
};

TEST_F(BarcodeDecodeTest, EverySymbologyReadsBackAsTheVariablesValue) {
    const std::vector<Symbol> symbols = {
        {test::Barcode("{BarcodeIDCode}", Symbology::Interleaved2of5), 5, 3, 60, 14, 0, BarcodeFormat::ITF},
        {test::Barcode("{Code}", Symbology::Code128), 5, 19, 60, 12, 0, BarcodeFormat::Code128},
        {test::Barcode("{Code39}", Symbology::Code39, false), 5, 33, 60, 12, 0, BarcodeFormat::Code39},
        {test::Barcode("{Article}", Symbology::Ean13), 5, 47, 45, 15, 0, BarcodeFormat::EAN13},
        {test::Barcode("{Gtin}", Symbology::Gs1_128), 5, 64, 60, 14, 0, BarcodeFormat::Code128},
        {DataMatrixObject{test::Tpl("{DataMatrixIDCode}"), {}}, 72, 3, 20, 20, 0, BarcodeFormat::DataMatrix},
        {QrCodeObject{test::Tpl("Locker {Locker}"), {}}, 72, 27, 22, 22, 0, BarcodeFormat::QRCode},
    };
    const std::vector<Label> labels = {
        {{{"BarcodeIDCode", "00001234"}, {"Code", "Quill-128 ab"}, {"Code39", "CODE-39 A"}, {"Article", "590123412345"},
          {"Gtin", "[01]09501101530003"}, {"DataMatrixIDCode", "00005814"}, {"Locker", "A-17"}},
         {"00001234", "Quill-128 ab", "CODE-39 A", "5901234123457", "0109501101530003", "00005814", "Locker A-17"}},
        // the second label must not show the first one's symbols again
        {{{"BarcodeIDCode", "987654"}, {"Code", "second"}, {"Code39", "TWO"}, {"Article", "4006381333931"},
          {"Gtin", "[01]04006381333931[10]ABC"}, {"DataMatrixIDCode", "1234567890123456"}, {"Locker", "B-2"}},
         {"987654", "second", "TWO", "4006381333931", "0104006381333931" "10ABC", "1234567890123456", "Locker B-2"}},
    };
    PrintAndDecode(symbols, labels);
}

TEST_F(BarcodeDecodeTest, RotatedSymbolsReadBack) {
    const std::vector<Symbol> symbols = {
        {test::Barcode("{A}", Symbology::Interleaved2of5), 5, 5, 14, 60, 90, BarcodeFormat::ITF},
        {test::Barcode("{B}", Symbology::Code128), 25, 5, 14, 60, 270, BarcodeFormat::Code128},
        {test::Barcode("{C}", Symbology::Code128), 45, 5, 50, 14, 180, BarcodeFormat::Code128},
        {DataMatrixObject{test::Tpl("{D}"), {}}, 50, 30, 20, 20, 90, BarcodeFormat::DataMatrix},
    };
    PrintAndDecode(symbols, {{{{"A", "12345678"}, {"B", "Up-270"}, {"C", "Upside down"}, {"D", "DM 90"}},
                              {"12345678", "Up-270", "Upside down", "DM 90"}}});
}

// Values are bytes in the label code page; they become text only where
// they are drawn or encoded.
TEST_F(BarcodeDecodeTest, TheCodePageDecidesWhatTheBytesSay) {
    Design design = test::LabelDesign(40, 40);
    design.objects.push_back(Object(QrCodeObject{test::Tpl("{Name}"), {}}, 5, 5, 30, 30));
    const std::string path = Save(design, "NAME");
    struct Case {
        int codePage;   // -1: not set on the job
        std::string bytes;
        std::string decoded;
    };
    const Case cases[] = {
        {-1, "J\xe9r\xf4me", "J\xc3\xa9r\xc3\xb4me"},
        {1252, "\x80 5", "\xe2\x82\xac 5"},
        {65001, "J\xc3\xa9r\xc3\xb4me", "J\xc3\xa9r\xc3\xb4me"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(pdfFolder());
        LabelJob job;
        if (c.codePage >= 0) job.LlSetOption(LL_OPTION_CODEPAGE, c.codePage);
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("Name", c.bytes, VariableType::Text);
        ASSERT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, path, LL_PRINT_NORMAL), 0) << job.LastErrorMessage();
        ASSERT_EQ(job.LlPrint(), 0) << job.LastErrorMessage();
        ASSERT_EQ(job.LlPrintEnd(0), 0) << job.LastErrorMessage();
        const auto files = test::FilesIn(pdfFolder(), ".pdf");
        ASSERT_EQ(files.size(), 1u);
        EXPECT_EQ(test::Decode(test::RasterisePdf(files[0], kDpi), BarcodeFormat::QRCode), c.decoded)
            << "code page " << c.codePage;
    }
}

}  // namespace
}  // namespace quill::labelrender
