// The job interface against the built-in PDF printer: what reaches the PDF
// folder, and which designs and values are refused with which code.
#include "labelrender/LabelJob.h"

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <regex>

#include "RenderTestSupport.h"
#include "labelrender/PrinterSettings.h"

namespace quill::labelrender {
namespace {

namespace fs = std::filesystem;
using test::Object;

class LabelJobTest : public test::RenderTest {
protected:
    // A 50 x 30 mm label with a text and a barcode variable, `rows` x `cols` per page.
    std::string SimpleDesign(const std::string& name, int rows = 1, int cols = 1) {
        Design design = test::LabelDesign(50, 30, rows, cols);
        design.objects.push_back(Object(test::Text("Locker {Locker}"), 2, 2, 46, 8));
        design.objects.push_back(Object(test::Barcode("{Barcode}", Symbology::Interleaved2of5), 2, 12, 46, 16));
        return Save(design, name);
    }
    void DefineSamples(LabelJob& job) {
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("Locker", "Locker", VariableType::Text);
        job.LlDefineVariableExt("Barcode", "00001234", VariableType::Barcode);
    }
    // Prints `count` labels; returns LlPrintEnd's result.
    int PrintLabels(LabelJob& job, const std::string& design, int count, int offset = 0) {
        EXPECT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, design, LL_PRINT_NORMAL), 0) << job.LastErrorMessage();
        if (offset) {
            EXPECT_EQ(job.LlPrintSetOption(LL_PRNOPT_OFFSET, offset), 0);
        }
        for (int i = 0; i < count; ++i) EXPECT_EQ(job.LlPrint(), 0) << job.LastErrorMessage();
        return job.LlPrintEnd(0);
    }
};

TEST_F(LabelJobTest, PdfPrinterWritesOneNamedFilePerJobWithTheDesignsPages) {
    const std::string design = SimpleDesign("AB07", 3, 2);   // page: 100 x 90 mm
    LabelJob job;
    DefineSamples(job);
    ASSERT_EQ(PrintLabels(job, design, 7), 0) << job.LastErrorMessage();
    EXPECT_EQ(job.LlPrintGetPrinterInfo().name, "PDF");
    ASSERT_EQ(PrintLabels(job, design, 1), 0) << job.LastErrorMessage();

    const auto files = test::FilesIn(pdfFolder());
    ASSERT_EQ(files.size(), 2u) << "one file per job, the first one not overwritten";
    const std::regex name(R"(AB07_\d{8}-\d{6}_\d{4}\.pdf)");
    for (const auto& file : files) EXPECT_TRUE(std::regex_match(fs::path(file).filename().string(), name)) << file;
    const test::PdfInfo first = test::ReadPdfInfo(files[0]);
    const test::PdfInfo second = test::ReadPdfInfo(files[1]);
    EXPECT_EQ(first.pages + second.pages, 3) << "7 labels on 6 per page, then 1";
    EXPECT_NEAR(first.widthPt, 100 * 72 / 25.4, 0.5);
    EXPECT_NEAR(first.heightPt, 90 * 72 / 25.4, 0.5);
}

TEST_F(LabelJobTest, PdfFolderFallsBackToTheTempLocation) {
    unsetenv("QUILL_PDF_DIR");
    LabelJob job;
    DefineSamples(job);
    ASSERT_EQ(PrintLabels(job, SimpleDesign("T1"), 1), 0) << job.LastErrorMessage();
    EXPECT_EQ(test::FilesIn(world.path("temp/PDF/"), ".pdf").size(), 1u);
}

