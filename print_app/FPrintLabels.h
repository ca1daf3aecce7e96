#pragma once
// "Print Labels": the values of a Manual design typed by hand, printed as
// many times as asked, or as a running barcode range in the first field.
#include "print_app/FBasePrintLabels.h"

class QCheckBox;

namespace quill {

class TfrmPrintLabels : public TfrmBasePrintLabels {
    Q_OBJECT
public:
    static constexpr int HelpContext = 1062;

    explicit TfrmPrintLabels(QWidget* parent = nullptr);

    QCheckBox* BarcodeRangeBox() const { return chkBarcodeRange_; }
    // "Print Barcode Range" enabled and ticked.
    bool InRangeState() const;

    void btnPrintClick() override;
    void btnPreviewClick() override;

protected:
    void FormShow() override;
    bool EscapeLeaves(const QLineEdit*) const override { return true; }

private:
    // Amount box width and the first field: the next barcode, read-only, or typed.
    void ApplyRangeState();

    QCheckBox* chkBarcodeRange_ = nullptr;
};

}  // namespace quill
