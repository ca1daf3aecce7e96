#include "designer/GlabelsTemplates.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>

namespace quill::designer {

using labelrender::Length;

std::optional<Length> ParseGlabelsLength(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9]+\\.?[0-9]*|\\.[0-9]+)\\s*(mm|cm|in|pt|pc)?\\s*$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) return std::nullopt;
    const QString unit = match.captured(2);
    const double mmPerUnit = unit == u"mm"   ? 1.0
                             : unit == u"cm" ? 10.0
                             : unit == u"in" ? 25.4
                             : unit == u"pc" ? 12 * 25.4 / 72
                                             : 25.4 / 72;
    const double mm = match.captured(1).toDouble() * mmPerUnit;
    // far beyond any page; also keeps the conversion to micrometres defined
    if (mm > 1000 * labelrender::kMaxPageSide.mm()) return std::nullopt;
    return Length::mm(mm);
}

namespace {

Length LengthAttribute(const QXmlStreamAttributes& attributes, QLatin1StringView name, bool* ok) {
    // some products leave a value empty where they mean 0
    if (attributes.value(name).trimmed().isEmpty()) return {};
    const std::optional<Length> length = ParseGlabelsLength(attributes.value(name).toString());
    if (!length) *ok = false;
    return length.value_or(Length());
}

QString Description(const QXmlStreamAttributes& attributes) {
    // "_description" marks the text for translation in the catalogue's own files
    const QString text = attributes.value(QLatin1StringView("_description")).toString();
    return text.isEmpty() ? attributes.value(QLatin1StringView("description")).toString() : text;
}

struct TemplateReader {
    QXmlStreamReader& xml;
    const PaperSizes& papers;

    // One <Template>; nullopt when it describes no usable label. `equiv`
    // receives the part it stands for, if any.
    std::optional<LabelStock> Read(StockSource source, QString& equiv) {
        const QXmlStreamAttributes a = xml.attributes();
        LabelStock stock;
        stock.source = source;
        stock.brand = a.value(QLatin1StringView("brand")).toString();
        stock.part = a.value(QLatin1StringView("part")).toString();
        if (stock.brand.isEmpty() && stock.part.isEmpty()) {
            // files of older glabels versions name a product in one attribute
            const QString name = a.value(QLatin1StringView("name")).toString();
            stock.brand = name.section(' ', 0, 0);
            stock.part = name.section(' ', 1);
        }
        stock.description = Description(a);
        equiv = a.value(QLatin1StringView("equiv")).toString();
        stock.continuous = a.value(QLatin1StringView("continuous")) == u"1";
        bool ok = true;
        const QString size = a.value(QLatin1StringView("size")).toString();
        Length pageWidth, pageHeight;
        if (papers.contains(size)) {
            stock.paper = papers[size].name;
            pageWidth = papers[size].width;
            pageHeight = papers[size].height;
        } else {
            stock.paper = stock.continuous ? QStringLiteral("Roll") : QStringLiteral("Other");
            pageWidth = LengthAttribute(a, QLatin1StringView("width"), &ok);
            pageHeight = LengthAttribute(a, QLatin1StringView("height"), &ok);
        }
        bool labelSeen = false;
        int layouts = 0;
        labelrender::PageGeometry& g = stock.geometry;
        while (xml.readNextStartElement()) {
            if (!labelSeen && xml.name().startsWith(u"Label-")) {
                labelSeen = true;
                ReadLabel(stock, ok, layouts);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (!equiv.isEmpty()) return stock;
        if (!ok || !labelSeen || layouts == 0 || pageWidth <= Length() || pageHeight <= Length()) return std::nullopt;
        g.pageWidth = pageWidth;
        if (!stock.continuous) g.pageHeight = pageHeight;
        stock.moreLayouts = layouts > 1;
        if (g.labelWidth < labelrender::kMinLabelSide || g.labelHeight < labelrender::kMinLabelSide ||
            !labelrender::CheckPageGeometry(g).ok())
            return std::nullopt;
        return stock;
    }

    void ReadLabel(LabelStock& stock, bool& ok, int& layouts) {
        const QXmlStreamAttributes a = xml.attributes();
        labelrender::PageGeometry& g = stock.geometry;
        const QStringView kind = xml.name();
        const Length radius = LengthAttribute(a, QLatin1StringView("radius"), &ok);
        if (kind == u"Label-round" || (kind == u"Label-cd" && !a.hasAttribute(QLatin1StringView("width")))) {
            g.labelWidth = g.labelHeight = radius * 2;
        } else {
            g.labelWidth = LengthAttribute(a, QLatin1StringView("width"), &ok);
            g.labelHeight = LengthAttribute(a, QLatin1StringView("height"), &ok);
        }
        stock.shape = kind == u"Label-round"     ? StockShape::Round
                      : kind == u"Label-ellipse" ? StockShape::Ellipse
                      : kind == u"Label-cd"      ? StockShape::Disc
                                                 : StockShape::Rectangle;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Layout" && layouts++ == 0) ReadLayout(g, ok);
            xml.skipCurrentElement();
        }
    }

    void ReadLayout(labelrender::PageGeometry& g, bool& ok) const {
        const QXmlStreamAttributes a = xml.attributes();
        g.cols = a.value(QLatin1StringView("nx")).toInt();
        g.rows = a.value(QLatin1StringView("ny")).toInt();
        if (g.cols < 1 || g.rows < 1 || g.cols > labelrender::kMaxRowsOrColumns ||
            g.rows > labelrender::kMaxRowsOrColumns)
            ok = false;
        g.marginLeft = LengthAttribute(a, QLatin1StringView("x0"), &ok);
        g.marginTop = LengthAttribute(a, QLatin1StringView("y0"), &ok);
        // a single column or row often gives its step as 0
        const Length dx = LengthAttribute(a, QLatin1StringView("dx"), &ok);
        const Length dy = LengthAttribute(a, QLatin1StringView("dy"), &ok);
        g.gapX = g.cols > 1 ? std::max(Length(), dx - g.labelWidth) : Length();
        g.gapY = g.rows > 1 ? std::max(Length(), dy - g.labelHeight) : Length();
    }
};

}  // namespace

PaperSizes ReadPaperSizes(const QString& path) {
    PaperSizes papers;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return papers;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement()) return papers;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Paper-size") {
            const QXmlStreamAttributes a = xml.attributes();
            const auto width = ParseGlabelsLength(a.value(QLatin1StringView("width")).toString());
            const auto height = ParseGlabelsLength(a.value(QLatin1StringView("height")).toString());
            QString name = a.value(QLatin1StringView("_name")).toString();
            if (name.isEmpty()) name = a.value(QLatin1StringView("name")).toString();
            if (width && height) papers.insert(a.value(QLatin1StringView("id")).toString(), {name, *width, *height});
        }
        xml.skipCurrentElement();
    }
    return papers;
}

