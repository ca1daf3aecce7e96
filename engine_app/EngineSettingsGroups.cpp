#include "engine_app/EngineSettingsGroups.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "engine_app/EngineSettingsModel.h"
#include "engine_app/FolderChooser.h"

namespace quill {

TModeFolderGroup::TModeFolderGroup(TMode mode, const QString& title, QWidget* parent)
    : QGroupBox(title, parent), mode_(mode) {
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(1, 1);
    designBrowse_ = AddFolderRow("Label Design Files", design_);
    fileBrowse_ = AddFolderRow("Label Files", file_);
    if (mode == TMode::Manual) AddFolderRow("Text Files", text_);
    if (HasLocations(mode)) {
        multi_ = new QPushButton("Multi Design Folders", this);
        grid->addWidget(multi_, rows_, 1, 1, 2, Qt::AlignRight);
        connect(multi_, &QPushButton::clicked, this, &TModeFolderGroup::multiFoldersClicked);
    }
}

QPushButton* TModeFolderGroup::AddFolderRow(const QString& caption, QLineEdit*& edit) {
    auto* grid = static_cast<QGridLayout*>(layout());
    const int row = rows_++;
    edit = new QLineEdit(this);
    edit->setReadOnly(true);
    edit->setMinimumWidth(160);
    // A long folder shows its end; the whole of it on hovering.
    connect(edit, &QLineEdit::textChanged, edit, &QLineEdit::setToolTip);
    auto* browse = new QPushButton("...", this);
    browse->setFixedWidth(32);
    browse->setToolTip("Browse for the folder");
    grid->addWidget(new QLabel(caption, this), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(browse, row, 2);
    connect(browse, &QPushButton::clicked, this, [this, edit] {
        const QString chosen = ChooseFolder(this, edit->text());
        if (chosen.isEmpty()) return;
        edit->setText(chosen);
        emit folderChosen();
    });
    return browse;
}

void TModeFolderGroup::SetFolderPairEnabled(bool enabled) {
    for (QWidget* w : {static_cast<QWidget*>(design_), static_cast<QWidget*>(file_),
                       static_cast<QWidget*>(designBrowse_), static_cast<QWidget*>(fileBrowse_)})
        w->setEnabled(enabled);
}

TShiftPrinterGroup::TShiftPrinterGroup(int printer, const QString& driverNote, QWidget* parent)
    : QWidget(parent), printer_(printer) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(BuildSettings(), 1);
    auto* examples = new QVBoxLayout;
    examples->addWidget(BuildLayoutExample());
    examples->addWidget(BuildCustomSizeExample(driverNote));
    examples->addStretch(1);
    row->addLayout(examples, 1);
}

QWidget* TShiftPrinterGroup::BuildSettings() {
    auto* box = new QGroupBox(QString("Settings - Printer-%1").arg(printer_), this);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(1, 1);
    printerList_ = new QComboBox(box);
    printerList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    printerList_->setMinimumContentsLength(16);
    delay_ = new QSpinBox(box);
    delay_->setRange(1, 60);
    labelList_ = new QComboBox(box);
    labelList_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    labelList_->setMinimumContentsLength(16);
    usePageShift_ = new QCheckBox("Use Page Shift", box);
    reset_ = new QPushButton("Reset label-position", box);
    grid->addWidget(new QLabel("Printer", box), 0, 0);
    grid->addWidget(printerList_, 0, 1);
    grid->addWidget(new QLabel("Delay in secs", box), 1, 0);
    grid->addWidget(delay_, 1, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel("Label", box), 2, 0);
    grid->addWidget(labelList_, 2, 1);
    grid->addWidget(usePageShift_, 3, 1);
    grid->addWidget(reset_, 4, 1, Qt::AlignLeft);
    grid->setRowStretch(5, 1);
    return box;
}

QWidget* TShiftPrinterGroup::BuildLayoutExample() {
    auto* box = new QGroupBox("Example - Label Layout Settings", this);
    auto* grid = new QGridLayout(box);
    grid->addWidget(new QLabel("Horizontal", box), 0, 1);
    grid->addWidget(new QLabel("Vertical", box), 0, 2);
    const char* rows[] = {"Offset", "Size (mm)", "Distance (mm)", "Number"};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(new QLabel(rows[r], box), r + 1, 0);
        for (int c = 0; c < 2; ++c) {
            auto* value = new QLabel(box);
            value->setMinimumWidth(48);
            example_[static_cast<std::size_t>(r * 2 + c)] = value;
            grid->addWidget(value, r + 1, c + 1);
        }
    }
    return box;
}

QWidget* TShiftPrinterGroup::BuildCustomSizeExample(const QString& driverNote) {
    auto* box = new QGroupBox("Example - Custom Size Settings", this);
    auto* grid = new QGridLayout(box);
    const char* rows[] = {"Width (mm)", "Height (mm)"};
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(new QLabel(rows[r], box), r, 0);
        example_[static_cast<std::size_t>(8 + r)] = new QLabel(box);
        grid->addWidget(example_[static_cast<std::size_t>(8 + r)], r, 1);
    }
    auto* note = new QLabel(driverNote, box);
    note->setWordWrap(true);
    grid->addWidget(note, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return box;
}

QStringList TShiftPrinterGroup::ExampleTexts() const {
    QStringList texts;
    for (const QLabel* value : example_) texts << value->text();
    return texts;
}

void TShiftPrinterGroup::FillPrinters(const QStringList& printers, const QString& port) {
    printerList_->clear();
    printerList_->addItems(printers);
    printerList_->setCurrentIndex(std::max(0, static_cast<int>(printers.indexOf(port))));
}

void TShiftPrinterGroup::FillLabels(const QStringList& descriptions, int index) {
    labelList_->clear();
    labelList_->addItems(descriptions);
    labelList_->setCurrentIndex(index);
}

void TShiftPrinterGroup::ShowExample(const TLabelExample& e) {
    const std::string* values[] = {&e.OffsetH, &e.OffsetV,   &e.SizeH,   &e.SizeV, &e.DistanceH,
                                   &e.DistanceV, &e.NumberH, &e.NumberV, &e.Width, &e.Height};
    for (std::size_t i = 0; i < example_.size(); ++i) example_[i]->setText(QString::fromStdString(*values[i]));
}

void TShiftPrinterGroup::ClearExample() {
    for (QLabel* value : example_) value->clear();
}

void TShiftPrinterGroup::SetControlsEnabled(bool useShift, bool positionSet) {
    for (QWidget* w : {static_cast<QWidget*>(printerList_), static_cast<QWidget*>(delay_),
                       static_cast<QWidget*>(labelList_), static_cast<QWidget*>(usePageShift_)})
        w->setEnabled(useShift);
    reset_->setEnabled(useShift && positionSet);
}

}  // namespace quill
