#include "ui/Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace quill::ui {

namespace {

struct SkinColours {
    // the seven colours of the key column, in their order
    std::array<QColor, 7> key;
    QColor headerTop, headerBottom;            // normal header gradient
    QColor highlightTop, highlightBottom;      // highlighted header gradient
    QColor button, buttonHot, arrow, arrowHot; // button disc and its chevrons
};

SkinColours Palette(TSkinKind kind) {
    switch (kind) {
        case TSkinKind::Olive:
            return {{QColor(204, 217, 173), QColor(246, 246, 236), QColor(255, 255, 255), QColor(86, 102, 45),
                     QColor(114, 146, 29), QColor(255, 255, 255), QColor(224, 231, 184)},
                    QColor(255, 255, 255), QColor(224, 231, 184),
                    QColor(119, 140, 64), QColor(150, 168, 103),
                    QColor(255, 255, 255), QColor(246, 248, 232), QColor(114, 146, 29), QColor(86, 102, 45)};
        case TSkinKind::Silver:
            return {{QColor(196, 200, 212), QColor(240, 241, 245), QColor(255, 255, 255), QColor(63, 61, 61),
                     QColor(126, 124, 124), QColor(255, 255, 255), QColor(230, 230, 230)},
                    QColor(255, 255, 255), QColor(214, 215, 224),
                    QColor(119, 119, 146), QColor(180, 182, 199),
                    QColor(255, 255, 255), QColor(246, 246, 250), QColor(119, 119, 146), QColor(63, 61, 61)};
        case TSkinKind::Blue:
        default:
            return {{QColor(123, 162, 231), QColor(214, 223, 247), QColor(255, 255, 255), QColor(33, 93, 198),
                     QColor(66, 142, 255), QColor(255, 255, 255), QColor(198, 211, 247)},
                    QColor(255, 255, 255), QColor(198, 211, 247),
                    QColor(0, 73, 181), QColor(41, 93, 206),
                    QColor(255, 255, 255), QColor(236, 242, 255), QColor(33, 93, 198), QColor(66, 142, 255)};
    }
}

// A header row: left cap, stretchable middle and the four button pieces.
void PaintHeaderRow(QPainter& p, int top, const QColor& from, const QColor& to, const SkinColours& c,
                    bool highlighted) {
    QLinearGradient fill(7, 0, 267, 0);
    fill.setColorAt(0, from);
    fill.setColorAt(1, to);
    // Left cap with a rounded top-left corner, then the middle piece.
    QPainterPath cap;
    cap.moveTo(12, top);
    cap.lineTo(10, top);
    cap.quadTo(7, top, 7, top + 3);
    cap.lineTo(7, top + 23);
    cap.lineTo(12, top + 23);
    cap.closeSubpath();
    p.fillPath(cap, fill);
    p.fillRect(QRect(13, top, 150, 23), fill);
    // Buttons: the header's end with a disc and a double chevron.
    const int buttons[4] = {164, 190, 216, 242};
    for (int i = 0; i < 4; ++i) {
        const int left = buttons[i];
        const bool open = i < 2, hot = i % 2 == 1;
        QPainterPath end;
        end.moveTo(left, top);
        end.lineTo(left + 22, top);
        end.quadTo(left + 25, top, left + 25, top + 3);
        end.lineTo(left + 25, top + 23);
        end.lineTo(left, top + 23);
        end.closeSubpath();
        p.fillPath(end, QBrush(to));
        const QPointF centre(left + 12.5, top + 11.5);
        QRadialGradient disc(centre - QPointF(2, 2), 10);
        disc.setColorAt(0, hot ? c.buttonHot.lighter(104) : c.button);
        disc.setColorAt(1, hot ? c.buttonHot : c.button.darker(108));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(highlighted ? to.darker(115) : c.key[2].darker(125), 1));
        p.setBrush(disc);
        p.drawEllipse(centre, 8, 8);
        p.setBrush(Qt::NoBrush);
        // On a highlighted header the chevrons take its own colour.
        p.setPen(QPen(highlighted ? (hot ? c.highlightTop.lighter(130) : c.highlightTop)
                                  : (hot ? c.arrowHot : c.arrow),
                      1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        for (int k = 0; k < 2; ++k) {
            const double y = centre.y() + (open ? -2.5 : -3.5) + k * 4;
            if (open) {
                p.drawPolyline(QPolygonF{{centre.x() - 3, y + 2}, {centre.x(), y - 1}, {centre.x() + 3, y + 2}});
            } else {
                p.drawPolyline(QPolygonF{{centre.x() - 3, y}, {centre.x(), y + 3}, {centre.x() + 3, y}});
            }
        }
        p.setRenderHint(QPainter::Antialiasing, false);
    }
}

// A 9 x 9 glyph of two chevrons, two pixels thick, pointing up or down.
QImage Chevrons(bool up) {
    QImage glyph(9, 9, QImage::Format_Indexed8);
    glyph.setColor(0, qRgb(0, 0, 0));
    glyph.setColor(1, qRgb(255, 255, 255));
    glyph.fill(1);
    for (int k = 0; k < 2; ++k)
        for (int i = 0; i <= 4; ++i)
            for (int thick = 0; thick < 2; ++thick) {
                const int down = k * 4 + i + thick;
                if (down > 8) continue;
                const int row = up ? 8 - down : down;
                glyph.setPixel(i, row, 0);
                glyph.setPixel(8 - i, row, 0);
            }
    return glyph;
}

void DrawToolbarImage(QPainter& p, int index, const QColor& ink) {
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(ink);
    auto triangle = [&p](QPointF a, QPointF b, QPointF c) { p.drawPolygon(QPolygonF{a, b, c}); };
    switch (index) {
        case 0:   // First: bar and left triangle
            p.drawLine(QPointF(4, 4), QPointF(4, 12));
            triangle({12, 4}, {12, 12}, {6, 8});
            break;
        case 1:   // Previous
            triangle({11, 3.5}, {11, 12.5}, {5, 8});
            break;
        case 2:   // Next
            triangle({5, 3.5}, {5, 12.5}, {11, 8});
            break;
        case 3:   // Last
            triangle({4, 4}, {4, 12}, {10, 8});
            p.drawLine(QPointF(12, 4), QPointF(12, 12));
            break;
        case 4:   // Delete: a cross
            p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(4, 4), QPointF(12, 12));
            p.drawLine(QPointF(12, 4), QPointF(4, 12));
            break;
        case 5:   // Rename: a pencil over a line
            p.setBrush(Qt::NoBrush);
            p.drawLine(QPointF(2.5, 13.5), QPointF(13.5, 13.5));
            p.drawPolygon(QPolygonF{{4, 11}, {4, 9}, {10, 3}, {12, 5}, {6, 11}});
            break;
        case 6:   // Copy: two sheets
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(2.5, 2.5, 7, 8));
            p.drawRect(QRectF(6.5, 5.5, 7, 8));
            break;
        case 7:   // Delete printer settings: a printer with a small cross
        default:
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(2.5, 6.5, 11, 5));
            p.drawRect(QRectF(4.5, 2.5, 7, 4));
            p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(8, 10), QPointF(13, 15));
            p.drawLine(QPointF(13, 10), QPointF(8, 15));
            break;
    }
}

}  // namespace

