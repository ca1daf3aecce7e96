#include "designer/StockCatalogue.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

#include "core/Startup.h"
#include "designer/GlabelsTemplates.h"

namespace quill::designer {

namespace {

QString Number(labelrender::Length length) { return QString::number(length.mm(), 'g', 6); }

}  // namespace

QString LabelStock::SizeText() const {
    const labelrender::PageGeometry& g = geometry;
    QString text = Number(g.labelWidth) + QStringLiteral(" x ") + Number(g.labelHeight) + QStringLiteral(" mm");
    const bool roll = continuous || paper == u"Roll";
    if (roll && g.cols > 1) text += QStringLiteral(", %1 across").arg(g.cols);
    if (roll)
        return text + (continuous ? QStringLiteral(", continuous roll ") : QStringLiteral(", die-cut roll ")) +
               Number(g.PageWidth()) + QStringLiteral(" mm wide");
    if (g.LabelsPerPage() > 1) text += QStringLiteral(", %1 x %2").arg(g.cols).arg(g.rows);
    if (paper == u"Other")
        return text + QStringLiteral(" on a ") + Number(g.PageWidth()) + QStringLiteral(" x ") + Number(g.PageHeight()) +
               QStringLiteral(" mm page");
    return text + QStringLiteral(" on ") + paper;
}

QString StockCatalogue::DefaultTemplatesFolder() { return QStringLiteral("/usr/share/libglabels-3.0/templates"); }

QString StockCatalogue::DefaultSiteStocksFile() {
    return QString::fromStdString(ProgramFolder()) + QStringLiteral("LabelStocks.xml");
}

void StockCatalogue::Load(const QString& templatesFolder, const QString& siteStocksFile) {
    stocks_ = TextileStocks();
    problems_.clear();
    siteFile_ = siteStocksFile;
    const QDir folder(templatesFolder);
    const PaperSizes papers = ReadPaperSizes(folder.filePath(QStringLiteral("paper-sizes.xml")));
    const auto read = [&](const QString& path, StockSource source) {
        QFile file(path);
        QString error;
        if (!file.open(QIODevice::ReadOnly))
            error = file.errorString();
        else if (ReadTemplates(file, papers, source, stocks_, &error))
            return;
        problems_ << path + QStringLiteral(": ") + error;
    };
    for (const QString& name : folder.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name))
        read(folder.filePath(name), StockSource::Catalogue);
    if (QFile::exists(siteStocksFile)) read(siteStocksFile, StockSource::Site);
    Sort();
}

void StockCatalogue::Sort() {
    QCollator collator;
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(stocks_.begin(), stocks_.end(), [&](const LabelStock& a, const LabelStock& b) {
        if (a.source != b.source) return a.source < b.source;
        if (const int brand = collator.compare(a.brand, b.brand)) return brand < 0;
        return collator.compare(a.part, b.part) < 0;
    });
}

std::vector<const LabelStock*> StockCatalogue::Search(const QString& text) const {
    const QStringList words = text.split(' ', Qt::SkipEmptyParts);
    std::vector<const LabelStock*> found;
    for (const LabelStock& stock : stocks_) {
        const QString haystack = stock.Name() + ' ' + stock.description + ' ' + stock.SizeText();
        if (std::all_of(words.begin(), words.end(),
                        [&](const QString& word) { return haystack.contains(word, Qt::CaseInsensitive); }))
            found.push_back(&stock);
    }
    return found;
}

const LabelStock* StockCatalogue::Find(const QString& brand, const QString& part) const {
    const auto it = std::find_if(stocks_.begin(), stocks_.end(), [&](const LabelStock& s) {
        return s.brand.compare(brand, Qt::CaseInsensitive) == 0 && s.part.compare(part, Qt::CaseInsensitive) == 0;
    });
    return it == stocks_.end() ? nullptr : &*it;
}

bool StockCatalogue::SaveSiteStock(LabelStock stock, QString* error) {
    stock.source = StockSource::Site;
    stock.brand = QStringLiteral("Site");
    stock.paper = stock.continuous ? QStringLiteral("Roll") : QStringLiteral("Other");
    stock.shape = StockShape::Rectangle;
    stock.moreLayouts = false;
    if (!stock.continuous && !stock.geometry.pageHeight) stock.geometry.pageHeight = stock.geometry.PageHeight();
    if (!stock.geometry.pageWidth) stock.geometry.pageWidth = stock.geometry.PageWidth();
    const std::vector<LabelStock> before = stocks_;
    std::erase_if(stocks_, [&](const LabelStock& s) {
        return s.source == StockSource::Site && s.part.compare(stock.part, Qt::CaseInsensitive) == 0;
    });
    stocks_.push_back(std::move(stock));
    Sort();
    if (WriteSiteStocks(error)) return true;
    stocks_ = before;
    return false;
}

bool StockCatalogue::RemoveSiteStock(const QString& part, QString* error) {
    const std::vector<LabelStock> before = stocks_;
    std::erase_if(stocks_, [&](const LabelStock& s) {
        return s.source == StockSource::Site && s.part.compare(part, Qt::CaseInsensitive) == 0;
    });
    if (WriteSiteStocks(error)) return true;
    stocks_ = before;
    return false;
}

bool StockCatalogue::WriteSiteStocks(QString* error) const {
    std::vector<LabelStock> site;
    std::copy_if(stocks_.begin(), stocks_.end(), std::back_inserter(site),
                 [](const LabelStock& s) { return s.source == StockSource::Site; });
    QDir().mkpath(QFileInfo(siteFile_).absolutePath());
    // the old file stays whole until the new one is complete
    QSaveFile file(siteFile_);
    if (file.open(QIODevice::WriteOnly)) {
        WriteTemplates(file, site);
        if (file.commit()) return true;
    }
    if (error) *error = siteFile_ + QStringLiteral(": ") + file.errorString();
    return false;
}

void ApplyStock(const LabelStock& stock, labelrender::PageGeometry& geometry) {
    geometry = stock.geometry;
    if (stock.continuous) geometry.pageHeight.reset();
}

}  // namespace quill::designer
