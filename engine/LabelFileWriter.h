#pragma once
// Label lines as the engine reads them back: the separated format that the
// print application writes for the Manual mode, and the line format of any
// mode, for labels the engine must hand back to the site unprinted.
#include <string>

#include "core/LabelRecord.h"

namespace quill {

// Amount, separator, design, separator, then every value (positions 0 to
// FieldCount()-1) followed by the separator, and CR LF. Values are written
// as they are: one that holds the separator reads back as two.
std::string FormatManualLine(const TLabelRecord& record, char separator);

// One line in the format of the record's own mode that reads back as the
// same amount, design and values: the fixed-width form for Legacy, the OEM
// code page for VekLegacy, an ORS line with nothing left out.
std::string FormatLabelLine(const TLabelRecord& record, char separator);

}  // namespace quill
