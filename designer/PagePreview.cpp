#include "designer/PagePreview.h"

#include <QPainter>
#include <algorithm>

namespace quill::designer {

namespace {

// Beyond this many labels a page shows as a grey grid anyway.
constexpr int kMostLabelsDrawn = 2000;

}  // namespace

TPagePreview::TPagePreview(QWidget* parent) : QWidget(parent) { setMinimumSize(200, 200); }

void TPagePreview::SetGeometry(const labelrender::PageGeometry& geometry, bool continuous) {
    geometry_ = geometry;
    continuous_ = continuous;
    update();
}

void TPagePreview::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double pageW = geometry_.PageWidth().mm(), pageH = geometry_.PageHeight().mm();
    if (pageW <= 0 || pageH <= 0) return;
    const QRectF room = QRectF(rect()).adjusted(6, 6, -6, -6);
    const double scale = std::min(room.width() / pageW, room.height() / pageH);
    const QRectF page(room.center().x() - pageW * scale / 2, room.center().y() - pageH * scale / 2, pageW * scale,
                      pageH * scale);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.setBrush(palette().color(QPalette::Base));
    p.drawRect(page);
    QColor fill = palette().color(QPalette::Highlight);
    fill.setAlpha(70);
    p.setBrush(fill);
    p.setPen(QPen(palette().color(QPalette::Highlight), 1));
    const int count = std::min(geometry_.LabelsPerPage(), kMostLabelsDrawn);
    for (int i = 0; i < count; ++i) {
        const QRectF label(page.left() + geometry_.LabelX(i).mm() * scale, page.top() + geometry_.LabelY(i).mm() * scale,
                           geometry_.labelWidth.mm() * scale, geometry_.labelHeight.mm() * scale);
        p.drawRect(label);
    }
    if (continuous_) {
        p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
        p.drawLine(page.bottomLeft(), page.bottomRight());
    }
}

}  // namespace quill::designer
