// Attributes, renames and folders.
#include "platform/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace quill::platform {

namespace {

std::optional<struct stat> StatOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return st;
}

bool RenameNoReplaceAt(int fromFolder, const char* from, int toFolder, const char* to) {
    if (::renameat2(fromFolder, from, toFolder, to, RENAME_NOREPLACE) == 0) return true;
    // Only a file system without the flag gets the two-step form; link()
    // refuses an existing target just as atomically.
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::linkat(fromFolder, from, toFolder, to, 0) != 0) return false;
    if (::unlinkat(fromFolder, from, 0) == 0) return true;
    ::unlinkat(toFolder, to, 0);
    return false;
}

std::optional<std::string> Resolved(const std::string& path) {
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (resolved == nullptr) return std::nullopt;
    std::string text(resolved);
    std::free(resolved);
    return text;
}

}  // namespace

bool FileExists(const std::string& path) {
    const auto st = StatOf(path);
    return st && !S_ISDIR(st->st_mode);
}

bool FolderExists(const std::string& path) {
    const auto st = StatOf(path);
    return st && S_ISDIR(st->st_mode);
}

bool RenameNoReplace(const std::string& from, const std::string& to) {
    return RenameNoReplaceAt(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str());
}

bool RenameIntoRealFolder(const std::string& from, const std::string& to) {
    const std::filesystem::path target(to);
    const std::string folder = target.has_parent_path() ? target.parent_path().string() : ".";
    // The folder is held open, so it cannot be swapped between check and rename.
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    const bool renamed = RenameNoReplaceAt(AT_FDCWD, from.c_str(), fd, target.filename().c_str());
    ::close(fd);
    return renamed;
}

bool IsOtherThanFolder(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool LiesInsideFolder(const std::string& path, const std::string& folder) {
    const std::optional<std::string> root = Resolved(folder);
    if (!root) return false;
    std::optional<std::string> resolved = Resolved(path);
    struct stat st {};
    if (!resolved && ::lstat(path.c_str(), &st) != 0) {
        const std::filesystem::path p(path);
        const std::string name = p.filename().string();
        if (name.empty() || name == "." || name == "..") return false;
        const std::optional<std::string> parent = Resolved(p.has_parent_path() ? p.parent_path().string() : ".");
        if (parent) resolved = *parent + "/" + name;
    }
    if (!resolved) return false;
    const std::string prefix = *root == "/" ? *root : *root + "/";
    return resolved->size() > prefix.size() && resolved->starts_with(prefix);
}

bool DeleteFile(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

bool CreateFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    return FolderExists(path);
}

std::string CurrentDirectory() {
    std::error_code ec;
    std::string cwd = std::filesystem::current_path(ec).string();
    if (cwd.size() > 1 && cwd.back() == '/') cwd.pop_back();
    return cwd;
}

bool SetCurrentDirectory(const std::string& path) {
    return ::chdir(path.c_str()) == 0;
}

bool IsReadOnly(const std::string& path) {
    const auto st = StatOf(path);
    return st && (st->st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

bool SetReadOnly(const std::string& path, bool readOnly) {
    const auto st = StatOf(path);
    if (!st) return false;
    const mode_t perms = st->st_mode & 07777;
    const mode_t wanted = readOnly ? (perms & ~(S_IWUSR | S_IWGRP | S_IWOTH)) : (perms | S_IWUSR);
    return ::chmod(path.c_str(), wanted) == 0;
}

}  // namespace quill::platform
