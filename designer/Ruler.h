#pragma once
// A ruler in millimetres along the canvas, its zero at the label's corner.
#include <QWidget>

namespace quill::designer {

class DesignCanvas;

class Ruler : public QWidget {
    Q_OBJECT
public:
    static constexpr int kThickness = 22;
    Ruler(Qt::Orientation orientation, const DesignCanvas& canvas, QWidget* parent = nullptr);
    // Marks the cursor's position, in micrometres on the label.
    void SetCursorUm(double um);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Qt::Orientation orientation_;
    const DesignCanvas& canvas_;
    double cursorUm_ = -1e12;
};

}  // namespace quill::designer
