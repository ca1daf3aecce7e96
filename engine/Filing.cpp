#include "engine/Filing.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "engine/LabelFileWriter.h"
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

// The label folder a copy came from: its location's, else the mode's own.
std::string LabelFolderOf(const TLabelRecord& copy) {
    const TQuill& q = Mode(copy.Mode);
    for (const auto& location : q.Locations)
        if (!copy.LocationName.empty() && location->Name == copy.LocationName) return location->FileLocation;
    return q.FileLocation;
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

std::string StoreUnprintedCopies(std::span<const TLabelRecord> copies) {
    if (copies.empty()) return {};
    const TMode mode = copies.front().Mode;
    const std::string labelFolder = AddBackslash(LabelFolderOf(copies.front()));
    std::string text;
    for (const TLabelRecord& copy : copies) text += FormatLabelLine(copy, FieldSeparator());
    // Written under a name no scan or retry takes, then stored like a label
    // file: never written through an Error folder that may be a link.
    static unsigned counter = 0;
    const std::string temp = labelFolder + ".unprinted-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
    if (!platform::WriteWholeFile(temp, text)) {
        AddLog(std::to_string(copies.size()) + " unprinted labels of design " + copies.front().Design +
               " could not be written to " + labelFolder + ": " + std::strerror(errno));
        return {};
    }
    const std::string stored = StoreLabelFile(temp, MakeErrorPath(labelFolder, mode));
    AddLog(std::to_string(copies.size()) + " unprinted labels of design " + copies.front().Design +
           " written to " + stored);
    return stored;
}

std::string ErrorSuffix(const std::vector<std::string>& namesInError) {
    if (Settings.LogMode == 0 || namesInError.empty()) return "";
    std::string names;
    for (const std::string& name : namesInError) names += (names.empty() ? "" : ", ") + name;
    return " (" + names + " moved to Error)";
}

std::string StatusSuffix(TSuffixKind kind, TMode mode) {
    if (Settings.LogMode == 0) return "";
    const TQuill& q = Mode(mode);
    switch (kind) {
        case TSuffixKind::NewTask: return " (" + q.CurrentFile + ")";
        case TSuffixKind::NotPrinted: return ErrorSuffix({NameOf(q.ErrorPath)});
        case TSuffixKind::Printed:
            return Settings.BackupLabelFile ? " (" + NameOf(q.BackupPath) + " moved to Backup)"
                                            : " (labelfile deleted)";
    }
    return "";
}

}  // namespace quill
