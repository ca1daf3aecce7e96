// Choosing a design's printer among the destinations of a real, private
// CUPS scheduler and the built-in PDF printer, kept in the design's .lbp.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>

#include "PanelScreenshots.h"
#include "designer/PrinterChooser.h"
#include "support/CupsTestScheduler.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"

namespace quill::designer {
namespace {

class PrinterChooserTest : public test::WithCupsScheduler<> {
protected:
    static void Choose(TPrinterChooser& chooser, const QString& captionStart) {
        QComboBox* box = chooser.PrinterBox();
        for (int i = 0; i < box->count(); ++i)
            if (box->itemText(i).startsWith(captionStart)) return box->setCurrentIndex(i);
        ADD_FAILURE() << "no printer " << captionStart.toStdString();
    }
    static QString Caption(const TPrinterChooser& chooser) { return chooser.PrinterBox()->currentText(); }

    test::TempWorld world_;
};

TEST_F(PrinterChooserTest, ListsDestinationsWithResolutionAndSavesTheChoiceBesideTheDesign) {
    TPrinterChooser chooser;
    QStringList captions;
    for (int i = 0; i < chooser.PrinterBox()->count(); ++i) captions << chooser.PrinterBox()->itemText(i);
    EXPECT_EQ(captions.first().left(27), "Default printer (capture) -");
    EXPECT_EQ(captions.last(), "PDF (built-in, a file per job)");
    EXPECT_TRUE(captions.contains("thermal203 - 203 dpi")) << captions.join(", ").toStdString();

    QSignalSpy changed(&chooser, &TPrinterChooser::PrinterChanged);
    Choose(chooser, "thermal203");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(chooser.DotsPerInch(), 203);
    EXPECT_EQ(chooser.ResolutionLabel()->text(), "203 dpi, one dot is 0.125 mm");
    EXPECT_FALSE(chooser.PdfResolutionBox()->isEnabled());
    chooser.resize(420, chooser.sizeHint().height());
    EXPECT_TRUE(test::SavePanelScreenshot(chooser, "designer-printer"));

    // a new design's printer waits in default.lbp; a saved one has its own file
    const QString folder = QString::fromStdString(world_.root());
    const QString design = folder + "C02.lbl";
    const QString newFile = PrinterSettingsFileFor(folder, design);
    EXPECT_EQ(newFile, folder + "default.lbp");
    world_.writeFile("C02.lbl", "[Design]\nFormatVersion=2\n");
    world_.writeFile("c02.LBP", "[Printer]\nName=capture\nCopies=3\n");
    const QString ownFile = PrinterSettingsFileFor(folder, design);
    EXPECT_EQ(ownFile, folder + "c02.LBP");   // found without regard to case
    ASSERT_TRUE(chooser.Save(ownFile));
    const auto saved = labelrender::PrinterSettings::Load(ownFile.toStdString());
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->name, "thermal203");
    EXPECT_EQ(saved->copies, 3);   // kept
    EXPECT_EQ(saved->resolution, 0);

    TPrinterChooser reopened;
    reopened.Load(ownFile);
    EXPECT_EQ(Caption(reopened), "thermal203 - 203 dpi");

    // the PDF printer with the resolution of the printer its files go to
    Choose(reopened, "PDF");
    EXPECT_EQ(reopened.DotsPerInch(), 300);
    reopened.PdfResolutionBox()->setValue(600);
    EXPECT_EQ(reopened.ResolutionLabel()->text(), "600 dpi, one dot is 0.042 mm");
    ASSERT_TRUE(reopened.Save(newFile));
    const auto pdf = labelrender::PrinterSettings::Load(newFile.toStdString());
    ASSERT_TRUE(pdf);
    EXPECT_EQ(pdf->name, "PDF");
    EXPECT_EQ(pdf->resolution, 600);
}

TEST_F(PrinterChooserTest, PrintersThatWillNotPrintAreSaidSoAndKept) {
    TPrinterChooser chooser;
    Choose(chooser, "refuser");
    EXPECT_FALSE(chooser.ProblemLabel()->isHidden());
    EXPECT_TRUE(chooser.ProblemLabel()->text().startsWith("refuses jobs")) << chooser.ProblemLabel()->text().toStdString();

    // a printer that has gone is shown as missing, never swapped silently
    world_.writeFile("A01.lbp", "[Printer]\nName=Zebra-Gone\n");
    const QString file = QString::fromStdString(world_.path("A01.lbp"));
    chooser.Load(file);
    EXPECT_EQ(Caption(chooser), "Zebra-Gone (not found)");
    EXPECT_FALSE(chooser.ProblemLabel()->isHidden());
    ASSERT_TRUE(chooser.Save(file));
    EXPECT_EQ(labelrender::PrinterSettings::Load(file.toStdString())->name, "Zebra-Gone");

    // no file: the default printer
    chooser.Load(QString::fromStdString(world_.path("none.lbp")));
    EXPECT_TRUE(Caption(chooser).startsWith("Default printer (capture)"));
    EXPECT_EQ(chooser.Settings().name, "");
}

}  // namespace
}  // namespace quill::designer
