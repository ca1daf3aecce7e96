// On a printer of known resolution every module is a whole number of
// printer dots. Each symbology prints at 203, 300 and 600 dpi in the
// smallest box the check accepts, is rasterised by pdftoppm at exactly that
// resolution, as a printer's filter would, and scans; a box one dot smaller
// is refused, naming the object and the size it needs.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <optional>

#include "RenderTestSupport.h"
#include "labelrender/DesignCheck.h"
#include "labelrender/LabelContent.h"
#include "labelrender/LabelJob.h"
#include "labelrender/PrinterSettings.h"

namespace quill::labelrender {
namespace {

using test::Object;
using ZXing::BarcodeFormat;

constexpr double kMargin = 3;   // mm of white label around the symbol's box
constexpr double kLinearHeight = 15;

struct Case {
    const char* name;
    ObjectKind kind;
    std::string value;
    std::string decoded;
    BarcodeFormat format;
};

// A scanner sees a symbol of one-dot modules larger than the printer's
// raster; enlarging by whole pixels keeps every dot's edges.
std::string DecodeEnlarged(const QImage& area, BarcodeFormat format) {
    return test::Decode(area.scaled(area.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation), format);
}

bool IsLinear(const ObjectKind& kind) { return std::holds_alternative<BarcodeObject>(kind); }

class DotGridTest : public test::RenderTest {
protected:
    // One label with the symbol in a box of `widthUm` x `heightUm` on the
    // PDF printer at `dpi`.
    std::string MakeDesign(const Case& c, Length width, Length height, int dpi, double xMm = kMargin) {
        Design design = test::LabelDesign(width.mm() + xMm + kMargin, height.mm() + 2 * kMargin);
        DesignObject object = Object(c.kind, xMm, kMargin, 0, 0);
        object.width = width;
        object.height = height;
        design.objects.push_back(object);
        const std::string path = Save(design, "GRID");
        EXPECT_TRUE((PrinterSettings{kPdfPrinterName, 1, dpi}.Save(designFolder() + "GRID.lbp")));
        std::filesystem::remove_all(pdfFolder());
        return path;
    }

    VariableSet Values(const Case& c) const {
        VariableSet values;
        values.Define("V", c.value, VariableType::Text);
        return values;
    }

    // The smallest box the check accepts for the case at `dpi`.
    std::pair<Length, Length> SmallestBox(const Case& c, int dpi) {
        Design design;
        Design::Load(MakeDesign(c, Length::mm(200), Length::mm(200), dpi), design);
        const DesignCheck check = CheckDesign(design, Values(c), {}, dpi);
        EXPECT_EQ(check.symbols.size(), 1u) << (check.problems.empty() ? "" : check.problems[0].ToString());
        if (check.symbols.empty()) return {};
        const SymbolReport& report = check.symbols[0];
        const Length height = IsLinear(c.kind) ? Length::mm(kLinearHeight) : Length::mm(report.minimumHeightMm);
        return {Length::mm(report.minimumWidthMm), height};
    }

    // Prints one label; the result of LlPrint, with the message in `message`.
    int Print(const std::string& path, const Case& c, std::string& message) {
        LabelJob job;
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("V", c.value, VariableType::Text);
        job.LlSetPrinterDefaultsDir(designFolder());
        EXPECT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, path, LL_PRINT_NORMAL), 0) << job.LastErrorMessage();
        const int printed = job.LlPrint();
        message = job.LastErrorMessage();
        job.LlPrintEnd(0);
        return printed;
    }

    void ExpectRefusedOneDotSmaller(const Case& c, Length width, Length height, int dpi) {
        const Length dot = Length::um(static_cast<std::int64_t>(std::ceil(25400.0 / dpi)));
        std::string message;
        ASSERT_EQ(Print(MakeDesign(c, width - dot, height, dpi), c, message), LL_ERR_BARCODE);
        EXPECT_NE(message.find("[Object1]"), std::string::npos) << message;
        char needed[64];
        std::snprintf(needed, sizeof needed, "needs a box at least %g", std::round(width.mm() * 1000) / 1000);
        EXPECT_NE(message.find(needed), std::string::npos) << message;
        EXPECT_NE(message.find(std::to_string(dpi) + " dpi"), std::string::npos) << message;
    }

    QImage Raster(int dpi) {
        const auto files = test::FilesIn(pdfFolder(), ".pdf");
        EXPECT_EQ(files.size(), 1u);
        return files.empty() ? QImage() : test::RasterisePdf(files[0], dpi);
    }
};

