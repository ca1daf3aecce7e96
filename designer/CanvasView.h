#pragma once
// The canvas in its scroll area, with the rulers and the zoom steps.
#include <QWidget>

#include "designer/DesignCanvas.h"

class QScrollArea;

namespace quill::designer {

class Ruler;

class CanvasView : public QWidget {
    Q_OBJECT
public:
    explicit CanvasView(DesignDocument& document, QWidget* parent = nullptr);

    DesignCanvas& canvas() { return *canvas_; }
    // One step in or out of the zoom table, keeping `anchor` (a canvas point) in place.
    void ZoomBy(int steps, QPoint anchor = QPoint(-1, -1));
    void FitLabel();
    void FitPage();
    void ActualSize() { canvas_->SetZoom(1.0); }

private:
    void FitSize(QSizeF um);
    QScrollArea* scroll_;
    DesignCanvas* canvas_;
    Ruler* top_;
    Ruler* left_;
};

// The zoom table: 10 % to 3,200 %.
double NextZoom(double zoom, int steps);

}  // namespace quill::designer
