#pragma once
// "Page and Stock": the label size, the page (a sheet, a die-cut roll or a
// continuous roll), rows x columns, gaps and margins of a design, typed in
// or taken from the stock catalogue, with the page drawn as it will print.
// A layout whose labels do not fit the page cannot be confirmed.
#include <QDialog>
#include <QHash>
#include <utility>

#include "designer/StockCatalogue.h"
#include "labelrender/Design.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace quill::designer {

class TPagePreview;

class TfrmPageSettings : public QDialog {
    Q_OBJECT
public:
    TfrmPageSettings(StockCatalogue& catalogue, QWidget* parent = nullptr);

    // Edits `geometry` in place; false when cancelled (it is left alone).
    static bool Edit(StockCatalogue& catalogue, labelrender::PageGeometry& geometry, QWidget* parent);

    void SetGeometry(const labelrender::PageGeometry& geometry);
    labelrender::PageGeometry Geometry() const;
    // Why the layout cannot be used; empty when it can.
    QString Problem() const;
    void ApplyStock(const LabelStock& stock);

    // For tests and the designer's own shortcuts.
    QDoubleSpinBox* LabelWidthBox() const { return labelWidth_; }
    QDoubleSpinBox* LabelHeightBox() const { return labelHeight_; }
    QComboBox* PageSizeBox() const { return pageSize_; }
    QDoubleSpinBox* PageWidthBox() const { return pageWidth_; }
    QDoubleSpinBox* PageHeightBox() const { return pageHeight_; }
    QCheckBox* ContinuousBox() const { return continuous_; }
    QSpinBox* RowsBox() const { return rows_; }
    QSpinBox* ColumnsBox() const { return cols_; }
    QDoubleSpinBox* GapXBox() const { return gapX_; }
    QDoubleSpinBox* GapYBox() const { return gapY_; }
    QDoubleSpinBox* MarginLeftBox() const { return marginLeft_; }
    QDoubleSpinBox* MarginTopBox() const { return marginTop_; }
    QPushButton* ChooseStockButton() const { return chooseStock_; }
    QPushButton* SaveStockButton() const { return saveStock_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QDoubleSpinBox* LengthBox(double minimum);
    // The boxes show hundredths; a length not typed over keeps its micrometres.
    void SetLength(QDoubleSpinBox* box, labelrender::Length length);
    labelrender::Length ReadLength(const QDoubleSpinBox* box) const;
    void Changed();
    void PageSizeChosen();
    void ChooseStock();
    void SaveStock();

    StockCatalogue& catalogue_;
    QDoubleSpinBox *labelWidth_, *labelHeight_, *pageWidth_, *pageHeight_;
    QComboBox* pageSize_;
    QCheckBox* continuous_;
    QSpinBox *rows_, *cols_;
    QDoubleSpinBox *gapX_, *gapY_, *marginLeft_, *marginTop_;
    TPagePreview* preview_;
    QLabel* problem_;
    QPushButton *chooseStock_, *saveStock_, *ok_;
    bool updating_ = false;
    QHash<const QDoubleSpinBox*, std::pair<double, labelrender::Length>> exact_;   // shown value, length
};

}  // namespace quill::designer
