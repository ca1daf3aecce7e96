#include <QMouseEvent>
#include <QPainter>

#include "ui/ExBar.h"

namespace quill::ui {

TFlickerFreePaintBox::TFlickerFreePaintBox(QWidget* parent, PaintCallback paint)
    : QWidget(parent), paint_(std::move(paint)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
}

void TFlickerFreePaintBox::Invalidate() {
    dirty_ = true;
    update();
}

QImage TFlickerFreePaintBox::NewBitmap() const {
    // in device pixels, so that the bar stays sharp on a high-density screen
    const qreal ratio = devicePixelRatioF();
    QImage bitmap(size() * ratio, QImage::Format_RGB888);
    bitmap.setDevicePixelRatio(ratio);
    if (!bitmap.isNull()) bitmap.fill(palette().color(backgroundRole()));
    return bitmap;
}

bool TFlickerFreePaintBox::BitmapFits() const {
    return bitmap_.deviceIndependentSize().toSize() == size() && bitmap_.devicePixelRatio() == devicePixelRatioF();
}

void TFlickerFreePaintBox::Refresh() {
    if (!BitmapFits()) bitmap_ = NewBitmap();
    if (bitmap_.isNull()) return;
    paint_(bitmap_);
    dirty_ = false;
}

void TFlickerFreePaintBox::paintEvent(QPaintEvent*) {
    if (dirty_ || !BitmapFits()) Refresh();
    QPainter(this).drawImage(0, 0, bitmap_);
}

void TFlickerFreePaintBox::resizeEvent(QResizeEvent*) {
    bitmap_ = NewBitmap();
    dirty_ = true;
}

void TFlickerFreePaintBox::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(event->position().toPoint(), event->buttons(), event->modifiers());
}

void TFlickerFreePaintBox::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TFlickerFreePaintBox::mouseReleaseEvent(QMouseEvent* event) {
    emit MouseReleased(event->position().toPoint(), event->button());
}

void TFlickerFreePaintBox::leaveEvent(QEvent*) { emit MouseLeft(); }

}  // namespace quill::ui
