#pragma once
// Where a finished job goes: a CUPS destination, the built-in "PDF"
// printer (one file per job in the PDF folder) or a preview file. Pages are
// first written to a work file in the device's work folder; Deliver hands
// the finished file over.
#include <memory>
#include <optional>
#include <string>

#include "labelrender/LabelJob.h"
#include "labelrender/PrinterSettings.h"
#include "labelrender/Status.h"

namespace quill::labelrender {

class OutputDevice {
public:
    virtual ~OutputDevice() = default;
    virtual PrinterInfo Info() const = 0;
    virtual std::string WorkFolder() const = 0;
    // Takes the finished work file (it is gone afterwards, delivered or not).
    virtual Status Deliver(const std::string& workFile, const std::string& designName) = 0;
    // The file a preview was delivered to.
    virtual std::string DeliveredFile() const { return {}; }
};

// The printer the settings name, else the default CUPS destination, else
// the PDF printer. LL_ERR_NOPRINTER for a named destination that does not
// exist, LL_ERR_PRINTING for one that does not accept jobs. A preview never
// fails over the printer; it only reports it.
Status OpenOutputDevice(const std::optional<PrinterSettings>& settings, bool preview,
                        std::unique_ptr<OutputDevice>& out);

// $QUILL_PDF_DIR, else <TempLocation>PDF/ (with trailing '/').
std::string PdfFolder();
// The temporary folder of the settings (with trailing '/').
std::string TempFolder();
// A new empty file in `folder` for pages being written; empty on failure.
std::string MakeWorkFile(const std::string& folder);
// Removes the work files that interrupted jobs left in the work folders of
// the devices; those a running job holds open stay. Returns how many went.
int RemoveLeftoverWorkFiles();
// Moves `file` into `folder` as <name>_<yyyyMMdd-hhmmss>_<NNNN>.pdf with the
// first counter whose name is free; never replaces a file. The new path, or
// empty when it could not be moved.
std::string StoreUnder(const std::string& file, const std::string& folder, const std::string& name);

}  // namespace quill::labelrender