QImage SkinBitmap(TSkinKind kind) {
    const SkinColours c = Palette(kind);
    QImage skin(268, 49, QImage::Format_RGB32);
    skin.fill(c.key[0]);
    QPainter p(&skin);
    // The colour key: column 0..6, six rows per colour from y = 1.
    for (int i = 0; i < 7; ++i) p.fillRect(QRect(0, 1 + 6 * i, 7, 6), c.key[std::size_t(i)]);
    PaintHeaderRow(p, 1, c.headerTop, c.headerBottom, c, false);
    PaintHeaderRow(p, 25, c.highlightTop, c.highlightBottom, c, true);
    p.end();
    // The key pixels must hold their colours exactly.
    for (int i = 0; i < 7; ++i) skin.setPixel(1, 1 + 6 * i, c.key[std::size_t(i)].rgb());
    return skin;
}

const QImage& GlyphArUp() {
    static const QImage glyph = Chevrons(true);
    return glyph;
}

const QImage& GlyphArDn() {
    static const QImage glyph = Chevrons(false);
    return glyph;
}

QIcon ToolbarIcon(int index, const QPalette& palette) {
    QIcon icon;
    for (const auto mode : {QIcon::Normal, QIcon::Disabled}) {
        const QColor ink = palette.color(mode == QIcon::Normal ? QPalette::Active : QPalette::Disabled,
                                         QPalette::ButtonText);
        for (const int size : {16, 32}) {
            QPixmap pixmap(size, size);
            pixmap.fill(Qt::transparent);
            QPainter p(&pixmap);
            p.scale(size / 16.0, size / 16.0);
            DrawToolbarImage(p, index, ink);
            p.end();
            icon.addPixmap(pixmap, mode);
        }
    }
    return icon;
}

