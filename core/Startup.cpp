#include "core/Startup.h"

#include "core/LabelStocks.h"
#include "core/Locations.h"
#include "core/Logging.h"
#include "core/Settings.h"
#include "core/SettingsStore.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "platform/RegistryStore.h"
#include "platform/SystemInfo.h"

namespace quill {

namespace {

// The service's program path is recorded in the registry even when the
// settings live in QUILL.INI.
std::string ServiceProgramFolder() {
    try {
        platform::RegistryStore registry(platform::RegistryStore::DefaultPath());
        const auto imagePath = registry.ReadValue(ServiceRegistryKey, "ImagePath");
        if (!imagePath || imagePath->type != platform::RegType::String) return {};
        const std::string& text = imagePath->text;
        const auto cut = text.find_last_of("/\\");
        return cut == std::string::npos ? text : text.substr(0, cut);
    } catch (const std::exception& e) {
        LogException("UProcs", "ProgramFolder", "ERegistryException", e.what());
        return {};
    }
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

std::string ProgramFolder() {
    const std::string folder = IsQuillService() ? ServiceProgramFolder() : Folders.StartFolder;
    return AddBackslash(folder);
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
    Folders.INIFileName = "QUILL.INI";
    Folders.UseINIFile = platform::FileExists(Folders.ProgramFolder + Folders.INIFileName);
}

void InitializeGlobals() {
    ChooseSettingsStore();

    Folders.LogFolder = ComputeLogFolder(Folders.ProgramFolder);
    Folders.ComputerName = platform::ComputerName();
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
