// The three tabs of the settings page and what their controls change.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/ShiftSettings.h"
#include "engine_app/EngineSettingsGroups.h"
#include "engine_app/FEngineSettings.h"

namespace quill {

namespace {

struct TGroupPlace {
    TMode Mode;
    const char* Title;
    bool Left;
};
// Top to bottom in each column; Tamber's group is never shown, so it is not built.
constexpr TGroupPlace GroupPlaces[] = {
    {TMode::Manual, "Manual", true},          {TMode::Legacy, "Legacy", true},
    {TMode::DirectORS, "Direct Corvane ORS", true}, {TMode::Direct, "Direct Corvane", true},
    {TMode::VekLegacy, "Vek-Legacy", false},  {TMode::Corvane, "Corvane", false},
    {TMode::CorvanePWB, "Corvane PWB", false}, {TMode::CorvaneORS, "Corvane ORS", false},
};

template <std::size_t N>
QGroupBox* RadioGroup(const QString& title, const std::array<const char*, N>& items, int columns,
                      QButtonGroup*& group, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* grid = new QGridLayout(box);
    group = new QButtonGroup(box);
    for (std::size_t i = 0; i < N; ++i) {
        auto* button = new QRadioButton(items[i], box);
        group->addButton(button, static_cast<int>(i));
        grid->addWidget(button, static_cast<int>(i) / columns, static_cast<int>(i) % columns);
    }
    return box;
}

template <std::size_t N>
QComboBox* ListOf(const std::array<const char*, N>& items, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (const char* item : items) list->addItem(item);
    return list;
}

QSpinBox* Spin(int low, int high, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    return spin;
}

// A spin box with its unit after it.
QWidget* WithUnit(QWidget* control, const QString& unit, QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(control);
    row->addWidget(new QLabel(unit, box));
    row->addStretch(1);
    return box;
}

// Tabs scroll rather than squeeze on a small screen.
QWidget* Scrolling(QWidget* content) {
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    return scroll;
}

}  // namespace

QWidget* TfrmEngineSettings::BuildGeneralTab() {
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    leftColumn_ = new QWidget(page);
    rightColumn_ = new QWidget(page);
    auto* left = new QVBoxLayout(leftColumn_);
    auto* right = new QVBoxLayout(rightColumn_);
    for (auto* column : {left, right}) column->setContentsMargins(0, 0, 0, 0);
    for (const TGroupPlace& place : GroupPlaces) {
        auto* group = new TModeFolderGroup(place.Mode, place.Title, page);
        groups_[static_cast<std::size_t>(ModeIndex(place.Mode))] = group;
        (place.Left ? left : right)->addWidget(group);
        connect(group, &TModeFolderGroup::folderChosen, this, [this] { TakeFolders(); });
        connect(group, &TModeFolderGroup::multiFoldersClicked, this, [this, mode = place.Mode] { OpenMultiFolders(mode); });
    }
    left->addStretch(1);
    right->addStretch(1);
    // Both shown: half the width each; one alone fills the page.
    columns->addWidget(leftColumn_, 1);
    columns->addWidget(rightColumn_, 1);
    return Scrolling(page);
}

QWidget* TfrmEngineSettings::BuildBarcodeGroup() {
    auto* box = new QGroupBox("Settings - Barcode - Manual Mode");
    auto* grid = new QGridLayout(box);
    TAdditional& a = additional_;
    a.BarcodeLength = Spin(6, 12, box);
    a.BarcodeLength->setSingleStep(2);
    a.BarcodeLength->findChild<QLineEdit*>()->setReadOnly(true);   // changed with the arrows only
    a.LastBarcode = new QLineEdit(box);
    a.LastBarcode->setMaxLength(12);
    a.LastBarcode->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), a.LastBarcode));
    a.CheckDigit = ListOf(CheckDigitItems, box);
    grid->addWidget(new QLabel("Barcode Length", box), 0, 0);
    grid->addWidget(a.BarcodeLength, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel("Last Barcode", box), 1, 0);
    grid->addWidget(a.LastBarcode, 1, 1);
    grid->addWidget(new QLabel("Check Digit", box), 2, 0);
    grid->addWidget(a.CheckDigit, 2, 1, Qt::AlignLeft);
    connect(a.BarcodeLength, &QSpinBox::valueChanged, this, [this](int length) {
        model_.Edit().Barcodelength = length;
        AcceptBarcode();
    });
    connect(a.CheckDigit, &QComboBox::activated, this, [this](int index) {
        model_.Edit().CheckDigit = index;
        AcceptBarcode();
    });
    connect(a.LastBarcode, &QLineEdit::editingFinished, this, [this] { AcceptBarcode(); });
    return box;
}

QWidget* TfrmEngineSettings::BuildSecondaryGroup() {
    auto* box = new QGroupBox("Settings - Secondary Print Engine");
    auto* grid = new QGridLayout(box);
    TAdditional& a = additional_;
    a.Secondary = new QCheckBox("Act as secondary print engine", box);
    a.OlderThan = Spin(1, 99999, box);
    grid->addWidget(a.Secondary, 0, 0, 1, 2);
    grid->addWidget(new QLabel("For labels older than", box), 1, 0);
    grid->addWidget(WithUnit(a.OlderThan, "Secs", box), 1, 1);
    connect(a.Secondary, &QCheckBox::clicked, this, [this](bool on) {
        model_.Edit().SecundaryPrintEngine = on;
        model_.MarkChanged();
        additional_.OlderThan->setEnabled(on);
    });
    connect(a.OlderThan, &QSpinBox::valueChanged, this, [this](int secs) {
        model_.Edit().LabelsOlderThanSecs = secs;
        model_.MarkChanged();
    });
    return box;
}

