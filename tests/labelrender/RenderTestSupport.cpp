#include "RenderTestSupport.h"

#include <cups/cups.h>

#include <QGuiApplication>
#include <QPainter>
#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <sstream>

#include "core/UGlobals.h"
#include "support/QtGuiEnvironment.h"

namespace quill::labelrender::test {

namespace fs = std::filesystem;

namespace {

QUILL_TEST_GUI_APPLICATION("labelrender_tests");


std::string Capture(const std::string& command) {
    std::string out;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return out;
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0) out.append(buffer.data(), n);
    return out;
}

std::string Quote(const std::string& text) { return "'" + text + "'"; }

}  // namespace

ContentTemplate Tpl(const std::string& source) {
    auto parsed = ContentTemplate::Parse(source);
    EXPECT_TRUE(parsed) << source;
    return parsed.value_or(ContentTemplate{});
}

DesignObject Object(ObjectKind kind, double xMm, double yMm, double widthMm, double heightMm, int rotation) {
    DesignObject object;
    object.x = Length::mm(xMm);
    object.y = Length::mm(yMm);
    object.width = Length::mm(widthMm);
    object.height = Length::mm(heightMm);
    object.rotation = rotation;
    object.kind = std::move(kind);
    return object;
}

TextObject Text(const std::string& contents, double sizePt) {
    TextObject text;
    text.contents = Tpl(contents);
    text.fontSizePt = sizePt;
    return text;
}

BarcodeObject Barcode(const std::string& contents, Symbology symbology, bool humanReadable) {
    BarcodeObject barcode;
    barcode.contents = Tpl(contents);
    barcode.symbology = symbology;
    barcode.humanReadable = humanReadable;
    return barcode;
}

Design LabelDesign(double widthMm, double heightMm, int rows, int cols) {
    Design design;
    design.geometry.labelWidth = Length::mm(widthMm);
    design.geometry.labelHeight = Length::mm(heightMm);
    design.geometry.rows = rows;
    design.geometry.cols = cols;
    return design;
}

PdfInfo ReadPdfInfo(const std::string& path) {
    PdfInfo info;
    std::istringstream lines(Capture("pdfinfo " + Quote(path) + " 2>/dev/null"));
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("Pages:", 0) == 0) info.pages = std::stoi(line.substr(6));
        if (line.rfind("Page size:", 0) == 0) std::sscanf(line.c_str(), "Page size: %lf x %lf", &info.widthPt, &info.heightPt);
    }
    return info;
}

QImage RasterisePdf(const std::string& path, int dotsPerInch, int page) {
    const std::string base = path + ".raster";
    const std::string command = "pdftoppm -r " + std::to_string(dotsPerInch) + " -f " + std::to_string(page) +
                                " -l " + std::to_string(page) + " -singlefile -png " + Quote(path) + " " +
                                Quote(base);
    if (quill::test::RunCommand(command) != 0) return {};
    QImage image(QString::fromStdString(base + ".png"));
    fs::remove(base + ".png");
    return image;
}

std::vector<std::string> FilesIn(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().string();
        if (entry.is_regular_file() && name.ends_with(suffix)) files.push_back(name);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string Decode(const QImage& image, ZXing::BarcodeFormat format) {
    const QImage gray = image.convertToFormat(QImage::Format_Grayscale8);
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(gray.bytesPerLine()));
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setTryDownscale(false);   // zxing 1.4 aborts on some linear codes when downscaling
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    return result.isValid() ? result.text() : std::string();
}

QImage Crop(const QImage& page, double xMm, double yMm, double widthMm, double heightMm, int dotsPerInch) {
    const auto px = [&](double mm) { return static_cast<int>(mm * dotsPerInch / 25.4); };
    // a margin of white around the box, as a scanner would see it
    const int margin = px(2);
    const QRect box(px(xMm) - margin, px(yMm) - margin, px(widthMm) + 2 * margin, px(heightMm) + 2 * margin);
    QImage out(box.size(), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(QPoint(0, 0), page, box);
    painter.end();
    return out;
}

void RenderTest::SetUp() {
    setenv("CUPS_SERVER", world.path("no-cups/cups.sock").c_str(), 1);
    cupsSetServer(nullptr);   // libcups keeps the server it saw first
    Settings.TempLocation = world.path("temp/");
    Settings.CodePage = 0;
}

std::string RenderTest::Save(const Design& design, const std::string& name) const {
    fs::create_directories(designFolder());
    const std::string path = designFolder() + name + ".lbl";
    EXPECT_TRUE(design.Save(path));
    return path;
}

}  // namespace quill::labelrender::test
