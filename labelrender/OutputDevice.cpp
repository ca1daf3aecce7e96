#include "labelrender/OutputDevice.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/UGlobals.h"
#include "labelrender/CupsPrinter.h"
#include "platform/FileOps.h"

namespace quill::labelrender {

namespace {

std::string WithSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

std::string Clip(std::string text, std::size_t max) {
    if (text.size() > max) text.resize(max);
    return text;
}

class PdfFolderDevice final : public OutputDevice {
public:
    PrinterInfo Info() const override { return {kPdfPrinterName, Clip(PdfFolder(), 39)}; }
    std::string WorkFolder() const override { return PdfFolder(); }
    Status Deliver(const std::string& workFile, const std::string& designName) override {
        if (StoreUnder(workFile, PdfFolder(), designName).empty()) {
            platform::DeleteFile(workFile);
            return Status::Error(LL_ERR_PRINTING, "cannot store the PDF file in " + PdfFolder());
        }
        return Status::Ok();
    }
};

class CupsDevice final : public OutputDevice {
public:
    CupsDevice(cups::Destination destination, int copies) : destination_(std::move(destination)), copies_(copies) {}
    PrinterInfo Info() const override { return {Clip(destination_.name, 127), Clip(destination_.deviceUri, 39)}; }
    std::string WorkFolder() const override { return TempFolder(); }
    Status Deliver(const std::string& workFile, const std::string& designName) override {
        Status status = cups::SubmitPdf(destination_, workFile, designName, copies_);
        platform::DeleteFile(workFile);
        return status;
    }

private:
    cups::Destination destination_;
    int copies_;
};

// Renders what would be printed, reporting the printer it would go to.
class PreviewDevice final : public OutputDevice {
public:
    explicit PreviewDevice(PrinterInfo printer) : printer_(std::move(printer)) {}
    PrinterInfo Info() const override { return printer_; }
    std::string WorkFolder() const override { return TempFolder() + "Preview/"; }
    Status Deliver(const std::string& workFile, const std::string& designName) override {
        delivered_ = StoreUnder(workFile, WorkFolder(), designName + "_preview");
        if (delivered_.empty()) {
            platform::DeleteFile(workFile);
            return Status::Error(LL_ERR_NOPREVIEWFILES, "cannot store the preview in " + WorkFolder());
        }
        return Status::Ok();
    }
    std::string DeliveredFile() const override { return delivered_; }

private:
    PrinterInfo printer_;
    std::string delivered_;
};

}  // namespace

std::string PdfFolder() {
    const char* folder = std::getenv("QUILL_PDF_DIR");
    if (folder && *folder) return WithSlash(folder);
    return TempFolder() + "PDF/";
}

std::string TempFolder() {
    return WithSlash(Settings.TempLocation.empty() ? DefaultTempLocation() : Settings.TempLocation);
}

std::string MakeWorkFile(const std::string& folder) {
    if (!platform::CreateFolders(folder)) return {};
    std::string pattern = WithSlash(folder) + ".quill-job-XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) return {};
    // mkstemp makes the file private; the printed job is the site's, like every file we make
    ::fchmod(fd, 0666 & ~platform::FileCreationMask());
    ::close(fd);
    return pattern;
}

std::string StoreUnder(const std::string& file, const std::string& folder, const std::string& name) {
    if (!platform::CreateFolders(folder)) return {};
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    for (int counter = 1; counter <= 9999; ++counter) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "_%04d.pdf", counter);
        const std::string target = WithSlash(folder) + name + "_" + stamp + suffix;
        if (platform::FileExists(target)) continue;
        if (platform::RenameNoReplace(file, target)) return target;
    }
    return {};
}

Status OpenOutputDevice(const std::optional<PrinterSettings>& settings, bool preview,
                        std::unique_ptr<OutputDevice>& out) {
    const std::string name = settings ? settings->name : std::string();
    const int copies = settings ? settings->copies : 1;
    const bool builtIn = name == kPdfPrinterName;

    cups::Destination destination;
    Status found = builtIn ? Status::Error(LL_ERR_NOPRINTER, "") : cups::FindDestination(name, destination);
    if (preview) {
        PrinterInfo printer = found.ok() ? PrinterInfo{Clip(destination.name, 127), Clip(destination.deviceUri, 39)}
                                         : PrinterInfo{name.empty() || builtIn ? kPdfPrinterName : name, ""};
        out = std::make_unique<PreviewDevice>(std::move(printer));
        return Status::Ok();
    }
    if (builtIn || (name.empty() && !found.ok())) {
        // no default destination: the built-in printer keeps a printer-less machine working
        out = std::make_unique<PdfFolderDevice>();
        return Status::Ok();
    }
    if (!found.ok()) return found;
    if (!destination.acceptingJobs) {
        std::string why = "printer '" + destination.name + "' does not accept jobs";
        if (!destination.stateMessage.empty()) why += ": " + destination.stateMessage;
        return Status::Error(LL_ERR_PRINTING, why);
    }
    out = std::make_unique<CupsDevice>(std::move(destination), copies);
    return Status::Ok();
}

}  // namespace quill::labelrender
