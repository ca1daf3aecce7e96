// Attributes, renames and folders.
#include "platform/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace quill::platform {

namespace {

std::optional<struct stat> StatOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return st;
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
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
    // Only a file system without the flag gets the two-step form; link()
    // refuses an existing target just as atomically.
    if (errno != EINVAL && errno != ENOSYS) return false;
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    if (::unlink(from.c_str()) == 0) return true;
    ::unlink(to.c_str());
    return false;
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
