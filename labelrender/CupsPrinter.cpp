#include "labelrender/CupsPrinter.h"

#include <cups/cups.h>

#include <fstream>
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

// Why a printer refuses jobs, as its operator wrote it ("cupsreject -r ...").
std::string StateMessage(http_t* http, const std::string& printerUri) {
    if (printerUri.empty()) return {};
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, printerUri.c_str());
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    const IppPtr response(cupsDoRequest(http, request, "/"));   // takes the request
    if (!response) return {};
    ipp_attribute_t* attribute = ippFindAttribute(response.get(), "printer-state-message", IPP_TAG_TEXT);
    const char* text = attribute ? ippGetString(attribute, 0, nullptr) : nullptr;
    return text ? text : "";
}

std::string LastError() {
    const char* text = cupsLastErrorString();
    return text ? text : "unknown error";
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
    out.name = dest->name;
    out.deviceUri = Option(dest.get(), "device-uri");
    out.acceptingJobs = Option(dest.get(), "printer-is-accepting-jobs") != "false";
    if (!out.acceptingJobs) out.stateMessage = StateMessage(http.get(), Option(dest.get(), "printer-uri-supported"));
    return Status::Ok();
}

Status SubmitPdf(const Destination& destination, const std::string& pdfPath, const std::string& title, int copies) {
    std::ifstream in(pdfPath, std::ios::binary);
    if (!in) return Status::Error(LL_ERR_PRINTING, "cannot read the print file " + pdfPath);
    std::string error;
    HttpPtr http = Connect(error);
    if (!http) return Status::Error(LL_ERR_NOPRINTER, error);

    const char* printer = destination.name.c_str();
    Options options;
    if (copies > 1) options.Add("copies", std::to_string(copies));
    const int jobId = cupsCreateJob(http.get(), printer, title.c_str(), options.count(), options.get());
    if (jobId == 0) {
        const int code = cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND ? LL_ERR_NOPRINTER : LL_ERR_PRINTING;
        return Status::Error(code, "printer '" + destination.name + "' refused the job: " + LastError());
    }
    auto fail = [&](const std::string& step) {
        const std::string why = LastError();
        cupsCancelJob2(http.get(), printer, jobId, 0);
        return Status::Error(LL_ERR_PRINTING, "printer '" + destination.name + "', job " + std::to_string(jobId) +
                                                  ": " + step + ": " + why);
    };
    if (cupsStartDocument(http.get(), printer, jobId, title.c_str(), CUPS_FORMAT_PDF, 1) != HTTP_STATUS_CONTINUE)
        return fail("the document was not accepted");
    std::vector<char> buffer(64 * 1024);
    while (in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        const auto count = static_cast<std::size_t>(in.gcount());
        if (count == 0) break;
        if (cupsWriteRequestData(http.get(), buffer.data(), count) != HTTP_STATUS_CONTINUE)
            return fail("sending the document failed");
    }
    if (cupsFinishDocument(http.get(), printer) != IPP_STATUS_OK) return fail("the document was not finished");
    return Status::Ok();
}

}  // namespace quill::labelrender::cups
