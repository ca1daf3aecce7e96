// Manual lines, and the writer against the reader: a record written with
// FormatManualLine reads back with the same amount, design and values.
#include "engine/LabelFileWriter.h"
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    const fuzz::TInput input = fuzz::SplitInput(data, size);
    fuzz::FuzzSeparatedLine(TMode::Manual, ManualValueCount, input);

    const char separator = fuzz::SeparatorOf(input.Choice);
    TLabelRecord record;
    ParseManualLine(input.Text, fuzz::Vocabulary(TMode::Manual), separator, record);
    std::string written = FormatManualLine(record, separator);
    written.resize(written.size() - 2);  // CR LF ends the line in a file
    TLabelRecord reread;
    ParseManualLine(written, fuzz::Vocabulary(TMode::Manual), separator, reread);
    fuzz::Require(reread.Amount == record.Amount && reread.Design == record.Design);
    fuzz::Require(reread.FieldCount() == record.FieldCount());
    for (int i = 0; i < record.FieldCount(); ++i) fuzz::Require(reread.FieldValue(i) == record.FieldValue(i));
    return 0;
}
