#pragma once
// Printing a task of the Direct modes: the design's layout lines filled
// from the task's first label record, sent as bytes to the design's port.
#include <optional>
#include <span>
#include <string>

#include "core/LabelRecord.h"
#include "printing/DirectItems.h"

namespace quill {

// The commands of the printer the engine printed to last. A command file is
// read again only when a design names another printer, so an edit of the
// file takes effect after a design for another printer has printed.
class TDirectPrinterCache {
public:
    const TPrinterCommands& CommandsFor(const std::string& printer);

private:
    std::optional<std::string> printer_;
    TPrinterCommands commands_;
};

// Prints the task once, however many copies it holds; only the first record
// supplies values. On success `port` is where it went; on failure
// `errorText` says why ("Design not found: D01.lbl", "Print Error on LPT1").
bool PrintDirectTask(TDirectPrinterCache& cache, std::span<const TLabelRecord> records, std::string& port,
                     std::string& errorText);

}  // namespace quill
