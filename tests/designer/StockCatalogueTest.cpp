// The stock catalogue: Debian's label products read at run time, our
// textile stocks, a site's own stocks, and the dialogs that lay a design
// out for one of them.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "PanelScreenshots.h"
#include "designer/GlabelsTemplates.h"
#include "designer/PageSettingsDialog.h"
#include "designer/StockCatalogueDialog.h"
#include "support/TestEnv.h"
#include "support/WidgetTestSupport.h"

QUILL_TEST_WIDGET_APPLICATION("designer_tests");

namespace quill::designer {
namespace {

using labelrender::Length;

StockCatalogue DebianCatalogue(const QString& siteFile = {}) {
    StockCatalogue catalogue;
    catalogue.Load(StockCatalogue::DefaultTemplatesFolder(), siteFile);
    return catalogue;
}

TEST(StockCatalogueTest, DebianProductsTextileStocksAndSearch) {
    ASSERT_TRUE(QFile::exists(StockCatalogue::DefaultTemplatesFolder() + "/avery-iso-templates.xml"))
        << "glabels-data is missing (scripts/setup.sh)";
    const StockCatalogue catalogue = DebianCatalogue();
    EXPECT_TRUE(catalogue.Problems().isEmpty()) << catalogue.Problems().join('\n').toStdString();
    EXPECT_GT(catalogue.Stocks().size(), 1000u);

    // L7160 is written as "the same as 7160", in points without a unit
    const LabelStock* l7160 = catalogue.Find("avery", "l7160");
    ASSERT_NE(l7160, nullptr);
    const labelrender::PageGeometry& g = l7160->geometry;
    EXPECT_EQ(l7160->paper, "A4");
    EXPECT_EQ(g.labelWidth, Length::pt(181.4));
    EXPECT_EQ(g.labelHeight, Length::pt(108.0));
    EXPECT_EQ(g.cols, 3);
    EXPECT_EQ(g.rows, 7);
    EXPECT_EQ(g.marginLeft, Length::pt(21.2));
    EXPECT_EQ(g.gapX, Length::pt(187.2) - Length::pt(181.4));
    EXPECT_EQ(g.gapY, Length());
    EXPECT_EQ(g.pageWidth, Length::mm(210));
    EXPECT_EQ(g.pageHeight, Length::mm(297));

    // a laundry's tapes and tags come first, found by words of any case
    const auto tapes = catalogue.Search("TAPE 25");
    ASSERT_FALSE(tapes.empty());
    EXPECT_EQ(tapes.front()->Name(), "Textile CT-25");
    EXPECT_TRUE(tapes.front()->continuous);
    EXPECT_FALSE(tapes.front()->geometry.pageHeight);
    EXPECT_EQ(tapes.front()->SizeText(), "25 x 60 mm, continuous roll 25 mm wide");
    for (const LabelStock* stock : catalogue.Search("heat-seal"))
        EXPECT_TRUE(labelrender::CheckPageGeometry(stock->geometry).ok()) << stock->Name().toStdString();
    EXPECT_TRUE(catalogue.Search("no such stock anywhere").empty());
}

TEST(StockCatalogueTest, TemplateFilesInEveryUnitAndShape) {
    const QByteArray xml = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Acme" part="R1" size="Other" width="4in" height="6.in" _description="Round">
    <Label-round id="0" radius="0.5in"><Layout nx="2" ny="3" x0="0.25in" y0="1cm" dx="1.5in" dy="1.25in"/></Label-round>
  </Template>
  <Template brand="Acme" part="R2" equiv="R1"/>
  <Template brand="Acme" part="TooMany" size="Other" width="50mm" height="50mm">
    <Label-rectangle id="0" width="30mm" height="30mm"><Layout nx="2" ny="1" x0="0" y0="0" dx="30mm" dy="0"/></Label-rectangle>
  </Template>
  <Template brand="Acme" part="Tape" size="Other" width="24pc" height="1mm" continuous="1">
    <Label-rectangle id="0" width="24pc" height="40mm"><Layout nx="1" ny="1" x0="" y0="0" dx="0" dy="0"/></Label-rectangle>
  </Template>
</Glabels-templates>)";
    QBuffer file;
    file.setData(xml);
    file.open(QIODevice::ReadOnly);
    std::vector<LabelStock> stocks;
    QString error;
    ASSERT_TRUE(ReadTemplates(file, {}, StockSource::Catalogue, stocks, &error)) << error.toStdString();
    // labels wider together than their page are left out
    ASSERT_EQ(stocks.size(), 3u);
    const LabelStock& round = stocks[0];
    EXPECT_EQ(round.shape, StockShape::Round);
    EXPECT_EQ(round.geometry.labelWidth, Length::mm(25.4));
    EXPECT_EQ(round.geometry.gapX, Length::mm(12.7));
    EXPECT_EQ(round.geometry.marginTop, Length::mm(10));
    EXPECT_EQ(round.geometry.pageHeight, Length::mm(6 * 25.4));
    EXPECT_EQ(stocks[1].part, "Tape");
    EXPECT_TRUE(stocks[1].continuous);
    EXPECT_EQ(stocks[1].geometry.labelWidth, Length::pt(24 * 12));
    EXPECT_EQ(stocks[2].part, "R2");
    EXPECT_EQ(stocks[2].geometry.labelWidth, round.geometry.labelWidth);