// Labels fill a page row by row; the offset leaves the first positions of
// the first page empty, as for a sheet that was used before.
TEST_F(LabelJobTest, LabelsGoToTheNextPositionsAfterTheOffset) {
    const std::string design = SimpleDesign("SHEET", 3, 2);
    LabelJob job;
    DefineSamples(job);
    ASSERT_EQ(PrintLabels(job, design, 3, 4), 0) << job.LastErrorMessage();
    const auto files = test::FilesIn(pdfFolder(), ".pdf");
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(test::ReadPdfInfo(files[0]).pages, 2) << "positions 5 and 6, then a new page";

    constexpr int dpi = 50;
    const QImage first = test::RasterisePdf(files[0], dpi, 1);
    const QImage second = test::RasterisePdf(files[0], dpi, 2);
    auto inked = [&](const QImage& page, int position) {
        const int x0 = (position % 2) * 50 * dpi * 10 / 254;
        const int y0 = (position / 2) * 30 * dpi * 10 / 254;
        for (int y = y0; y < y0 + 30 * dpi * 10 / 254; ++y)
            for (int x = x0; x < x0 + 50 * dpi * 10 / 254; ++x)
                if (qGray(page.pixel(x, y)) < 128) return true;
        return false;
    };
    ASSERT_FALSE(first.isNull());
    for (int position = 0; position < 6; ++position)
        EXPECT_EQ(inked(first, position), position >= 4) << "page 1, position " << position + 1;
    for (int position = 0; position < 6; ++position)
        EXPECT_EQ(inked(second, position), position == 0) << "page 2, position " << position + 1;
}

TEST_F(LabelJobTest, AJobWithoutLabelsPrintsNothing) {
    LabelJob job;
    DefineSamples(job);
    EXPECT_EQ(PrintLabels(job, SimpleDesign("EMPTY"), 0), 0);
    EXPECT_TRUE(test::FilesIn(pdfFolder()).empty());
}

TEST_F(LabelJobTest, StartRefusesBadDesignsAndLeavesNoJobOpen) {
    Design noObjects = test::LabelDesign(50, 30);
    Design unknownVariable = test::LabelDesign(50, 30);
    unknownVariable.objects.push_back(Object(test::Text("{Locker} {WearerName} {Locker}"), 0, 0, 10, 10));
    Design missingImage = test::LabelDesign(50, 30);
    missingImage.objects.push_back(Object(ImageObject{"logo.png"}, 0, 0, 10, 10));
    world.writeFile("designs/BADTEXT.lbl", "[Design]\nFormatVersion=1\n[Object1]\nType=Text\nContents=Locker {Locker\n");
    world.writeFile("designs/HOLOGRAM.lbl", "[Design]\nFormatVersion=1\n[Object1]\nType=Hologram\n");
    world.writeFile("designs/JUNK.lbl", std::string("\x89PNG\r\n\x1a\n\0\0", 10));
    world.writeFile("designs/NOTANIMAGE.txt", "not a picture");
    Design unreadableImage = test::LabelDesign(50, 30);
    unreadableImage.objects.push_back(Object(ImageObject{"NOTANIMAGE.txt"}, 0, 0, 10, 10));

    struct Case {
        std::string path;
        int code;
        const char* says;
    };
    const Case cases[] = {
        {designFolder() + "MISSING.lbl", LL_ERR_CFGNOTFOUND, "MISSING.lbl"},
        {Save(noObjects, "NOOBJ"), LL_ERR_NOOBJECT, "no objects"},
        {Save(unknownVariable, "UNKNOWN"), LL_ERR_UNKNOWN_VARIABLE, "WearerName"},
        {designFolder() + "BADTEXT.lbl", LL_ERR_EXPRESSION, "unclosed"},
        {designFolder() + "HOLOGRAM.lbl", LL_ERR_BAD_OBJECTTYPE, "Hologram"},
        {designFolder() + "JUNK.lbl", LL_ERR_BAD_DESIGN, "not a design"},
        {Save(missingImage, "NOLOGO"), LL_ERR_IMAGE, "logo.png"},
        {Save(unreadableImage, "BADLOGO"), LL_ERR_IMAGE, "NOTANIMAGE.txt"},
    };
    for (const Case& c : cases) {
        LabelJob job;
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("Locker", "1", VariableType::Text);
        EXPECT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, c.path, LL_PRINT_NORMAL), c.code) << c.path;
        EXPECT_EQ(job.LlPrintEnd(0), LL_ERR_PRINTING_JOB);
        EXPECT_NE(job.LastErrorMessage().find(c.says), std::string::npos) << "still after the end call: "
                                                                          << job.LastErrorMessage();
        EXPECT_EQ(job.LlPrint(), LL_ERR_PRINTING_JOB);
    }
    EXPECT_TRUE(test::FilesIn(pdfFolder()).empty());
    EXPECT_TRUE(test::FilesIn(world.path("temp/")).empty()) << "no work files left behind";
}

