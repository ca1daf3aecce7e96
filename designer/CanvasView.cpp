#include "designer/CanvasView.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "designer/Ruler.h"

namespace quill::designer {

namespace {
constexpr double kZoomSteps[] = {0.1, 0.15, 0.2, 0.25, 0.33, 0.5, 0.67, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0,
                                 4.0, 5.0, 6.0, 8.0, 10.0, 12.0, 16.0, 20.0, 24.0, 32.0};
}

double NextZoom(double zoom, int steps) {
    const auto* begin = std::begin(kZoomSteps);
    const auto* end = std::end(kZoomSteps);
    if (steps > 0) {
        const auto* next = std::upper_bound(begin, end, zoom + 1e-9);
        next = std::min(next + (steps - 1), end - 1);
        return next == end ? zoom : *next;
    }
    const auto* below = std::lower_bound(begin, end, zoom - 1e-9);
    const std::ptrdiff_t index = std::max<std::ptrdiff_t>(0, (below - begin) + steps);
    return kZoomSteps[index];
}

CanvasView::CanvasView(DesignDocument& document, QWidget* parent) : QWidget(parent) {
    scroll_ = new QScrollArea(this);
    scroll_->setWidgetResizable(false);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Mid);
    canvas_ = new DesignCanvas(document);
    scroll_->setWidget(canvas_);
    top_ = new Ruler(Qt::Horizontal, *canvas_, this);
    left_ = new Ruler(Qt::Vertical, *canvas_, this);
    auto* corner = new QWidget(this);
    corner->setFixedSize(Ruler::kThickness, Ruler::kThickness);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(corner, 0, 0);
    grid->addWidget(top_, 0, 1);
    grid->addWidget(left_, 1, 0);
    grid->addWidget(scroll_, 1, 1);
    const auto rulers = [this] {
        top_->update();
        left_->update();
    };
    connect(scroll_->horizontalScrollBar(), &QScrollBar::valueChanged, this, rulers);
    connect(scroll_->verticalScrollBar(), &QScrollBar::valueChanged, this, rulers);
    connect(canvas_, &DesignCanvas::viewChanged, this, rulers);
    connect(canvas_, &DesignCanvas::cursorMoved, this, [this](QPointF um) {
        top_->SetCursorUm(um.x());
        left_->SetCursorUm(um.y());
    });
    connect(canvas_, &DesignCanvas::zoomRequested, this, [this](int steps, QPoint anchor) { ZoomBy(steps, anchor); });
}

void CanvasView::ZoomBy(int steps, QPoint anchor) {
    if (anchor.x() < 0) anchor = canvas_->mapFrom(scroll_->viewport(), scroll_->viewport()->rect().center());
    const QPointF um = canvas_->ToLabel(anchor);
    const QPoint inViewport = canvas_->mapTo(scroll_->viewport(), anchor);
    canvas_->SetZoom(NextZoom(canvas_->zoom(), steps));
    // keep the point under the mouse where it was
    const QPointF after = canvas_->ToWidget(um.x(), um.y());
    scroll_->horizontalScrollBar()->setValue(static_cast<int>(after.x()) - inViewport.x());
    scroll_->verticalScrollBar()->setValue(static_cast<int>(after.y()) - inViewport.y());
}

void CanvasView::FitSize(QSizeF um) {
    const QSize room = scroll_->viewport()->size() - QSize(60, 60);
    const double dpi = canvas_->ScreenDpi();
    const double zx = room.width() / (um.width() / 25400.0 * dpi);
    const double zy = room.height() / (um.height() / 25400.0 * dpi);
    canvas_->SetZoom(std::max(0.1, std::min(zx, zy)));
}

void CanvasView::FitLabel() {
    const bool page = canvas_->IsPageView();
    canvas_->SetPageView(false);
    FitSize(canvas_->ContentSizeUm());
    canvas_->SetPageView(page);
}

void CanvasView::FitPage() {
    canvas_->SetPageView(true);
    FitSize(canvas_->ContentSizeUm());
}

}  // namespace quill::designer
