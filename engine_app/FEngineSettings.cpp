#include "engine_app/FEngineSettings.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/Locations.h"
#include "core/ShiftSettings.h"
#include "engine_app/EngineSettingsGroups.h"
#include "engine_app/FDlgMultiFolderDesignsEdit.h"
#include "engine_app/InstalledPrinters.h"
#include "ui/Help.h"
#include "ui/WaitCursor.h"

namespace quill {

namespace {

constexpr const char* MessageTitle = "QuillEngine";
constexpr const char* SaveQuestion = "You've changed something! Save changes?";
const QString ReadOnlyMessage = "%1 is read-only: the settings were not stored.";
constexpr const char* OneModeMessage = "At least one mode must be visible!\nThis will be default the Manual Mode.";

// No button checked when `index` is none.
void Select(QButtonGroup* group, std::optional<int> index) {
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons()) button->setChecked(group->id(button) == index.value_or(-1));
    group->setExclusive(true);
}

QString Text(const std::string& value) { return QString::fromStdString(value); }

}  // namespace

TfrmEngineSettings::TfrmEngineSettings(TEngineControl& core, QWidget* parent) : QWidget(parent), core_(core) {
    setWindowTitle("System Settings");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    tabs_ = new QTabWidget(this);
    layout->addWidget(tabs_);
    const std::pair<QWidget*, int> pages[] = {
        {BuildGeneralTab(), HelpContext}, {BuildAdditionalTab(), AdditionalHelpContext}, {BuildSpecialTab(), SpecialHelpContext}};
    const char* captions[] = {"General", "Additional", "Special"};
    for (int i = 0; i < 3; ++i) {
        tabs_->addTab(pages[i].first, captions[i]);
        ui::SetHelpContext(pages[i].first, pages[i].second);
    }
    ui::SetHelpContext(this, HelpContext);
}

TModeFolderGroup* TfrmEngineSettings::ModeGroup(TMode mode) const {
    return groups_[static_cast<std::size_t>(ModeIndex(mode))];
}

void TfrmEngineSettings::FormShow() {
    const TWaitCursor wait;   // the store, and a print scheduler that may be slow to answer
    model_.Load();
    emit modesMenuWanted(true);   // ticked from what the store says
    Layout();
    FillGeneral();
    FillAdditional();
    FillSpecial();
    model_.ClearChanged();
    emit storeShown(Text(TEngineSettingsModel::StoreName()));
    const QStringList printers = InstalledPrinters();
    for (TShiftPrinterGroup* group : special_.Printers)
        group->FillPrinters(printers, Text(model_.Values().ShiftPorts[static_cast<std::size_t>(group->Printer() - 1)]));
    shown_ = true;
}

void TfrmEngineSettings::FillGeneral() {
    const TEngineSettingsEdit& v = model_.Values();
    for (TModeFolderGroup* group : groups_) {
        if (!group) continue;
        const auto m = static_cast<std::size_t>(ModeIndex(group->ModeOf()));
        group->DesignFolder()->setText(Text(v.DesignFolders[m]));
        group->FileFolder()->setText(Text(v.FileFolders[m]));
        if (group->TextFolder()) group->TextFolder()->setText(Text(v.TextFileFolder));
    }
}

void TfrmEngineSettings::FillAdditional() {
    const TEngineSettingsEdit& v = model_.Values();
    const TAdditional& a = additional_;
    const QSignalBlocker quiet[] = {QSignalBlocker(a.BarcodeLength), QSignalBlocker(a.OlderThan),
                                    QSignalBlocker(a.PrintDelay)};
    a.BarcodeLength->setValue(v.Barcodelength);
    a.LastBarcode->setText(Text(v.LastBarcode));
    a.CheckDigit->setCurrentIndex(v.CheckDigit.value_or(-1));
    a.Secondary->setChecked(v.SecundaryPrintEngine);
    a.OlderThan->setValue(v.LabelsOlderThanSecs);
    a.OlderThan->setEnabled(v.SecundaryPrintEngine);
    a.PrintDelay->setValue(v.PrintDelayMinutes);
    a.Separator->setCurrentIndex(v.Separator.value_or(-1));
    a.Backup->setChecked(Settings.BackupLabelFile);
    a.Workfile->setChecked(Settings.MakeUseOfWorkfile);
    Select(a.Logging, v.LogMode);
    Select(a.SortOn, v.SortOn);
}

