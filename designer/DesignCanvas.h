#pragma once
// The label as it will print, drawn through the one paint path with the
// sample values (or the variables' names), with the editing on top: grid,
// printer dot grid from 800 %, selection handles, snap guides, rubber band
// and the marks of objects that have problems.
#include <QPointF>
#include <QRectF>
#include <QWidget>
#include <memory>
#include <set>
#include <vector>

#include "designer/DesignDocument.h"
#include "designer/Snap.h"
#include "labelrender/LabelContent.h"

namespace quill::designer {

using labelrender::DesignObject;

class DesignCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMinZoom = 0.1;
    static constexpr double kMaxZoom = 32.0;
    static constexpr double kDotGridZoom = 8.0;   // the printer's dots are shown from here on

    explicit DesignCanvas(DesignDocument& document, QWidget* parent = nullptr);

    double zoom() const { return zoom_; }
    // 1.0 is true size on a screen of `ScreenDpi()`.
    void SetZoom(double zoom);
    double PixelsPerUm() const;
    double ScreenDpi() const;

    void SetShowVariableNames(bool names);
    bool ShowsVariableNames() const { return showNames_; }
    void SetPageView(bool page);
    bool IsPageView() const { return pageView_; }
    void SetGrid(double millimetres, bool visible, bool snap);
    double gridMm() const { return gridMm_; }
    bool snaps() const { return snap_; }
    // The printer's resolution: the dot grid and the check use it.
    void SetPrinterDpi(double dpi);
    // Objects (sections) marked as having problems.
    void SetProblemObjects(std::set<std::string> names);

    // Label micrometres <-> widget pixels (of the first label).
    QPointF ToWidget(double xUm, double yUm) const;
    QPointF ToLabel(QPointF widgetPoint) const;
    // The extent drawn: the label, or the whole page in page view.
    QSizeF ContentSizeUm() const;

    QSize sizeHint() const override;
    // The guides of the last snapped drag step (for tests and painting).
    const std::vector<Guide>& guides() const { return guides_; }

signals:
    void zoomChanged(double zoom);
    void viewChanged();
    void cursorMoved(QPointF labelUm);
    // Ctrl + wheel: zoom by `steps` about this widget point.
    void zoomRequested(int steps, QPoint anchor);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    enum class Mode { None, Move, Resize, RubberBand };

    void DocumentChanged();
    void Refill();
    void UpdateSize();
    int HitObject(QPointF labelUm) const;
    int HitHandle(QPoint widgetPoint) const;
    std::vector<QRectF> Handles(const DesignObject& object) const;
    QRectF WidgetBox(const DesignObject& object) const;
    SnapTargets Targets() const;
    void DragTo(QPoint widgetPoint, bool snap);
    void PaintLabelAt(QPainter& painter, QPointF originPx);
    void PaintGrid(QPainter& painter, QPointF originPx);

    DesignDocument& document_;
    double zoom_ = 1.0;
    bool showNames_ = false;
    bool pageView_ = false;
    double gridMm_ = 1.0;
    bool gridVisible_ = true;
    bool snap_ = true;
    double printerDpi_ = 0;
    std::set<std::string> problemObjects_;

    // what is painted: filled once per change of contents, reused while objects only move
    std::unique_ptr<labelrender::LabelFiller> filler_;
    std::vector<DesignObject> filledFrom_;

    Mode mode_ = Mode::None;
    QPoint pressPoint_;
    int handle_ = -1;
    std::vector<int> dragIndices_;
    std::vector<DesignObject> dragStart_;
    std::vector<Guide> guides_;
    QRect rubberBand_;
};

}  // namespace quill::designer