namespace {

// A label roll on a textile background, with the program's name.
QImage Poster(QSize size, const QString& title, const QString& subtitle) {
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, size.height());
    back.setColorAt(0, QColor(22, 58, 110));
    back.setColorAt(1, QColor(8, 24, 52));
    p.fillRect(image.rect(), back);
    // woven threads
    p.setPen(QPen(QColor(255, 255, 255, 14), 1));
    for (int x = -size.height(); x < size.width(); x += 6) p.drawLine(x, 0, x + size.height(), size.height());
    // a label with a barcode
    const QRectF label(size.width() * 0.56, size.height() * 0.16, size.width() * 0.36, size.height() * 0.44);
    p.save();
    p.translate(label.center());
    p.rotate(-8);
    p.translate(-label.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(label.translated(4, 5), 6, 6);
    p.setBrush(QColor(250, 250, 246));
    p.drawRoundedRect(label, 6, 6);
    p.setBrush(QColor(20, 20, 20));
    const double barTop = label.top() + label.height() * 0.45, barHeight = label.height() * 0.35;
    double x = label.left() + label.width() * 0.1;
    const int pattern[] = {2, 1, 1, 3, 1, 2, 2, 1, 3, 1, 1, 2, 1, 1, 2, 3, 1, 2, 1, 1, 2, 1, 3, 1};
    const double module = label.width() * 0.8 / 64.0;
    for (int i = 0; i < int(std::size(pattern)); ++i) {
        if (i % 2 == 0) p.drawRect(QRectF(x, barTop, pattern[i] * module, barHeight));
        x += pattern[i] * module;
    }
    p.setBrush(QColor(200, 205, 214));
    p.drawRect(QRectF(label.left() + label.width() * 0.1, label.top() + label.height() * 0.14,
                      label.width() * 0.55, label.height() * 0.08));
    p.drawRect(QRectF(label.left() + label.width() * 0.1, label.top() + label.height() * 0.28,
                      label.width() * 0.4, label.height() * 0.08));
    p.restore();
    // the name
    QFont big("DejaVu Sans");
    big.setPixelSize(size.height() / 6);
    big.setBold(true);
    p.setFont(big);
    p.setPen(QColor(255, 255, 255));
    p.drawText(QRectF(size.width() * 0.07, size.height() * 0.55, size.width() * 0.9, size.height() * 0.2),
               Qt::AlignLeft | Qt::AlignVCenter, title);
    QFont small("DejaVu Sans");
    small.setPixelSize(std::max(10, size.height() / 20));
    p.setFont(small);
    p.setPen(QColor(190, 208, 235));
    p.drawText(QRectF(size.width() * 0.07, size.height() * 0.74, size.width() * 0.9, size.height() * 0.1),
               Qt::AlignLeft | Qt::AlignVCenter, subtitle);
    return image;
}

}  // namespace

QImage AboutPicture() { return Poster({360, 270}, "Quill", "Labels for textile services"); }

QImage SplashPicture() { return Poster({477, 355}, "Quill", "Label printing for textile services"); }

QImage TitlePicture() {
    QImage image(48, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(255, 255, 255);   // on the title strip, beside its white title
    p.setPen(QPen(ink, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8.5, 4.5, 34, 23), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    double x = 13;
    for (int w : {2, 1, 1, 3, 1, 2, 2, 1, 3, 1})
        if ((x += w + 1) < 40) p.drawRect(QRectF(x, 10, w, 12));
    return image;
}

}  // namespace quill::ui
