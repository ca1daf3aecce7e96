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
// in the returned rectangle (origin at the box's corner the contents start from).
QRectF EnterObjectBox(QPainter& painter, const DesignObject& object) {
    const double w = Um(object.width);
    const double h = Um(object.height);
    painter.translate(Um(object.x), Um(object.y));
    switch (object.rotation) {
    case 90:
        painter.translate(w, 0);
        painter.rotate(90);
        return {0, 0, h, w};
    case 180:
        painter.translate(w, h);
        painter.rotate(180);
        return {0, 0, w, h};
    case 270:
        painter.translate(0, h);
        painter.rotate(270);
        return {0, 0, h, w};
    default: return {0, 0, w, h};
    }
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

void PaintText(QPainter& painter, const TextObject& text, const QString& value, const QRectF& box) {
    if (value.isEmpty()) return;
    const int flags = TextFlags(text);
    double size = text.fontSizePt * kMicrometresPerPoint;
    QFont font = MakeFont(text, size);
    if (text.shrinkToFit) {
        const auto fits = [&](double candidate) {
            const QRectF needed = QFontMetricsF(MakeFont(text, candidate)).boundingRect(box, flags, value);
            return needed.width() <= box.width() + 0.5 && needed.height() <= box.height() + 0.5;
        };
        if (!fits(size)) {
            // the largest size that fits; wrapping makes the need step-wise, so search
            double fitting = 1;
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
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box, flags, value);
}

void PaintSymbol(QPainter& painter, const VectorSymbol& symbol, Colour colour, const QRectF& box) {
    if (symbol.width <= 0 || symbol.height <= 0) return;
    double sx = box.width() / symbol.width;
    double sy = box.height() / symbol.height;
    double ox = 0;
    double oy = 0;
    if (symbol.kind != SymbolKind::Linear) {
        // two-dimensional symbols keep square modules, centred in the box
        sx = sy = std::min(sx, sy);
        ox = (box.width() - symbol.width * sx) / 2;
        oy = (box.height() - symbol.height * sy) / 2;
    }
    const QColor ink = ToQColor(colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const auto& r : symbol.rects) painter.drawRect(QRectF(ox + r.x * sx, oy + r.y * sy, r.width * sx, r.height * sy));
    for (const auto& h : symbol.hexagons) {
        QPolygonF hexagon;
        const double radius = h.diameter / 2.0;
        for (int corner = 0; corner < 6; ++corner) {
            const double angle = (60.0 * corner + 30.0 + h.rotation) * M_PI / 180.0;
            hexagon << QPointF(ox + (h.x + radius * std::cos(angle)) * sx, oy + (h.y + radius * std::sin(angle)) * sy);
        }
        painter.drawPolygon(hexagon);
    }
    for (const auto& c : symbol.circles) {
        const double rx = c.diameter / 2.0 * sx;
        const double ry = c.diameter / 2.0 * sy;
        painter.drawEllipse(QPointF(ox + c.x * sx, oy + c.y * sy), rx, ry);
    }
    if (symbol.texts.empty()) return;
    painter.setPen(ink);
    const double textScale = std::min(sx, sy);
    for (const auto& t : symbol.texts) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(t.fontSize * textScale))));
        painter.setFont(font);
        const QString text = QString::fromStdString(t.utf8);
        const double width = QFontMetricsF(font).horizontalAdvance(text);
        double x = ox + t.x * sx;
        if (t.halign == 0) x -= width / 2;
        if (t.halign == 2) x -= width;
        painter.drawText(QPointF(x, oy + t.y * sy), text);
    }
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
                    if (value.symbol) PaintSymbol(painter, *value.symbol, kind.colour, box);
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
