#include "core/ShiftSettings.h"

#include <strings.h>

#include <array>

#include "core/SettingsStore.h"

namespace quill {

namespace {

std::array<TShiftSettings, ShiftPrinterCount> shiftSettings;

std::size_t SlotOf(int printer) { return printer == 1 ? 0 : 1; }

// The stock Load falls back on when the stored one is not listed: the
// second entry; a LABELS.INI of one entry leaves the built-in values.
const TLabelInfoRecord* DefaultStock() {
    return LabelDefinitions.size() >= 2 ? &LabelDefinitions[1] : nullptr;
}

}  // namespace

TShiftSettings& ShiftSettingsOf(int printer) { return shiftSettings[SlotOf(printer)]; }

std::string ShiftSection(int printer) { return "\\Shift" + std::to_string(SlotOf(printer) + 1); }

std::string ShiftPortFromSetting(const std::string& stored) {
    if (stored.empty() || strncasecmp(stored.c_str(), "LPT", 3) == 0) return DefaultShiftPort;
    return stored;
}

void ReadShiftSettings(int printer) {
    TShiftSettings& s = ShiftSettingsOf(printer);
    WithSettingsSection(ShiftSection(printer), [&] {
        // Missing keys keep what the controller holds: the defaults and the
        // default stock's name after a load.
        s.UseShift = ReadBooleanValue("UseShift", s.UseShift);
        s.UsePageShift = ReadBooleanValue("UsePageShift", s.UsePageShift);
        s.ShiftPort = ShiftPortFromSetting(ReadStringValue("ShiftPort", s.ShiftPort));
        s.ShiftDelaySecs = ReadIntegerValue("ShiftDelaySecs", s.ShiftDelaySecs);
        s.LabelInfoDescription = ReadStringValue("LabelInfoDescription", s.LabelInfoDescription);
        s.ShiftDistanceMM = ReadIntegerValue("ShiftDistanceMM", s.ShiftDistanceMM);
    });
}

void WriteShiftSettings(int printer) {
    const TShiftSettings& s = ShiftSettingsOf(printer);
    WithSettingsSection(ShiftSection(printer), [&] {
        WriteValue("UseShift", s.UseShift);
        WriteValue("UsePageShift", s.UsePageShift);
        WriteValue("ShiftPort", s.ShiftPort);
        WriteValue("ShiftDelaySecs", s.ShiftDelaySecs);
        WriteValue("LabelInfoDescription", s.LabelInfoDescription);
        WriteValue("ShiftDistanceMM", s.ShiftDistanceMM);
        WriteValue("LabelHeightINCH", s.LabelHeightINCH);
        WriteValue("PaperHeightINCH", SheetLengthINCH);
    });
}

void ReadLabelPosition(int printer) {
    TShiftSettings& s = ShiftSettingsOf(printer);
    if (!s.UseShift) return;
    WithSettingsSection(ShiftSection(printer), [&] { s.LabelPosition = ReadIntegerValue("LabelPosition", s.LabelPosition); });
}

void WriteLabelPosition(int printer) {
    const TShiftSettings& s = ShiftSettingsOf(printer);
    if (!s.UseShift) return;
    WithSettingsSection(ShiftSection(printer), [&] { WriteValue("LabelPosition", s.LabelPosition); });
}

void ApplyLabelStock(TShiftSettings& settings, const TLabelInfoRecord& stock) {
    settings.LabelInfoDescription = stock.Description;
    settings.LabelHeightINCH = stock.HeightINCH + SpaceHeight(stock);
    settings.ShiftCorrection = ShiftCorrection(stock);
    settings.Positions = stock.Cols;
}

void LoadShiftSettings(int printer) {
    TShiftSettings& s = ShiftSettingsOf(printer);
    s = TShiftSettings{};
    if (const TLabelInfoRecord* stock = DefaultStock()) ApplyLabelStock(s, *stock);
    ReadShiftSettings(printer);
    ReadLabelPosition(printer);
    if (const TLabelInfoRecord* stock = FindLabelDefinition(s.LabelInfoDescription)) ApplyLabelStock(s, *stock);
}

}  // namespace quill