BarcodeObject Code(Symbology symbology) { return test::Barcode("{V}", symbology, false); }

// Every symbology zxing-cpp reads, by family.
const Case kCases[] = {
    // two of five
    {"Interleaved 2 of 5", test::Barcode("{V}", Symbology::Interleaved2of5), "00005814", "00005814", BarcodeFormat::ITF},
    {"ITF-14", Code(Symbology::ITF14), "1540014128876", "15400141288763", BarcodeFormat::ITF},
    // Code 39, 93, 128 and Codabar
    {"Code 39", test::Barcode("{V}", Symbology::Code39), "LOCKER 17", "LOCKER 17", BarcodeFormat::Code39},
    {"LOGMARS", Code(Symbology::LOGMARS), "LOG-17", "LOG-17", BarcodeFormat::Code39},
    {"Code 93", Code(Symbology::Code93), "CODE 93", "CODE 93", BarcodeFormat::Code93},
    {"Codabar", Code(Symbology::Codabar), "A40156B", "40156", BarcodeFormat::Codabar},
    {"Code 128", test::Barcode("{V}", Symbology::Code128), "Quill-128", "Quill-128", BarcodeFormat::Code128},
    {"GS1-128", test::Barcode("{V}", Symbology::Gs1_128), "[01]09501101530003[10]AB1", "010950110153000310AB1",
     BarcodeFormat::Code128},
    // EAN/UPC
    {"EAN-13", test::Barcode("{V}", Symbology::Ean13), "590123412345", "5901234123457", BarcodeFormat::EAN13},
    {"EAN-8", Code(Symbology::Ean8), "9638507", "96385074", BarcodeFormat::EAN8},
    {"UPC-A", Code(Symbology::UPCA), "72527273070", "725272730706", BarcodeFormat::UPCA},
    {"UPC-E", Code(Symbology::UPCE), "0123456", "01234565", BarcodeFormat::UPCE},
    // GS1 DataBar
    {"GS1 DataBar", Code(Symbology::Gs1DataBar), "0950110153000", "09501101530003", BarcodeFormat::DataBar},
    {"GS1 DataBar Expanded", Code(Symbology::Gs1DataBarExpanded), "[01]09501101530003[10]AB1",
     "(01)09501101530003(10)AB1", BarcodeFormat::DataBarExpanded},
    // stacked and two-dimensional
    {"PDF417", Code(Symbology::PDF417), "PDF417 set 4711", "PDF417 set 4711", BarcodeFormat::PDF417},
    {"DataMatrix", DataMatrixObject{test::Tpl("{V}"), {}}, "303402123456789", "303402123456789",
     BarcodeFormat::DataMatrix},
    {"GS1 DataMatrix", Code(Symbology::Gs1DataMatrix), "[01]09501101530003[21]SET4711", "010950110153000321SET4711",
     BarcodeFormat::DataMatrix},
    {"QR Code", QrCodeObject{test::Tpl("{V}"), {}}, "https://example.org/set/4711", "https://example.org/set/4711",
     BarcodeFormat::QRCode},
    {"GS1 QR Code", Code(Symbology::Gs1QRCode), "[01]09501101530003", "0109501101530003", BarcodeFormat::QRCode},
    {"Micro QR Code", Code(Symbology::MicroQRCode), "4711", "4711", BarcodeFormat::MicroQRCode},
    {"Aztec", Code(Symbology::Aztec), "Aztec 4711", "Aztec 4711", BarcodeFormat::Aztec},
};

TEST_F(DotGridTest, EverySymbologyScansInTheSmallestBoxAndOneDotLessIsRefused) {
    for (const int dpi : {203, 300, 600}) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(dpi) + " dpi");
            const auto [width, height] = SmallestBox(c, dpi);
            std::string message;
            ASSERT_EQ(Print(MakeDesign(c, width, height, dpi), c, message), 0) << message;
            EXPECT_EQ(DecodeEnlarged(test::Crop(Raster(dpi), kMargin, kMargin, width.mm(), height.mm(), dpi), c.format),
                      c.decoded);
            ExpectRefusedOneDotSmaller(c, width, height, dpi);
        }
    }
}

