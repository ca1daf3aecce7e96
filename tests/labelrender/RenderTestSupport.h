#pragma once
// Helpers of the label-rendering tests: designs built in code, the real
// PDF tools (pdfinfo, pdftoppm) and the real barcode decoder (zxing-cpp).
#include <QImage>
#define ZX_USE_UTF8 1   // text() as UTF-8
#include <ZXing/BarcodeFormat.h>
#include <string>

#include "labelrender/Design.h"
#include "support/TestEnv.h"

namespace quill::labelrender::test {

ContentTemplate Tpl(const std::string& source);

DesignObject Object(ObjectKind kind, double xMm, double yMm, double widthMm, double heightMm, int rotation = 0);
TextObject Text(const std::string& contents, double sizePt = 10);
BarcodeObject Barcode(const std::string& contents, Symbology symbology, bool humanReadable = true);

// A label of `widthMm` x `heightMm`, `rows` x `cols` per page, no margins.
Design LabelDesign(double widthMm, double heightMm, int rows = 1, int cols = 1);

struct PdfInfo {
    int pages = 0;
    double widthPt = 0;
    double heightPt = 0;
};
// From pdfinfo; pages 0 when the file is not a readable PDF.
PdfInfo ReadPdfInfo(const std::string& path);
// Page `page` (1-based) rasterised by pdftoppm.
QImage RasterisePdf(const std::string& path, int dotsPerInch, int page = 1);
// Every file of `folder` ending in `suffix`, sorted.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& suffix = "");

// The text of the one symbol of `format` in `image`; empty when none is found.
std::string Decode(const QImage& image, ZXing::BarcodeFormat format);
// The part of a page raster that shows a box given in millimetres.
QImage Crop(const QImage& page, double xMm, double yMm, double widthMm, double heightMm, int dotsPerInch);

// A private world whose default printer is the built-in PDF printer: the
// CUPS server is pointed at a socket that does not exist.
class RenderTest : public quill::test::TempWorldTest {
protected:
    void SetUp() override;
    std::string designFolder() const { return world.path("designs/"); }
    std::string pdfFolder() const { return world.path("pdf/"); }
    // Saves `design` as designs/<name>.lbl and returns its path.
    std::string Save(const Design& design, const std::string& name) const;
};

}  // namespace quill::labelrender::test
