#include "designer/PageSettingsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "designer/PagePreview.h"
#include "designer/StockCatalogueDialog.h"

namespace quill::designer {

using labelrender::Length;

namespace {

struct NamedPage {
    const char* name;
    double width, height;
};
constexpr NamedPage kPages[] = {
    {"A4", 210, 297}, {"A5", 148, 210}, {"A6", 105, 148}, {"US Letter", 215.9, 279.4}, {"US Legal", 215.9, 355.6},
};
constexpr int kFitPage = 0;   // combo entries: fit, the named pages, custom
constexpr int kCustomPage = 1 + static_cast<int>(std::size(kPages));

// "Width x height:" with the two boxes side by side; the mnemonic goes to the first.
void AddPairRow(QFormLayout* form, const QString& text, QWidget* a, QWidget* b) {
    auto* row = new QHBoxLayout;
    row->addWidget(a);
    row->addWidget(new QLabel(QStringLiteral("x")));
    row->addWidget(b);
    row->addStretch();
    auto* label = new QLabel(text);
    label->setBuddy(a);
    form->addRow(label, row);
}

}  // namespace

QDoubleSpinBox* TfrmPageSettings::LengthBox(double minimum) {
    auto* box = new QDoubleSpinBox(this);
    box->setRange(minimum, labelrender::kMaxPageSide.mm());
    box->setDecimals(2);
    box->setSingleStep(0.1);
    box->setSuffix(tr(" mm"));
    box->setAccelerated(true);
    connect(box, &QDoubleSpinBox::valueChanged, this, &TfrmPageSettings::Changed);
    return box;
}

TfrmPageSettings::TfrmPageSettings(StockCatalogue& catalogue, QWidget* parent)
    : QDialog(parent), catalogue_(catalogue) {
    setWindowTitle(tr("Page and Stock"));
    const double minSide = labelrender::kMinLabelSide.mm();
    labelWidth_ = LengthBox(minSide);
    labelHeight_ = LengthBox(minSide);
    pageWidth_ = LengthBox(minSide);
    pageHeight_ = LengthBox(minSide);
    gapX_ = LengthBox(0);
    gapY_ = LengthBox(0);
    marginLeft_ = LengthBox(0);
    marginTop_ = LengthBox(0);
    pageSize_ = new QComboBox(this);
    pageSize_->addItem(tr("Just large enough for the labels"));
    for (const NamedPage& page : kPages) pageSize_->addItem(QString::fromLatin1(page.name));
    pageSize_->addItem(tr("Custom"));
    continuous_ = new QCheckBox(tr("&Continuous roll (each label as long as the design)"), this);
    rows_ = new QSpinBox(this);
    cols_ = new QSpinBox(this);
    for (QSpinBox* box : {rows_, cols_}) {
        box->setRange(1, labelrender::kMaxRowsOrColumns);
        connect(box, &QSpinBox::valueChanged, this, &TfrmPageSettings::Changed);
    }
    preview_ = new TPagePreview(this);
    problem_ = new QLabel(this);
    problem_->setWordWrap(true);
    QPalette warning = problem_->palette();
    warning.setColor(QPalette::WindowText, QColor(0xc0, 0x10, 0x10));
    problem_->setPalette(warning);
    chooseStock_ = new QPushButton(tr("Choose &stock..."), this);
    saveStock_ = new QPushButton(tr("Save as site stoc&k..."), this);

    auto* label = new QGroupBox(tr("Label"), this);
    auto* labelForm = new QFormLayout(label);
    AddPairRow(labelForm, tr("&Width x height:"), labelWidth_, labelHeight_);
    auto* page = new QGroupBox(tr("Page"), this);
    auto* pageForm = new QFormLayout(page);
    pageForm->addRow(tr("&Page size:"), pageSize_);
    AddPairRow(pageForm, tr("Width x &height:"), pageWidth_, pageHeight_);
    pageForm->addRow(QString(), continuous_);
    auto* grid = new QGroupBox(tr("Labels on the page"), this);
    auto* gridForm = new QFormLayout(grid);
    AddPairRow(gridForm, tr("&Rows x columns:"), rows_, cols_);
    AddPairRow(gridForm, tr("&Gap across x down:"), gapX_, gapY_);
    AddPairRow(gridForm, tr("&Margin left x top:"), marginLeft_, marginTop_);

    auto* fields = new QVBoxLayout;
    fields->addWidget(label);
    fields->addWidget(page);
    fields->addWidget(grid);
    fields->addWidget(problem_);
    fields->addStretch();
    auto* stockButtons = new QHBoxLayout;
    stockButtons->addWidget(chooseStock_);
    stockButtons->addWidget(saveStock_);
    stockButtons->addStretch();
    fields->addLayout(stockButtons);
    auto* body = new QHBoxLayout;
    body->addLayout(fields);
    body->addWidget(preview_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(buttons);

    connect(pageSize_, &QComboBox::currentIndexChanged, this, &TfrmPageSettings::PageSizeChosen);
    connect(continuous_, &QCheckBox::toggled, this, &TfrmPageSettings::Changed);
    connect(chooseStock_, &QPushButton::clicked, this, &TfrmPageSettings::ChooseStock);
    connect(saveStock_, &QPushButton::clicked, this, &TfrmPageSettings::SaveStock);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    SetGeometry({});
}

void TfrmPageSettings::SetLength(QDoubleSpinBox* box, Length length) {
    box->setValue(length.mm());
    exact_[box] = {box->value(), length};
}

Length TfrmPageSettings::ReadLength(const QDoubleSpinBox* box) const {
    const auto exact = exact_.find(box);
    if (exact != exact_.end() && exact->first == box->value()) return exact->second;
    return Length::mm(box->value());
}

bool TfrmPageSettings::Edit(StockCatalogue& catalogue, labelrender::PageGeometry& geometry, QWidget* parent) {
    TfrmPageSettings dialog(catalogue, parent);
    dialog.SetGeometry(geometry);
    if (dialog.exec() != QDialog::Accepted) return false;
    geometry = dialog.Geometry();
    return true;
}

void TfrmPageSettings::SetGeometry(const labelrender::PageGeometry& g) {
    updating_ = true;
    SetLength(labelWidth_, g.labelWidth);
    SetLength(labelHeight_, g.labelHeight);
    rows_->setValue(g.rows);
    cols_->setValue(g.cols);
    SetLength(gapX_, g.gapX);
    SetLength(gapY_, g.gapY);
    SetLength(marginLeft_, g.marginLeft);
    SetLength(marginTop_, g.marginTop);
    SetLength(pageWidth_, g.PageWidth());
    SetLength(pageHeight_, g.PageHeight());
    continuous_->setChecked(g.pageWidth && !g.pageHeight);
    int size = g.pageWidth ? kCustomPage : kFitPage;
    for (int i = 0; g.pageWidth && g.pageHeight && i < static_cast<int>(std::size(kPages)); ++i)
        if (*g.pageWidth == Length::mm(kPages[i].width) && *g.pageHeight == Length::mm(kPages[i].height)) size = i + 1;
    pageSize_->setCurrentIndex(size);
    updating_ = false;
    Changed();
}

labelrender::PageGeometry TfrmPageSettings::Geometry() const {
    labelrender::PageGeometry g;
    g.labelWidth = ReadLength(labelWidth_);
    g.labelHeight = ReadLength(labelHeight_);
    g.rows = rows_->value();
    g.cols = cols_->value();
    g.gapX = ReadLength(gapX_);
    g.gapY = ReadLength(gapY_);
    g.marginLeft = ReadLength(marginLeft_);
    g.marginTop = ReadLength(marginTop_);
    if (pageSize_->currentIndex() != kFitPage) {
        g.pageWidth = ReadLength(pageWidth_);
        if (!continuous_->isChecked()) g.pageHeight = ReadLength(pageHeight_);
    }
    return g;
}

QString TfrmPageSettings::Problem() const {
    return QString::fromStdString(labelrender::CheckPageGeometry(Geometry()).message);
}

void TfrmPageSettings::ApplyStock(const LabelStock& stock) {
    labelrender::PageGeometry g;
    designer::ApplyStock(stock, g);
    SetGeometry(g);
}

void TfrmPageSettings::PageSizeChosen() {
    const int size = pageSize_->currentIndex();
    if (size > kFitPage && size < kCustomPage) {
        updating_ = true;
        SetLength(pageWidth_, Length::mm(kPages[size - 1].width));
        SetLength(pageHeight_, Length::mm(kPages[size - 1].height));
        updating_ = false;
    }
    Changed();
}

void TfrmPageSettings::Changed() {
    if (updating_) return;
    const int size = pageSize_->currentIndex();
    pageWidth_->setEnabled(size == kCustomPage);
    pageHeight_->setEnabled(size == kCustomPage && !continuous_->isChecked());
    continuous_->setEnabled(size != kFitPage);
    const labelrender::PageGeometry g = Geometry();
    // what the page comes to when it follows the labels
    updating_ = true;
    if (size == kFitPage) SetLength(pageWidth_, g.PageWidth());
    if (size == kFitPage || continuous_->isChecked()) SetLength(pageHeight_, g.PageHeight());
    updating_ = false;
    preview_->SetGeometry(g, continuous_->isChecked() && size != kFitPage);
    const QString problem = Problem();
    problem_->setText(problem.isEmpty() ? QString() : tr("The labels do not fit: %1.").arg(problem));
    problem_->setVisible(!problem.isEmpty());
    ok_->setEnabled(problem.isEmpty());
    saveStock_->setEnabled(problem.isEmpty());
}

void TfrmPageSettings::ChooseStock() {
    if (const std::optional<LabelStock> stock = TfrmStockCatalogue::Choose(catalogue_, this)) ApplyStock(*stock);
}

void TfrmPageSettings::SaveStock() {
    bool ok = false;
    const QString part = QInputDialog::getText(this, tr("Save as Site Stock"),
                                               tr("Name of the stock (e.g. the supplier's part number):"),
                                               QLineEdit::Normal, QString(), &ok).trimmed();
    if (!ok || part.isEmpty()) return;
    const QString description =
        QInputDialog::getText(this, tr("Save as Site Stock"), tr("Description:"), QLineEdit::Normal, QString(), &ok);
    if (!ok) return;
    LabelStock stock;
    stock.part = part;
    stock.description = description.trimmed();
    stock.continuous = continuous_->isChecked() && pageSize_->currentIndex() != kFitPage;
    stock.geometry = Geometry();
    QString error;
    if (!catalogue_.SaveSiteStock(stock, &error))
        QMessageBox::critical(this, windowTitle(), tr("The stock could not be saved:\n%1").arg(error));
}

}  // namespace quill::designer
