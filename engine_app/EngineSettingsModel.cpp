#include "engine_app/EngineSettingsModel.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/Locations.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/ShiftSettings.h"
#include "platform/FileOps.h"
#include "printing/ShiftClass.h"
#include "printing/ShiftControllers.h"

namespace quill {

namespace {

template <std::size_t N>
std::optional<int> IndexOf(const std::array<const char*, N>& items, const std::string& value) {
    for (std::size_t i = 0; i < N; ++i)
        if (value == items[i]) return static_cast<int>(i);
    return std::nullopt;
}

std::optional<int> InRange(int value, std::size_t count) {
    if (value < 0 || value >= static_cast<int>(count)) return std::nullopt;
    return value;
}

// Millimetres of a vertical length in 1/72 inch, through the printer's steps.
std::string VerticalMillimetres(int inch72) {
    const double mm = InchUnitsToPrinterUnits(inch72) * 25.4 / Settings.DotsPerInch;
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", std::round(mm * 100) / 100);   // at most two decimals
    return text;
}

}  // namespace

TLabelExample ExampleOf(const TLabelInfoRecord& stock) {
    TLabelExample example;
    example.SizeH = std::to_string(stock.WidthMM);
    example.SizeV = VerticalMillimetres(stock.HeightINCH);
    example.DistanceH = std::to_string(stock.SpaceWidthMM);
    example.DistanceV = VerticalMillimetres(SpaceHeight(stock));
    example.NumberH = std::to_string(stock.Cols);
    example.Height = VerticalMillimetres(SheetLengthINCH);
    return example;
}

void TEngineSettingsModel::Load() {
    ReadSettings();
    for (int printer = 1; printer <= ShiftPrinterCount; ++printer) {
        ReadShiftSettings(printer);
        ReadLabelPosition(printer);
    }
    TEngineSettingsEdit& e = edit_;
    for (TMode m : AllModes) {
        e.DesignFolders[ModeIndex(m)] = Mode(m).DesignLocation;
        e.FileFolders[ModeIndex(m)] = Mode(m).FileLocation;
    }
    e.TextFileFolder = Folders.TextFileFolder;
    const TSettings& s = Settings;
    e.Barcodelength = s.Barcodelength;
    e.LastBarcode = s.LastBarcode;
    e.CheckDigit = IndexOf(CheckDigitItems, s.CheckDigit);
    e.SecundaryPrintEngine = s.SecundaryPrintEngine;
    e.LabelsOlderThanSecs = s.LabelsOlderThanSecs;
    e.PrintDelayMinutes = s.PrintDelayMinutes;
    e.Separator = IndexOf(SeparatorItems, s.Separator);
    e.LogMode = InRange(s.LogMode, LogModeItems.size());
    e.SortOn = InRange(s.SortOn, SortOnItems.size());
    e.SpecialPrinterType = InRange(s.SpecialPrinterType, PrinterTypeItems.size());
    for (int printer = 1; printer <= ShiftPrinterCount; ++printer)
        e.ShiftPorts[static_cast<std::size_t>(printer - 1)] = ShiftSettingsOf(printer).ShiftPort;
    changed_ = false;
}

void TEngineSettingsModel::SetBackupLabelFile(bool on) {
    Settings.BackupLabelFile = on;
    changed_ = true;
}

void TEngineSettingsModel::SetMakeUseOfWorkfile(bool on) {
    Settings.MakeUseOfWorkfile = on;
    changed_ = true;
}

void TEngineSettingsModel::SetUseShift(bool on) {
    for (int printer = 1; printer <= ShiftPrinterCount; ++printer) ShiftSettingsOf(printer).UseShift = on;
    changed_ = true;
}

void TEngineSettingsModel::SetShiftDelay(int printer, int seconds) {
    ShiftSettingsOf(printer).ShiftDelaySecs = seconds > 0 ? seconds : 5;
    changed_ = true;
}

void TEngineSettingsModel::SetUsePageShift(int printer, bool on) {
    ShiftSettingsOf(printer).UsePageShift = on;
    changed_ = true;
}

void TEngineSettingsModel::ChooseLabelStock(int printer, int index) {
    if (index < 0 || index >= static_cast<int>(LabelDefinitions.size())) return;
    ApplyLabelStock(ShiftSettingsOf(printer), LabelDefinitions[static_cast<std::size_t>(index)]);
    changed_ = true;
}

void TEngineSettingsModel::ResetLabelPosition(int printer) {
    ShiftSettingsOf(printer).LabelPosition = 0;
    changed_ = true;
}

int TEngineSettingsModel::LabelStockIndex(int printer) {
    const std::string& name = ShiftSettingsOf(printer).LabelInfoDescription;
    for (int i = static_cast<int>(LabelDefinitions.size()) - 1; i >= 0; --i)
        if (LabelDefinitions[static_cast<std::size_t>(i)].Description == name) return i;
    return LabelDefinitions.empty() ? -1 : 0;
}

TBarcodeAcceptance TEngineSettingsModel::AcceptBarcode() {
    const std::string scheme = edit_.CheckDigit ? CheckDigitItems[static_cast<std::size_t>(*edit_.CheckDigit)]
                                                : Settings.CheckDigit;
    TBarcodeAcceptance result = AcceptLastBarcode(edit_.LastBarcode, edit_.Barcodelength, scheme);
    edit_.LastBarcode = result.Number;
    changed_ = true;
    return result;
}

bool TEngineSettingsModel::VisibleClick() {
    changed_ = true;
    if (std::any_of(AllModes.begin(), AllModes.end(), [](TMode m) { return Mode(m).Visible; })) return false;
    Mode(TMode::Manual).Visible = true;
    return true;
}

bool TEngineSettingsModel::FolderPairReplaced(TMode mode) {
    TQuill& q = Mode(mode);
    if (!HasLocations(mode) || !q.Visible) return false;
    if (q.Locations.empty()) LoadLocations(mode, q.Locations);
    return !q.Locations.empty();
}

void TEngineSettingsModel::Save() {
    TEngineSettingsEdit& e = edit_;
    for (TMode m : AllModes) {
        Mode(m).DesignLocation = e.DesignFolders[ModeIndex(m)];
        Mode(m).FileLocation = e.FileFolders[ModeIndex(m)];
    }
    Folders.TextFileFolder = e.TextFileFolder;
    TSettings& s = Settings;
    s.Barcodelength = e.Barcodelength;
    s.PrintDelayMinutes = e.PrintDelayMinutes;
    if (e.Separator) s.Separator = SeparatorItems[static_cast<std::size_t>(*e.Separator)];
    AcceptBarcode();
    s.LastBarcode = e.LastBarcode;
    if (e.CheckDigit) s.CheckDigit = CheckDigitItems[static_cast<std::size_t>(*e.CheckDigit)];
    if (e.SpecialPrinterType) {
        s.SpecialPrinterType = *e.SpecialPrinterType;
        s.DotsPerInch = s.SpecialPrinterType == 0 ? 72 : 60;
    }
    for (int printer = 1; printer <= ShiftPrinterCount; ++printer)
        ShiftSettingsOf(printer).ShiftPort = e.ShiftPorts[static_cast<std::size_t>(printer - 1)];
    if (e.LogMode) s.LogMode = *e.LogMode;
    if (e.SortOn) s.SortOn = *e.SortOn;
    s.SecundaryPrintEngine = e.SecundaryPrintEngine;
    s.LabelsOlderThanSecs = e.LabelsOlderThanSecs;

    for (int printer = 1; printer <= ShiftPrinterCount; ++printer) WriteShiftSettings(printer);
    for (int printer = 1; printer <= ShiftPrinterCount; ++printer) WriteLabelPosition(printer);
    WriteSettings();
    ReadSettings();
    SaveQuillINI_Example();
    changed_ = false;
}

std::string TEngineSettingsModel::StoreName() { return Folders.UseINIFile ? Folders.INIFileName : "Registry"; }

bool TEngineSettingsModel::StoreIsReadOnly() {
    return Folders.UseINIFile && platform::FileExists(SettingsFilePath()) && platform::IsReadOnly(SettingsFilePath());
}

}  // namespace quill
