#include "engine_app/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "core/UGlobals.h"
#include "core/Utilities.h"

namespace quill {

namespace {

std::string ReadAll(int fd) {
    std::string text;
    char buffer[256];
    ssize_t n;
    while ((n = ::pread(fd, buffer, sizeof buffer, static_cast<off_t>(text.size()))) > 0) text.append(buffer, n);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
}

}  // namespace

TSingleInstance::~TSingleInstance() { ::close(fd_); }

std::string TSingleInstance::LockPath() { return AddBackslash(Settings.TempLocation) + "QuillEngine.lock"; }

std::unique_ptr<TSingleInstance> TSingleInstance::Acquire(const std::string& path, const std::string& title,
                                                          std::string& reason) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        reason = "cannot open the lock file " + path + ": " + std::strerror(errno);
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const std::string holder = ReadAll(fd);
        reason = "another engine is running (" + (holder.empty() ? std::string("process unknown") : "process " + holder) +
                 ") and holds " + path;
        ::close(fd);
        return nullptr;
    }
    const std::string record = std::to_string(::getpid()) + " " + title + "\n";
    // Only the message of a refused engine needs the record; the lock holds without it.
    [[maybe_unused]] const bool recorded =
        ::ftruncate(fd, 0) == 0 && ::pwrite(fd, record.data(), record.size(), 0) == static_cast<ssize_t>(record.size());
    return std::unique_ptr<TSingleInstance>(new TSingleInstance(fd));
}

}  // namespace quill
