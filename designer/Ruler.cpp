#include "designer/Ruler.h"

#include <QPainter>
#include <cmath>

#include "designer/DesignCanvas.h"

namespace quill::designer {

Ruler::Ruler(Qt::Orientation orientation, const DesignCanvas& canvas, QWidget* parent)
    : QWidget(parent), orientation_(orientation), canvas_(canvas) {
    if (orientation == Qt::Horizontal)
        setFixedHeight(kThickness);
    else
        setFixedWidth(kThickness);
}

void Ruler::SetCursorUm(double um) {
    cursorUm_ = um;
    update();
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);
    const bool across = orientation_ == Qt::Horizontal;
    // the label's zero point in this ruler's pixels
    const QPoint zero = canvas_.mapTo(parentWidget(), canvas_.ToWidget(0, 0).toPoint()) - pos();
    const double origin = across ? zero.x() : zero.y();
    const double pixelsPerMm = canvas_.PixelsPerUm() * 1000.0;
    const double length = across ? width() : height();
    // labelled every 1, 5, 10, 50 or 100 mm, whichever leaves room for the numbers
    double labelStep = 1;
    for (double step : {1.0, 5.0, 10.0, 50.0, 100.0, 500.0}) {
        labelStep = step;
        if (step * pixelsPerMm >= 40) break;
    }
    const double tickStep = pixelsPerMm >= 4 ? 1 : labelStep / 5;
    const double first = std::floor(-origin / pixelsPerMm / tickStep) * tickStep;
    for (double mm = first; (origin + mm * pixelsPerMm) < length; mm += tickStep) {
        const double at = origin + mm * pixelsPerMm;
        const bool labelled = std::fmod(std::fabs(mm) + 1e-9, labelStep) < 1e-6;
        const bool half = std::fmod(std::fabs(mm) + 1e-9, labelStep / 2) < 1e-6;
        const int tick = labelled ? kThickness - 2 : half ? 8 : 4;
        if (across) {
            painter.drawLine(QPointF(at, kThickness - tick), QPointF(at, kThickness));
            if (labelled) painter.drawText(QPointF(at + 2, 10), QString::number(mm, 'f', 0));
        } else {
            painter.drawLine(QPointF(kThickness - tick, at), QPointF(kThickness, at));
            if (labelled) {
                painter.save();
                painter.translate(10, at + 2);
                painter.rotate(90);
                painter.drawText(QPointF(0, 0), QString::number(mm, 'f', 0));
                painter.restore();
            }
        }
    }
    const double cursor = origin + cursorUm_ / 1000.0 * pixelsPerMm;
    painter.setPen(palette().color(QPalette::Highlight));
    if (across)
        painter.drawLine(QPointF(cursor, 0), QPointF(cursor, kThickness));
    else
        painter.drawLine(QPointF(0, cursor), QPointF(kThickness, cursor));
}

}  // namespace quill::designer
