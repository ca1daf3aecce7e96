#include "core/Settings.h"

#include "core/Logging.h"
#include "core/SettingsStore.h"
#include "core/ShiftSettings.h"
#include "core/UGlobals.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

void ReadModeSettings() {
    for (TMode m : AllModes) {
        TQuill& q = Mode(m);
        WithSettingsSection(q.SettingsSection, [&] {
            // an empty stored folder never replaces the current one
            const std::string design = ReadStringValue("DesignLocation", q.DesignLocation);
            if (!design.empty()) q.DesignLocation = design;
            const std::string file = ReadStringValue("FileLocation", q.FileLocation);
            if (!file.empty()) q.FileLocation = file;
            q.Visible = ReadBooleanValue("Visible", q.Visible);
        });
    }
    // Tamber is never served, whatever the store says.
    Mode(TMode::Tamber).Visible = false;
}

void ReadGlobalSettings() {
    TSettings& s = Settings;
    WithSettingsSection("", [&] {
        s.TempLocation = ReadStringValue("TempLocation", s.TempLocation);
        s.Barcodelength = ReadIntegerValue("Barcodelength", s.Barcodelength);
        s.CheckDigit = ReadStringValue("CheckDigit", s.CheckDigit);
        s.Maxlabels = ReadIntegerValue("Maxlabels", s.Maxlabels);
        s.PauseEngineAtStart = ReadIntegerValue("PauseEngineAtStart", s.PauseEngineAtStart);
        s.PrintDelayMinutes = ReadIntegerValue("PrintDelayMinutes", s.PrintDelayMinutes);
        s.PreviewAll = ReadIntegerValue("PreviewAll", s.PreviewAll);
        s.Debug = ReadIntegerValue("Debug", 0);
        s.DebugFlag = s.Debug == 1;
        s.Separator = ReadStringValue("Separator", s.Separator);
        s.LogMode = ReadIntegerValue("LogMode", s.LogMode);
        s.SortOn = ReadIntegerValue("SortOn", s.SortOn);
        s.SpecialPrinterType = ReadIntegerValue("SpecialPrinterType", s.SpecialPrinterType);
        s.DotsPerInch = s.SpecialPrinterType == 0 ? 72 : 60;
        s.BackupLabelFile = ReadBooleanValue("BackupLabelFile", s.BackupLabelFile);
        s.CodePage = ReadIntegerValue("CodePage", s.CodePage);
        s.FileFormat = ReadIntegerValue("FileFormat", 0);
        s.SecundaryPrintEngine = ReadBooleanValue("SecundaryPrintEngine", s.SecundaryPrintEngine);
        s.LabelsOlderThanSecs = ReadIntegerValue("LabelsOlderThanSecs", s.LabelsOlderThanSecs);
        s.MakeUseOfWorkfile = ReadBooleanValue("MakeUseOfWorkfile", s.MakeUseOfWorkfile);
        s.UseDirMonitor = ReadIntegerValue("UseDirMonitor", 1);
        s.UseDirMonitorFlag = s.UseDirMonitor == 1;
        s.MaxLabelFileMB = ReadIntegerValue("MaxLabelFileMB", s.MaxLabelFileMB);
        s.LabelsQuietSecs = ReadIntegerValue("LabelsQuietSecs", s.LabelsQuietSecs);
    });
}

// The temporary folder must exist; the built-in one is the fallback.
void SettleTempLocation() {
    std::string& temp = Settings.TempLocation;
    if (!temp.empty()) {
        temp = AddBackslash(temp);
        if (!platform::FolderExists(temp)) platform::CreateFolders(temp);
    }
    if (temp.empty() || !platform::FolderExists(temp)) {
        temp = DefaultTempLocation();
        platform::CreateFolders(temp);
    }
}

}  // namespace

void ReadSettings() {
    ReadModeSettings();
    ReadGlobalSettings();
    LoadLastBarcode();
    SettleTempLocation();
}

void WriteSettings() {
    for (TMode m : AllModes) {
        const TQuill& q = Mode(m);
        WithSettingsSection(q.SettingsSection, [&] {
            WriteValue("DesignLocation", q.DesignLocation);
            WriteValue("FileLocation", q.FileLocation);
            WriteValue("Visible", q.Visible);
        });
    }
    const TSettings& s = Settings;
    WithSettingsSection("", [&] {
        WriteValue("TempLocation", s.TempLocation);
        WriteValue("Barcodelength", s.Barcodelength);
        WriteValue("CheckDigit", s.CheckDigit);
        WriteValue("Maxlabels", s.Maxlabels);
        WriteValue("PauseEngineAtStart", s.PauseEngineAtStart);
        WriteValue("PreviewAll", s.PreviewAll);
        WriteValue("PrintDelayMinutes", s.PrintDelayMinutes);
        WriteValue("Separator", s.Separator);
        WriteValue("SpecialPrinterType", s.SpecialPrinterType);
        WriteValue("BackupLabelFile", s.BackupLabelFile);
        WriteValue("MakeUseOfWorkfile", s.MakeUseOfWorkfile);
        WriteValue("LogMode", s.LogMode);
        WriteValue("SortOn", s.SortOn);
        WriteValue("CodePage", s.CodePage);
        WriteValue("FileFormat", s.FileFormat);
        WriteValue("SecundaryPrintEngine", s.SecundaryPrintEngine);
        WriteValue("LabelsOlderThanSecs", s.LabelsOlderThanSecs);
        WriteValue("UseDirMonitor", s.UseDirMonitorFlag ? 1 : 0);
        WriteValue("MaxLabelFileMB", s.MaxLabelFileMB);
        WriteValue("LabelsQuietSecs", s.LabelsQuietSecs);
    });
    SaveLastBarcode();
}

void LoadLastBarcode() {
    WithSettingsSection("", [] { Settings.LastBarcode = ReadStringValue("LastBarcode", Settings.LastBarcode); });
}

void SaveLastBarcode() {
    WithSettingsSection("", [] { WriteValue("LastBarcode", Settings.LastBarcode); });
}

void SaveQuillINI_Example() {
    const std::string savedName = Folders.INIFileName;
    const bool savedUse = Folders.UseINIFile;
    Folders.INIFileName = "QUILL_INI.INI";
    Folders.UseINIFile = true;
    try {
        if (!platform::FileExists(SettingsFilePath())) {
            for (int printer = 1; printer <= ShiftPrinterCount; ++printer) WriteShiftSettings(printer);
            for (int printer = 1; printer <= ShiftPrinterCount; ++printer) WriteLabelPosition(printer);
            WriteSettings();
            ReadSettings();
        }
    } catch (const std::exception& e) {
        LogException("FEngineSettings", "SaveQuillINI_Example", "Exception", e.what());
    }
    Folders.INIFileName = savedName;
    Folders.UseINIFile = savedUse;
}

}  // namespace quill
