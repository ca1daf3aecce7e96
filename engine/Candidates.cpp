#include "engine/Candidates.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"
#include "platform/NaturalOrder.h"

namespace quill {

namespace {

// yyyymmddhhnnss of the local time, then the name.
std::string DateAndNameKey(const TFileRecord& file) {
    const time_t seconds = static_cast<time_t>(file.FileDateNs / 1'000'000'000);
    tm local{};
    localtime_r(&seconds, &local);
    char digits[32];
    std::snprintf(digits, sizeof digits, "%04d%02d%02d%02d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec);
    return digits + file.FileName;
}

}  // namespace

std::int64_t CurrentFileTimeNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

void ForEachLabelFolder(const std::function<void(TMode, const std::string&, const std::string&,
                                                 const std::string&)>& visit) {
    for (TMode mode : AllModes) {
        const TQuill& q = Mode(mode);
        if (!q.Visible) continue;
        visit(mode, q.FileLocation, q.DesignLocation, "");
        for (const auto& location : q.Locations)
            visit(mode, location->FileLocation, location->DesignLocation, location->Name);
    }
}

void SortCandidates(std::vector<TFileRecord>& files, int sortOn) {
    // Descending, so the first to take sits at the end.
    switch (sortOn) {
        case 1:
            std::sort(files.begin(), files.end(), [](const TFileRecord& a, const TFileRecord& b) {
                return platform::CompareLogical(DateAndNameKey(a), DateAndNameKey(b)) > 0;
            });
            break;
        case 2:
            std::sort(files.begin(), files.end(), [](const TFileRecord& a, const TFileRecord& b) {
                return platform::CompareLogical(a.FileName, b.FileName) > 0;
            });
            break;
        default:
            std::sort(files.begin(), files.end(),
                      [](const TFileRecord& a, const TFileRecord& b) { return a.FileDateNs > b.FileDateNs; });
    }
}

void TCandidateList::ScanFolder(TMode mode, const std::string& labelFolder, const std::string& designFolder,
                                const std::string& locationName) {
    try {
        const std::int64_t now = CurrentFileTimeNs();
        for (const platform::FileEntry& entry :
             platform::ListFiles(AddBackslash(labelFolder), "*." + Mode(mode).FileExtension)) {
            if (Settings.DebugFlag) AddLogVerbose("Check-Incoming-Files: File(s) Found");
            if (entry.isFolder) continue;
            // A secondary engine leaves young files to the primary one.
            if (Settings.SecundaryPrintEngine &&
                std::llabs(now - entry.lastWriteNs) / 1'000'000'000 < Settings.LabelsOlderThanSecs)
                continue;
            files_.push_back({mode, entry.name, entry.lastWriteNs, designFolder, labelFolder, locationName});
        }
    } catch (const std::exception& error) {
        AddLog(error.what());
    }
}

int TCandidateList::ScanIncomingFiles() {
    if (!files_.empty()) return Count();
    ForEachLabelFolder([this](TMode mode, const std::string& labelFolder, const std::string& designFolder,
                              const std::string& locationName) {
        ScanFolder(mode, labelFolder, designFolder, locationName);
    });
    if (files_.size() > 1) SortCandidates(files_, Settings.SortOn);
    return Count();
}

std::optional<TFileRecord> TCandidateList::GetNextLabelFile() {
    if (files_.empty()) ScanIncomingFiles();
    if (files_.empty()) return std::nullopt;
    TFileRecord next = std::move(files_.back());
    files_.pop_back();
    return next;
}

void TCandidateList::Add(TFileRecord file) {
    files_.push_back(std::move(file));
    if (files_.size() > 1) SortCandidates(files_, Settings.SortOn);
}

}  // namespace quill
