#pragma once
// The work behind the abort and retry dialogs, without any window: counting
// the label files of every mode, moving them between a label folder and its
// Error subfolder, deleting them, and the summary that reports it all. A
// moved file never replaces another: on a name clash it takes a stamp name,
// and when that exists too it stays where it was.
#include <array>
#include <string>

#include "core/UGlobals.h"

namespace quill {

enum class TBatchAction {
    Backup,        // waiting label files into the Error subfolders (own folders only)
    DeleteWaiting, // waiting label files deleted (own folders only)
    Restore,       // Error subfolders back into the label folders (locations too)
    DeleteErrors,  // Error subfolders emptied (locations too)
};

struct TModeTally {
    int Done = 0;
    int Failed = 0;
};

using TModeFlags = std::array<bool, ModeCount>;
using TModeCounts = std::array<int, ModeCount>;

class TLabelFileBatch {
public:
    // Files matching "*." + extension in every mode's label folder and its
    // locations' folders, each joined with `subfolder` ("" or "Error"),
    // visible modes or not. True when any was found.
    bool CountLabels(const std::string& subfolder);
    const TModeCounts& Counts() const { return counts_; }

    // Carries out `action` for every mode that is ticked and counted files.
    void Run(TBatchAction action, const TModeFlags& ticked);
    // Heading, one line per ticked mode with its done count, then the error
    // message of every ticked mode that failed ("\n" breaks the lines).
    std::string Summary(TBatchAction action, const TModeFlags& ticked) const;
    const TModeTally& Tally(TMode mode) const { return tally_[static_cast<std::size_t>(ModeIndex(mode))]; }

    // An empty `folder` means the mode's own label folder and extension and
    // starts the mode's tally afresh; a given folder adds to it. Both stop at
    // the first file that cannot be moved or deleted.
    void MoveLabelFiles(TMode mode, const std::string& folder, const std::string& targetSubfolder,
                        const std::string& sourceSubfolder, const std::string& extension);
    void DeleteLabelFiles(TMode mode, const std::string& folder, const std::string& subfolder,
                          const std::string& extension);

private:
    TModeTally& TallyOf(TMode mode) { return tally_[static_cast<std::size_t>(ModeIndex(mode))]; }
    // Resolves an empty folder to the mode's own and resets its tally.
    void Begin(TMode mode, std::string& folder, std::string& extension);

    TModeCounts counts_{};
    std::array<TModeTally, ModeCount> tally_{};
};

}  // namespace quill
