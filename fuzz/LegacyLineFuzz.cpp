// Fixed-width Legacy lines: either a record of 1..496 fields, a cleared
// record for a line without the marker, or a format error; nothing else.
#include "fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quill;
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    TLabelRecord record;
    try {
        ParseLegacyLine(line, fuzz::Vocabulary(TMode::Legacy), record);
    } catch (const TLabelFormatError&) {
        return 0;
    }
    if (!line.starts_with("***")) {
        fuzz::Require(record.Amount == 0 && record.FieldCount() == 0 && record.Design.empty());
        return 0;
    }
    fuzz::Require(record.FieldCount() >= 1 && record.Design.size() <= 2);
    fuzz::CheckRecord(record, fuzz::Vocabulary(TMode::Legacy), line.size());
    return 0;
}