TEST_F(LabelJobTest, DesignNamesAreFoundWithoutRegardToCase) {
    const std::string design = SimpleDesign("AB07");
    LabelJob job;
    DefineSamples(job);
    ASSERT_EQ(PrintLabels(job, designFolder() + "ab07.LBL", 1), 0) << job.LastErrorMessage();
}

TEST_F(LabelJobTest, OnlyOneJobAtATime) {
    const std::string design = SimpleDesign("AB07");
    LabelJob job;
    DefineSamples(job);
    ASSERT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, design, LL_PRINT_NORMAL), 0);
    EXPECT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, design, LL_PRINT_NORMAL), LL_ERR_ONLY_ONE_JOB);
    EXPECT_EQ(job.LlPrint(), 0) << "the first job goes on";
    EXPECT_EQ(job.LlPrintEnd(0), 0);
    EXPECT_EQ(test::FilesIn(pdfFolder(), ".pdf").size(), 1u);
}

// Contents the symbology cannot carry fail the label with a message; the
// job is dropped whole (nothing half-printed), so it can be printed again.
TEST_F(LabelJobTest, BarcodeContentsTheSymbologyCannotCarryFailTheJob) {
    Design design = test::LabelDesign(60, 30);
    design.objects.push_back(Object(test::Barcode("{Itf}", Symbology::Interleaved2of5), 2, 2, 56, 12));
    design.objects.push_back(Object(test::Barcode("{Ean}", Symbology::Ean13), 2, 15, 40, 14));
    const std::string path = Save(design, "CODES");
    struct Case {
        const char* itf;
        const char* ean;
        const char* says;
    };
    for (const Case& c : {Case{"12AB", "590123412345", "digits only"}, Case{"1234567", "590123412345", "even number"},
                          Case{"1234", "12345", "EAN-13"}, Case{"1234", "5901234123458", "check"},
                          Case{"1234", "59012341234X", "EAN-13"}}) {
        LabelJob job;
        job.LlDefineVariableStart();
        job.LlDefineVariableExt("Itf", "00001234", VariableType::Barcode);
        job.LlDefineVariableExt("Ean", "590123412345", VariableType::Barcode);
        ASSERT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, path, LL_PRINT_NORMAL), 0) << job.LastErrorMessage();
        ASSERT_EQ(job.LlPrint(), 0) << "a good label first";
        job.LlDefineVariableExt("Itf", c.itf, VariableType::Barcode);
        job.LlDefineVariableExt("Ean", c.ean, VariableType::Barcode);
        EXPECT_EQ(job.LlPrint(), LL_ERR_BARCODE) << c.itf << " / " << c.ean;
        EXPECT_NE(job.LastErrorMessage().find(c.says), std::string::npos) << job.LastErrorMessage();
        EXPECT_EQ(job.LlPrint(), LL_ERR_BARCODE) << "a failed job stays failed";
        EXPECT_EQ(job.LlPrintEnd(0), LL_ERR_BARCODE);
        EXPECT_EQ(job.DeliveredLabels(), 1) << "the good label before it still prints";
    }
    EXPECT_EQ(test::FilesIn(pdfFolder()).size(), 5u);
}

TEST_F(LabelJobTest, EmptyBarcodeValuePrintsNoSymbol) {
    LabelJob job;
    DefineSamples(job);
    job.LlDefineVariableExt("Barcode", "", VariableType::Barcode);
    EXPECT_EQ(PrintLabels(job, SimpleDesign("AB07"), 1), 0) << job.LastErrorMessage();
}