// The format's other symbologies cannot be read back here, but each one
// encodes a value it takes, prints in the smallest box the check accepts
// and is refused one dot below it.
TEST_F(DotGridTest, EverySymbologyOfTheFormatIsRefusedOneDotBelowItsSmallestBox) {
    constexpr int kDpi = 203;
    // values of every kind some symbology takes
    const char* const kValues[] = {"12345678", "1234567", "123456", "12345", "1234567890128", "[01]09501101530003",
                                   "A12345B", "725272730706", "01234565", "9780306406157", "A", "DAFTDAFT",
                                   "1234567890128|[99]1234-abcd", "[01]09501101530003|[99]1234-abcd",
                                   "72527273070|[99]1234-abcd", "0123456|[99]1234-abcd", "11210012341234567AB19XY1A",
                                   "%000393206219912345678101040", "123", "1FTCR10UXTPA78180", "+A123BJC5D6E71",
                                   "12345678901234567890"};
    std::vector<std::string> unencoded;
    for (const SymbologyInfo& info : AllSymbologies()) {
        SCOPED_TRACE(std::string(info.name));
        std::optional<Case> found;
        for (const char* value : kValues) {
            const Case c{info.name.data(), Code(info.symbology), value, value, BarcodeFormat::None};
            std::shared_ptr<const VectorSymbol> symbol;
            SymbolRequest request = *SymbolRequestFor(c.kind, value);
            if (EncodeSymbol(request, symbol).ok()) {
                found = c;
                break;
            }
        }
        if (!found) {
            unencoded.emplace_back(info.name);
            continue;
        }
        const auto [width, height] = SmallestBox(*found, kDpi);
        std::string message;
        EXPECT_EQ(Print(MakeDesign(*found, width, height, kDpi), *found, message), 0) << message;
        ExpectRefusedOneDotSmaller(*found, width, height, kDpi);
    }
    EXPECT_TRUE(unencoded.empty()) << ::testing::PrintToString(unencoded);
}

// Bars of whole dots, whatever the box's place on the label: every run of
// ink or space across the bars is a multiple of the module's dots.
TEST_F(DotGridTest, BarsAreWholeModulesOfDotsWhereverTheBoxSits) {
    constexpr int kDpi = 203;
    const Case& itf = kCases[0];
    const auto [smallest, height] = SmallestBox(itf, kDpi);
    const Length width = Length::um(smallest.um() * 5 / 2);   // room for two dots per module, not three
    std::string message;
    ASSERT_EQ(Print(MakeDesign(itf, width, height, kDpi, 3.37), itf, message), 0) << message;
    const QImage raster = Raster(kDpi).convertToFormat(QImage::Format_Grayscale8);
    const int row = static_cast<int>((kMargin + 2) * kDpi / 25.4);
    const auto dark = [&](int x) { return qGray(raster.pixel(x, row)) < 128; };
    std::vector<int> runs;   // lengths of alternating space and ink
    for (int x = 0; x < raster.width();) {
        const int start = x;
        const bool ink = dark(x);
        while (x < raster.width() && dark(x) == ink) ++x;
        runs.push_back(x - start);
    }
    ASSERT_GT(runs.size(), 20u);
    // the label's white before the first bar and after the last one
    runs.erase(runs.begin());
    runs.pop_back();
    for (int run : runs) EXPECT_EQ(run % 2, 0) << "a run of " << run << " dots";
}

// The text under the bars is set to the symbology's proportions, never so
// small that a 203 dpi printer makes it unreadable.
TEST_F(DotGridTest, HumanReadableTextIsReadableOnA203DpiPrinter) {
    constexpr int kDpi = 203;
    const Case& itf = kCases[0];
    std::string message;
    ASSERT_EQ(Print(MakeDesign(itf, Length::mm(60), Length::mm(15), kDpi), itf, message), 0) << message;
    const QImage raster = Raster(kDpi).convertToFormat(QImage::Format_Grayscale8);
    const auto px = [](double mm) { return static_cast<int>(std::lround(mm * kDpi / 25.4)); };
    int textRows = 0;
    for (int y = px(kMargin); y < px(kMargin + 15); ++y) {
        int ink = 0;
        for (int x = px(kMargin); x < px(kMargin + 60); ++x) ink += qGray(raster.pixel(x, y)) < 128;
        const bool barRow = ink > px(60) / 4;
        if (ink > 0 && !barRow) ++textRows;
    }
    EXPECT_GE(textRows, px(1.5)) << "digits at least 1.5 mm high";
    EXPECT_EQ(test::Decode(test::Crop(raster, kMargin, kMargin, 60, 15, kDpi), BarcodeFormat::ITF), "00005814");
}

}  // namespace
}  // namespace quill::labelrender
