#include "designer/DesignCanvas.h"

#include <QDragEnterEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "designer/EditOperations.h"
#include "designer/VariableDrag.h"
#include "labelrender/LabelPainter.h"

namespace quill::designer {

using namespace labelrender;

namespace {

constexpr int kMarginPx = 24;
constexpr int kHandlePx = 7;
constexpr int kSnapTolerancePx = 6;

// Only where the objects are differs: what is painted can be reused.
bool OnlyMoved(const std::vector<DesignObject>& a, const std::vector<DesignObject>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        DesignObject moved = b[i];
        moved.x = a[i].x;
        moved.y = a[i].y;
        if (!(moved == a[i])) return false;
    }
    return true;
}

// Text variables show their names in braces; symbols keep their samples,
// as a name is rarely something a symbology can carry.
VariableSet NamesInstead(const VariableSet& samples) {
    VariableSet names;
    for (const auto& [name, variable] : samples.All())
        names.Define(name, variable.type == VariableType::Text ? "{" + name + "}" : variable.contents, variable.type);
    return names;
}

}  // namespace

DesignCanvas::DesignCanvas(DesignDocument& document, QWidget* parent) : QWidget(parent), document_(document) {
    setAcceptDrops(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    connect(&document_, &DesignDocument::changed, this, &DesignCanvas::DocumentChanged);
    connect(&document_, &DesignDocument::selectionChanged, this, qOverload<>(&QWidget::update));
    DocumentChanged();
}

double DesignCanvas::ScreenDpi() const {
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->physicalDotsPerInchX() : 96.0;
    return dpi > 20 ? dpi : 96.0;
}

double DesignCanvas::PixelsPerUm() const { return zoom_ * ScreenDpi() / 25400.0; }

void DesignCanvas::SetZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == zoom_) return;
    zoom_ = zoom;
    UpdateSize();
    emit zoomChanged(zoom_);
}

void DesignCanvas::SetShowVariableNames(bool names) {
    showNames_ = names;
    filledFrom_.clear();
    Refill();
}

void DesignCanvas::SetPageView(bool page) {
    pageView_ = page;
    UpdateSize();
}

void DesignCanvas::SetGrid(double millimetres, bool visible, bool snap) {
    gridMm_ = std::max(0.1, millimetres);
    gridVisible_ = visible;
    snap_ = snap;
    update();
}

void DesignCanvas::SetPrinterDpi(double dpi) {
    printerDpi_ = dpi;
    update();
}

void DesignCanvas::SetProblemObjects(std::set<std::string> names) {
    problemObjects_ = std::move(names);
    update();
}

QSizeF DesignCanvas::ContentSizeUm() const {
    const PageGeometry& g = document_.design().geometry;
    if (pageView_) return {static_cast<double>(g.PageWidth().um()), static_cast<double>(g.PageHeight().um())};
    return {static_cast<double>(g.labelWidth.um()), static_cast<double>(g.labelHeight.um())};
}

QPointF DesignCanvas::ToWidget(double xUm, double yUm) const {
    const PageGeometry& g = document_.design().geometry;
    const double k = PixelsPerUm();
    double ox = kMarginPx, oy = kMarginPx;
    if (pageView_) {
        ox += static_cast<double>(g.LabelX(0).um()) * k;
        oy += static_cast<double>(g.LabelY(0).um()) * k;
    }
    return {ox + xUm * k, oy + yUm * k};
}

QPointF DesignCanvas::ToLabel(QPointF p) const {
    const QPointF origin = ToWidget(0, 0);
    const double k = PixelsPerUm();
    return {(p.x() - origin.x()) / k, (p.y() - origin.y()) / k};
}

QSize DesignCanvas::sizeHint() const {
    const QSizeF um = ContentSizeUm();
    const double k = PixelsPerUm();
    return {static_cast<int>(std::ceil(um.width() * k)) + 2 * kMarginPx,
            static_cast<int>(std::ceil(um.height() * k)) + 2 * kMarginPx};
}

