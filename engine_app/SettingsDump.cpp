#include "engine_app/SettingsDump.h"

#include <ostream>

#include "core/SettingsStore.h"
#include "core/Startup.h"
#include "core/UGlobals.h"
#include "platform/RegistryStore.h"

namespace quill {

int DumpSettings(std::ostream& out) {
    if (Folders.AppTitle.empty()) Folders.AppTitle = "QuillEngine";
    InitializeGlobals();
    const TSettings& s = Settings;
    out << "Program folder:   " << Folders.ProgramFolder << "\n"
        << "Settings store:   "
        << (Folders.UseINIFile ? SettingsFilePath() : "Registry " + platform::RegistryStore::DefaultPath()) << "\n"
        << "Log folder:       " << Folders.LogFolder << "\n"
        << "Help file:        " << (Folders.HelpFile.empty() ? "(none)" : Folders.HelpFile) << "\n"
        << "Computer name:    " << Folders.ComputerName << "\n"
        << "TempLocation:     " << s.TempLocation << "\n"
        << "Barcodelength=" << s.Barcodelength << " CheckDigit=" << s.CheckDigit << " LastBarcode=" << s.LastBarcode
        << "\nMaxlabels=" << s.Maxlabels << " PrintDelayMinutes=" << s.PrintDelayMinutes
        << " PauseEngineAtStart=" << s.PauseEngineAtStart << " PreviewAll=" << s.PreviewAll << "\n"
        << "Separator=" << s.Separator << " LogMode=" << s.LogMode << " Debug=" << s.Debug << " SortOn=" << s.SortOn
        << " SpecialPrinterType=" << s.SpecialPrinterType << " CodePage=" << s.CodePage << "\n"
        << "BackupLabelFile=" << s.BackupLabelFile << " MakeUseOfWorkfile=" << s.MakeUseOfWorkfile
        << " SecundaryPrintEngine=" << s.SecundaryPrintEngine << " LabelsOlderThanSecs=" << s.LabelsOlderThanSecs
        << " UseDirMonitor=" << s.UseDirMonitor << "\n"
        << "MaxLabelFileMB=" << s.MaxLabelFileMB << " LabelsQuietSecs=" << s.LabelsQuietSecs << "\n\nModes:\n";
    for (TMode m : AllModes) {
        const TQuill& q = Mode(m);
        out << "  " << ModeInfo(m).DisplayName << (q.Visible ? " (served)" : " (off)") << "\n"
            << "    labels  " << q.FileLocation << "  *." << q.FileExtension << "\n"
            << "    designs " << q.DesignLocation << "\n";
        for (const auto& loc : q.Locations)
            out << "    " << loc->Number << ". " << loc->Name << ": " << loc->FileLocation << " / "
                << loc->DesignLocation << "\n";
    }
    FinalizeGlobals();
    return 0;
}

}  // namespace quill
