// "In use" detection for the claim of a label file: POSIX lets a file that
// another process is still writing be renamed, so the engine asks first.
#include "platform/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace quill::platform {

namespace {

enum class LeaseAnswer { Free, Held, Unavailable };

// A write lease is granted only when no other descriptor of the file is
// open anywhere, so taking one (and dropping it at once) answers the
// question without disturbing the writer.
LeaseAnswer TryWriteLease(const std::string& path) {
    // O_NONBLOCK: when someone else holds a lease, opening fails at once
    // instead of waiting for the lease-break time.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == EWOULDBLOCK ? LeaseAnswer::Held : LeaseAnswer::Unavailable;
    LeaseAnswer answer = LeaseAnswer::Free;
    if (::fcntl(fd, F_SETLEASE, F_WRLCK) == 0)
        ::fcntl(fd, F_SETLEASE, F_UNLCK);
    else
        answer = errno == EAGAIN ? LeaseAnswer::Held : LeaseAnswer::Unavailable;
    ::close(fd);
    return answer;
}

struct Snapshot {
    off_t size;
    timespec mtime;
};

bool TakeSnapshot(const std::string& path, Snapshot& out) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    out = {st.st_size, st.st_mtim};
    return true;
}

}  // namespace

bool IsFileChanging(const std::string& path, int quietMs) {
    Snapshot before{}, after{};
    if (!TakeSnapshot(path, before)) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(quietMs));
    if (!TakeSnapshot(path, after)) return false;
    return before.size != after.size || before.mtime.tv_sec != after.mtime.tv_sec ||
           before.mtime.tv_nsec != after.mtime.tv_nsec;
}

bool IsFileInUse(const std::string& path, int quietMs) {
    switch (TryWriteLease(path)) {
        case LeaseAnswer::Free: return false;
        case LeaseAnswer::Held: return true;
        case LeaseAnswer::Unavailable: break;
    }
    return IsFileChanging(path, quietMs);
}

}  // namespace quill::platform
