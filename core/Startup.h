#pragma once
// Core start-up and shut-down that both programs run once.
#include <string>

namespace quill {

inline constexpr const char* ServiceRegistryKey = "SYSTEM\\CurrentControlSet\\Services\\QuillService";

// Folder of QUILL.INI, LABELS.INI, Printers.INI and the printer command
// files, trailing separator: the one chosen below, else
// $QUILL_PROGRAM_FOLDER, else <data root>/program/, whatever the current
// directory and wherever the binary lies, so that the service and every
// user of the site share it.
std::string ProgramFolder();
// --program-folder DIR; empty: the default again. Returns the one before.
std::string ChooseProgramFolder(const std::string& folder);
// The help folder and file for `languageIndex`; the folder is created.
struct HelpLocation {
    std::string folder;
    std::string file;   // empty when no help file exists
};
HelpLocation FindHelpFile(const std::string& helpLocationSetting, int languageIndex);

// The start folder, program folder (created when missing), settings
// backend, log folder and computer name, as at start-up.
void ChooseSettingsStore();

// Set the program identity ("QuillEngine", "QuillService", "QuillPrint")
// before calling.
void InitializeGlobals();
void FinalizeGlobals();

}  // namespace quill
