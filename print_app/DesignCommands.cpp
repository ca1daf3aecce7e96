#include "print_app/DesignCommands.h"

#include "core/Settings.h"
#include "core/Utilities.h"
#include "labelrender/LabelJob.h"
#include "labelrender/WindowHooks.h"
#include "platform/FileOps.h"
#include "print_app/DesignFiles.h"
#include "print_app/DesignListModel.h"
#include "print_app/PrintMessages.h"
#include "printing/DesignNames.h"
#include "printing/PrintJob.h"

namespace quill {

namespace ll = labelrender;

namespace {

const char* DefaultDesignName(TMode mode) {
    switch (mode) {
    case TMode::Legacy:
    case TMode::VekLegacy: return "01";
    case TMode::Manual: return "new";
    case TMode::CorvanePWB: return "R01";
    case TMode::DirectORS:
    case TMode::CorvaneORS: return "A01";
    case TMode::Corvane:
    case TMode::Tamber:
    case TMode::Direct: return "C01";
    }
    return "new";
}

QString DesignerMissingText(const std::string& name) {
    return "The label designer is not installed: " + TDesignListModel::Text(name) + " was not opened.";
}

// Settings read anew, the folder made and current, the job's printer
// settings folder set.
void PrepareFolder(const std::string& designFolder, ll::LabelJob& job) {
    ReadSettings();
    EnsureFolder(designFolder);
    job.LlSetPrinterDefaultsDir(designFolder);
}

int OpenDesigner(ll::LabelJob& job, TMode mode, QWidget* parent, const std::string& path) {
    DefineDesignVariables(job, mode, Mode(mode).Fields);
    job.LlDesignerProhibitAction(-1);
    return job.LlDefineLayout(parent, "Label Designer", ll::LL_PROJECT_LABEL_FIXED_FILE, path);
}

}  // namespace

TDesignNameCheck CheckTypedDesignName(TMode mode, std::string_view typed) {
    TDesignNameCheck check = CheckDesignName(mode, typed);
    if (check.Valid && !IsValidFileName(check.Name)) {
        check.Valid = false;
        check.Message = "Design filename contains characters that are not allowed in filenames.";
    }
    return check;
}

bool AskNewDesignName(TMode mode, std::string& name, QWidget* parent, const std::string& designFolder) {
    QString typed = QString(DefaultDesignName(mode)) + ".lbl";
    const std::string folder = AddBackslash(designFolder.empty() ? platform::CurrentDirectory() : designFolder);
    for (;;) {
        if (!AskText(parent, "Designname", "Please enter a name for the new design", typed)) return false;
        const TDesignNameCheck check = CheckTypedDesignName(mode, typed.toStdString());
        typed = TDesignListModel::Text(check.Name);
        if (!check.Valid) {
            ShowPlainMessage(parent, QString::fromStdString(check.Message));
            continue;
        }
        if (platform::FileExists(platform::FindCaseInsensitive(folder, check.Name)) &&
            !AskYesNo(parent, "You entered: " + typed + "\nThis file already exists! Overwrite?"))
            continue;
        name = check.Name;
        return true;
    }
}

bool NewDesign(const std::string& designFolder, TMode mode, ll::LabelJob& job, QWidget* parent, std::string& name) {
    const std::string folder = AddBackslash(designFolder);
    PrepareFolder(folder, job);
    if (!AskNewDesignName(mode, name, parent, folder)) return false;
    // Without a designer the old design would be deleted for nothing.
    if (!ll::InstalledDesignerWindow()) {
        ShowErrorMessage(parent, DesignerMissingText(name));
        return false;
    }
    // The design being replaced is set aside, not deleted, until the
    // designer has saved the new one: leaving it without saving keeps it.
    const std::string path = platform::FindCaseInsensitive(folder, name);
    const std::string setAside = path + ".replaced";
    const bool replacing = platform::FileExists(path);
    if (replacing && !platform::RenameNoReplace(path, setAside)) return false;
    const int result = OpenDesigner(job, mode, parent, folder + name);
    if (replacing) {
        if (platform::FileExists(folder + name))
            platform::DeleteFile(setAside);
        else
            platform::RenameNoReplace(setAside, path);
    }
    if (result != 0) return false;
    const std::string defaults = platform::FindCaseInsensitive(folder, "default.lbp");
    if (!platform::FileExists(defaults)) return true;
    return platform::RenameNoReplace(defaults, CompanionPath(folder, name, ".lbp"));
}

void EditDesign(const std::string& designFolder, TMode mode, ll::LabelJob& job, QWidget* parent,
                const std::string& name) {
    const std::string folder = AddBackslash(designFolder);
    PrepareFolder(folder, job);
    if (OpenDesigner(job, mode, parent, platform::FindCaseInsensitive(folder, name)) == ll::LL_ERR_NO_WINDOW)
        ShowErrorMessage(parent, DesignerMissingText(name));
}

}  // namespace quill
