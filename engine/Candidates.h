#pragma once
// The candidate list: label files found in the watched folders, waiting to
// be claimed. Filled by a scan only when it is empty; directory monitors add
// single entries. The next file to take is the last entry.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/UGlobals.h"

namespace quill {

struct TFileRecord {
    TMode Mode = TMode::Legacy;
    std::string FileName;       // without folder
    std::int64_t FileDateNs = 0;  // last write, or the time a monitor reported the file
    std::string DesignFolder;
    std::string LabelFolder;
    std::string LocationName;   // "" for the mode's own folder; monitors append "*"
};

// Now, in the unit of FileDateNs.
std::int64_t CurrentFileTimeNs();

// Every label folder the engine serves: each visible mode's own folder (no
// location name), then its locations in list order.
void ForEachLabelFolder(const std::function<void(TMode mode, const std::string& labelFolder,
                                                 const std::string& designFolder,
                                                 const std::string& locationName)>& visit);

// Orders `files` so that the one to take first is at the end. `sortOn`:
// 1 local date to the second then file name, 2 file name, anything else the
// date; names compare in natural order.
void SortCandidates(std::vector<TFileRecord>& files, int sortOn);

class TCandidateList {
public:
    // Lists the label files of every visible mode and its locations (only
    // when the list is empty) and sorts them; returns the count.
    int ScanIncomingFiles();
    // The next file to take, scanning first when the list is empty.
    std::optional<TFileRecord> GetNextLabelFile();
    // A single file reported by a directory monitor; the list is sorted again.
    void Add(TFileRecord file);
    void Clear() { files_.clear(); }
    int Count() const { return static_cast<int>(files_.size()); }
    const std::vector<TFileRecord>& Files() const { return files_; }

private:
    void ScanFolder(TMode mode, const std::string& labelFolder, const std::string& designFolder,
                    const std::string& locationName);

    std::vector<TFileRecord> files_;
};

}  // namespace quill