    EXPECT_FALSE(ParseGlabelsLength("99999999999999999999999mm"));
    EXPECT_FALSE(ParseGlabelsLength("-3mm"));

    QBuffer broken;
    broken.setData("<Glabels-templates><Template brand=\"x\"></Glabels-templates>");
    broken.open(QIODevice::ReadOnly);
    EXPECT_FALSE(ReadTemplates(broken, {}, StockSource::Catalogue, stocks, &error));
    EXPECT_TRUE(error.startsWith("line 1:")) << error.toStdString();
}

TEST(StockCatalogueTest, SiteStocksAreKeptInTheProgramFolderAcrossStarts) {
    test::TempWorld world;
    const QString siteFile = StockCatalogue::DefaultSiteStocksFile();
    EXPECT_EQ(siteFile, QString::fromStdString(world.programFolder()) + "LabelStocks.xml");
    {
        StockCatalogue catalogue = DebianCatalogue(siteFile);
        LabelStock tape;
        tape.part = "Satin 28";
        tape.description = "Our satin tape";
        tape.continuous = true;
        tape.geometry.labelWidth = Length::mm(28);
        tape.geometry.labelHeight = Length::mm(55.5);
        tape.geometry.pageWidth = Length::mm(30);
        tape.geometry.marginLeft = Length::mm(1);
        QString error;
        ASSERT_TRUE(catalogue.SaveSiteStock(tape, &error)) << error.toStdString();
        LabelStock sheet = tape;
        sheet.part = "Sheet 2x4";
        sheet.continuous = false;
        sheet.geometry = {};
        sheet.geometry.rows = 4;
        sheet.geometry.cols = 2;
        sheet.geometry.gapX = Length::mm(2.5);
        ASSERT_TRUE(catalogue.SaveSiteStock(sheet, &error)) << error.toStdString();
    }
    StockCatalogue again = DebianCatalogue(siteFile);
    EXPECT_EQ(again.Stocks().front().source, StockSource::Site);
    const LabelStock* tape = again.Find("Site", "Satin 28");
    ASSERT_NE(tape, nullptr);
    EXPECT_TRUE(tape->continuous);
    EXPECT_EQ(tape->description, "Our satin tape");
    EXPECT_EQ(tape->geometry.labelHeight, Length::mm(55.5));
    EXPECT_EQ(tape->geometry.pageWidth, Length::mm(30));
    EXPECT_FALSE(tape->geometry.pageHeight);
    const LabelStock* sheet = again.Find("Site", "Sheet 2x4");
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->geometry.gapX, Length::mm(2.5));
    EXPECT_EQ(sheet->geometry.LabelsPerPage(), 8);
    EXPECT_EQ(sheet->geometry.pageHeight, Length::mm(4 * 30));

    QString error;
    ASSERT_TRUE(again.RemoveSiteStock("satin 28", &error));
    EXPECT_EQ(DebianCatalogue(siteFile).Find("Site", "Satin 28"), nullptr);

    // a damaged file is named, and the rest of the catalogue still there
    world.writeFile("prog/LabelStocks.xml", "<Glabels-templates><Template");
    const StockCatalogue damaged = DebianCatalogue(siteFile);
    ASSERT_EQ(damaged.Problems().size(), 1);
    EXPECT_TRUE(damaged.Problems()[0].startsWith(siteFile));
    EXPECT_NE(damaged.Find("Textile", "HS-5020"), nullptr);
}

