#pragma once
// File-system operations the label folders rely on, with the Windows
// behaviour the rest of the system expects (case-insensitive patterns,
// renames that never replace, "file in use" detection).
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace quill::platform {

struct FileEntry {
    std::string name;          // file name only, no folder
    bool isFolder = false;
    std::int64_t size = 0;
    std::int64_t lastWriteNs = 0;  // nanoseconds since the epoch
};

// Entries of `folder` whose names match `pattern` ('*' and '?' wildcards,
// letters compared without regard to case). Dot files are listed; "." and
// ".." are not. A missing or unreadable folder gives an empty list.
std::vector<FileEntry> ListFiles(const std::string& folder, const std::string& pattern);

// Case-insensitive wildcard match of a single name ('*', '?').
bool MatchesPattern(const std::string& name, const std::string& pattern);

std::optional<std::int64_t> LastWriteTimeNs(const std::string& path);
bool FileExists(const std::string& path);    // a regular file (or anything not a folder)
bool FolderExists(const std::string& path);

// Renames `from` to `to`; fails (returns false, nothing changed) when `to`
// already exists. Works across folders of one file system.
bool RenameNoReplace(const std::string& from, const std::string& to);
// RenameNoReplace into a real folder only: fails when the folder of `to` is
// a symbolic link or no folder. Whoever may write a label folder can swap
// its Backup for a link, and must not steer the engine's renames with it.
bool RenameIntoRealFolder(const std::string& from, const std::string& to);
// Something other than a folder is at `path`: a link (to a folder or not),
// a file, a device. False when nothing is there.
bool IsOtherThanFolder(const std::string& path);
// `path`, with every link resolved, lies inside `folder` (also resolved),
// not on it. A path that does not exist yet is judged by its folder; a
// dangling link never lies inside.
bool LiesInsideFolder(const std::string& path, const std::string& folder);
// Makes the folder's entries (a file renamed into it) durable.
bool SyncFolder(const std::string& folder);

bool DeleteFile(const std::string& path);

// Device, inode and size of the entry itself (a link is not followed): the
// same file, not a later one under the same name. Empty when it is missing.
std::string FileIdentity(const std::string& path);

// What a folder entry is, seen without following a symbolic link.
enum class FileKind { Missing, Regular, Folder, SymbolicLink, Fifo, Device, Socket };
FileKind KindOf(const std::string& path);
// "a symbolic link", "a FIFO", "a device", ...
std::string DescribeKind(FileKind kind);

// Whether another process holds the file open, asked by taking a write
// lease and dropping it at once. Unavailable where no lease can be had:
// the caller neither owns the file nor has CAP_LEASE, or the file system
// (a network one) has no leases.
enum class LeaseAnswer { Free, Held, Unavailable };
LeaseAnswer AskWriteLease(const std::string& path);

// Neither the content nor the attributes of the file changed within the
// last `quietMs` (the later of its modification and change times, by the
// clock). False for a file that cannot be looked at.
bool IsQuietFor(const std::string& path, int quietMs);

// Creates the folder with all missing parents; true when it exists afterwards.
bool CreateFolders(const std::string& path);

std::string CurrentDirectory();              // without trailing separator
bool SetCurrentDirectory(const std::string& path);

// The read-only attribute: all write permission bits clear. Root can still
// write such a file, so only the mode bits are looked at.
bool IsReadOnly(const std::string& path);
bool SetReadOnly(const std::string& path, bool readOnly);

// `folder` + `name` when it exists; otherwise the first entry of `folder`
// whose name equals `name` without regard to case; otherwise `folder` + `name`.
std::string FindCaseInsensitive(const std::string& folder, const std::string& name);

// FindCaseInsensitive for many names of one folder: the folder is listed
// once, at the first name that does not exist as spelt, instead of at
// every such name. Spellings created after that listing are not seen.
class FolderNames {
public:
    explicit FolderNames(std::string folder) : folder_(std::move(folder)) {}
    std::string Find(const std::string& name) const;

private:
    std::string folder_;
    mutable std::optional<std::unordered_map<std::string, std::string>> byFoldedName_;
};

// The process's umask, read without changing it (022 when it cannot be read).
unsigned FileCreationMask();

// Whole file as bytes; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path);
// The whole content of a regular file that a stranger may have put in
// place: opened without following a symbolic link and without blocking on
// a FIFO, its type and size checked on the open descriptor. Throws
// std::runtime_error saying why it was refused, std::system_error when it
// cannot be read.
std::string ReadRegularFile(const std::string& path, std::int64_t maxBytes);
// Writes through a temporary file and a rename, so readers never see half a
// file. The file keeps its owner, group and mode, and a symbolic link its
// target; another user's file (writable through the group) is rewritten in
// place instead. Like Windows, refuses a target that carries the read-only
// attribute, and one this user may not write.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace quill::platform
