// Tapes and tags of textile labelling, which the sheet-label catalogue has
// none of: care-label and name tapes printed from a roll and cut after each
// label, heat-seal laundry tags and sterile-set tags die-cut on a roll.
#include "designer/StockCatalogue.h"

namespace quill::designer {

namespace {

using labelrender::Length;

struct TextileStock {
    const char* part;
    const char* description;
    double width, height;   // label, mm
    bool continuous;
    int across = 1;
    double gapX = 0;
    double rollWidth = 0;   // 0: as wide as the labels
};

constexpr TextileStock kTextileStocks[] = {
    {"NT-10", "Name tape for residents' laundry, 10 mm", 10, 50, true},
    {"NT-12", "Name tape for residents' laundry, 12 mm", 12, 50, true},
    {"CT-15", "Printed satin care-label tape, 15 mm", 15, 40, true},
    {"CT-20", "Printed satin care-label tape, 20 mm", 20, 50, true},
    {"CT-25", "Printed satin care-label tape, 25 mm", 25, 60, true},
    {"CT-30", "Printed satin care-label tape, 30 mm", 30, 70, true},
    {"CT-32", "Printed satin care-label tape, 32 mm", 32, 70, true},
    {"CT-38", "Printed satin care-label tape, 38 mm", 38, 80, true},
    {"CT-40", "Printed satin care-label tape, 40 mm", 40, 80, true},
    {"CT-50", "Printed satin care-label tape, 50 mm", 50, 100, true},
    {"WT-25", "Woven nylon care-label tape, 25 mm", 25, 50, true},
    {"WT-32", "Woven nylon care-label tape, 32 mm", 32, 60, true},
    {"WT-40", "Woven nylon care-label tape, 40 mm", 40, 70, true},
    {"HS-4515", "Heat-seal laundry tag, die-cut roll", 45, 15, false},
    {"HS-5020", "Heat-seal laundry tag, die-cut roll", 50, 20, false},
    {"HS-6025", "Heat-seal laundry tag, die-cut roll", 60, 25, false},
    {"HS-7030", "Heat-seal laundry tag, die-cut roll", 70, 30, false},
    {"HS-2x5020", "Heat-seal laundry tag, two across on a 104 mm roll", 50, 20, false, 2, 4, 104},
    {"ST-7651", "Sterile-set tag for operating-room sets, die-cut roll", 76, 51, false},
    {"ST-10050", "Sterile-set tag for operating-room sets, die-cut roll", 100, 50, false},
};

}  // namespace

std::vector<LabelStock> TextileStocks() {
    std::vector<LabelStock> stocks;
    for (const TextileStock& t : kTextileStocks) {
        LabelStock stock;
        stock.brand = QStringLiteral("Textile");
        stock.part = QString::fromLatin1(t.part);
        stock.description = QString::fromLatin1(t.description);
        stock.paper = QStringLiteral("Roll");
        stock.source = StockSource::Textile;
        stock.continuous = t.continuous;
        labelrender::PageGeometry& g = stock.geometry;
        g.labelWidth = Length::mm(t.width);
        g.labelHeight = Length::mm(t.height);
        g.cols = t.across;
        g.gapX = Length::mm(t.gapX);
        const Length labels = g.labelWidth * t.across + g.gapX * (t.across - 1);
        const Length roll = t.rollWidth > 0 ? Length::mm(t.rollWidth) : labels;
        g.marginLeft = Length::um((roll - labels).um() / 2);
        g.pageWidth = roll;
        // a die-cut roll's page is one row of labels; the printer finds the gap
        if (!t.continuous) g.pageHeight = g.labelHeight;
        stocks.push_back(std::move(stock));
    }
    return stocks;
}

}  // namespace quill::designer
