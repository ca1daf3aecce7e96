#pragma once
// A small picture of a page of labels: the page, and every label of the
// grid where it sits, drawn to scale. A continuous roll shows its cut edge
// dashed.
#include <QWidget>

#include "labelrender/Design.h"

namespace quill::designer {

class TPagePreview : public QWidget {
    Q_OBJECT
public:
    explicit TPagePreview(QWidget* parent = nullptr);
    void SetGeometry(const labelrender::PageGeometry& geometry, bool continuous);
    QSize sizeHint() const override { return {180, 220}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    labelrender::PageGeometry geometry_;
    bool continuous_ = false;
};

}  // namespace quill::designer
