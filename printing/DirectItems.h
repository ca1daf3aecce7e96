#pragma once
// The layout lines of Direct designs: each line is a row of items in "<"
// and ">", and each item becomes one piece of the byte stream sent to the
// printer: a label field or part of it, quoted text, a byte, or a printer
// command.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/LabelRecord.h"

namespace quill {

// The commands of one printer command file, names and ESC values in file order.
struct TPrinterCommands {
    std::vector<std::string> Names;
    std::vector<std::string> Values;
};

// Alignment pads a part to at most this many characters, so that a length
// of 2000000000 in a design cannot ask for gigabytes.
inline constexpr int MaxAlignedLength = 4096;

// The text between the first "<" of `rest` and the first ">" after it;
// `rest` continues after that ">". Without a complete item (no "<", or a
// "<" that no ">" closes) there is none and `rest` is left as it was: an
// unclosed "<" and what follows it are never sent.
std::optional<std::string_view> NextItem(std::string_view& rest);

// The items of a line in order, up to the first empty item ("<>").
std::vector<std::string_view> LineItems(std::string_view line);

// The bytes of an ESC value: a value that does not start with a digit as it
// stands; otherwise its comma-separated parts, each the byte of its decimal
// value (0..255) or, when it is not such a number, its own text.
std::string CommandBytes(std::string_view escValue);

// What one item sends: "(" name[,from,length[,align]] ")" a field of the
// record or part of it; a quoted text without its quotes; a decimal number
// 0..255 as that byte (other numbers as the item's text); otherwise the
// command of that exact name (nothing when there is none).
std::string ItemValue(std::string_view item, const TLabelRecord& record, const TPrinterCommands& commands);

// A barcode command (ESC "B" and at least two more bytes) followed by a
// piece of 6, 8, 10 or 12 bytes gets that length as its fourth byte.
void ApplyBarcodeLengths(std::vector<std::string>& pieces);

// Every item of every line in order, one piece each, barcode lengths applied:
// the byte stream of a design for one record. `lineEnds`, when given, gets
// for every line the number of pieces up to its end.
std::vector<std::string> BuildPieces(const std::vector<std::string>& lines, const TLabelRecord& record,
                                     const TPrinterCommands& commands, std::vector<std::size_t>* lineEnds = nullptr);

}  // namespace quill