void TfrmEngineSettings::FillSpecial() {
    special_.UseSpecialMode->setChecked(ShiftSettingsOf(1).UseShift);
    Select(special_.PrinterType, model_.Values().SpecialPrinterType);
    QStringList stocks;
    for (const TLabelInfoRecord& stock : LabelDefinitions) stocks << Text(stock.Description);
    for (TShiftPrinterGroup* group : special_.Printers) {
        const TShiftSettings& s = ShiftSettingsOf(group->Printer());
        {
            const QSignalBlocker quiet(group->Delay());
            group->Delay()->setValue(s.ShiftDelaySecs);
        }
        group->UsePageShift()->setChecked(s.UsePageShift);
        const int stock = TEngineSettingsModel::LabelStockIndex(group->Printer());
        group->FillLabels(stocks, stock);
        if (stock >= 0) group->ShowExample(ExampleOf(LabelDefinitions[static_cast<std::size_t>(stock)]));
        else group->ClearExample();
        ShowPrinterState(group);
    }
}

void TfrmEngineSettings::Layout() {
    bool left = false, right = false;
    for (TModeFolderGroup* group : groups_) {
        if (!group) continue;
        const TMode mode = group->ModeOf();
        const bool visible = Mode(mode).Visible;
        group->setVisible(visible);
        if (HasLocations(mode)) group->SetFolderPairEnabled(!TEngineSettingsModel::FolderPairReplaced(mode));
        (group->parentWidget() == leftColumn_ ? left : right) |= visible;
    }
    leftColumn_->setVisible(left);
    rightColumn_->setVisible(right);
}

void TfrmEngineSettings::TakeFolders() {
    TEngineSettingsEdit& e = model_.Edit();
    for (TModeFolderGroup* group : groups_) {
        if (!group) continue;
        const auto m = static_cast<std::size_t>(ModeIndex(group->ModeOf()));
        e.DesignFolders[m] = group->DesignFolder()->text().toStdString();
        e.FileFolders[m] = group->FileFolder()->text().toStdString();
        if (group->TextFolder()) e.TextFileFolder = group->TextFolder()->text().toStdString();
    }
    model_.MarkChanged();
}

void TfrmEngineSettings::AcceptBarcode() {
    if (accepting_) return;   // the message box takes the focus from the field
    accepting_ = true;
    model_.Edit().LastBarcode = additional_.LastBarcode->text().toStdString();
    const TBarcodeAcceptance result = model_.AcceptBarcode();
    additional_.LastBarcode->setText(Text(result.Number));   // no longer modified: taken
    if (!result.Accepted && !result.Message.empty())
        QMessageBox::information(this, MessageTitle, Text(result.Message));
    accepting_ = false;
}

void TfrmEngineSettings::VisibleClick() {
    Layout();
    if (!model_.VisibleClick()) return;
    Layout();
    QMessageBox::information(this, MessageTitle, OneModeMessage);
}

void TfrmEngineSettings::OpenMultiFolders(TMode mode) {
    {
        TfrmDlgMultiFolderDesignsEdit editor(mode, this);
        editor.exec();
    }
    LoadLocations(mode, Mode(mode).Locations);
    Layout();
}

void TfrmEngineSettings::FormClose(bool programEnding, bool mayAsk) {
    if (!shown_) return;
    shown_ = false;
    emit modesMenuWanted(false);
    // A number typed but not yet left counts as typed.
    if (additional_.LastBarcode->isModified()) {
        model_.Edit().LastBarcode = additional_.LastBarcode->text().toStdString();
        model_.MarkChanged();
    }
    if (model_.Changed() && mayAsk &&
        QMessageBox::question(this, MessageTitle, SaveQuestion, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
        {
            const TWaitCursor wait;
            model_.Save();
        }
        // The store skips every write silently; the administrator must not think it saved.
        if (TEngineSettingsModel::StoreIsReadOnly())
            QMessageBox::warning(this, MessageTitle, ReadOnlyMessage.arg(Text(Folders.INIFileName)));
    }
    model_.ClearChanged();
    if (!programEnding && core_.IsPaused()) core_.ResumeEngine();
    emit storeShown(QString());
}

void TfrmEngineSettings::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

}  // namespace quill
