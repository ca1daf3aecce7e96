#pragma once
// The shared model of both programs: the nine modes with their folders, the
// folder values and the in-memory settings. Owned by the core from
// InitializeGlobals to FinalizeGlobals.
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace quill {

enum class TMode : int {
    Legacy = 0,
    VekLegacy,
    Manual,
    Corvane,
    CorvanePWB,
    Tamber,
    Direct,
    DirectORS,
    CorvaneORS,
};
inline constexpr int ModeCount = 9;
inline constexpr std::array<TMode, ModeCount> AllModes = {
    TMode::Legacy,  TMode::VekLegacy, TMode::Manual,    TMode::Corvane,   TMode::CorvanePWB,
    TMode::Tamber,  TMode::Direct,    TMode::DirectORS, TMode::CorvaneORS,
};
inline constexpr int ModeIndex(TMode m) { return static_cast<int>(m); }

// Direct and DirectORS print raw text layouts without the rendering library.
inline constexpr bool IsDirectMode(TMode m) { return m == TMode::Direct || m == TMode::DirectORS; }
// Only these four modes keep a multi-folder list.
inline constexpr bool HasLocations(TMode m) {
    return m == TMode::Corvane || m == TMode::CorvanePWB || m == TMode::Direct || m == TMode::CorvaneORS;
}

// One vocabulary entry; Type is "Text" or "Barcode".
struct TField {
    std::string Name;
    std::string Type;
};

// One entry of a mode's multi-folder list.
struct TLocName {
    int Number = 0;
    std::string Name;
    std::string DesignLocation;  // with trailing separator once loaded
    std::string FileLocation;    // with trailing separator once loaded
};
using TLocationList = std::vector<std::unique_ptr<TLocName>>;

struct TQuill {
    std::string FileLocation;
    std::string DesignLocation;
    std::string FileExtension;
    std::string SettingsSection;
    std::vector<TField> Fields;
    TLocationList Locations;
    std::string FilePrefix;
    bool Visible = false;
    // engine only
    std::string CurrentFile;
    std::string ErrorPath;
    std::string BackupPath;
};

// Fixed properties of a mode that no setting changes.
struct TModeInfo {
    const char* Word;             // "Corvane"
    const char* DisplayName;      // name in QuillPrint and the engine's Modes menu
    const char* StatusText;       // engine status text
    const char* FolderName;       // default label-file folder below <root>/labels/
    const char* FileExtension;
    const char* SettingsSection;
    const char* FilePrefix;
};
const TModeInfo& ModeInfo(TMode m);

extern std::array<TQuill, ModeCount> ModeTable;
inline TQuill& Mode(TMode m) { return ModeTable[static_cast<std::size_t>(ModeIndex(m))]; }

// In-memory settings with their built-in defaults.
struct TSettings {
    std::string TempLocation;
    int Barcodelength = 8;
    std::string CheckDigit = "NONE";
    std::string LastBarcode = "00000001";
    int Maxlabels = 1;
    int PauseEngineAtStart = 0;
    int PrintDelayMinutes = 1;
    int PreviewAll = 0;
    int Debug = 0;
    bool DebugFlag = false;
    std::string Separator = ",";
    int LogMode = 0;
    int SortOn = 0;
    int SpecialPrinterType = 1;
    int DotsPerInch = 60;
    bool BackupLabelFile = true;
    int CodePage = 0;
    int FileFormat = 0;
    bool SecundaryPrintEngine = false;
    int LabelsOlderThanSecs = 5;
    bool MakeUseOfWorkfile = true;
    int UseDirMonitor = 1;
    bool UseDirMonitorFlag = true;
    int BarcodeLengthTamber = 20;
    // Label files larger than this go to Error unread.
    int MaxLabelFileMB = 256;
    // Where no write lease can be had and no directory monitor saw the
    // writer close the file: seconds a label file must stay untouched
    // before it is claimed.
    int LabelsQuietSecs = 2;
};
extern TSettings Settings;

// Program identity, the folder values and the store choice.
struct TFolders {
    std::string AppTitle;          // "QuillEngine", "QuillService" or "QuillPrint"
    std::string StartFolder;
    std::string ProgramFolder;     // with trailing separator, or empty
    std::string LogFolder;
    std::string HelpFolder;
    std::string HelpFile;
    std::string TextFileFolder;
    std::string ComputerName;
    std::string WorkFileName;
    int LanguageIndex = 0;
    std::string INIFileName = "QUILL.INI";
    bool UseINIFile = false;
    std::string SettingsSection;   // current section of ReadValue / WriteValue
};
extern TFolders Folders;

bool IsQuillService();
bool IsQuillEngine();
bool IsQuillPrint();

// The default Windows folders live below the data root.
std::string DefaultLabelsRoot();   // <root>/labels/
std::string DefaultTempLocation(); // <root>/Temp/

std::string ModeDesignFolder(TMode m);  // with trailing separator
std::string ModeFileFolder(TMode m);    // with trailing separator
const std::string& ModeSettingsSection(TMode m);

// Puts every mode back to its built-in defaults (folders, extension,
// section, prefix, vocabulary; invisible; empty multi-folder list).
void ResetModeTable();

}  // namespace quill
