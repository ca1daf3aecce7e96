#pragma once
// One engine per computer and data root: two engines in one place would
// share a work file name and take each other's files. The running engine
// holds an exclusive lock (flock) on a file in the temporary folder; the
// lock goes with the process, also when it is killed.
#include <memory>
#include <string>

namespace quill {

class TSingleInstance {
public:
    ~TSingleInstance();
    TSingleInstance(const TSingleInstance&) = delete;
    TSingleInstance& operator=(const TSingleInstance&) = delete;

    // The lock file of the engine: <TempLocation>QuillEngine.lock.
    static std::string LockPath();

    // Takes the lock and records "<pid> <program title>" in the file. When
    // another process holds it (or the file cannot be opened), returns
    // nothing and says why in `reason`, naming the holder.
    static std::unique_ptr<TSingleInstance> Acquire(const std::string& path, const std::string& title,
                                                    std::string& reason);

private:
    explicit TSingleInstance(int fd) : fd_(fd) {}
    int fd_;
};

}  // namespace quill
