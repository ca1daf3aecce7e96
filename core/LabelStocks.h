#pragma once
// The label stocks of the shift-controlled matrix printers, described in
// LABELS.INI beside the program. Owned by the core from start-up to
// shut-down; only the engine reads the file.
#include <string>
#include <vector>

namespace quill {

// One label stock. Vertical values are in 1/72 inch for both printer types.
struct TLabelInfoRecord {
    std::string Description;
    int WidthMM = 0;
    int HeightINCH = 0;
    int SpaceWidthMM = 0;
    int SpaceHeight9Pins = 0;
    int SpaceHeight24Pins = 0;
    int ShiftCorrection9Pins = 0;
    int ShiftCorrection24Pins = 0;
    int Cols = 0;
};

inline constexpr int MaxLabelDefinitions = 127;

// In file order.
extern std::vector<TLabelInfoRecord> LabelDefinitions;

// Fills LabelDefinitions from ProgramFolder + "LABELS.INI". Sections that
// carry only the older single gap and correction keys get the pin-specific
// keys written back. Errors end the reading; what was read stays.
void ReadLabelDefinitions();

// The first stock whose Description equals `description` exactly, or null.
const TLabelInfoRecord* FindLabelDefinition(const std::string& description);

// The value for the printer type of the SpecialPrinterType setting.
int SpaceHeight(const TLabelInfoRecord& record);
int ShiftCorrection(const TLabelInfoRecord& record);

}  // namespace quill