QWidget* TfrmEngineSettings::BuildAdditionalGroup() {
    auto* box = new QGroupBox("Settings - Additional");
    auto* grid = new QGridLayout(box);
    TAdditional& a = additional_;
    a.PrintDelay = Spin(1, 60, box);
    a.Separator = ListOf(SeparatorItems, box);
    a.Backup = new QCheckBox("Backup", box);
    a.Workfile = new QCheckBox("Make use of workfile", box);
    grid->addWidget(new QLabel("Delay finishing printjob", box), 0, 0);
    grid->addWidget(WithUnit(a.PrintDelay, "Minutes", box), 0, 1);
    grid->addWidget(new QLabel("Labelfile separator", box), 1, 0);
    grid->addWidget(a.Separator, 1, 1, Qt::AlignLeft);
    grid->addWidget(a.Backup, 2, 0, 1, 2);
    grid->addWidget(RadioGroup("Logging", LogModeItems, 2, a.Logging, box), 3, 0, 1, 2);
    grid->addWidget(RadioGroup("Sort Label Files on", SortOnItems, 3, a.SortOn, box), 4, 0, 1, 2);
    grid->addWidget(a.Workfile, 5, 0, 1, 2);
    connect(a.PrintDelay, &QSpinBox::valueChanged, this, [this](int minutes) {
        model_.Edit().PrintDelayMinutes = minutes;
        model_.MarkChanged();
    });
    connect(a.Separator, &QComboBox::activated, this, [this](int index) {
        model_.Edit().Separator = index;
        model_.MarkChanged();
    });
    connect(a.Backup, &QCheckBox::clicked, this, [this](bool on) { model_.SetBackupLabelFile(on); });
    connect(a.Workfile, &QCheckBox::clicked, this, [this](bool on) { model_.SetMakeUseOfWorkfile(on); });
    connect(a.Logging, &QButtonGroup::idClicked, this, [this](int id) {
        model_.Edit().LogMode = id;
        model_.MarkChanged();
    });
    connect(a.SortOn, &QButtonGroup::idClicked, this, [this](int id) {
        model_.Edit().SortOn = id;
        model_.MarkChanged();
    });
    return box;
}

QWidget* TfrmEngineSettings::BuildAdditionalTab() {
    auto* page = new QWidget;
    auto* columns = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    left->addWidget(BuildBarcodeGroup());
    left->addWidget(BuildSecondaryGroup());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildAdditionalGroup());
    right->addStretch(1);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    return Scrolling(page);
}

QWidget* TfrmEngineSettings::BuildSpecialTab() {
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    auto* special = new QGroupBox("Settings - Special", page);
    auto* grid = new QGridLayout(special);
    TSpecial& s = special_;
    s.UseSpecialMode = new QCheckBox("Use Special Mode", special);
    auto* warning = new QLabel(
        "WARNING: Use the special mode ONLY for matrix-\nprinters like Epson FX-8xx and Star LC-7211/8211", special);
    grid->addWidget(s.UseSpecialMode, 0, 0);
    grid->addWidget(warning, 1, 0);
    grid->addWidget(RadioGroup("Printer-type", PrinterTypeItems, 2, s.PrinterType, special), 0, 1, 2, 1);
    grid->setColumnStretch(0, 1);
    column->addWidget(special);
    s.Printers = {new TShiftPrinterGroup(1, "Note: Printer Driver should be set to 'Spool print documents'", page),
                  new TShiftPrinterGroup(2, "Note: Printer Driver should be set to 'Print directly to the printer'", page)};
    column->addWidget(s.Printers[0]);
    column->addWidget(s.Printers[1]);
    s.Printers[1]->hide();   // kept and saved with printer 1's, never offered
    column->addStretch(1);
    connect(s.UseSpecialMode, &QCheckBox::clicked, this, [this](bool on) {
        model_.SetUseShift(on);
        for (TShiftPrinterGroup* group : special_.Printers) ShowPrinterState(group);
    });
    connect(s.PrinterType, &QButtonGroup::idClicked, this, [this](int id) {
        model_.Edit().SpecialPrinterType = id;
        model_.MarkChanged();
    });
    for (TShiftPrinterGroup* group : s.Printers) ConnectPrinter(group);
    return Scrolling(page);
}

void TfrmEngineSettings::ConnectPrinter(TShiftPrinterGroup* group) {
    const int printer = group->Printer();
    const auto slot = static_cast<std::size_t>(printer - 1);
    connect(group->PrinterList(), &QComboBox::activated, this, [this, group, slot] {
        model_.Edit().ShiftPorts[slot] = group->PrinterList()->currentText().toStdString();
        model_.MarkChanged();
    });
    connect(group->Delay(), &QSpinBox::valueChanged, this, [this, printer](int secs) { model_.SetShiftDelay(printer, secs); });
    connect(group->UsePageShift(), &QCheckBox::clicked, this, [this, printer](bool on) { model_.SetUsePageShift(printer, on); });
    connect(group->LabelList(), &QComboBox::activated, this, [this, group, printer](int index) {
        model_.ChooseLabelStock(printer, index);
        group->ShowExample(ExampleOf(LabelDefinitions[static_cast<std::size_t>(index)]));
    });
    connect(group->ResetPosition(), &QPushButton::clicked, this, [this, group, printer] {
        model_.ResetLabelPosition(printer);
        ShowPrinterState(group);
    });
}

void TfrmEngineSettings::ShowPrinterState(TShiftPrinterGroup* group) {
    const TShiftSettings& s = ShiftSettingsOf(group->Printer());
    group->SetControlsEnabled(s.UseShift, s.LabelPosition > 0);
}

}  // namespace quill
