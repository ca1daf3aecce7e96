#pragma once
// The label files QuillPrint hands to the engine: one Manual label file per
// call, named "USR" + local time "yymmddhhnnss" + "." + the Manual
// extension in the design's label folder.
#include <span>
#include <string>

#include "core/LabelRecord.h"

namespace quill {

// Writes every record as one line; returns the file's path, empty when it
// could not be written (the failure is logged; the window tells the user). The
// file appears whole under its name, and never replaces another: a name
// taken already (two prints in one second) waits for the next second.
std::string SendRecordsToFile(const std::string& labelFolder, std::span<const TLabelRecord> records);

}  // namespace quill
