#include "core/Startup.h"

#include <cstdlib>
#include <utility>

#include "core/LabelStocks.h"
#include "core/Locations.h"
#include "core/Logging.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "platform/SystemInfo.h"

namespace quill {

namespace {

std::string& ProgramFolderChoice() {
    static std::string folder;
    return folder;
}

const char* HelpFileName(int languageIndex) {
    switch (languageIndex) {
        case 1: return "QuillHelpNL.chm";
        case 2: return "QuillHelpGR.chm";
        default: return "QuillHelpEN.chm";
    }
}

void ApplyBuiltInDefaults() {
    Settings = TSettings{};
    Settings.TempLocation = DefaultTempLocation();
    EnsureFolder(Settings.TempLocation);
    Folders.SettingsSection.clear();
    ResetModeTable();
    Folders.TextFileFolder = DefaultLabelsRoot() + "User/Textfile";
}

void CreateModeFolders() {
    for (TMode m : AllModes) {
        if (!Mode(m).Visible) continue;
        EnsureFolder(ModeFileFolder(m));
        EnsureFolder(ModeDesignFolder(m));
        EnsureFolder(ModeFileFolder(m) + "Error");
        EnsureFolder(ModeFileFolder(m) + "Backup");
    }
}

void LoadVisibleLocations() {
    for (TMode m : AllModes)
        if (HasLocations(m) && Mode(m).Visible) LoadLocations(m, Mode(m).Locations);
}

}  // namespace

std::string ChooseProgramFolder(const std::string& folder) { return std::exchange(ProgramFolderChoice(), folder); }

std::string ProgramFolder() {
    if (!ProgramFolderChoice().empty()) return AddBackslash(ProgramFolderChoice());
    if (const char* folder = std::getenv("QUILL_PROGRAM_FOLDER"); folder && *folder) return AddBackslash(folder);
    return platform::DataRoot() + "program/";
}

HelpLocation FindHelpFile(const std::string& helpLocationSetting, int languageIndex) {
    HelpLocation help;
    help.folder = helpLocationSetting;
    if (help.folder.empty()) {
        const std::string program = Folders.ProgramFolder;
        if (platform::SetCurrentDirectory(program) && platform::SetCurrentDirectory("..")) {
            help.folder = AddBackslash(platform::CurrentDirectory()) + "Help";
            platform::SetCurrentDirectory(program);
        } else {
            help.folder = program + "Help";
        }
    }
    if (!help.folder.empty() && !platform::FolderExists(help.folder)) platform::CreateFolders(help.folder);
    const std::string folder = AddBackslash(help.folder);
    for (const char* name : {HelpFileName(languageIndex), "QuillHelpEN.chm"}) {
        if (platform::FileExists(folder + name)) {
            help.file = folder + name;
            break;
        }
    }
    return help;
}

void ChooseSettingsStore() {
    Folders.StartFolder = platform::CurrentDirectory();
    Folders.ProgramFolder = ProgramFolder();
    // the log folder is found from it, and the label stocks live in it
    platform::CreateFolders(Folders.ProgramFolder);
    Folders.INIFileName = "QUILL.INI";
    Folders.UseINIFile = platform::FileExists(Folders.ProgramFolder + Folders.INIFileName);
    // a failed access is recorded in the exception log
    Folders.LogFolder = ComputeLogFolder(Folders.ProgramFolder);
    Folders.ComputerName = platform::ComputerName();
}

void InitializeGlobals() {
    ChooseSettingsStore();

    Folders.WorkFileName = Folders.ComputerName + ".txt";
    Folders.LanguageIndex = 0;

    std::string helpLocation;
    WithSettingsSection("", [&] { helpLocation = ReadStringValue("HelpLocation", ""); });
    const HelpLocation help = FindHelpFile(helpLocation, Folders.LanguageIndex);
    Folders.HelpFolder = help.folder;
    Folders.HelpFile = help.file;

    ApplyBuiltInDefaults();
    ReadSettings();
    CreateModeFolders();
    LoadVisibleLocations();
    EnsureFolder(Settings.TempLocation);
    // Label stocks serve the engine's shift controllers only.
    if (!IsQuillPrint()) ReadLabelDefinitions();
}

void FinalizeGlobals() {
    for (TMode m : AllModes) FreeLocations(Mode(m).Locations);
    LabelDefinitions.clear();
}

}  // namespace quill
