#include "print_app/FDlgAddPartialField.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace quill {

namespace {

QSpinBox* NumberBox(int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(1, 100);
    box->setValue(value);
    return box;
}

}  // namespace

TfrmDlgAddPartialField::TfrmDlgAddPartialField(QWidget* parent)
    : TfrmBase(parent), edtFrom_(NumberBox(1, this)), edtLength_(NumberBox(10, this)), cbxAlign_(new QComboBox(this)) {
    setWindowTitle("Add Partial Field");
    cbxAlign_->addItems({"None", "Left", "Right", "Zero"});   // in the order of their align index
    auto* form = new QFormLayout(this);
    form->addRow("From", edtFrom_);
    form->addRow("Length", edtLength_);
    form->addRow("Align", cbxAlign_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setFixedSize(sizeHint().expandedTo({260, 0}));
}

int TfrmDlgAddPartialField::From() const { return edtFrom_->value(); }
int TfrmDlgAddPartialField::Length() const { return edtLength_->value(); }
TPartialAlign TfrmDlgAddPartialField::Align() const { return static_cast<TPartialAlign>(cbxAlign_->currentIndex()); }

}  // namespace quill
