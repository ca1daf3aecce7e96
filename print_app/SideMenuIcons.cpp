#include "print_app/SideMenuIcons.h"

#include <QPainter>
#include <QPainterPath>

namespace quill {

namespace {

const QColor Ink(0x1f, 0x4e, 0x8c);
const QColor Paper(0xfd, 0xfd, 0xf6);
const QColor Accent(0xe0, 0x8a, 0x1e);

QPixmap Blank() {
    QPixmap picture(48, 48);
    picture.fill(Qt::transparent);
    return picture;
}

QPainter& Prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Ink, 2));
    painter.setBrush(Paper);
    return painter;
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

QPixmap SelectDesign() {
    QPixmap picture = Blank();
    QPainter painter(&picture);
    Prepare(painter);
    DrawLabel(painter, {10, 4, 34, 17});
    DrawLabel(painter, {6, 15, 34, 17});
    DrawLabel(painter, {2, 26, 34, 17});
    painter.setPen(QPen(Accent, 3));
    painter.drawLine(QPointF(38, 30), QPointF(44, 38));
    painter.drawEllipse(QPointF(35, 27), 5, 5);
    return picture;
}

QPixmap PrintLabels() {
    QPixmap picture = Blank();
    QPainter painter(&picture);
    Prepare(painter);
    DrawPrinter(painter, {4, 16, 40, 20});
    return picture;
}

QPixmap PrintByFile() {
    QPixmap picture = Blank();
    QPainter painter(&picture);
    Prepare(painter);
    QPainterPath page;
    page.moveTo(4, 2);
    page.lineTo(18, 2);
    page.lineTo(24, 8);
    page.lineTo(24, 28);
    page.lineTo(4, 28);
    page.closeSubpath();
    painter.drawPath(page);
    for (int y : {10, 15, 20}) painter.drawLine(QPointF(8, y), QPointF(20, y));
    DrawPrinter(painter, {14, 26, 32, 16});
    return picture;
}

QPixmap NewLabel() {
    QPixmap picture = Blank();
    QPainter painter(&picture);
    Prepare(painter);
    DrawLabel(painter, {2, 12, 36, 24});
    painter.setPen(QPen(Accent, 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(40, 4), QPointF(40, 18));
    painter.drawLine(QPointF(33, 11), QPointF(47, 11));
    return picture;
}

QPixmap ModifyLabel() {
    QPixmap picture = Blank();
    QPainter painter(&picture);
    Prepare(painter);
    DrawLabel(painter, {2, 12, 36, 24});
    painter.setPen(QPen(Ink, 1.5));
    painter.setBrush(Accent);
    QPainterPath pencil;
    pencil.moveTo(44, 6);
    pencil.lineTo(47, 9);
    pencil.lineTo(28, 28);
    pencil.lineTo(24, 29);
    pencil.lineTo(25, 25);
    pencil.closeSubpath();
    painter.drawPath(pencil);
    return picture;
}

}  // namespace

QList<QPixmap> SideMenuIcons() { return {SelectDesign(), PrintLabels(), PrintByFile(), NewLabel(), ModifyLabel()}; }

}  // namespace quill