void DesignCanvas::UpdateSize() {
    resize(sizeHint());
    update();
    emit viewChanged();
}

void DesignCanvas::DocumentChanged() {
    Refill();
    if (size() != sizeHint()) UpdateSize();
}

void DesignCanvas::Refill() {
    const Design& design = document_.design();
    if (!filler_ || !OnlyMoved(design.objects, filledFrom_)) {
        filler_ = std::make_unique<LabelFiller>(design, printerDpi_);
        std::vector<Status> failures;   // listed by the problems pane; here they just stay empty
        filler_->LoadImages(document_.Folder(), &failures);
        filler_->Fill(showNames_ ? NamesInstead(document_.variables()) : document_.variables(), TextConversion{},
                      &failures);
    }
    filledFrom_ = design.objects;
    update();
}

void DesignCanvas::PaintLabelAt(QPainter& painter, QPointF originPx) {
    const Design& design = document_.design();
    const double k = PixelsPerUm();
    const QRectF label(originPx, QSizeF(static_cast<double>(design.geometry.labelWidth.um()) * k,
                                        static_cast<double>(design.geometry.labelHeight.um()) * k));
    painter.fillRect(label, Qt::white);
    painter.save();
    painter.translate(originPx);
    painter.scale(k, k);
    PaintLabel(painter, design, filler_->content());
    painter.restore();
    painter.setPen(QPen(palette().color(QPalette::Dark), 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(label);
}

void DesignCanvas::PaintGrid(QPainter& painter, QPointF originPx) {
    const Design& design = document_.design();
    const double k = PixelsPerUm();
    const double w = static_cast<double>(design.geometry.labelWidth.um());
    const double h = static_cast<double>(design.geometry.labelHeight.um());
    const auto lines = [&](double stepUm, const QColor& colour) {
        if (stepUm * k < 5) return;   // too dense to help
        painter.setPen(QPen(colour, 0));
        for (double x = stepUm; x < w; x += stepUm)
            painter.drawLine(QPointF(originPx.x() + x * k, originPx.y()), QPointF(originPx.x() + x * k, originPx.y() + h * k));
        for (double y = stepUm; y < h; y += stepUm)
            painter.drawLine(QPointF(originPx.x(), originPx.y() + y * k), QPointF(originPx.x() + w * k, originPx.y() + y * k));
    };
    if (zoom_ >= kDotGridZoom && printerDpi_ > 0) lines(25400.0 / printerDpi_, QColor(255, 160, 0, 70));
    if (gridVisible_) lines(gridMm_ * 1000.0, QColor(0, 120, 215, 45));
}

void DesignCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Mid));
    const Design& design = document_.design();
    const PageGeometry& g = design.geometry;
    const double k = PixelsPerUm();
    if (pageView_) {
        const QRectF page(kMarginPx, kMarginPx, static_cast<double>(g.PageWidth().um()) * k,
                          static_cast<double>(g.PageHeight().um()) * k);
        painter.fillRect(page, palette().color(QPalette::Light));
        for (int i = 0; i < g.LabelsPerPage(); ++i)
            PaintLabelAt(painter, QPointF(kMarginPx + static_cast<double>(g.LabelX(i).um()) * k,
                                          kMarginPx + static_cast<double>(g.LabelY(i).um()) * k));
    } else {
        PaintLabelAt(painter, ToWidget(0, 0));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    PaintGrid(painter, ToWidget(0, 0));

    // objects with problems
    for (const DesignObject& object : design.objects)
        if (problemObjects_.count(object.name)) {
            painter.setPen(QPen(QColor(220, 0, 0), 2, Qt::DashLine));
            painter.setBrush(QColor(220, 0, 0, 30));
            painter.drawRect(WidgetBox(object).adjusted(-2, -2, 2, 2));
        }

    // selection
    const QColor highlight = palette().color(QPalette::Highlight);
    for (int index : document_.selection()) {
        const DesignObject& object = design.objects[index];
        painter.setPen(QPen(highlight, 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(WidgetBox(object).adjusted(-1, -1, 1, 1));
        if (object.locked) {
            const QRectF box = WidgetBox(object);
            painter.setPen(QPen(highlight, 1));
            painter.drawText(QRectF(box.right() - 40, box.top() - 16, 40, 14), Qt::AlignRight, tr("locked"));
        }
    }
    if (document_.selection().size() == 1 && !design.objects[document_.selection().front()].locked) {
        painter.setPen(QPen(highlight.darker(), 1));
        painter.setBrush(Qt::white);
        for (const QRectF& handle : Handles(design.objects[document_.selection().front()])) painter.drawRect(handle);
    }

    // guides across the whole view
    painter.setPen(QPen(QColor(230, 0, 160), 1));
    for (const Guide& guide : guides_) {
        const QPointF at = ToWidget(static_cast<double>(guide.position), static_cast<double>(guide.position));
        if (guide.vertical)
            painter.drawLine(QPointF(at.x(), 0), QPointF(at.x(), height()));
        else
            painter.drawLine(QPointF(0, at.y()), QPointF(width(), at.y()));
    }
    if (mode_ == Mode::RubberBand) {
        painter.setPen(QPen(highlight, 1));
        QColor fill = highlight;
        fill.setAlpha(40);
        painter.setBrush(fill);
        painter.drawRect(rubberBand_.normalized());
    }
}

QRectF DesignCanvas::WidgetBox(const DesignObject& object) const {
    const Box b = BoxOf(object);
    return QRectF(ToWidget(static_cast<double>(b.left.um()), static_cast<double>(b.top.um())),
                  ToWidget(static_cast<double>(b.right.um()), static_cast<double>(b.bottom.um())));
}

// Handles 0..7: top-left, top, top-right, right, bottom-right, bottom, bottom-left, left.
std::vector<QRectF> DesignCanvas::Handles(const DesignObject& object) const {
    const QRectF box = WidgetBox(object);
    const QPointF points[] = {box.topLeft(),     {box.center().x(), box.top()}, box.topRight(),
                              {box.right(), box.center().y()}, box.bottomRight(), {box.center().x(), box.bottom()},
                              box.bottomLeft(),  {box.left(), box.center().y()}};
    std::vector<QRectF> handles;
    for (const QPointF& p : points)
        handles.emplace_back(p.x() - kHandlePx / 2.0, p.y() - kHandlePx / 2.0, kHandlePx, kHandlePx);
    return handles;
}

int DesignCanvas::HitHandle(QPoint p) const {
    if (document_.selection().size() != 1) return -1;
    const DesignObject& object = document_.objects()[document_.selection().front()];
    if (object.locked) return -1;
    const auto handles = Handles(object);
    for (std::size_t i = 0; i < handles.size(); ++i)
        if (handles[i].adjusted(-2, -2, 2, 2).contains(p)) return static_cast<int>(i);
    return -1;
}

int DesignCanvas::HitObject(QPointF labelUm) const {
    const auto& objects = document_.objects();
    const double slack = 3 / PixelsPerUm();   // thin lines stay easy to hit
    for (int i = static_cast<int>(objects.size()) - 1; i >= 0; --i) {
        const Box b = BoxOf(objects[i]);
        if (labelUm.x() >= static_cast<double>(b.left.um()) - slack &&
            labelUm.x() <= static_cast<double>(b.right.um()) + slack &&
            labelUm.y() >= static_cast<double>(b.top.um()) - slack &&
            labelUm.y() <= static_cast<double>(b.bottom.um()) + slack)
            return i;
    }
    return -1;
}

SnapTargets DesignCanvas::Targets() const {
    const Design& design = document_.design();
    SnapTargets targets;
    const std::int64_t w = design.geometry.labelWidth.um(), h = design.geometry.labelHeight.um();
    targets.xs = {0, w / 2, w};
    targets.ys = {0, h / 2, h};
    for (int i = 0; i < static_cast<int>(design.objects.size()); ++i) {
        if (std::find(dragIndices_.begin(), dragIndices_.end(), i) != dragIndices_.end()) continue;
        const Box b = BoxOf(design.objects[i]);
        targets.xs.insert(targets.xs.end(), {b.left.um(), (b.left.um() + b.right.um()) / 2, b.right.um()});
        targets.ys.insert(targets.ys.end(), {b.top.um(), (b.top.um() + b.bottom.um()) / 2, b.bottom.um()});
    }
    targets.gridUm = snap_ ? std::llround(gridMm_ * 1000.0) : 0;
    return targets;
}

void DesignCanvas::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    if (event->button() != Qt::LeftButton) return;
    pressPoint_ = event->position().toPoint();
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    handle_ = HitHandle(pressPoint_);
    const int hit = handle_ >= 0 ? document_.selection().front() : HitObject(ToLabel(event->position()));
    std::vector<int> selection = document_.selection();
    if (handle_ >= 0) {
        mode_ = Mode::Resize;
    } else if (hit >= 0) {
        const bool selected = std::find(selection.begin(), selection.end(), hit) != selection.end();
        const std::vector<int> group = document_.WithGroups({hit});
        if (shift) {
            for (int i : group)
                if (selected)
                    std::erase(selection, i);
                else
                    selection.push_back(i);
        } else if (!selected) {
            selection = group;
        }
        document_.Select(selection);
        mode_ = selected && shift ? Mode::None : Mode::Move;
    } else {
        if (!shift) document_.Select({});
        mode_ = Mode::RubberBand;
        rubberBand_ = QRect(pressPoint_, pressPoint_);
    }
    dragIndices_.clear();
    dragStart_.clear();
    for (int i : document_.selection())
        if (!document_.objects()[i].locked) {
            dragIndices_.push_back(i);
            dragStart_.push_back(document_.objects()[i]);
        }
}

void DesignCanvas::DragTo(QPoint p, bool snap) {
    const double k = PixelsPerUm();
    std::int64_t dx = std::llround((p.x() - pressPoint_.x()) / k);
    std::int64_t dy = std::llround((p.y() - pressPoint_.y()) / k);
    const std::int64_t tolerance = std::llround(kSnapTolerancePx / k);
    guides_.clear();
    if (mode_ == Mode::Move) {
        std::vector<DesignObject> moved = Moved(dragStart_, Length::um(dx), Length::um(dy));
        if (snap) {
            const Box b = Bounds(moved);
            const SnapResult s = Snap({b.left.um(), (b.left.um() + b.right.um()) / 2, b.right.um()},
                                      {b.top.um(), (b.top.um() + b.bottom.um()) / 2, b.bottom.um()}, Targets(), tolerance);
            moved = Moved(std::move(moved), Length::um(s.dx), Length::um(s.dy));
            guides_ = s.guides;
        }
        document_.ReplaceObjects(dragIndices_, std::move(moved), tr("Move"), static_cast<int>(MergeKey::Move));
        return;
    }
    // resize: the handle's edges follow the mouse, the opposite ones stay
    DesignObject o = dragStart_.front();
    const bool left = handle_ == 0 || handle_ == 6 || handle_ == 7;
    const bool right = handle_ == 2 || handle_ == 3 || handle_ == 4;
    const bool top = handle_ == 0 || handle_ == 1 || handle_ == 2;
    const bool bottom = handle_ == 4 || handle_ == 5 || handle_ == 6;
    std::int64_t x0 = o.x.um(), y0 = o.y.um(), x1 = x0 + o.width.um(), y1 = y0 + o.height.um();
    if (left) x0 += dx;
    if (right) x1 += dx;
    if (top) y0 += dy;
    if (bottom) y1 += dy;
    if (snap) {
        std::vector<std::int64_t> xs, ys;
        if (left) xs.push_back(x0);
        if (right) xs.push_back(x1);
        if (top) ys.push_back(y0);
        if (bottom) ys.push_back(y1);
        const SnapResult s = Snap(xs, ys, Targets(), tolerance);
        (left ? x0 : x1) += (left || right) ? s.dx : 0;
        (top ? y0 : y1) += (top || bottom) ? s.dy : 0;
        guides_ = s.guides;
    }
    const bool isLine = std::holds_alternative<LineObject>(o.kind);
    constexpr std::int64_t kLeast = 100;   // 0.1 mm
    if (!isLine) {
        if (x1 - x0 < kLeast) (left ? x0 : x1) = left ? x1 - kLeast : x0 + kLeast;
        if (y1 - y0 < kLeast) (top ? y0 : y1) = top ? y1 - kLeast : y0 + kLeast;
    }
    o.x = Length::um(x0);
    o.y = Length::um(y0);
    o.width = Length::um(x1 - x0);
    o.height = Length::um(y1 - y0);
    document_.ReplaceObjects(dragIndices_, {o}, tr("Resize"), static_cast<int>(MergeKey::Resize));
}

void DesignCanvas::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    emit cursorMoved(ToLabel(event->position()));
    const bool snap = !(event->modifiers() & Qt::ShiftModifier);
    switch (mode_) {
        case Mode::Move:
        case Mode::Resize:
            if (!dragIndices_.empty() && (p - pressPoint_).manhattanLength() >= 1) DragTo(p, snap);
            break;
        case Mode::RubberBand:
            rubberBand_.setBottomRight(p);
            update();
            break;
        case Mode::None: {
            const int handle = HitHandle(p);
            static const Qt::CursorShape shapes[] = {Qt::SizeFDiagCursor, Qt::SizeVerCursor, Qt::SizeBDiagCursor,
                                                     Qt::SizeHorCursor,   Qt::SizeFDiagCursor, Qt::SizeVerCursor,
                                                     Qt::SizeBDiagCursor, Qt::SizeHorCursor};
            setCursor(handle >= 0 ? shapes[handle] : HitObject(ToLabel(event->position())) >= 0 ? Qt::SizeAllCursor
                                                                                                 : Qt::ArrowCursor);
            break;
        }
    }
}

void DesignCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (mode_ == Mode::RubberBand) {
        const QRectF band = QRectF(rubberBand_.normalized());
        std::vector<int> selection =
            event->modifiers() & Qt::ShiftModifier ? document_.selection() : std::vector<int>{};
        const auto& objects = document_.objects();
        for (int i = 0; i < static_cast<int>(objects.size()); ++i)
            if (band.intersects(WidgetBox(objects[i]).adjusted(-1, -1, 1, 1))) selection.push_back(i);
        document_.Select(document_.WithGroups(selection));
    }
    mode_ = Mode::None;
    guides_.clear();
    document_.EndGesture();
    update();
}

void DesignCanvas::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        event->ignore();   // the scroll area scrolls
        return;
    }
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) emit zoomRequested(steps, event->position().toPoint());
    event->accept();
}

void DesignCanvas::dragEnterEvent(QDragEnterEvent* event) {
    if (!document_.IsReadOnly() && event->mimeData()->hasFormat(kVariableMimeType)) event->acceptProposedAction();
}

void DesignCanvas::dragMoveEvent(QDragMoveEvent* event) {
    if (!document_.IsReadOnly() && event->mimeData()->hasFormat(kVariableMimeType)) event->acceptProposedAction();
}

void DesignCanvas::dropEvent(QDropEvent* event) {
    const auto dragged = ReadVariableMimeData(event->mimeData());
    if (!dragged || document_.IsReadOnly()) return;
    const std::string name = dragged->name.toStdString();
    const QPointF at = ToLabel(event->position());
    // dropped on the grid, so that hand-placed objects line up
    const double grid = snap_ ? gridMm_ * 1000.0 : 1.0;
    const auto onGrid = [&](double um) { return Length::um(std::llround(std::round(um / grid) * grid)); };
    document_.AddObjects({ObjectForVariable(name, dragged->type, onGrid(at.x()), onGrid(at.y()))},
                         tr("Add %1").arg(QString::fromStdString(name)));
    event->acceptProposedAction();
}

}  // namespace quill::designer
