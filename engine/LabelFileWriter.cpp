#include "engine/LabelFileWriter.h"

#include <algorithm>
#include <cstdio>

#include "platform/CodePage.h"

namespace quill {

namespace {

// The variant that leaves no position of an ORS line out; it reads back as "P".
constexpr const char* kOrsFullVariant = "P2";

void AppendValues(std::string& line, const TLabelRecord& record, int from, char separator) {
    for (int position = from; position < record.FieldCount(); ++position) {
        line += record.FieldValue(position);
        line += separator;
    }
}

// "***", amount and design of two characters, then kind, width, three
// blanks and value per field, and "***".
std::string FormatLegacyLine(const TLabelRecord& record) {
    char amount[8];
    std::snprintf(amount, sizeof amount, "%02d", std::clamp(record.Amount, 0, 99));
    std::string line = std::string("***") + amount + record.Design;
    for (int position = 0; position < record.FieldCount(); ++position) {
        const std::string_view value = record.FieldValue(position);
        char width[8];
        std::snprintf(width, sizeof width, "%02zu", value.size());
        line += record.FieldKind(position);
        line += width;
        line += "   ";
        line += value;
    }
    return line + "***\r\n";
}

// Amount, then the design as the mode's design tokens give it back.
std::string Head(const TLabelRecord& record, char separator) {
    std::string line = std::to_string(record.Amount) + separator;
    switch (record.Mode) {
        case TMode::Tamber: {
            // token 2 + token 3, the last two characters
            const std::size_t split = record.Design.size() >= 2 ? record.Design.size() - 2 : 0;
            return line + record.Design.substr(0, split) + separator + record.Design.substr(split) + separator;
        }
        case TMode::Corvane:
        case TMode::CorvanePWB:
        case TMode::Direct:
        case TMode::DirectORS:
        case TMode::CorvaneORS:
            // an empty design number leaves the design as it is
            return line + record.Design + separator + separator;
        default:
            return line + record.Design + separator;
    }
}

}  // namespace

std::string FormatManualLine(const TLabelRecord& record, char separator) {
    std::string line = std::to_string(record.Amount) + separator + record.Design + separator;
    AppendValues(line, record, 0, separator);
    line += "\r\n";
    return line;
}

std::string FormatLabelLine(const TLabelRecord& record, char separator) {
    if (record.Mode == TMode::Legacy) return FormatLegacyLine(record);
    std::string line = Head(record, separator);
    const bool ors = record.Mode == TMode::DirectORS || record.Mode == TMode::CorvaneORS;
    if (ors && record.FieldCount() > 0) {
        line += std::string(kOrsFullVariant) + separator;
        AppendValues(line, record, 1, separator);
    } else {
        AppendValues(line, record, 0, separator);
    }
    if (record.Mode == TMode::VekLegacy) line = platform::Ansi1252ToOem850(line);
    return line + "\r\n";
}

}  // namespace quill
