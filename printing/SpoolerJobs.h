#pragma once
// The spooler queue of the shift printer: its jobs, and the wait before a
// print until the printer has taken what was sent before.
#include <chrono>
#include <string>
#include <vector>

#include "labelrender/CupsPrinter.h"

namespace quill {

// How long CheckSpoolerJobs waits for a queue to drain. A queue that never
// drains (printer stopped, jammed or switched off) must not freeze the
// engine: after this the wait ends with a log line and printing goes on.
inline constexpr std::chrono::milliseconds SpoolerWaitLimit{60000};

// The Windows spooler's job status bits, which the log names.
int JobStatusOf(labelrender::cups::JobState state);
std::string JobStatusName(int status);

// The jobs with a document name in the printer's queue, minus one; -1 when
// the queue cannot be read (also logged).
int GetSpoolerJobs(const std::string& printer);

// Waits until the queue holds at most one job with a document name, or
// cannot be read, or `limit` has passed. True, or false after an exception.
bool CheckSpoolerJobs(const std::string& printer, std::chrono::milliseconds limit = SpoolerWaitLimit);

// Logs the jobs when LogMode is 3.
void WriteInfoJobs(const std::string& printer, const std::vector<labelrender::cups::Job>& jobs);

}  // namespace quill
