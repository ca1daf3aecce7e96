#pragma once
// The label stocks a design can be laid out for: the products of the label
// catalogue Debian installs (glabels-data), the tapes and tags of textile
// labelling that it lacks, and the stocks a site saved for itself. Read at
// run time, never copied into the program.
#include <QString>
#include <QStringList>
#include <vector>

#include "labelrender/Design.h"

namespace quill::designer {

enum class StockSource { Site, Textile, Catalogue };
enum class StockShape { Rectangle, Round, Ellipse, Disc };

struct LabelStock {
    QString brand;         // "Avery", "Textile", "Site"
    QString part;          // "L7160"
    QString description;   // "Address Labels"
    QString paper;         // "A4", "US Letter", "Roll", "Other"
    StockSource source = StockSource::Catalogue;
    StockShape shape = StockShape::Rectangle;
    labelrender::PageGeometry geometry;
    // A tape without marks: the page is as long as the label the design
    // gives it (the page height stays empty).
    bool continuous = false;
    // Sheets that hold more than one grid of labels: only the first is used.
    bool moreLayouts = false;

    QString Name() const { return brand + ' ' + part; }
    // "63.5 x 38.1 mm, 3 x 7 on A4"
    QString SizeText() const;
};

class StockCatalogue {
public:
    // Where glabels-data puts its catalogue.
    static QString DefaultTemplatesFolder();
    // The site's own stocks, beside QUILL.INI in the program folder.
    static QString DefaultSiteStocksFile();

    // Reads every *-templates.xml of `templatesFolder` and the site's file
    // (both may be missing), and adds the textile stocks.
    void Load(const QString& templatesFolder, const QString& siteStocksFile);

    // Site stocks first, then the textile ones, then the catalogue by brand
    // and part.
    const std::vector<LabelStock>& Stocks() const { return stocks_; }
    // Files that could not be read, each with the reason.
    const QStringList& Problems() const { return problems_; }

    // Stocks whose name, description or size contain every word of `text`
    // (any case); all of them for an empty text.
    std::vector<const LabelStock*> Search(const QString& text) const;
    const LabelStock* Find(const QString& brand, const QString& part) const;

    // Adds the stock to the site's file (replacing one of the same part),
    // written whole and atomically; false with the reason in `error`.
    bool SaveSiteStock(LabelStock stock, QString* error);
    bool RemoveSiteStock(const QString& part, QString* error);

private:
    bool WriteSiteStocks(QString* error) const;
    void Sort();

    QString siteFile_;
    std::vector<LabelStock> stocks_;
    QStringList problems_;
};

// The stocks of textile labelling, in our own table.
std::vector<LabelStock> TextileStocks();

// A design laid out for the stock: label and page size, grid, margins and
// gaps; a continuous stock leaves the page height to the labels.
void ApplyStock(const LabelStock& stock, labelrender::PageGeometry& geometry);

}  // namespace quill::designer