bool ReadTemplates(QIODevice& file, const PaperSizes& papers, StockSource source, std::vector<LabelStock>& out,
                   QString* error) {
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != u"Glabels-templates") {
        if (error) *error = xml.hasError() ? xml.errorString() : QStringLiteral("not a file of label templates");
        return false;
    }
    TemplateReader reader{xml, papers};
    std::vector<LabelStock> read;
    std::vector<std::pair<LabelStock, QString>> equivalents;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"Template") {
            xml.skipCurrentElement();
            continue;
        }
        QString equiv;
        std::optional<LabelStock> stock = reader.Read(source, equiv);
        if (!stock) continue;
        if (equiv.isEmpty())
            read.push_back(std::move(*stock));
        else
            equivalents.emplace_back(std::move(*stock), equiv);
    }
    if (xml.hasError()) {
        if (error) *error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return false;
    }
    for (const auto& [alias, equiv] : equivalents) {
        const auto original = std::find_if(read.begin(), read.end(), [&](const LabelStock& s) {
            return s.brand == alias.brand && s.part == equiv;
        });
        if (original == read.end()) continue;
        LabelStock copy = *original;
        copy.part = alias.part;
        if (!alias.description.isEmpty()) copy.description = alias.description;
        read.push_back(std::move(copy));
    }
    out.insert(out.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return true;
}

namespace {

QString Mm(Length length) { return QString::number(length.mm(), 'f', 3) + QStringLiteral("mm"); }

}  // namespace

void WriteTemplates(QIODevice& file, const std::vector<LabelStock>& stocks) {
    QXmlStreamWriter xml(&file);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("Glabels-templates"));
    for (const LabelStock& stock : stocks) {
        const labelrender::PageGeometry& g = stock.geometry;
        xml.writeStartElement(QStringLiteral("Template"));
        xml.writeAttribute(QStringLiteral("brand"), stock.brand);
        xml.writeAttribute(QStringLiteral("part"), stock.part);
        xml.writeAttribute(QStringLiteral("size"), QStringLiteral("Other"));
        xml.writeAttribute(QStringLiteral("width"), Mm(g.PageWidth()));
        xml.writeAttribute(QStringLiteral("height"), Mm(g.PageHeight()));
        xml.writeAttribute(QStringLiteral("_description"), stock.description);
        // ours: other readers ignore it and see a sheet one page long
        if (stock.continuous) xml.writeAttribute(QStringLiteral("continuous"), QStringLiteral("1"));
        xml.writeEmptyElement(QStringLiteral("Meta"));
        xml.writeAttribute(QStringLiteral("category"), QStringLiteral("label"));
        xml.writeStartElement(QStringLiteral("Label-rectangle"));
        xml.writeAttribute(QStringLiteral("id"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("width"), Mm(g.labelWidth));
        xml.writeAttribute(QStringLiteral("height"), Mm(g.labelHeight));
        xml.writeAttribute(QStringLiteral("round"), Mm(Length()));
        xml.writeEmptyElement(QStringLiteral("Layout"));
        xml.writeAttribute(QStringLiteral("nx"), QString::number(g.cols));
        xml.writeAttribute(QStringLiteral("ny"), QString::number(g.rows));
        xml.writeAttribute(QStringLiteral("x0"), Mm(g.marginLeft));
        xml.writeAttribute(QStringLiteral("y0"), Mm(g.marginTop));
        xml.writeAttribute(QStringLiteral("dx"), Mm(g.labelWidth + g.gapX));
        xml.writeAttribute(QStringLiteral("dy"), Mm(g.labelHeight + g.gapY));
        xml.writeEndElement();   // Label-rectangle
        xml.writeEndElement();   // Template
    }
    xml.writeEndElement();
    xml.writeEndDocument();
}

}  // namespace quill::designer
