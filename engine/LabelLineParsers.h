#pragma once
// The line formats of label files: the fixed-width format of Legacy and the
// separated format of all other modes. Each parser fills a cleared record
// from one line; names and kinds come from the given vocabulary, which must
// outlive the record.
#include <stdexcept>
#include <string_view>
#include <vector>

#include "core/UGlobals.h"
#include "core/LabelRecord.h"

namespace quill {

// A Legacy line that breaks the fixed-width format. The reader stops the file
// at such a line; copies queued before it stay queued.
class TLabelFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Values a separated line of each mode carries (the record's field count).
inline constexpr int VekLegacyValueCount = 50;
inline constexpr int ManualValueCount = TLabelRecord::Capacity;
inline constexpr int TamberValueCount = 24;
inline constexpr int CorvaneValueCount = 74;
inline constexpr int CorvanePWBValueCount = 36;
inline constexpr int OrsValueCount = 495;

// ORS lines leave out positions, chosen by the line's first value.
enum class TCompaction { None, Ors };

// "***", amount (2), design (2), then fields of kind (1), width (2), three
// ignored characters and the value, until "***" closes the line. Throws
// TLabelFormatError for a bad width or a line that ends before the "***".
void ParseLegacyLine(std::string_view line, const std::vector<TField>& vocabulary, TLabelRecord& record);

void ParseVekLegacyLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                        TLabelRecord& record);
void ParseManualLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                     TLabelRecord& record);
// Corvane, CorvanePWB, Direct, DirectORS, CorvaneORS: `valueCount` values,
// ORS compaction for the two ORS modes.
void ParseCorvaneLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                      int valueCount, TCompaction compaction, TLabelRecord& record);
void ParseTamberLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                     TLabelRecord& record);

// One line of a label file of `mode`, as the engine reads it: VekLegacy lines
// converted from the OEM code page first, then the mode's parser; the record
// gets the mode. The record must be cleared.
void ParseLabelLine(TMode mode, std::string_view line, const std::vector<TField>& vocabulary, char separator,
                    TLabelRecord& record);

}  // namespace quill
