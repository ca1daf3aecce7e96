#pragma once
// The settings of the two shift-controlled matrix printers, in the settings
// sections "\Shift1" and "\Shift2", and the label stock each one uses. The
// core owns the values, so that the settings page and the example INI file
// see what the shift controllers work with.
#include <string>

#include "core/LabelStocks.h"

namespace quill {

inline constexpr int ShiftPrinterCount = 2;
inline constexpr const char* DefaultShiftPort = "Epson FX-870";
inline constexpr int SheetLengthINCH = 144;   // 1/72 inch

struct TShiftSettings {
    bool UseShift = false;
    bool UsePageShift = true;
    std::string ShiftPort = DefaultShiftPort;
    int ShiftDelaySecs = 5;
    std::string LabelInfoDescription;
    int ShiftDistanceMM = 110;
    int LabelPosition = 0;
    // From the label stock in use
    int LabelHeightINCH = 0;   // label height plus gap, 1/72 inch, for the printer type
    int ShiftCorrection = 0;   // signed, command units
    int Positions = 0;         // labels side by side
};

// Printer 1 or 2 (anything else is taken as 2).
TShiftSettings& ShiftSettingsOf(int printer);
std::string ShiftSection(int printer);   // "\Shift1", "\Shift2"

// An empty port, or one whose first three characters are "LPT" in any
// case, names the default shift printer instead: the raw commands go to a
// spooler queue, never to a bare port.
std::string ShiftPortFromSetting(const std::string& stored);

void ReadShiftSettings(int printer);
void WriteShiftSettings(int printer);
// LabelPosition is kept only while UseShift is set.
void ReadLabelPosition(int printer);
void WriteLabelPosition(int printer);

// Takes pitch, correction, positions and name from the stock.
void ApplyLabelStock(TShiftSettings& settings, const TLabelInfoRecord& stock);

// What a shift controller starts from: the defaults, the default stock
// (the second of LABELS.INI when there are two or more, else the only one),
// the stored settings and label position, then the stored stock when
// LABELS.INI lists it.
void LoadShiftSettings(int printer);

}  // namespace quill
