#include "engine_app/TrayIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace quill {

namespace {

QPixmap DrawAt(TTrayIconKind kind, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // A label tag: a rectangle with a cut corner and a punched hole.
    QPainterPath tag;
    tag.moveTo(2, 9);
    tag.lineTo(9, 2);
    tag.lineTo(30, 2);
    tag.lineTo(30, 30);
    tag.lineTo(2, 30);
    tag.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(QPointF(9, 9), 2.6, 2.6);
    const QColor fill = kind == TTrayIconKind::Busy     ? QColor(0xf0, 0xa0, 0x10)
                        : kind == TTrayIconKind::Paused ? QColor(0x9a, 0x9a, 0x9a)
                                                        : QColor(0x2a, 0x6f, 0xc9);
    painter.setPen(QPen(fill.darker(170), 1.6));
    painter.setBrush(fill);
    painter.drawPath(tag.subtracted(hole));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    if (kind == TTrayIconKind::Paused) {
        painter.drawRect(QRectF(11, 12, 4, 14));
        painter.drawRect(QRectF(19, 12, 4, 14));
    } else {
        // Barcode bars.
        const double bars[][2] = {{8, 2}, {11.5, 1}, {13.5, 3}, {18, 1}, {20, 2}, {23.5, 1}, {25.5, 2}};
        for (const auto& bar : bars) painter.drawRect(QRectF(bar[0], 14, bar[1], 12));
    }
    return pixmap;
}

}  // namespace

QIcon DrawTrayIcon(TTrayIconKind kind) {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48}) icon.addPixmap(DrawAt(kind, size));
    return icon;
}

}  // namespace quill
