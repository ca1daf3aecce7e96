#include "labelrender/LabelPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace quill::labelrender {

namespace {

constexpr double kMicrometresPerPoint = 25400.0 / 72.0;

QColor ToQColor(Colour c) { return QColor::fromRgb(static_cast<QRgb>(c.rgb | 0xFF000000u)); }
double Um(Length length) { return static_cast<double>(length.um()); }

// Turns the painter so that the object's contents are laid out unrotated
// in the returned rectangle (its top-left the box's corner the contents
// start from). An unrotated object leaves the painter as it is: a PDF gets
// a matrix and a new graphics state with every change of the transform.
QRectF EnterObjectBox(QPainter& painter, const DesignObject& object) {
    const BoxSize box = ContentBox(object);
    if (object.rotation == 0) return {Um(object.x), Um(object.y), box.widthUm, box.heightUm};
    painter.setTransform(ObjectTransform(object), true);
    return {0, 0, box.widthUm, box.heightUm};
}

QFont MakeFont(const TextObject& text, double sizeUm) {
    QFont font(QString::fromStdString(text.fontFamily));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(sizeUm))));
    font.setBold(text.bold);
    font.setItalic(text.italic);
    return font;
}

int TextFlags(const TextObject& text) {
    int flags = 0;
    flags |= text.align == HAlign::Left ? Qt::AlignLeft : text.align == HAlign::Center ? Qt::AlignHCenter : Qt::AlignRight;
    flags |= text.valign == VAlign::Top ? Qt::AlignTop : text.valign == VAlign::Middle ? Qt::AlignVCenter : Qt::AlignBottom;
    if (text.wordWrap) flags |= Qt::TextWordWrap;
    return flags;
}

bool FitsAt(const TextObject& text, const QString& value, const QRectF& box, double sizeUm) {
    const QRectF needed = QFontMetricsF(MakeFont(text, sizeUm)).boundingRect(box, TextFlags(text), value);
    return needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5;
}

void PaintText(QPainter& painter, const TextObject& text, const QString& value, const QRectF& box) {
    if (value.isEmpty()) return;
    const int flags = TextFlags(text);
    double size = text.fontSizePt * kMicrometresPerPoint;
    QFont font = MakeFont(text, size);
    if (text.shrinkToFit) {
        const auto fits = [&](double candidate) { return FitsAt(text, value, box, candidate); };
        if (!fits(size)) {
            // the largest size that fits, not below the minimum; wrapping
            // makes the need step-wise, so search
            double fitting = std::clamp(text.minFontSizePt * kMicrometresPerPoint, 1.0, size);
            double tooLarge = size;
            for (int round = 0; round < 12; ++round) {
                const double middle = (fitting + tooLarge) / 2;
                (fits(middle) ? fitting : tooLarge) = middle;
            }
            size = fitting;
            font = MakeFont(text, size);
        }
    }
    painter.setFont(font);
    painter.setPen(ToQColor(text.colour));
    // drawText clips to the box itself when the text runs out of it; a
    // clip of our own on every text would cost a clip path in the PDF each
    painter.drawText(box, flags, value);
}

// Moves `origin` (in the painter's units) onto the printer's dot grid of
// the page: whole-dot modules only print as whole dots when their edges
// fall between dots. Objects turn by quarter turns, so the painter's axes
// stay parallel to the page's.
QPointF OnDotGrid(const QPainter& painter, QPointF origin, double dotsPerInch) {
    const QTransform& t = painter.worldTransform();
    const double deviceUnitsPerUm = std::hypot(t.m11(), t.m12());
    if (dotsPerInch <= 0 || deviceUnitsPerUm <= 0) return origin;
    const double dot = 25400.0 / dotsPerInch * deviceUnitsPerUm;
    const QPointF device = t.map(origin);
    const QPointF snapped(std::round(device.x() / dot) * dot, std::round(device.y() / dot) * dot);
    return t.inverted().map(snapped);
}

