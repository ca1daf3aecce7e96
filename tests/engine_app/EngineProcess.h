#pragma once
// The real quill-engine started as a child process in the test's world: its
// standard output and error go to files that the test reads while it runs.
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

namespace quill::test {

std::string EngineBinary();

class EngineProcess {
public:
    // Starts quill-engine with `args` in the current directory and the test's environment.
    EngineProcess(const std::string& outputFolder, const std::vector<std::string>& args);
    // Kills a child that is still running.
    ~EngineProcess();
    EngineProcess(const EngineProcess&) = delete;
    EngineProcess& operator=(const EngineProcess&) = delete;

    pid_t pid() const { return pid_; }
    void signal(int signalNumber) const;
    // The exit code, or -1 when it did not exit normally within `timeout`.
    int wait(std::chrono::seconds timeout = std::chrono::seconds(60));
    // Waits until standard output (or error) holds `text`; false on timeout or exit.
    bool waitForOutput(const std::string& text, std::chrono::seconds timeout = std::chrono::seconds(30)) const;
    bool waitForError(const std::string& text, std::chrono::seconds timeout = std::chrono::seconds(30)) const;
    std::string output() const;
    std::string error() const;

private:
    bool waitFor(const std::string& path, const std::string& text, std::chrono::seconds timeout) const;

    std::string outPath_;
    std::string errPath_;
    pid_t pid_ = -1;
    bool reaped_ = false;
};

// Runs quill-engine to its end; returns the exit code, output and error.
struct EngineResult {
    int code;
    std::string output;
    std::string error;
};
EngineResult RunEngine(const std::string& outputFolder, const std::vector<std::string>& args);

// Occurrences of `needle` in `text`.
int CountOf(const std::string& text, const std::string& needle);

}  // namespace quill::test
