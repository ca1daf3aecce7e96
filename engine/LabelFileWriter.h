#pragma once
// The line every writer of label files produces: the separated format that
// the engine reads for the Manual mode.
#include <string>

#include "core/LabelRecord.h"

namespace quill {

// Amount, separator, design, separator, then every value (positions 0 to
// FieldCount()-1) followed by the separator, and CR LF. Values are written
// as they are: one that holds the separator reads back as two.
std::string FormatManualLine(const TLabelRecord& record, char separator);

}  // namespace quill
