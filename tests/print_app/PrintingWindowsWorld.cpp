#include "PrintingWindowsWorld.h"

#include <poppler-qt6.h>
#define ZX_USE_UTF8 1
#include <ZXing/ReadBarcode.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/Settings.h"
#include "core/Startup.h"
#include "core/UGlobals.h"

namespace quill::test {


namespace fs = std::filesystem;

namespace {

constexpr int kRasterDpi = 200;

std::vector<std::string> SortedFiles(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.ends_with(suffix) && name[0] != '.') names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

void PrintingWindowsTest::SetUp() {
    // no printer but the built-in PDF one, and an engine without windows
    setenv("CUPS_SERVER", world.path("no-cups/cups.sock").c_str(), 1);
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
}

void PrintingWindowsTest::TearDown() {
    FinalizeGlobals();
    Folders = TFolders{};
    Settings = TSettings{};
}

void PrintingWindowsTest::start(const std::string& extra) {
    world.writeFile("prog/QUILL.INI", "[Quill]\nUseDirMonitor=0\nLogMode=3\n" + extra + "\n[USER]\nVisible=1\n");
    Folders.AppTitle = "QuillPrint";
    InitializeGlobals();
}

void PrintingWindowsTest::writeDesign(const std::string& fileName, const std::vector<std::string>& fields, int rows,
                               int cols) const {
    std::string text = "[Design]\nFormatVersion=1\n[Label]\nWidth=60\nHeight=25\n[Layout]\nnRows=" +
                       std::to_string(rows) + "\nnCols=" + std::to_string(cols) + "\n";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const bool barcode = fields[i].find("Barcode") != std::string::npos;
        text += "[Object" + std::to_string(i + 1) + "]\nType=" + (barcode ? "Barcode" : "Text") +
                "\nX=3\nY=" + std::to_string(barcode ? 2 : 15 + (i % 3) * 3) + "\nWidth=54\nHeight=" +
                (barcode ? "13\nSymbology=Code128\nHumanReadable=0" : "4\nFontSize=7") + "\nContents={" + fields[i] +
                "}\n";
    }
    world.writeFile("data/labels/designs/User/" + fileName, text);
    const std::string stem = fs::path(fileName).stem().string();
    world.writeFile("data/labels/designs/User/" + stem + ".lbp", "[Printer]\nFormatVersion=1\nName=\nCopies=1\n");
}

std::vector<std::string> PrintingWindowsTest::labelFiles() const { return SortedFiles(labelFolder(), ".txt"); }

std::vector<std::string> PrintingWindowsTest::lines(const std::string& labelFile) const {
    std::istringstream text(world.readFile("data/labels/User/" + labelFile));
    std::vector<std::string> result;
    for (std::string line; std::getline(text, line);) result.push_back(line);
    return result;
}

int PrintingWindowsTest::drainWithEngine() const {
    return RunCommand(std::string(QUILL_BINARY_DIR) + "/engine_app/quill-engine --drain >" + world.path("engine.out") +
                      " 2>&1");
}

std::vector<std::string> PrintingWindowsTest::printedBarcodes() const {
    std::vector<std::string> found;
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::Code128);
    hints.setTryDownscale(false);   // zxing 1.4 aborts on some linear codes when downscaling
    for (const std::string& name : SortedFiles(world.path("pdf"), ".pdf")) {
        const auto document = Poppler::Document::load(QString::fromStdString(world.path("pdf/" + name)));
        for (int page = 0; document && page < document->numPages(); ++page) {
            const QImage gray = document->page(page)->renderToImage(kRasterDpi, kRasterDpi).convertToFormat(
                QImage::Format_Grayscale8);
            const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                        static_cast<int>(gray.bytesPerLine()));
            for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints)) found.push_back(result.text());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

std::string PrintingWindowsTest::printedText() const {
    std::string text;
    for (const std::string& name : SortedFiles(world.path("pdf"), ".pdf")) {
        const auto document = Poppler::Document::load(QString::fromStdString(world.path("pdf/" + name)));
        for (int page = 0; document && page < document->numPages(); ++page)
            text += document->page(page)->text(QRectF()).toStdString() + "\n";
    }
    return text;
}

std::string PrintingWindowsTest::lastBarcodeStored() const {
    LoadLastBarcode();
    return Settings.LastBarcode;
}

}  // namespace quill::test
