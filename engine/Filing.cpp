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

std::optional<std::string> RenameToFreeName(const std::string& from, const std::string& target) {
    for (int number = 1; number <= MaxNumberedNames; ++number) {
        const std::string candidate = Numbered(target, number);
        if (platform::RenameNoReplace(from, candidate)) return candidate;
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
    if (platform::RenameNoReplace(from, target)) return target;
    // The stamp repeats every day and the folder may have gone: try harder
    // before giving up on the target folder.
    platform::CreateFolders(fs::path(target).parent_path().string());
    if (platform::RenameNoReplace(from, target)) return target;
    std::optional<std::string> stored = RenameToFreeName(from, target);
    if (!stored) stored = RenameToFreeName(from, from + "." + FileStamp() + ".unfiled");
    const std::string where = stored.value_or(from);
    AddLog("Label file " + NameOf(from) + " could not be stored as " + target + "; it is kept as " + where);
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