void PaintSymbol(QPainter& painter, const VectorSymbol& symbol, const SymbolPlacement& place, const QRectF& box,
                 const LabelContent& content, Colour colour) {
    if (place.unitX <= 0 || place.unitY <= 0) return;
    const double dotsPerInch = content.dotsPerInch;
    if (content.calibrationFactor != 1) {
        // the calibration moves and stretches the box; the symbol keeps its size, centred
        const QPointF centre = box.center();
        painter.translate(centre);
        painter.scale(1 / content.calibrationFactor, 1 / content.calibrationFactor);
        painter.translate(-centre);
    }
    const QPointF origin = OnDotGrid(painter, box.topLeft() + QPointF(place.x, place.y), dotsPerInch);
    const double ox = origin.x();
    const double oy = origin.y();
    const double sx = place.unitX;
    const double sy = place.unitY;
    const QColor ink = ToQColor(colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    // Bars and modules go in page coordinates: under a transform a PDF
    // gets a matrix and a saved state with every single bar, which made up
    // half of a sheet's page. Objects turn by quarter turns, so a bar stays
    // a rectangle.
    const QTransform toPage = painter.worldTransform();
    painter.setWorldTransform(QTransform());
    for (const auto& r : symbol.rects)
        painter.drawRect(toPage.mapRect(QRectF(ox + r.x * sx, oy + r.y * sy, r.width * sx, r.height * sy)));
    painter.setWorldTransform(toPage);
    for (const auto& h : symbol.hexagons) {
        QPolygonF hexagon;
        const double radius = h.diameter / 2.0;
        for (int corner = 0; corner < 6; ++corner) {
            const double angle = (60.0 * corner + 30.0 + h.rotation) * M_PI / 180.0;
            hexagon << QPointF(ox + (h.x + radius * std::cos(angle)) * sx, oy + (h.y + radius * std::sin(angle)) * sy);
        }
        painter.drawPolygon(hexagon);
    }
    for (const auto& c : symbol.circles)
        painter.drawEllipse(QPointF(ox + c.x * sx, oy + c.y * sy), c.diameter / 2.0 * sx, c.diameter / 2.0 * sy);
    if (place.textSizeUm <= 0) return;
    painter.setPen(ink);
    painter.setFont(HumanReadableFont(place.textSizeUm));
    const QString text = QString::fromStdString(symbol.humanReadable);
    const double width = QFontMetricsF(painter.font()).horizontalAdvance(text);
    painter.drawText(QPointF(place.textCentreUm + (ox - place.x) - width / 2, box.y() + place.textBaselineUm), text);
}

void PaintImage(QPainter& painter, const QImage& image, const QRectF& box) {
    if (image.isNull() || image.width() == 0 || image.height() == 0) return;
    const double scale = std::min(box.width() / image.width(), box.height() / image.height());
    const QSizeF size(image.width() * scale, image.height() * scale);
    const QRectF target(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
                        size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
}

QPen StrokePen(const Stroke& stroke) {
    if (stroke.width.um() <= 0) return Qt::NoPen;
    QPen pen(ToQColor(stroke.colour));
    pen.setWidthF(Um(stroke.width));
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

// The shape's outline inside its box: the stroke is drawn within the box,
// so a frame drawn at the label's edge is not cut off.
QRectF InsetForStroke(const QRectF& box, const Stroke& stroke) {
    const double half = std::max(0.0, Um(stroke.width)) / 2;
    return box.adjusted(half, half, -half, -half);
}

}  // namespace

QTransform ObjectTransform(const DesignObject& object) {
    const double w = Um(object.width);
    const double h = Um(object.height);
    QTransform t;
    t.translate(Um(object.x), Um(object.y));
    switch (object.rotation) {
    case 90: t.translate(w, 0); break;
    case 180: t.translate(w, h); break;
    case 270: t.translate(0, h); break;
    default: return t;
    }
    return t.rotate(object.rotation);
}

bool TextFits(const TextObject& text, const QString& value, double boxWidthUm, double boxHeightUm) {
    if (value.isEmpty() || (text.shrinkToFit && text.minFontSizePt <= 0)) return true;
    const double sizePt = text.shrinkToFit ? std::min(text.minFontSizePt, text.fontSizePt) : text.fontSizePt;
    return FitsAt(text, value, QRectF(0, 0, boxWidthUm, boxHeightUm), sizePt * kMicrometresPerPoint);
}

QFont HumanReadableFont(double pixelSizeUm) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSizeUm))));
    return font;
}

void UseMicrometres(QPainter& painter, double dotsPerInch) {
    const double scale = dotsPerInch / 25400.0;
    painter.scale(scale, scale);
}

void PaintLabel(QPainter& painter, const Design& design, const LabelContent& content) {
    for (std::size_t i = 0; i < design.objects.size() && i < content.objects.size(); ++i) {
        const DesignObject& object = design.objects[i];
        const ObjectContent& value = content.objects[i];
        painter.save();
        if (const auto* line = std::get_if<LineObject>(&object.kind)) {
            painter.setPen(StrokePen(line->stroke));
            painter.drawLine(QPointF(Um(object.x), Um(object.y)),
                             QPointF(Um(object.x + object.width), Um(object.y + object.height)));
            painter.restore();
            continue;
        }
        const QRectF box = EnterObjectBox(painter, object);
        std::visit(
            [&](const auto& kind) {
                using K = std::decay_t<decltype(kind)>;
                if constexpr (std::is_same_v<K, TextObject>) {
                    PaintText(painter, kind, value.text, box);
                } else if constexpr (std::is_same_v<K, BarcodeObject> || std::is_same_v<K, DataMatrixObject> ||
                                     std::is_same_v<K, QrCodeObject>) {
                    if (value.symbol)
                        PaintSymbol(painter, *value.symbol, value.placement, box, content, kind.colour);
                } else if constexpr (std::is_same_v<K, ImageObject>) {
                    PaintImage(painter, value.image, box);
                } else if constexpr (std::is_same_v<K, RectangleObject>) {
                    painter.setPen(StrokePen(kind.stroke));
                    painter.setBrush(kind.fill ? QBrush(ToQColor(*kind.fill)) : QBrush(Qt::NoBrush));
                    const QRectF r = InsetForStroke(box, kind.stroke);
                    const double radius = Um(kind.cornerRadius);
                    if (radius > 0)
                        painter.drawRoundedRect(r, radius, radius);
                    else
                        painter.drawRect(r);
                } else if constexpr (std::is_same_v<K, EllipseObject>) {
                    painter.setPen(StrokePen(kind.stroke));
                    painter.setBrush(kind.fill ? QBrush(ToQColor(*kind.fill)) : QBrush(Qt::NoBrush));
                    painter.drawEllipse(InsetForStroke(box, kind.stroke));
                }
            },
            object.kind);
        painter.restore();
    }
}

QImage RenderLabelImage(const Design& design, const LabelContent& content, double dotsPerInch) {
    const int width = std::max(1, static_cast<int>(std::lround(design.geometry.labelWidth.dots(dotsPerInch))));
    const int height = std::max(1, static_cast<int>(std::lround(design.geometry.labelHeight.dots(dotsPerInch))));
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    UseMicrometres(painter, dotsPerInch);
    PaintLabel(painter, design, content);
    painter.end();
    return image;
}

}  // namespace quill::labelrender
