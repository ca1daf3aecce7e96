#pragma once
// CUPS destinations, PDF and raw jobs, and job lists. libcups stays inside CupsPrinter.cpp:
// connections and option lists are owned by unique_ptrs, every call has a
// bounded timeout, and IPP failures become our error codes.
#include <string>
#include <string_view>
#include <vector>

#include "labelrender/Status.h"

namespace quill::labelrender::cups {

struct Destination {
    std::string name;
    std::string deviceUri;
    bool acceptingJobs = true;
    std::string stateMessage;
    int dotsPerInch = 0;   // the default resolution (across); 0 when the printer does not say
    bool isDefault = false;
};

// The destination of that name, or the scheduler's default for an empty
// name. LL_ERR_NOPRINTER when there is no such destination or no scheduler.
Status FindDestination(const std::string& name, Destination& out);

// Every destination of the scheduler, by name, each with its resolution.
// LL_ERR_NOPRINTER when there is no scheduler; an empty list is no error.
Status ListDestinations(std::vector<Destination>& out);

// Sends the PDF file as one job. LL_ERR_PRINTING when the destination
// refuses it or the scheduler fails midway, LL_ERR_NOPRINTER when the
// destination has gone.
Status SubmitPdf(const Destination& destination, const std::string& pdfPath, const std::string& title, int copies);

// Sends `bytes` unchanged as one raw job (no driver converts them).
// Errors as SubmitPdf.
Status SubmitRaw(const std::string& destination, std::string_view bytes, const std::string& title);

enum class JobState { Pending, Held, Processing, Stopped, Canceled, Aborted, Completed };

struct Job {
    int id = 0;
    std::string printer;
    std::string user;
    std::string title;    // the document name; may be empty
    std::string format;   // document format (MIME type)
    JobState state = JobState::Pending;
    std::string host;     // the machine the job came from; may be empty
};

// The destination's jobs that have not finished (pending, held, processing
// or stopped), of every user. LL_ERR_NOPRINTER when the destination or the
// scheduler is missing, LL_ERR_PRINTING when the list cannot be had.
Status ActiveJobs(const std::string& destination, std::vector<Job>& out);

}  // namespace quill::labelrender::cups
