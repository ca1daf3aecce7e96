// A newcomer's first label, end to end: a new Corvane design C02 made by
// dragging variables onto it, its size from the stock catalogue and the
// PDF printer chosen, saved; then the real engine prints a Corvane label
// file on it and the barcode and DataMatrix read back as the file's values.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <cstdlib>

#include "DesignerWorld.h"
#include "designer/PrinterChooser.h"
#include "designer/StockCatalogue.h"
#include "designer/VariableDrag.h"
#include "labelrender/RenderTestSupport.h"

namespace quill::designer::test {
namespace {

using labelrender::VariableType;

class NewcomerPath : public DesignerTest {
public:
    void Drop(const QString& name, VariableType type, double xMm, double yMm) {
        auto data = VariableMimeData({name, type});
        const QPoint at = At(xMm, yMm);
        QDragEnterEvent enter(at, Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas(), &enter);
        QDropEvent drop(QPointF(at), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&canvas(), &drop);
    }
};

TEST_F(NewcomerPath, DesignMadeByDraggingPrintsThroughTheEngineAndItsSymbolsScan) {
    world.writeFile("prog/QUILL.INI", "[Quill]\nUseDirMonitor=0\nPrintDelayMinutes=0\n[CORVANE]\nVisible=1\n");
    const std::string folder = "data/labels/designs/Corvan/";
    world.writeFile(folder + ".keep", "");
    Open(world.path(folder + "C02.lbl"));

    // the size from the catalogue: the largest textile stock
    labelrender::PageGeometry geometry = document().design().geometry;
    const auto stocks = TextileStocks();
    const auto widest = std::max_element(stocks.begin(), stocks.end(), [](const LabelStock& a, const LabelStock& b) {
        return a.geometry.labelWidth.mm() * a.geometry.labelHeight.mm() <
               b.geometry.labelWidth.mm() * b.geometry.labelHeight.mm();
    });
    ApplyStock(*widest, geometry);
    document().EditGeometry(geometry, "Stock");
    const double width = geometry.labelWidth.mm(), height = geometry.labelHeight.mm();
    ASSERT_GE(width, 45) << widest->part.toStdString();
    ASSERT_GE(height, 30);
    canvas().SetZoom(2.0);

    Drop("WearerName", VariableType::Text, 2, 2);
    Drop("Locker", VariableType::Text, 2, 8);
    Drop("BarcodeIDCode", VariableType::Barcode, 2, 14);
    Drop("DataMatrixIDCode", VariableType::DataMatrix, width - 15, 2);
    ASSERT_EQ(document().objects().size(), 4u);
    // the ID code's barcode across the label
    document().EditObjects({2}, "Width", -1, [&](DesignObject& o) {
        o.width = labelrender::Length::mm(width - 4);
        o.height = labelrender::Length::mm(std::min(12.0, height - 16));
    });

    labelrender::PrinterSettings pdf;
    pdf.name = "PDF";
    pdf.resolution = 300;
    window->printerChooser().SetSettings(pdf);
    auto question = quill::test::AnswerNextMessageBox(QMessageBox::Yes);   // only if the check found something
    ASSERT_TRUE(window->SaveDesign());
    window.reset();
    ASSERT_TRUE(std::filesystem::exists(world.path(folder + "default.lbp")));
    // what NewDesign does when the designer closed normally
    std::filesystem::rename(world.path(folder + "default.lbp"), world.path(folder + "C02.lbp"));

    // the sample Corvane label file, its first line on design C02
    std::string line = ReadAll(QUILL_SOURCE_DIR "/examples/labelfiles/Corvan/CRV20240611-0001.lbl");
    line = line.substr(0, line.find('\n') + 1);
    ASSERT_EQ(line.rfind("1,C,1,", 0), 0u);
    line.replace(0, 6, "1,C,2,");
    world.writeFile("data/labels/Corvan/CRV-C02.lbl", line);
    const std::string idCode = "3074257BF7194E4000001A85";
    ASSERT_NE(line.find(idCode), std::string::npos);

    ASSERT_EQ(quill::test::RunCommand("cd " + world.programFolder() + " && " QUILL_BINARY_DIR
                                      "/engine_app/quill-engine --drain >" + world.path("engine.out") + " 2>&1"),
              0)
        << world.readFile("engine.out");
    const auto pdfs = labelrender::test::FilesIn(world.path("pdf/"), ".pdf");
    ASSERT_EQ(pdfs.size(), 1u) << world.readFile("engine.out");
    const QImage page = labelrender::test::RasterisePdf(pdfs[0], 600);
    EXPECT_EQ(labelrender::test::Decode(page, ZXing::BarcodeFormat::Code128), idCode);
    const QImage matrix = labelrender::test::Crop(page, width - 16, 1, 14, 14, 600);
    EXPECT_EQ(labelrender::test::Decode(matrix, ZXing::BarcodeFormat::DataMatrix), idCode);
}

}  // namespace
}  // namespace quill::designer::test
