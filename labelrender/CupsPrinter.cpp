#include "labelrender/CupsPrinter.h"

#include <cups/cups.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <string_view>
#include <memory>
#include <vector>

#include "labelrender/LabelJob.h"

namespace quill::labelrender::cups {

namespace {

// A scheduler that stops answering must not hold the engine forever.
constexpr int kConnectTimeoutMs = 5000;
constexpr double kRequestTimeoutSeconds = 30.0;

struct HttpCloser {
    void operator()(http_t* http) const { httpClose(http); }
};
using HttpPtr = std::unique_ptr<http_t, HttpCloser>;

struct DestFreer {
    void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
using DestPtr = std::unique_ptr<cups_dest_t, DestFreer>;

class Options {
public:
    Options() = default;
    Options(const Options&) = delete;
    Options& operator=(const Options&) = delete;
    ~Options() { cupsFreeOptions(count_, options_); }
    void Add(const char* name, const std::string& value) { count_ = cupsAddOption(name, value.c_str(), count_, &options_); }
    int count() const { return count_; }
    cups_option_t* get() const { return options_; }

private:
    int count_ = 0;
    cups_option_t* options_ = nullptr;
};

int GiveUp(http_t*, void*) { return 0; }

HttpPtr Connect(std::string& error) {
    HttpPtr http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectTimeoutMs,
                              nullptr));
    if (!http) {
        error = std::string("the print scheduler at ") + cupsServer() + " does not answer";
        return nullptr;
    }
    httpSetTimeout(http.get(), kRequestTimeoutSeconds, GiveUp, nullptr);
    return http;
}

std::string Option(const cups_dest_t* dest, const char* name) {
    const char* value = cupsGetOption(name, dest->num_options, dest->options);
    return value ? value : "";
}

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};
using IppPtr = std::unique_ptr<ipp_t, IppDeleter>;

IppPtr PrinterAttributes(http_t* http, const std::string& printerUri) {
    if (printerUri.empty()) return nullptr;
    static const char* const wanted[] = {"printer-state-message", "printer-resolution-default"};
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.c_str());
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    return IppPtr(cupsDoRequest(http, request, "/"));   // takes the request
}

// Why a printer refuses jobs, as its operator wrote it ("cupsreject -r ...").
std::string StateMessage(ipp_t* attributes) {
    ipp_attribute_t* attribute = attributes ? ippFindAttribute(attributes, "printer-state-message", IPP_TAG_TEXT) : nullptr;
    const char* text = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    return text ? text : "";
}

// The machine each active job of `destination` came from, by job id;
// cupsGetJobs2 does not carry it.
std::map<int, std::string> OriginatingHosts(http_t* http, const std::string& destination) {
    std::map<int, std::string> hosts;
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0, "/printers/%s",
                     destination.c_str());
    ipp_t* request = ippNewRequest(IPP_OP_GET_JOBS);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "which-jobs", nullptr, "not-completed");
    ippAddBoolean(request, IPP_TAG_OPERATION, "my-jobs", 0);
    static const char* const wanted[] = {"job-id", "job-originating-host-name"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 2, nullptr, wanted);
    const IppPtr response(cupsDoRequest(http, request, "/"));   // takes the request
    if (!response) return hosts;
    // one group of attributes per job, in no fixed order
    int id = 0;
    std::string host;
    const auto endOfJob = [&] {
        if (id) hosts[id] = host;
        id = 0;
        host.clear();
    };
    for (ipp_attribute_t* a = ippFirstAttribute(response.get()); a; a = ippNextAttribute(response.get())) {
        const char* name = ippGetName(a);
        if (!name) {
            endOfJob();
        } else if (std::string_view(name) == "job-id") {
            id = ippGetInteger(a, 0);
        } else if (std::string_view(name) == "job-originating-host-name") {
            const char* text = ippGetString(a, 0, nullptr);
            host = text ? text : "";
        }
    }
    endOfJob();
    return hosts;
}

// The resolution the printer prints at unless told otherwise (from its PPD or driver).
int DefaultDotsPerInch(ipp_t* attributes) {
    ipp_attribute_t* attribute =
        attributes ? ippFindAttribute(attributes, "printer-resolution-default", IPP_TAG_RESOLUTION) : nullptr;
    if (!attribute) return 0;
    int down = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int across = ippGetResolution(attribute, 0, &down, &units);
    const double perInch = units == IPP_RES_PER_CM ? across * 2.54 : across;
    return perInch > 0 ? static_cast<int>(std::lround(perInch)) : 0;
}

std::string LastError() {
    const char* text = cupsLastErrorString();
    return text ? text : "unknown error";
}

}  // namespace

namespace {

Destination Describe(http_t* http, const cups_dest_t& dest) {
    Destination out;
    out.name = dest.name;
    out.isDefault = dest.is_default != 0;
    out.deviceUri = Option(&dest, "device-uri");
    out.acceptingJobs = Option(&dest, "printer-is-accepting-jobs") != "false";
    const IppPtr attributes = PrinterAttributes(http, Option(&dest, "printer-uri-supported"));
    if (!out.acceptingJobs) out.stateMessage = StateMessage(attributes.get());
    out.dotsPerInch = DefaultDotsPerInch(attributes.get());
    return out;
}

}  // namespace