TEST(StockCatalogueTest, ChoosingAStockLaysOutThePage) {
    StockCatalogue catalogue = DebianCatalogue();
    TfrmPageSettings settings(catalogue);
    labelrender::PageGeometry start;
    start.labelWidth = Length::mm(70);
    start.labelHeight = Length::mm(36);
    settings.SetGeometry(start);
    settings.show();

    // "Choose stock...": search, the first row found, OK
    const auto seen = test::AnswerNextModal([](QWidget* modal) {
        auto* dialog = qobject_cast<TfrmStockCatalogue*>(modal);
        ASSERT_NE(dialog, nullptr);
        QTest::keyClicks(dialog->SearchEdit(), "avery l7160");
        ASSERT_EQ(dialog->List()->model()->rowCount(), 1);
        dialog->accept();
    });
    settings.ChooseStockButton()->click();
    ASSERT_TRUE(seen->shown);
    EXPECT_EQ(seen->title, "Label Stocks");
    const labelrender::PageGeometry g = settings.Geometry();
    EXPECT_EQ(g.labelWidth, catalogue.Find("Avery", "L7160")->geometry.labelWidth);   // not rounded as shown
    EXPECT_EQ(g.rows, 7);
    EXPECT_EQ(g.cols, 3);
    EXPECT_EQ(g.pageWidth, Length::mm(210));
    EXPECT_EQ(settings.PageSizeBox()->currentText(), "A4");
    EXPECT_TRUE(settings.OkButton()->isEnabled());
    EXPECT_TRUE(test::SavePanelScreenshot(settings, "designer-page-settings"));

    // an eighth row does not fit on A4: said, and cannot be confirmed
    settings.RowsBox()->setValue(8);
    EXPECT_FALSE(settings.OkButton()->isEnabled());
    EXPECT_EQ(settings.Problem(), "8 rows of labels do not fit down the page");
    settings.RowsBox()->setValue(7);
    EXPECT_TRUE(settings.OkButton()->isEnabled());

    // a continuous roll: the page is as long as the labels
    settings.PageSizeBox()->setCurrentIndex(settings.PageSizeBox()->findText("Custom"));
    settings.ContinuousBox()->setChecked(true);
    settings.RowsBox()->setValue(1);
    EXPECT_FALSE(settings.Geometry().pageHeight);
    EXPECT_FALSE(settings.PageHeightBox()->isEnabled());
    EXPECT_NEAR(settings.PageHeightBox()->value(), settings.Geometry().PageHeight().mm(), 0.005);

    // saved as the site's own stock: its name, then its description
    test::TempWorld world;
    catalogue.Load(StockCatalogue::DefaultTemplatesFolder(), StockCatalogue::DefaultSiteStocksFile());
    const auto type = [](const char* text) {
        return [text](QWidget* modal) {
            auto* input = qobject_cast<QInputDialog*>(modal);
            ASSERT_NE(input, nullptr);
            input->setTextValue(text);
            input->accept();
        };
    };
    const auto named = test::AnswerNextModal([&](QWidget* modal) {
        test::AnswerNextModal(type("Our mailing roll"));
        type("ML-64")(modal);
    });
    settings.SaveStockButton()->click();
    ASSERT_TRUE(named->shown);
    const LabelStock* saved = catalogue.Find("Site", "ML-64");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->description, "Our mailing roll");
    EXPECT_TRUE(saved->continuous);
    EXPECT_EQ(saved->geometry.labelWidth, settings.Geometry().labelWidth);
    EXPECT_TRUE(QFile::exists(StockCatalogue::DefaultSiteStocksFile()));

    TfrmStockCatalogue dialog(catalogue);
    dialog.resize(1000, 560);
    dialog.show();
    QTest::keyClicks(dialog.SearchEdit(), "textile");
    dialog.List()->selectRow(8);   // two across on a roll
    EXPECT_EQ(dialog.Chosen()->part, "HS-2x5020");
    EXPECT_TRUE(test::SavePanelScreenshot(dialog, "designer-stocks"));
}

}  // namespace
}  // namespace quill::designer
