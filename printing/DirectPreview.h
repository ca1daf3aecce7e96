#pragma once
// What a Direct design sends, shown to a person before it is printed: the
// engine's own byte stream for one record, cut at the layout lines, and a
// readable form of bytes that are not text.
#include <string>
#include <string_view>
#include <vector>

#include "core/LabelRecord.h"
#include "printing/DirectItems.h"

namespace quill {

// The bytes of each layout line for `record`, as BuildPieces makes them for
// the engine (a barcode length may come from the next line's first piece).
// Joined they are exactly what the port receives.
std::vector<std::string> DirectLineBytes(const std::vector<std::string>& lines, const TLabelRecord& record,
                                         const TPrinterCommands& commands);

// Printable ASCII as it stands; every other byte, and "<" itself so that
// the form stays unambiguous, as "<" + three decimal digits + ">" ("<027>").
std::string ReadableBytes(std::string_view bytes);

}  // namespace quill