Status FindDestination(const std::string& name, Destination& out) {
    std::string error;
    HttpPtr http = Connect(error);
    if (!http) return Status::Error(LL_ERR_NOPRINTER, (name.empty() ? "no default printer" : "printer '" + name + "'") + ": " + error);
    DestPtr dest(cupsGetNamedDest(http.get(), name.empty() ? nullptr : name.c_str(), nullptr));
    if (!dest) {
        if (name.empty()) return Status::Error(LL_ERR_NOPRINTER, "no default printer: " + LastError());
        return Status::Error(LL_ERR_NOPRINTER, "printer '" + name + "' does not exist: " + LastError());
    }
    out = Describe(http.get(), *dest);
    return Status::Ok();
}

Status ListDestinations(std::vector<Destination>& out) {
    out.clear();
    std::string error;
    HttpPtr http = Connect(error);
    if (!http) return Status::Error(LL_ERR_NOPRINTER, error);
    cups_dest_t* dests = nullptr;
    const int count = cupsGetDests2(http.get(), &dests);
    // instances (lpoptions' printer/name) are not destinations a design names
    for (int i = 0; i < count; ++i)
        if (!dests[i].instance) out.push_back(Describe(http.get(), dests[i]));
    cupsFreeDests(count, dests);
    return Status::Ok();
}

namespace {

// Streams the one document of a started job.
class DocumentSender {
public:
    explicit DocumentSender(http_t* http) : http_(http) {}
    bool Write(const char* data, std::size_t size) {
        return size == 0 || cupsWriteRequestData(http_, data, size) == HTTP_STATUS_CONTINUE;
    }

private:
    http_t* http_;
};

// One job of one document in `format`; `send` writes the document and
// returns false when a write failed, which cancels the job.
Status SubmitJob(const std::string& destination, const std::string& title, const Options& options,
                 const char* format, const std::function<bool(DocumentSender&)>& send) {
    std::string error;
    HttpPtr http = Connect(error);
    if (!http) return Status::Error(LL_ERR_NOPRINTER, error);

    const char* printer = destination.c_str();
    const int jobId = cupsCreateJob(http.get(), printer, title.c_str(), options.count(), options.get());
    if (jobId == 0) {
        const int code = cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? LL_ERR_NOPRINTER : LL_ERR_PRINTING;
        return Status::Error(code, "printer '" + destination + "' refused the job: " + LastError());
    }
    auto fail = [&](const std::string& step) {
        const std::string why = LastError();
        cupsCancelJob2(http.get(), printer, jobId, 0);
        return Status::Error(LL_ERR_PRINTING,
                             "printer '" + destination + "', job " + std::to_string(jobId) + ": " + step + ": " + why);
    };
    if (cupsStartDocument(http.get(), printer, jobId, title.c_str(), format, 1) != HTTP_STATUS_CONTINUE)
        return fail("the document was not accepted");
    DocumentSender sender(http.get());
    if (!send(sender)) return fail("sending the document failed");
    if (cupsFinishDocument(http.get(), printer) != IPP_STATUS_OK) return fail("the document was not finished");
    return Status::Ok();
}

JobState StateOf(ipp_jstate_t state) {
    switch (state) {
        case IPP_JSTATE_HELD: return JobState::Held;
        case IPP_JSTATE_PROCESSING: return JobState::Processing;
        case IPP_JSTATE_STOPPED: return JobState::Stopped;
        case IPP_JSTATE_CANCELED: return JobState::Canceled;
        case IPP_JSTATE_ABORTED: return JobState::Aborted;
        case IPP_JSTATE_COMPLETED: return JobState::Completed;
        default: return JobState::Pending;
    }
}

std::string Text(const char* text) { return text ? text : ""; }

}  // namespace

Status SubmitPdf(const Destination& destination, const std::string& pdfPath, const std::string& title, int copies) {
    std::ifstream in(pdfPath, std::ios::binary);
    if (!in) return Status::Error(LL_ERR_PRINTING, "cannot read the print file " + pdfPath);
    Options options;
    if (copies > 1) options.Add("copies", std::to_string(copies));
    return SubmitJob(destination.name, title, options, CUPS_FORMAT_PDF, [&in](DocumentSender& sender) {
        std::vector<char> buffer(64 * 1024);
        while (in) {
            in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            if (!sender.Write(buffer.data(), static_cast<std::size_t>(in.gcount()))) return false;
        }
        // a read error must not hand the printer half a document
        return !in.bad();
    });
}

Status SubmitRaw(const std::string& destination, std::string_view bytes, const std::string& title) {
    return SubmitJob(destination, title, Options{}, CUPS_FORMAT_RAW,
                     [bytes](DocumentSender& sender) { return sender.Write(bytes.data(), bytes.size()); });
}

Status ActiveJobs(const std::string& destination, std::vector<Job>& out) {
    out.clear();
    std::string error;
    HttpPtr http = Connect(error);
    if (!http) return Status::Error(LL_ERR_NOPRINTER, error);
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(http.get(), &jobs, destination.c_str(), 0, CUPS_WHICHJOBS_ACTIVE);
    if (count < 0) {
        const int code = cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? LL_ERR_NOPRINTER : LL_ERR_PRINTING;
        return Status::Error(code, "printer '" + destination + "': the job list cannot be read: " + LastError());
    }
    const std::unique_ptr<cups_job_t, std::function<void(cups_job_t*)>> owned(
        jobs, [count](cups_job_t* list) { cupsFreeJobs(count, list); });
    const std::map<int, std::string> hosts = OriginatingHosts(http.get(), destination);
    for (int i = 0; i < count; ++i) {
        const cups_job_t& job = jobs[i];
        const auto host = hosts.find(job.id);
        out.push_back({job.id, Text(job.dest), Text(job.user), Text(job.title), Text(job.format), StateOf(job.state),
                       host == hosts.end() ? std::string() : host->second});
    }
    return Status::Ok();
}

}  // namespace quill::labelrender::cups
