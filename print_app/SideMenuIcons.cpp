#include "print_app/SideMenuIcons.h"

#include <QPainter>
#include <QPolygonF>

namespace quill {

namespace {

const QColor Ink(0x1f, 0x4e, 0x8c);
const QColor Paper(0xfd, 0xfd, 0xf6);
const QColor Accent(0xe0, 0x8a, 0x1e);

// A transparent 48 x 48 picture drawn by `draw` in ink on paper.
template <typename Draw>
QPixmap Picture(Draw draw) {
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 2));
    painter.setBrush(Paper);
    draw(painter);
    return picture;
}

// A label with a punched hole and two lines of text.
void DrawLabel(QPainter& painter, QRectF box) {
    painter.drawRoundedRect(box, 4, 4);
    painter.drawEllipse(QPointF(box.left() + 7, box.center().y()), 2.5, 2.5);
    painter.drawLine(QPointF(box.left() + 14, box.top() + box.height() / 3),
                     QPointF(box.right() - 5, box.top() + box.height() / 3));
    painter.drawLine(QPointF(box.left() + 14, box.top() + 2 * box.height() / 3),
                     QPointF(box.right() - 10, box.top() + 2 * box.height() / 3));
}

void DrawPrinter(QPainter& painter, QRectF body) {
    painter.drawRect(QRectF(body.left() + 8, body.top() - 10, body.width() - 16, 12));
    painter.setBrush(QColor(0xc9, 0xd6, 0xe8));
    painter.drawRoundedRect(body, 3, 3);
    painter.setBrush(Paper);
    painter.drawRect(QRectF(body.left() + 8, body.bottom() - 6, body.width() - 16, 12));
    painter.setPen(QPen(Accent, 3));
    painter.drawPoint(QPointF(body.right() - 6, body.top() + 5));
}

void DrawSelectDesign(QPainter& painter) {
    DrawLabel(painter, {10, 4, 34, 17});
    DrawLabel(painter, {6, 15, 34, 17});
    DrawLabel(painter, {2, 26, 34, 17});
    painter.setPen(QPen(Accent, 3));
    painter.drawLine(QPointF(38, 30), QPointF(44, 38));
    painter.drawEllipse(QPointF(35, 27), 5, 5);
}

void DrawPrintLabels(QPainter& painter) {
    DrawPrinter(painter, {4, 16, 40, 20});
}

void DrawPrintByFile(QPainter& painter) {
    // a page with a folded corner
    painter.drawPolygon(QPolygonF({{4, 2}, {18, 2}, {24, 8}, {24, 28}, {4, 28}}));
    for (int y : {10, 15, 20}) painter.drawLine(QPointF(8, y), QPointF(20, y));
    DrawPrinter(painter, {14, 26, 32, 16});
}

void DrawNewLabel(QPainter& painter) {
    DrawLabel(painter, {2, 12, 36, 24});
    painter.setPen(QPen(Accent, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(40, 4), QPointF(40, 18));
    painter.drawLine(QPointF(33, 11), QPointF(47, 11));
}

void DrawModifyLabel(QPainter& painter) {
    DrawLabel(painter, {2, 12, 36, 24});
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(Accent);
    // a pencil writing on the label
    painter.drawPolygon(QPolygonF({{44, 6}, {47, 9}, {28, 28}, {24, 29}, {25, 25}}));
}

}  // namespace

QList<QPixmap> SideMenuIcons() {
    return {Picture(DrawSelectDesign), Picture(DrawPrintLabels), Picture(DrawPrintByFile), Picture(DrawNewLabel),
            Picture(DrawModifyLabel)};
}

}  // namespace quill
