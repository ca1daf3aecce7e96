#pragma once
// A check of a label file for host integrators: the file is read as the
// engine reads it and every label request is shown with its named values.
#include <ostream>
#include <string>

#include "core/UGlobals.h"

namespace quill {

// Prints, per non-empty line, its number, amount, design and the non-empty
// values as name=value, then a summary or the format error that stops the
// engine. Returns 0 for a valid file, 1 for a format error, 2 when the file
// cannot be read. The separator is the "Separator" setting.
int CheckLabelFile(TMode mode, const std::string& path, std::ostream& out);

}  // namespace quill
