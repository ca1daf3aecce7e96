#include "engine/LabelFileWriter.h"

namespace quill {

std::string FormatManualLine(const TLabelRecord& record, char separator) {
    std::string line = std::to_string(record.Amount) + separator + record.Design + separator;
    for (int position = 0; position < record.FieldCount(); ++position) {
        line += record.FieldValue(position);
        line += separator;
    }
    line += "\r\n";
    return line;
}

}  // namespace quill
