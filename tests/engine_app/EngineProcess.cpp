#include "EngineProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace quill::test {

namespace {

std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

std::string EngineBinary() { return QUILL_BINARY_DIR "/engine_app/quill-engine"; }

EngineProcess::EngineProcess(const std::string& outputFolder, const std::vector<std::string>& args) {
    static std::atomic<int> counter{0};
    const std::string stem = outputFolder + "engine-" + std::to_string(++counter);
    outPath_ = stem + ".out";
    errPath_ = stem + ".err";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string binary = EngineBinary();
    std::vector<char*> argv{const_cast<char*>(binary.c_str())};
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const int failed = posix_spawn(&pid_, binary.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) throw std::runtime_error("cannot start " + binary);
}

EngineProcess::~EngineProcess() {
    if (reaped_) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
}

void EngineProcess::signal(int signalNumber) const { ::kill(pid_, signalNumber); }

int EngineProcess::wait(std::chrono::seconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (::waitpid(pid_, &status, WNOHANG) == pid_) {
            reaped_ = true;
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

bool EngineProcess::waitFor(const std::string& path, const std::string& text, std::chrono::seconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (ReadText(path).find(text) != std::string::npos) return true;
        if (::kill(pid_, 0) != 0) return ReadText(path).find(text) != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

bool EngineProcess::waitForOutput(const std::string& text, std::chrono::seconds timeout) const {
    return waitFor(outPath_, text, timeout);
}

bool EngineProcess::waitForError(const std::string& text, std::chrono::seconds timeout) const {
    return waitFor(errPath_, text, timeout);
}

std::string EngineProcess::output() const { return ReadText(outPath_); }
std::string EngineProcess::error() const { return ReadText(errPath_); }

EngineResult RunEngine(const std::string& outputFolder, const std::vector<std::string>& args) {
    EngineProcess engine(outputFolder, args);
    const int code = engine.wait();
    return {code, engine.output(), engine.error()};
}

int CountOf(const std::string& text, const std::string& needle) {
    int count = 0;
    for (auto at = text.find(needle); at != std::string::npos; at = text.find(needle, at + needle.size())) ++count;
    return count;
}

}  // namespace quill::test
