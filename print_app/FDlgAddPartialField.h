#pragma once
// "Add Partial Field": which part of a field a layout item sends (From,
// Length) and how it is filled up to its length (Align).
#include "print_app/DirectLayoutModel.h"
#include "ui/BaseForms.h"

class QComboBox;
class QSpinBox;

namespace quill {

class TfrmDlgAddPartialField : public ui::TfrmBase {
    Q_OBJECT
public:
    explicit TfrmDlgAddPartialField(QWidget* parent = nullptr);

    int From() const;
    int Length() const;
    TPartialAlign Align() const;

    QSpinBox* FromBox() const { return edtFrom_; }
    QSpinBox* LengthBox() const { return edtLength_; }
    QComboBox* AlignBox() const { return cbxAlign_; }

private:
    QSpinBox* edtFrom_;
    QSpinBox* edtLength_;
    QComboBox* cbxAlign_;
};

}  // namespace quill
