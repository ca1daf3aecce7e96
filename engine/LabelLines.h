#pragma once
// From the bytes of a label file to label records, the way the engine reads
// them: line breaks, the NUL that ends the text, empty lines skipped.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/UGlobals.h"
#include "core/LabelRecord.h"

namespace quill {

// The whole file; throws std::system_error when it cannot be read.
std::string LoadLabelFile(const std::string& path);

struct TLabelLine {
    int Number;             // 1-based, empty lines counted
    std::string_view Text;  // never empty
};
// Lines end at CR LF, a lone CR or a lone LF; a NUL ends the text.
std::vector<TLabelLine> SplitLabelLines(std::string_view text);

// Where the lines of one file come from and how they are read.
struct TLabelSource {
    TMode Mode;
    const std::vector<TField>& Vocabulary;  // outlives the records
    std::string DesignFolder;
    std::string LocationName;
    char Separator;
};

// More copies than this on one line is a format error: a host's slip must
// not keep the printer busy for hours while nothing else is served.
inline constexpr int MaxLabelAmount = 99999;

// Parses each non-empty line into `record` (cleared first) and hands it to
// `handle`. A malformed line, or one asking for more than MaxLabelAmount
// copies, ends the reading with a TLabelFormatError whose message begins
// with "line <number>: ".
void ForEachLabelRecord(const TLabelSource& source, std::string_view text, TLabelRecord& record,
                        const std::function<void(int lineNumber, const TLabelRecord&)>& handle);

}  // namespace quill
