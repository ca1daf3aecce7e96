// "In use" detection for the claim of a label file: POSIX lets a file that
// another process is still writing be renamed, so the engine asks first.
#include "platform/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>

namespace quill::platform {

namespace {

std::int64_t Ns(const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; }

}  // namespace

FileKind KindOf(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return FileKind::Missing;
    if (S_ISREG(st.st_mode)) return FileKind::Regular;
    if (S_ISDIR(st.st_mode)) return FileKind::Folder;
    if (S_ISLNK(st.st_mode)) return FileKind::SymbolicLink;
    if (S_ISFIFO(st.st_mode)) return FileKind::Fifo;
    if (S_ISSOCK(st.st_mode)) return FileKind::Socket;
    return FileKind::Device;
}

std::string DescribeKind(FileKind kind) {
    switch (kind) {
        case FileKind::Missing: return "missing";
        case FileKind::Regular: return "a regular file";
        case FileKind::Folder: return "a folder";
        case FileKind::SymbolicLink: return "a symbolic link";
        case FileKind::Fifo: return "a FIFO";
        case FileKind::Device: return "a device";
        case FileKind::Socket: return "a socket";
    }
    return "unknown";
}

// A write lease is granted only when no other descriptor of the file is
// open anywhere, so taking one (and dropping it at once) answers the
// question without disturbing the writer.
LeaseAnswer AskWriteLease(const std::string& path) {
    // O_NONBLOCK: when someone else holds a lease, opening fails at once
    // instead of waiting for the lease-break time (and a FIFO does not
    // wait for a writer).
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return errno == EWOULDBLOCK ? LeaseAnswer::Held : LeaseAnswer::Unavailable;
    LeaseAnswer answer = LeaseAnswer::Free;
    if (::fcntl(fd, F_SETLEASE, F_WRLCK) == 0)
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    else
        answer = errno == EAGAIN ? LeaseAnswer::Held : LeaseAnswer::Unavailable;
    ::close(fd);
    return answer;
}

bool IsQuietFor(const std::string& path, int quietMs) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return false;
    // The change time moves on every write and also when a writer sets
    // the modification time back.
    const std::int64_t touched = std::max(Ns(st.st_mtim), Ns(st.st_ctim));
    const std::int64_t now = std::chrono::duration_cast<std::chrono::nanoseconds>(
                                 std::chrono::system_clock::now().time_since_epoch())
                                 .count();
    return now - touched >= std::int64_t{quietMs} * 1'000'000;
}

}  // namespace quill::platform
