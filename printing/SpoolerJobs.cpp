#include "printing/SpoolerJobs.h"

#include <exception>
#include <thread>
#include <utility>

#include "core/Logging.h"
#include "labelrender/LabelJob.h"

namespace quill {

namespace cups = labelrender::cups;

namespace {

// Between two looks at the queue; the scheduler is not asked without pause.
constexpr std::chrono::milliseconds kPollInterval{200};

const char* StateText(cups::JobState state) {
    switch (state) {
        case cups::JobState::Pending: return "pending";
        case cups::JobState::Held: return "held";
        case cups::JobState::Processing: return "processing";
        case cups::JobState::Stopped: return "stopped";
        case cups::JobState::Canceled: return "canceled";
        case cups::JobState::Aborted: return "aborted";
        case cups::JobState::Completed: return "completed";
    }
    return "unknown";
}

}  // namespace

int JobStatusOf(cups::JobState state) {
    switch (state) {
        case cups::JobState::Pending: return 0;
        case cups::JobState::Held: return 1;          // paused
        case cups::JobState::Processing: return 16;   // printing
        case cups::JobState::Stopped: return 32;      // the printer is stopped: offline
        case cups::JobState::Canceled: return 256;    // deleted
        case cups::JobState::Aborted: return 2;       // error
        case cups::JobState::Completed: return 128;   // printed
    }
    return 0;
}

std::string JobStatusName(int status) {
    static const std::pair<int, const char*> names[] = {
        {0, "JOB_POSITION_UNSPECIFIED"}, {1, "JOB_STATUS_PAUSED"},       {2, "JOB_STATUS_ERROR"},
        {4, "JOB_STATUS_DELETING"},      {8, "JOB_STATUS_SPOOLING"},     {16, "JOB_STATUS_PRINTING"},
        {32, "JOB_STATUS_OFFLINE"},      {64, "JOB_STATUS_PAPEROUT"},    {128, "JOB_STATUS_PRINTED"},
        {256, "JOB_STATUS_DELETED"},     {512, "JOB_STATUS_BLOCKED_DEVQ"}, {1024, "JOB_STATUS_USER_INTERVENTION"},
        {2048, "JOB_STATUS_RESTART"},
    };
    for (const auto& [value, name] : names)
        if (value == status) return name;
    return "Unknown status...";
}

void WriteInfoJobs(const std::string& printer, const std::vector<cups::Job>& jobs) {
    try {
        AddLogVerbose("spooler job " + printer + " nr jobs =" + std::to_string(jobs.size()));
        for (const cups::Job& job : jobs) {
            const int status = JobStatusOf(job.state);
            AddLogVerbose("Info job printer name: " + printer + " " + job.printer + " " + job.host + " " + job.user +
                          " " + job.title + " " + job.format + " " + StateText(job.state) + " " +
                          std::to_string(status) + " " + JobStatusName(status));
        }
    } catch (const std::exception&) {
        AddLog("Exception: WriteInfoJobs failed.");
    }
}

int GetSpoolerJobs(const std::string& printer) {
    try {
        std::vector<cups::Job> jobs;
        const labelrender::Status status = cups::ActiveJobs(printer, jobs);
        if (!status.ok()) {
            AddLog(status.code == labelrender::LL_ERR_NOPRINTER ? "GetSpoolerJobs: Error opening the printer"
                                                                 : "GetSpoolerJobs: Error Getting Jobs information");
            AddLogVerbose("GetSpoolerJobs: " + status.message);
            return -1;
        }
        std::erase_if(jobs, [](const cups::Job& job) { return job.title.empty(); });
        WriteInfoJobs(printer, jobs);
        return static_cast<int>(jobs.size()) - 1;
    } catch (const std::exception&) {
        AddLog("Exception: GetSpoolerJobs failed.");
        return -1;
    }
}

bool CheckSpoolerJobs(const std::string& printer, std::chrono::milliseconds limit) {
    try {
        const auto deadline = std::chrono::steady_clock::now() + limit;
        for (;;) {
            const int waiting = GetSpoolerJobs(printer);
            if (waiting <= 0) return true;
            if (std::chrono::steady_clock::now() >= deadline) {
                AddLog("CheckSpoolerJobs: " + printer + " still holds " + std::to_string(waiting + 1) + " jobs after " +
                       std::to_string(limit.count()) + " ms; printing goes on.");
                return true;
            }
            std::this_thread::sleep_for(kPollInterval);
        }
    } catch (const std::exception&) {
        AddLog("Exception during CheckSpoolerJobs.");
        return false;
    }
}

}  // namespace quill
