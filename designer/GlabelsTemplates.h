#pragma once
// The XML of glabels' template files (Glabels-templates): the products of
// label makers, each a sheet or roll with its grid of labels. We read what
// a design needs (label shape and size, page size, the first grid) and
// write our site stocks the same way, so a site can share them with any
// program that reads those files.
#include <QIODevice>
#include <QMap>
#include <QString>
#include <optional>
#include <vector>

#include "designer/StockCatalogue.h"

namespace quill::designer {

struct PaperSize {
    QString name;   // "US Letter"
    labelrender::Length width, height;
};
// Keyed by the id templates name them with ("US-Letter").
using PaperSizes = QMap<QString, PaperSize>;

// "17.8mm", "0.5in", "11.in", "207pt", "1cm", "2pc"; a bare number is points.
std::optional<labelrender::Length> ParseGlabelsLength(const QString& text);

// The paper sizes of paper-sizes.xml; empty when it cannot be read.
PaperSizes ReadPaperSizes(const QString& path);

// Appends the file's templates as stocks of `source`, equivalent parts
// resolved; false with the reason when the file is not such XML. Templates
// that describe no usable label are left out.
bool ReadTemplates(QIODevice& file, const PaperSizes& papers, StockSource source, std::vector<LabelStock>& out,
                   QString* error);

void WriteTemplates(QIODevice& file, const std::vector<LabelStock>& stocks);

}  // namespace quill::designer
