#include "core/UGlobals.h"

#include <strings.h>

#include "core/Utilities.h"
#include "core/Vocabularies.h"
#include "platform/SystemInfo.h"

namespace quill {

std::array<TQuill, ModeCount> ModeTable;
TSettings Settings;
TFolders Folders;

namespace {

// The Corvane folders are "Corvan", one letter shorter than the mode word.
constexpr std::array<TModeInfo, ModeCount> kModeInfo = {{
    {"Legacy", "Legacy", "Legacy mode", "Legacy", "lbf", "\\LEGACY", "LBF"},
    {"VekLegacy", "Vek-Legacy", "Vek-Legacy mode", "Vek", "asc", "\\VEK", "VEK"},
    {"Manual", "Manual", "Manual mode", "User", "txt", "\\USER", "USR"},
    {"Corvane", "Corvane", "Corvane mode", "Corvan", "lbl", "\\CORVANE", "CRV"},
    {"CorvanePWB", "Corvane PWB", "Corvane PWB mode", "CorvanePWB", "lab", "\\CORVANEPWB", "CRVPWB"},
    {"Tamber", "Tamber", "Tamber mode", "Tamber", "asc", "\\TAMBER", "TMB"},
    {"Direct", "Direct Corvane", "Direct Corvane Mode", "Direct", "lbl", "\\DIRECT", "DIRECT"},
    {"DirectORS", "Direct ORS", "Direct ORS Mode", "DirORS", "lab", "\\DIRORS", "DIRORS"},
    {"CorvaneORS", "Corvane ORS", "Corvane ORS mode", "CorvaneORS", "lab", "\\CORVANEORS", "CRVORS"},
}};

bool TitleIs(const char* title) { return strcasecmp(Folders.AppTitle.c_str(), title) == 0; }

}  // namespace

const TModeInfo& ModeInfo(TMode m) { return kModeInfo[static_cast<std::size_t>(ModeIndex(m))]; }

bool IsQuillService() { return TitleIs("QuillService"); }
bool IsQuillEngine() { return TitleIs("QuillEngine"); }
bool IsQuillPrint() { return TitleIs("QuillPrint"); }

std::string DefaultLabelsRoot() { return platform::DataRoot() + "labels/"; }
std::string DefaultTempLocation() { return platform::DataRoot() + "Temp/"; }

std::string ModeDesignFolder(TMode m) { return AddBackslash(Mode(m).DesignLocation); }
std::string ModeFileFolder(TMode m) { return AddBackslash(Mode(m).FileLocation); }
const std::string& ModeSettingsSection(TMode m) { return Mode(m).SettingsSection; }

void ResetModeTable() {
    const std::string labels = DefaultLabelsRoot();
    for (TMode m : AllModes) {
        const TModeInfo& info = ModeInfo(m);
        TQuill& q = Mode(m);
        q.FileLocation = labels + info.FolderName;
        q.DesignLocation = labels + "designs/" + info.FolderName;
        q.FileExtension = info.FileExtension;
        q.SettingsSection = info.SettingsSection;
        q.Fields = BuildVocabulary(m);
        q.Locations.clear();
        q.FilePrefix = info.FilePrefix;
        q.Visible = false;
        q.CurrentFile.clear();
        q.ErrorPath.clear();
        q.BackupPath.clear();
    }
}

}  // namespace quill
