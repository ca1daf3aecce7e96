#pragma once
// CUPS destinations and PDF jobs. libcups stays inside CupsPrinter.cpp:
// connections and option lists are owned by unique_ptrs, every call has a
// bounded timeout, and IPP failures become our error codes.
#include <optional>
#include <string>

#include "labelrender/Status.h"

namespace quill::labelrender::cups {

struct Destination {
    std::string name;
    std::string deviceUri;
    bool acceptingJobs = true;
    std::string stateMessage;
};

// The destination of that name, or the scheduler's default for an empty
// name. LL_ERR_NOPRINTER when there is no such destination or no scheduler.
Status FindDestination(const std::string& name, Destination& out);

// Sends the PDF file as one job. LL_ERR_PRINTING when the destination
// refuses it or the scheduler fails midway, LL_ERR_NOPRINTER when the
// destination has gone.
Status SubmitPdf(const Destination& destination, const std::string& pdfPath, const std::string& title, int copies);

}  // namespace quill::labelrender::cups
