#include "engine/LabelLineParsers.h"

#include <limits>
#include <optional>
#include <string>

#include "core/Utilities.h"
#include "engine/LabelTokens.h"
#include "platform/CodePage.h"

namespace quill {

namespace {

constexpr std::string_view kLegacyMarker = "***";
constexpr std::string_view kEndOfLine = "QUILL_END_OF_LINE";

std::string_view Slice(std::string_view text, std::size_t from, std::size_t length) {
    return from < text.size() ? text.substr(from, length) : std::string_view();
}

// An amount that is all digits but too large for an int still asks for
// too many copies; anything else unreadable is one copy.
int AmountOf(std::string_view token) {
    if (const std::optional<int> amount = ParseDecimalInteger(token)) return *amount;
    const std::string_view digits = token.starts_with('+') ? token.substr(1) : token;
    const bool tooLarge = !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
    return tooLarge ? std::numeric_limits<int>::max() : 1;
}

std::string PaddedToTwo(std::string_view token) { return PadLeftZeros(std::string(token), 2); }

// A single digit gets a leading "0"; anything else stays as it is.
std::string DesignNumber(std::string_view token) {
    std::string number(token);
    if (number.size() == 1 && number[0] >= '0' && number[0] <= '9') number.insert(number.begin(), '0');
    return number;
}

// Name and kind of a position come from the vocabulary entry, when there is one.
void AppendValue(TLabelRecord& record, const std::vector<TField>& vocabulary, std::string_view value) {
    const auto position = static_cast<std::size_t>(record.FieldCount());
    if (position >= vocabulary.size()) {
        record.AppendField(nullptr, '\0', value);
        return;
    }
    const TField& entry = vocabulary[position];
    record.AppendField(&entry.Name, entry.Type == "Text" ? KindText : KindBarcode, value);
}

// The values part of a separated line, with the separator and the end-of-line
// mark appended; once only the mark is left, every further value is empty.
class TValueReader {
public:
    TValueReader(std::string_view rest, char separator)
        : text_(std::string(rest) + separator + std::string(kEndOfLine)), cursor_(text_, separator) {}
    TValueReader(const TValueReader&) = delete;
    TValueReader& operator=(const TValueReader&) = delete;

    std::string_view Next() { return cursor_.Rest() == kEndOfLine ? std::string_view() : cursor_.Next(); }

private:
    std::string text_;
    TTokenCursor cursor_;
};

// Positions an ORS line leaves out: a tail of the 45 header positions, and in
// each of the 30 row groups of 15 that follow, all but the first 7.
struct TOrsGaps {
    static constexpr int HeaderCount = 45;
    static constexpr int RowSize = 15;
    static constexpr int RowCarried = 7;

    int HeaderFrom = HeaderCount;
    bool RowTails = false;

