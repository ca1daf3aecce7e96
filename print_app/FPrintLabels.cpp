#include "print_app/FPrintLabels.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QVBoxLayout>

#include "core/UGlobals.h"
#include "ui/BaseSideMenu.h"
#include "ui/Help.h"
#include "ui/WaitCursor.h"

namespace quill {

TfrmPrintLabels::TfrmPrintLabels(QWidget* parent) : TfrmBasePrintLabels(true, 1, parent) {
    setWindowTitle("Print Labels");
    ui::SetHelpContext(this, HelpContext);
    auto* grpOptions = new QGroupBox("Options", this);
    chkBarcodeRange_ = new QCheckBox("Print Barcode Range", grpOptions);
    (new QVBoxLayout(grpOptions))->addWidget(chkBarcodeRange_);
    SideColumn()->addWidget(grpOptions);
    connect(chkBarcodeRange_, &QCheckBox::toggled, this, &TfrmPrintLabels::ApplyRangeState);
}

bool TfrmPrintLabels::InRangeState() const { return chkBarcodeRange_->isEnabled() && chkBarcodeRange_->isChecked(); }

void TfrmPrintLabels::FormShow() {
    TfrmBasePrintLabels::FormShow();
    if (MainWindow()) MainWindow()->SetToolbarFilter(11);
    chkBarcodeRange_->setEnabled(UsesFirstBarcode());
    if (!UsesFirstBarcode()) chkBarcodeRange_->setChecked(false);
    ApplyRangeState();
}

void TfrmPrintLabels::ApplyRangeState() {
    QLineEdit* first = FieldEdit(0);
    if (InRangeState()) {
        AmountEdit()->setMaxLength(4);
        first->setEnabled(false);
        const std::optional<std::string> next = CurrentRangeBarcode();
        first->setText(QString::fromStdString(next.value_or(Settings.LastBarcode)));
    } else {
        AmountEdit()->setMaxLength(3);
        first->setEnabled(true);
    }
    ColourPair(first);
}

void TfrmPrintLabels::btnPrintClick() {
    const std::optional<TManualLabel> label = BuildLabel(false);
    if (!label) return;
    BeginProgress();
    bool printed = true, written = true;
    {
        const TWaitCursor wait;
        const auto send = [this, &written](std::span<const TLabelRecord> records) {
            return written = !SendRecordsToFile(records).empty();
        };
        if (InRangeState()) {
            const int count = label->amount;
            printed = PrintBarcodeRange(
                *label, count, send, [this, count](int done) { SetProgress(done, count); },
                [this] { ApplyRangeState(); });
        } else {
            const TLabelRecord record = label->Record();
            send({&record, 1});
        }
    }
    if (!printed) Inform(QString::fromStdString(NoBarcodeMessage()), true);
    if (!written) InformNotWritten();
    EndProgress();
    FocusFirstPair();
}

void TfrmPrintLabels::btnPreviewClick() {
    const std::optional<TManualLabel> label = BuildLabel(false);
    if (!label) return;
    BeginProgress();
    std::vector<TLabelRecord> records;
    if (InRangeState()) {
        int count = label->amount;
        if (count > PreviewLimit) {
            Inform(PreviewLimitMessage);
            count = PreviewLimit;
        }
        std::optional<std::string> barcode = CurrentRangeBarcode();
        std::optional<std::vector<TLabelRecord>> numbered;
        if (barcode) numbered = NumberLabels(*label, *barcode, count);
        if (!numbered) {
            Inform(QString::fromStdString(NoBarcodeMessage()), true);
            return;
        }
        records = std::move(*numbered);
    } else {
        records.push_back(label->Record());
    }
    PreviewRecords(records);
}

}  // namespace quill
