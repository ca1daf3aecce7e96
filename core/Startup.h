#pragma once
// Core start-up and shut-down that both programs run once.
#include <string>

namespace quill {

inline constexpr const char* ServiceRegistryKey = "SYSTEM\\CurrentControlSet\\Services\\QuillService";

// Folder of QUILL.INI and LABELS.INI, trailing separator (or empty): the
// service's recorded program path, otherwise the start folder.
std::string ProgramFolder();
// The help folder and file for `languageIndex`; the folder is created.
struct HelpLocation {
    std::string folder;
    std::string file;   // empty when no help file exists
};
HelpLocation FindHelpFile(const std::string& helpLocationSetting, int languageIndex);

// The start folder, program folder and settings backend, as at start-up.
void ChooseSettingsStore();

// Set the program identity ("QuillEngine", "QuillService", "QuillPrint")
// before calling.
void InitializeGlobals();
void FinalizeGlobals();

}  // namespace quill
