#include "engine/Filing.h"

#include <filesystem>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

namespace fs = std::filesystem;

constexpr int MaxNumberedNames = 1000;

std::string StoredPath(const std::string& labelFolder, const char* subfolder, TMode mode) {
    const TQuill& q = Mode(mode);
    return AddBackslash(labelFolder) + subfolder + "/" + q.FilePrefix + FileStamp() + "." + q.FileExtension;
}

std::string NameOf(const std::string& path) { return fs::path(path).filename().string(); }

// "<stem>_<number><extension>" beside `path`.
std::string Numbered(const std::string& path, int number) {
    const fs::path p(path);
    return (p.parent_path() / (p.stem().string() + "_" + std::to_string(number) + p.extension().string())).string();
}

using TRename = bool (*)(const std::string& from, const std::string& to);

std::optional<std::string> RenameToFreeName(const std::string& from, const std::string& target, TRename rename) {
    for (int number = 1; number <= MaxNumberedNames; ++number) {
        const std::string candidate = Numbered(target, number);
        if (rename(from, candidate)) return candidate;
    }
    return std::nullopt;
}

}  // namespace

std::string FileStamp(QTime time) {
    const char hour = static_cast<char>('A' + time.hour());
    return hour + time.toString("mmsszzz").toStdString();
}

std::string MakeErrorPath(const std::string& labelFolder, TMode mode) {
    return StoredPath(labelFolder, "Error", mode);
}

std::string MakeBackupPath(const std::string& labelFolder, TMode mode) {
    return StoredPath(labelFolder, "Backup", mode);
}

std::string StoreLabelFile(const std::string& from, const std::string& target) {
    // Backup and Error lie in the host's label folder: a link put in their
    // place must not carry label files elsewhere.
    if (platform::RenameIntoRealFolder(from, target)) return target;
    // The stamp repeats every day and the folder may have gone: try harder
    // before giving up on the target folder.
    const std::string folder = fs::path(target).parent_path().string();
    const bool falseFolder = platform::IsOtherThanFolder(folder);
    if (!falseFolder) platform::CreateFolders(folder);
    if (platform::RenameIntoRealFolder(from, target)) return target;
    std::optional<std::string> stored = RenameToFreeName(from, target, platform::RenameIntoRealFolder);
    if (!stored) stored = RenameToFreeName(from, from + "." + FileStamp() + ".unfiled", platform::RenameNoReplace);
    const std::string where = stored.value_or(from);
    const std::string reason = falseFolder ? " (" + folder + " is a link or no folder)" : "";
    AddLog("Label file " + NameOf(from) + " could not be stored as " + target + reason + "; it is kept as " + where);
    return where;
}

std::string StatusSuffix(TSuffixKind kind, TMode mode) {
    if (Settings.LogMode == 0) return "";
    const TQuill& q = Mode(mode);
    switch (kind) {
        case TSuffixKind::NewTask: return " (" + q.CurrentFile + ")";
        case TSuffixKind::NotPrinted: return " (" + NameOf(q.ErrorPath) + " moved to Error)";
        case TSuffixKind::Printed:
            return Settings.BackupLabelFile ? " (" + NameOf(q.BackupPath) + " moved to Backup)"
                                            : " (labelfile deleted)";
    }
    return "";
}

}  // namespace quill
