#pragma once
// What the engine's settings page edits, without any window. Showing the
// page takes a copy of the settings it offers; a confirmed save copies them
// back into memory and writes the store. The few values the page applies at
// once (backup, work file, shift options, label stock and position, mode
// visibility) go straight into the running engine's settings instead, and
// stay there until the store is next read.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/LabelStocks.h"
#include "core/UGlobals.h"
#include "printing/BarcodeNumbers.h"

namespace quill {

inline constexpr std::array<const char*, 6> CheckDigitItems = {"NONE", "31313", "MOD10", "MOD11", "SYDVASK", "31313-NEG"};
inline constexpr std::array<const char*, 2> SeparatorItems = {";", ","};
inline constexpr std::array<const char*, 4> LogModeItems = {"No logging", "Errors", "Errors and warnings", "All"};
inline constexpr std::array<const char*, 3> SortOnItems = {"Date", "Date + Filename", "Filename"};
inline constexpr std::array<const char*, 2> PrinterTypeItems = {"9 pins", "24 pins"};

// The page's copy of what it saves. A list or radio group whose stored
// value is not among its items has no selection (nullopt) and leaves the
// stored value alone.
struct TEngineSettingsEdit {
    std::array<std::string, ModeCount> DesignFolders;
    std::array<std::string, ModeCount> FileFolders;
    std::string TextFileFolder;
    int Barcodelength = 8;
    std::string LastBarcode;
    std::optional<int> CheckDigit;          // index into CheckDigitItems
    bool SecundaryPrintEngine = false;
    int LabelsOlderThanSecs = 5;
    int PrintDelayMinutes = 1;
    std::optional<int> Separator;           // index into SeparatorItems
    std::optional<int> LogMode;
    std::optional<int> SortOn;
    std::optional<int> SpecialPrinterType;
    // The printer names: a stored name that is not installed stays in
    // force until the user picks another printer.
    std::array<std::string, 2> ShiftPorts;
};

// The example values of a label stock, as the page shows them: what to set
// in a label layout and as the driver's custom paper size. Vertical values
// pass through the printer's steps, as the shift controller moves the paper.
struct TLabelExample {
    std::string OffsetH = "0", OffsetV = "0";
    std::string SizeH, SizeV;
    std::string DistanceH, DistanceV;
    std::string NumberH, NumberV = "1";
    std::string Width = "210", Height;
};
TLabelExample ExampleOf(const TLabelInfoRecord& stock);

class TEngineSettingsModel {
public:
    // Showing the page: reads the store, both printers' shift settings and
    // label positions, and takes the values the page offers. Clears Changed.
    void Load();
    TEngineSettingsEdit& Edit() { return edit_; }
    const TEngineSettingsEdit& Values() const { return edit_; }

    bool Changed() const { return changed_; }
    void MarkChanged() { changed_ = true; }
    void ClearChanged() { changed_ = false; }

    // Applied to the running engine at once.
    void SetBackupLabelFile(bool on);
    void SetMakeUseOfWorkfile(bool on);
    void SetUseShift(bool on);                       // both printers
    void SetShiftDelay(int printer, int seconds);
    void SetUsePageShift(int printer, bool on);
    void ChooseLabelStock(int printer, int index);   // into LabelDefinitions
    void ResetLabelPosition(int printer);

    // The label stock the printer's list selects: the last one named as
    // its stored stock, else the first; -1 when LABELS.INI lists none.
    static int LabelStockIndex(int printer);

    // "Barcode Length", "Check Digit" and leaving "Last Barcode": the typed
    // number brought to the length and scheme; the edit takes the result.
    TBarcodeAcceptance AcceptBarcode();

    // After a mode's visibility changed: true when no mode was visible any
    // more and Manual became visible again.
    bool VisibleClick();
    // Whether a visible mode's multi-folder list replaces its own folder
    // pair; loads the list first when it is still empty.
    static bool FolderPairReplaced(TMode mode);

    // A confirmed save: every value into memory, then the store in the
    // order shift settings, label positions, settings, re-read, example file.
    void Save();

    // "QUILL.INI" while the INI file is the store, else "Registry".
    static std::string StoreName();
    // A read-only INI file takes no writes: a save would keep nothing.
    static bool StoreIsReadOnly();

private:
    TEngineSettingsEdit edit_;
    bool changed_ = false;
};

}  // namespace quill