    static TOrsGaps ForVariant(std::string_view variant) {
        if (variant == "P") return {32, true};
        if (variant == "P1") return {34, true};
        return {};
    }
    bool LeavesOut(int position) const {
        if (position < HeaderCount) return position >= HeaderFrom;
        return RowTails && (position - HeaderCount) % RowSize >= RowCarried;
    }
};

void ReadValues(TValueReader& values, const std::vector<TField>& vocabulary, int count, TLabelRecord& record) {
    while (record.FieldCount() < count) AppendValue(record, vocabulary, values.Next());
}

// Value 0 names the variant and is kept as "P" whatever it was.
void ReadOrsValues(TValueReader& values, const std::vector<TField>& vocabulary, int count, TLabelRecord& record) {
    const TOrsGaps gaps = TOrsGaps::ForVariant(values.Next());
    AppendValue(record, vocabulary, "P");
    while (record.FieldCount() < count)
        AppendValue(record, vocabulary, gaps.LeavesOut(record.FieldCount()) ? std::string_view() : values.Next());
}

std::string FieldError(int field, const std::string& problem) {
    return "field " + std::to_string(field) + ": " + problem;
}

// Reads one Legacy field from the front of `rest`; throws when it is malformed.
void ReadLegacyField(std::string_view& rest, const std::vector<TField>& vocabulary, TLabelRecord& record) {
    constexpr std::size_t kValueStart = 6;  // kind, two width digits, three ignored characters
    const int field = record.FieldCount() + 1;
    if (rest.empty()) throw TLabelFormatError(FieldError(field, "the line ends before its closing ***"));
    if (rest.starts_with(kLegacyMarker) && field == 1)
        throw TLabelFormatError("the line has no field before its closing ***");
    if (rest.starts_with(kLegacyMarker))
        throw TLabelFormatError(FieldError(field, "text after the closing ***: \"" + std::string(rest) + "\""));
    const std::string_view widthText = Slice(rest, 1, 2);
    const std::optional<int> width = ParseDecimalInteger(widthText);
    if (!width || *width < 0)
        throw TLabelFormatError(FieldError(field, "width \"" + std::string(widthText) + "\" is not a decimal number"));
    const std::size_t end = kValueStart + static_cast<std::size_t>(*width);
    if (rest.size() < end) throw TLabelFormatError(FieldError(field, "the line ends inside the field"));

    const std::string* name = record.FieldCount() < static_cast<int>(vocabulary.size())
                                  ? &vocabulary[static_cast<std::size_t>(record.FieldCount())].Name
                                  : nullptr;
    record.AppendField(name, rest[0], rest.substr(kValueStart, end - kValueStart));
    rest.remove_prefix(end);
}

}  // namespace

void ParseLegacyLine(std::string_view line, const std::vector<TField>& vocabulary, TLabelRecord& record) {
    // A line without the marker is no label request: the record stays cleared.
    if (!line.starts_with(kLegacyMarker)) return;
    record.Amount = AmountOf(Slice(line, 3, 2));
    record.Design = Slice(line, 5, 2);
    std::string_view rest = Slice(line, 7, std::string_view::npos);
    do {
        ReadLegacyField(rest, vocabulary, record);
    } while (rest != kLegacyMarker && record.FieldCount() < TLabelRecord::Capacity);
}

void ParseVekLegacyLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                        TLabelRecord& record) {
    TTokenCursor tokens(line, separator);
    record.Amount = AmountOf(tokens.Next());
    record.Design = PaddedToTwo(tokens.Next());
    TValueReader values(tokens.Rest(), separator);
    ReadValues(values, vocabulary, VekLegacyValueCount, record);
}

void ParseManualLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                     TLabelRecord& record) {
    TTokenCursor tokens(line, separator);
    record.Amount = AmountOf(tokens.Next());
    record.Design = tokens.Next();
    TValueReader values(tokens.Rest(), separator);
    ReadValues(values, vocabulary, ManualValueCount, record);
}

void ParseCorvaneLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                      int valueCount, TCompaction compaction, TLabelRecord& record) {
    TTokenCursor tokens(line, separator);
    record.Amount = AmountOf(tokens.Next());
    const std::string_view design = tokens.Next();
    record.Design = std::string(design) + DesignNumber(tokens.Next());
    TValueReader values(tokens.Rest(), separator);
    if (compaction == TCompaction::Ors)
        ReadOrsValues(values, vocabulary, valueCount, record);
    else
        ReadValues(values, vocabulary, valueCount, record);
}

void ParseTamberLine(std::string_view line, const std::vector<TField>& vocabulary, char separator,
                     TLabelRecord& record) {
    TTokenCursor tokens(line, separator);
    record.Amount = AmountOf(tokens.Next());
    const std::string_view design = tokens.Next();
    record.Design = std::string(design) + PaddedToTwo(tokens.Next());
    TValueReader values(tokens.Rest(), separator);
    ReadValues(values, vocabulary, TamberValueCount, record);
}

void ParseLabelLine(TMode mode, std::string_view line, const std::vector<TField>& vocabulary, char separator,
                    TLabelRecord& record) {
    record.Mode = mode;
    switch (mode) {
        case TMode::Legacy: return ParseLegacyLine(line, vocabulary, record);
        case TMode::VekLegacy:
            return ParseVekLegacyLine(platform::Oem850ToAnsi1252(std::string(line)), vocabulary, separator, record);
        case TMode::Manual: return ParseManualLine(line, vocabulary, separator, record);
        case TMode::Corvane:
        case TMode::Direct:
            return ParseCorvaneLine(line, vocabulary, separator, CorvaneValueCount, TCompaction::None, record);
        case TMode::CorvanePWB:
            return ParseCorvaneLine(line, vocabulary, separator, CorvanePWBValueCount, TCompaction::None, record);
        case TMode::Tamber: return ParseTamberLine(line, vocabulary, separator, record);
        case TMode::DirectORS:
        case TMode::CorvaneORS:
            return ParseCorvaneLine(line, vocabulary, separator, OrsValueCount, TCompaction::Ors, record);
    }
}

}  // namespace quill
