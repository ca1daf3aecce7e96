#include "support/CupsTestScheduler.h"

#include <cups/cups.h>
#include <sys/wait.h>
#include <unistd.h>


#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <utility>
#include <vector>

namespace quill::test {

namespace fs = std::filesystem;

namespace {

const std::string kScript = std::string(QUILL_SOURCE_DIR) + "/tests/support/cups-test-scheduler.sh";

std::string Run(const std::string& command, int& status) {
    std::string out;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) {
        status = -1;
        return out;
    }
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) out.append(buffer.data(), n);
    status = pclose(pipe);
    return out;
}

// The printed jobs' files job-<id>.prn, by job id (the order they were
// submitted in; by name, job-10 would come before job-9).
std::vector<std::string> JobFiles(const std::string& folder) {
    std::vector<std::pair<long, std::string>> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with("job-") && name.ends_with(".prn"))
            files.emplace_back(std::atol(name.c_str() + 4), entry.path().string());
    }
    std::sort(files.begin(), files.end());
    std::vector<std::string> paths;
    for (auto& file : files) paths.push_back(std::move(file.second));
    return paths;
}

}  // namespace

bool CupsTestScheduler::Available() { return access("/usr/sbin/cupsd", X_OK) == 0; }

CupsTestScheduler::CupsTestScheduler(std::string folder)
    : folder_(std::move(folder)), socket_(folder_ + "/run/cups.sock") {}

std::unique_ptr<CupsTestScheduler> CupsTestScheduler::Start(std::string& error) {
    // A loaded machine may fail a start now and then: try again in a fresh
    // folder, and keep what every attempt said.
    constexpr int attempts = 3;
    error.clear();
    for (int attempt = 1; attempt <= attempts; ++attempt) {
        // Not inside a test's world: the filter runs as user lp, and
        // mkdtemp's folder is the one place the script opens up for it.
        std::string pattern = (fs::temp_directory_path() / "quill-cupsd-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            error += "mkdtemp failed\n";
            return nullptr;
        }
        int status = 0;
        const std::string said = Run("'" + kScript + "' start '" + pattern + "'", status);
        if (status == 0) {
            if (!error.empty()) std::fprintf(stderr, "cupsd started at attempt %d after:\n%s", attempt, error.c_str());
            return std::unique_ptr<CupsTestScheduler>(new CupsTestScheduler(pattern));
        }
        error += "start " + std::to_string(attempt) + " of " + std::to_string(attempts) + " failed (status " +
                 std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1) + "): " + said + "\n";
        std::error_code ec;
        fs::remove_all(pattern, ec);
    }
    std::fprintf(stderr, "%s", error.c_str());
    return nullptr;
}

CupsTestScheduler::~CupsTestScheduler() {
    const char* keep = std::getenv("QUILL_KEEP_CUPSD");
    if (keep && std::string(keep) == "1") {
        std::fprintf(stderr, "cupsd left running: export CUPS_SERVER=%s\n", socket_.c_str());
        return;
    }
    int status = 0;
    Run("'" + kScript + "' stop '" + folder_ + "'", status);
    std::error_code ec;
    fs::remove_all(folder_, ec);
}

void CupsTestScheduler::Use() const {
    setenv("CUPS_SERVER", socket_.c_str(), 1);
    cupsSetServer(nullptr);   // libcups keeps the server it saw first
}

std::size_t CupsTestScheduler::JobFileCount() const { return JobFiles(jobsFolder()).size(); }

std::string CupsTestScheduler::WaitForJobFiles(std::size_t count, std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto files = JobFiles(jobsFolder());
        if (files.size() >= count) return files.back();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

int CupsTestScheduler::Command(const std::string& command) const {
    int status = 0;
    Run("CUPS_SERVER='" + socket_ + "' " + command, status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string CupsTestScheduler::PendingJobs(const std::string& queue) const {
    int status = 0;
    return Run("CUPS_SERVER='" + socket_ + "' lpstat -o '" + queue + "'", status);
}

}  // namespace quill::test
