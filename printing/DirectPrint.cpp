#include "printing/DirectPrint.h"

#include <exception>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "printing/DesignLookup.h"
#include "printing/DirectFiles.h"
#include "printing/PrinterPort.h"

namespace quill {

const TPrinterCommands& TDirectPrinterCache::CommandsFor(const std::string& printer) {
    if (printer_ != printer) {
        commands_ = ReadPrinterCommands(printer);
        printer_ = printer;
    }
    return commands_;
}

bool PrintDirectTask(TDirectPrinterCache& cache, std::span<const TLabelRecord> records, std::string& port,
                     std::string& errorText) {
    if (records.empty()) return true;
    const TLabelRecord& first = records.front();
    const std::string folder = AddBackslash(first.DesignFolder);
    const std::string fileName = first.Design + ".lbl";

    TDirectDesign design;
    design.Printer = DefaultDirectPrinter;
    design.Port = DefaultDirectPort;
    const std::optional<std::string> path = FindDesignFile(folder, first.Design);
    if (!path || !ReadDirectDesign(*path, design)) {
        errorText = "Design not found: " + fileName;
        return false;
    }
    port = design.Port;
    try {
        const std::vector<std::string> pieces = BuildPieces(design.Lines, first, cache.CommandsFor(design.Printer));
        if (WriteToPort(design.Port, pieces, folder, first.Design)) return true;
    } catch (const std::exception& e) {
        LogException("UProcs", "PrintDirectTask", "Exception", e.what());
    }
    errorText = "Print Error on " + design.Port;
    return false;
}

}  // namespace quill
