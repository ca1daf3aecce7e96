#pragma once
// The engine's reading of one claimed label file: every line becomes a label
// record whose copies go to the print queue.
#include <string>
#include <vector>

#include "core/UGlobals.h"
#include "engine/LabelSink.h"

namespace quill {

// Reads the label file at `path` for `mode` (Direct is given the Corvane
// vocabulary), queueing `Amount` copies of every line in `sink`. Returns false
// when the file cannot be read (logged as an exception) or when the last task
// printed during the reading failed; true otherwise, also when copies were
// only queued. A malformed Legacy line throws TLabelFormatError: lines after
// it are not read and queued copies stay queued.
// Hands `Amount` copies of the record to the sink. A held slot is printed
// and the same copy offered again; `result` becomes the outcome of the last print.
void QueueCopies(const TLabelRecord& record, TLabelSink& sink, bool& result);

bool ReadLabelFile(TMode mode, const std::string& locationName, const std::vector<TField>& vocabulary,
                   const std::string& designFolder, const std::string& path, TLabelSink& sink);

}  // namespace quill
