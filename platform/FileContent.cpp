// Whole-file reads and all-or-nothing writes.
#include "platform/FileOps.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cstdlib>
#include <cerrno>
#include <utility>

namespace quill::platform {

namespace {

struct FdCloser {
    int fd;
    ~FdCloser() { ::close(fd); }
};

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A new, exclusively created file beside `path`; its name does not end in
// the target's extension, so scans for that extension never pick it up.
std::pair<int, std::string> CreateTempBeside(const std::string& path, mode_t mode) {
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temp = path + ".~" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) return {fd, temp};
        if (errno != EEXIST) break;
    }
    return {-1, {}};
}

bool OverwriteInPlace(const std::string& path, const std::string& bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = WriteAll(fd, bytes) && ::fsync(fd) == 0;
    return (::close(fd) == 0) && ok;
}

}  // namespace

unsigned FileCreationMask() {
    const std::optional<std::string> status = ReadWholeFile("/proc/self/status");
    const std::size_t at = status ? status->find("\nUmask:") : std::string::npos;
    if (at == std::string::npos) return 022;
    return static_cast<unsigned>(std::strtoul(status->c_str() + at + 7, nullptr, 8));
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    FdCloser closer{fd};
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) return bytes;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
}

bool WriteWholeFile(const std::string& link, const std::string& bytes) {
    // a symbolic link stays a link: its target is written
    char resolved[PATH_MAX];
    const std::string path = ::realpath(link.c_str(), resolved) ? std::string(resolved) : link;
    struct stat st {};
    const bool existing = ::stat(path.c_str(), &st) == 0;
    if (existing && (S_ISDIR(st.st_mode) || IsReadOnly(path))) return false;
    // a file the user may not write is not replaced, though its folder may allow it
    if (existing && ::geteuid() != 0 && ::access(path.c_str(), W_OK) != 0) return false;
    const mode_t mode = existing ? (st.st_mode & 07777) : 0666;
    const auto [fd, temp] = CreateTempBeside(path, mode);
    if (fd < 0) return false;
    // a replaced file keeps its owner, group and mode; a new one gets the
    // umask's. Another user's file (writable through the group) keeps its
    // owner only when rewritten in place.
    if (existing && ::fchown(fd, st.st_uid, st.st_gid) != 0) {
        ::close(fd);
        ::unlink(temp.c_str());
        return OverwriteInPlace(path, bytes);
    }
    bool ok = WriteAll(fd, bytes) && (!existing || ::fchmod(fd, mode) == 0) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
}

}  // namespace quill::platform
