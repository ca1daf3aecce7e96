#include "engine/LabelFileBatch.h"

#include <exception>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "engine/Filing.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

constexpr std::array<const char*, ModeCount> SummaryNames = {
    "Legacy mode",      "Vek-Legacy mode",     "Manual mode",     "Corvane mode",     "Corvane PWB mode",
    "Tamber mode",      "Direct Corvane Mode", "Direct ORS Mode", "Corvane ORS mode",
};
constexpr std::array<const char*, ModeCount> ErrorModeWords = {
    "Legacy", "Vek-Legacy", "Manual", "Corvane", "Corvane PWB", "Tamber", "Direct Corvane", "Direct ORS", "Corvane ORS",
};

std::string Join(const std::string& folder, const std::string& subfolder) {
    return subfolder.empty() ? AddBackslash(folder) : AddBackslash(folder) + AddBackslash(subfolder);
}

std::string Pattern(const std::string& extension) { return "*." + extension; }

int CountFiles(const std::string& path, const std::string& extension) {
    int count = 0;
    for (const platform::FileEntry& entry : platform::ListFiles(path, Pattern(extension)))
        if (!entry.isFolder) ++count;
    return count;
}

const char* Heading(TBatchAction action) {
    switch (action) {
        case TBatchAction::Backup: return "Number of labelfiles moved to backup-location";
        case TBatchAction::Restore: return "Number of labelfiles restored from backup-location";
        case TBatchAction::DeleteWaiting:
        case TBatchAction::DeleteErrors: break;
    }
    return "Number of labelfiles deleted";
}

const char* ActionWord(TBatchAction action) {
    switch (action) {
        case TBatchAction::Backup: return "move";
        case TBatchAction::Restore: return "restore";
        case TBatchAction::DeleteWaiting:
        case TBatchAction::DeleteErrors: break;
    }
    return "delete";
}

}  // namespace

bool TLabelFileBatch::CountLabels(const std::string& subfolder) {
    int total = 0;
    for (TMode mode : AllModes) {
        const TQuill& q = Mode(mode);
        int& count = counts_[static_cast<std::size_t>(ModeIndex(mode))];
        count = 0;
        try {
            count += CountFiles(Join(q.FileLocation, subfolder), q.FileExtension);
            for (const auto& location : q.Locations)
                count += CountFiles(Join(location->FileLocation, subfolder), q.FileExtension);
        } catch (const std::exception& error) {
            LogException("FBaseRetry", "CountLabels(2)", "Exception", error.what());
        }
        total += count;
    }
    return total > 0;
}

void TLabelFileBatch::Begin(TMode mode, std::string& folder, std::string& extension) {
    if (!folder.empty()) return;
    folder = Mode(mode).FileLocation;
    extension = Mode(mode).FileExtension;
    TallyOf(mode) = {};
}

void TLabelFileBatch::MoveLabelFiles(TMode mode, const std::string& givenFolder, const std::string& targetSubfolder,
                                     const std::string& sourceSubfolder, const std::string& givenExtension) {
    std::string folder = givenFolder;
    std::string extension = givenExtension;
    Begin(mode, folder, extension);
    TModeTally& tally = TallyOf(mode);
    try {
        const std::string source = Join(folder, sourceSubfolder);
        const std::string target = Join(folder, targetSubfolder);
        EnsureFolder(source);
        EnsureFolder(target);
        if (source == target) return;
        for (const platform::FileEntry& entry : platform::ListFiles(source, Pattern(extension))) {
            if (entry.isFolder) continue;
            const std::string from = source + entry.name;
            if (!platform::RenameNoReplace(from, target + entry.name) &&
                !platform::RenameNoReplace(from, target + FileStamp() + "." + extension)) {
                ++tally.Failed;
                return;
            }
            ++tally.Done;
        }
    } catch (const std::exception& error) {
        LogException("FBaseRetry", "MoveLabelFiles", "Exception", error.what());
    }
}

void TLabelFileBatch::DeleteLabelFiles(TMode mode, const std::string& givenFolder, const std::string& subfolder,
                                       const std::string& givenExtension) {
    std::string folder = givenFolder;
    std::string extension = givenExtension;
    Begin(mode, folder, extension);
    TModeTally& tally = TallyOf(mode);
    try {
        const std::string path = Join(folder, subfolder);
        EnsureFolder(path);
        for (const platform::FileEntry& entry : platform::ListFiles(path, Pattern(extension))) {
            if (entry.isFolder) continue;
            if (!platform::DeleteFile(path + entry.name)) {
                ++tally.Failed;
                return;
            }
            ++tally.Done;
        }
    } catch (const std::exception& error) {
        LogException("FBaseRetry", "DeleteLabelFiles", "Exception", error.what());
    }
}

void TLabelFileBatch::Run(TBatchAction action, const TModeFlags& ticked) {
    for (TMode mode : AllModes) {
        const auto index = static_cast<std::size_t>(ModeIndex(mode));
        if (!ticked[index] || counts_[index] <= 0) continue;
        const TQuill& q = Mode(mode);
        switch (action) {
            case TBatchAction::Backup: MoveLabelFiles(mode, "", "Error", "", ""); break;
            case TBatchAction::DeleteWaiting: DeleteLabelFiles(mode, "", "", ""); break;
            case TBatchAction::Restore:
                MoveLabelFiles(mode, "", "", "Error", "");
                for (const auto& location : q.Locations)
                    MoveLabelFiles(mode, location->FileLocation, "", "Error", q.FileExtension);
                break;
            case TBatchAction::DeleteErrors:
                DeleteLabelFiles(mode, "", "Error", "");
                for (const auto& location : q.Locations)
                    DeleteLabelFiles(mode, location->FileLocation, "Error", q.FileExtension);
                break;
        }
    }
}

std::string TLabelFileBatch::Summary(TBatchAction action, const TModeFlags& ticked) const {
    std::string text = std::string(Heading(action)) + ":\n\n";
    std::string errors;
    for (TMode mode : AllModes) {
        const auto index = static_cast<std::size_t>(ModeIndex(mode));
        if (!ticked[index]) continue;
        text += std::string(SummaryNames[index]) + ": " + std::to_string(tally_[index].Done) + "\n";
        if (tally_[index].Failed > 0)
            errors += std::string("There was an error during the ") + ActionWord(action) + " in the " +
                      ErrorModeWords[index] + " Mode!";
    }
    return text + "\n" + errors;
}

}  // namespace quill