TEST_F(LabelJobTest, PreviewIsAPdfFileThatStays) {
    const std::string design = SimpleDesign("AB07", 2, 1);
    LabelJob job;
    DefineSamples(job);
    job.LlViewerProhibitAction(ViewerAction::PrintPage);
    ASSERT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, design, LL_PRINT_PREVIEW), 0) << job.LastErrorMessage();
    EXPECT_TRUE(job.LlPrintIsVariableUsed("locker"));
    EXPECT_TRUE(job.LlPrintIsVariableUsed("Barcode"));
    EXPECT_FALSE(job.LlPrintIsVariableUsed("WearerName"));
    for (int i = 0; i < 3; ++i) ASSERT_EQ(job.LlPrint(), 0);
    ASSERT_EQ(job.LlPrintEnd(0), 0) << job.LastErrorMessage();
    EXPECT_FALSE(job.LlPrintIsVariableUsed("Locker")) << "only while a job is open";

    EXPECT_TRUE(test::FilesIn(pdfFolder()).empty()) << "a preview prints nothing";
    const std::string preview = job.PreviewFile();
    ASSERT_TRUE(fs::exists(preview)) << preview;
    EXPECT_EQ(test::ReadPdfInfo(preview).pages, 2);
    EXPECT_EQ(job.LlPreviewDisplay("AB07.lbl", designFolder(), nullptr), 0);
    EXPECT_EQ(job.LlPreviewDeleteFiles("AB07.lbl", designFolder()), 0);
    EXPECT_TRUE(fs::exists(preview)) << "without a window the file is all there is to look at";
}

TEST_F(LabelJobTest, PrinterSettingsChooseThePrinter) {
    const std::string design = SimpleDesign("AB07");
    LabelJob job;
    DefineSamples(job);
    // the settings file lies in the printer-defaults folder, named after the design
    job.LlSetPrinterDefaultsDir(world.path("printers/"));
    fs::create_directories(world.path("printers"));
    ASSERT_TRUE((PrinterSettings{"Zebra-Dock-3", 1}.Save(world.path("printers/ab07.LBP"))));
    EXPECT_EQ(job.LlPrintStart(LL_PROJECT_LABEL, design, LL_PRINT_NORMAL), LL_ERR_NOPRINTER);
    EXPECT_NE(job.LastErrorMessage().find("Zebra-Dock-3"), std::string::npos) << job.LastErrorMessage();

    ASSERT_TRUE((PrinterSettings{"PDF", 1}.Save(world.path("printers/ab07.LBP"))));
    EXPECT_EQ(PrintLabels(job, design, 1), 0) << job.LastErrorMessage();
    EXPECT_EQ(job.LlPrintGetPrinterInfo().name, "PDF");
    EXPECT_EQ(test::FilesIn(pdfFolder(), ".pdf").size(), 1u);
}

TEST_F(LabelJobTest, SketchIsASmallJpegOfTheFirstLabel) {
    Design design = test::LabelDesign(100, 40);
    design.objects.push_back(Object(RectangleObject{Stroke{}, Colour{0x000000}, {}}, 0, 0, 50, 40));
    const std::string path = Save(design, "WIDE");
    LabelJob job;
    ASSERT_EQ(job.LlCreateSketch(LL_PROJECT_LABEL, path), 0) << job.LastErrorMessage();
    const std::string bytes = world.readFile("designs/WIDE.lbv");
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8") << "JPEG data";
    const QImage sketch = QImage::fromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    ASSERT_FALSE(sketch.isNull());
    EXPECT_EQ(sketch.width(), 200);
    EXPECT_EQ(sketch.height(), 80);
    EXPECT_LT(qGray(sketch.pixel(40, 40)), 60) << "the filled left half";
    EXPECT_GT(qGray(sketch.pixel(160, 40)), 200) << "the empty right half";

    EXPECT_EQ(job.LlCreateSketch(LL_PROJECT_LABEL, designFolder() + "NONE.lbl"), LL_ERR_CFGNOTFOUND);
}

}  // namespace
}  // namespace quill::labelrender
