#include "designer/PrinterChooser.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace quill::designer {

using labelrender::kPdfPrinterName;

TPrinterChooser::TPrinterChooser(QWidget* parent)
    : QWidget(parent),
      printer_(new QComboBox(this)),
      pdfResolution_(new QSpinBox(this)),
      resolution_(new QLabel(this)),
      problem_(new QLabel(this)) {
    pdfResolution_->setRange(labelrender::kMinPrinterDpi, labelrender::kMaxPrinterDpi);
    pdfResolution_->setValue(labelrender::kPdfPrinterDefaultDpi);
    pdfResolution_->setSuffix(tr(" dpi"));
    pdfResolution_->setToolTip(tr("The printer the PDF files go to in the end: symbols are laid out on its dots"));
    problem_->setWordWrap(true);
    QPalette warning = problem_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
    problem_->setPalette(warning);
    auto* form = new QFormLayout(this);
    form->setContentsMargins(0, 0, 0, 0);
    auto* refresh = new QToolButton(this);
    refresh->setText(tr("Refresh"));
    refresh->setToolTip(tr("Ask the print system for its printers again"));
    auto* printerRow = new QHBoxLayout;
    printerRow->addWidget(printer_, 1);
    printerRow->addWidget(refresh);
    auto* printerLabel = new QLabel(tr("&Printer:"), this);
    printerLabel->setBuddy(printer_);
    form->addRow(printerLabel, printerRow);
    form->addRow(tr("PDF &resolution:"), pdfResolution_);
    form->addRow(tr("Resolution:"), resolution_);
    form->addRow(problem_);
    connect(printer_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (updating_ || index < 0) return;
        settings_.name = choices_.printers[index].name.toStdString();
        Show();
        emit PrinterChanged();
    });
    connect(pdfResolution_, &QSpinBox::valueChanged, this, [this](int dpi) {
        if (updating_) return;
        settings_.resolution = dpi;
        Show();
        emit PrinterChanged();
    });
    connect(refresh, &QToolButton::clicked, this, &TPrinterChooser::Refresh);
    Refresh();
}

void TPrinterChooser::Refresh() {
    choices_ = PrinterChoices::Read();
    SetSettings(settings_);
}

void TPrinterChooser::Load(const QString& lbpPath) {
    SetSettings(labelrender::PrinterSettings::Load(lbpPath.toStdString()).value_or(labelrender::PrinterSettings{}));
}

bool TPrinterChooser::Save(const QString& lbpPath) const {
    labelrender::PrinterSettings settings = Settings();
    if (const auto old = labelrender::PrinterSettings::Load(lbpPath.toStdString())) settings.copies = old->copies;
    return settings.Save(lbpPath.toStdString());
}

labelrender::PrinterSettings TPrinterChooser::Settings() const {
    labelrender::PrinterSettings settings = settings_;
    // only the PDF printer has a resolution of its own
    if (settings.name != kPdfPrinterName) settings.resolution = 0;
    return settings;
}

void TPrinterChooser::SetSettings(const labelrender::PrinterSettings& settings) {
    settings_ = settings;
    updating_ = true;
    const int index = choices_.IndexOf(QString::fromStdString(settings.name));
    printer_->clear();
    for (const PrinterChoice& choice : choices_.printers) printer_->addItem(choice.caption);
    printer_->setCurrentIndex(index);
    pdfResolution_->setValue(settings.resolution > 0 ? settings.resolution : labelrender::kPdfPrinterDefaultDpi);
    updating_ = false;
    Show();
}

const PrinterChoice& TPrinterChooser::Current() const {
    return choices_.printers[std::max(0, printer_->currentIndex())];
}

int TPrinterChooser::DotsPerInch() const {
    return settings_.name == kPdfPrinterName ? pdfResolution_->value() : Current().dotsPerInch;
}

void TPrinterChooser::Show() {
    const bool pdf = settings_.name == kPdfPrinterName;
    pdfResolution_->setEnabled(pdf);
    const int dpi = DotsPerInch();
    resolution_->setText(dpi > 0 ? tr("%1 dpi, one dot is %2 mm").arg(dpi).arg(25.4 / dpi, 0, 'f', 3)
                                 : tr("unknown: symbols fill their boxes"));
    QString problem = Current().problem;
    if (problem.isEmpty() && !pdf && !choices_.schedulerProblem.isEmpty()) problem = choices_.schedulerProblem;
    problem_->setText(problem);
    problem_->setVisible(!problem.isEmpty());
}

}  // namespace quill::designer
