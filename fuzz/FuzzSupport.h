#pragma once
// Shared by the fuzz targets: the vocabularies the records point into, the
// split of an input into a choice byte and a line, and the promises every
// parsed record keeps. A broken promise aborts, which the fuzzer reports.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "core/Vocabularies.h"
#include "engine/LabelLineParsers.h"

namespace quill::fuzz {

inline const std::vector<TField>& Vocabulary(TMode mode) {
    static const auto all = [] {
        std::array<std::vector<TField>, ModeCount> vocabularies;
        for (TMode m : AllModes) vocabularies[static_cast<std::size_t>(ModeIndex(m))] = BuildVocabulary(m);
        return vocabularies;
    }();
    return all[static_cast<std::size_t>(ModeIndex(mode))];
}

inline void Require(bool promise) {
    if (!promise) std::abort();
}

// The first byte steers the target (mode, separator); the rest is the text.
struct TInput {
    std::uint8_t Choice = 0;
    std::string_view Text;
};
inline TInput SplitInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return {};
    return {data[0], std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)};
}
inline char SeparatorOf(std::uint8_t choice) { return (choice & 1) ? ';' : ','; }

// Names and kinds come from the vocabulary, positions past it have neither,
// and the values together are never longer than the line (plus ORS's "P").
inline void CheckRecord(const TLabelRecord& record, const std::vector<TField>& vocabulary, std::size_t lineSize) {
    Require(record.FieldCount() >= 0 && record.FieldCount() <= TLabelRecord::Capacity);
    std::size_t valueBytes = 0;
    for (int i = 0; i < record.FieldCount(); ++i) {
        const auto position = static_cast<std::size_t>(i);
        if (position < vocabulary.size())
            Require(record.FieldName(i) == vocabulary[position].Name);
        else
            Require(record.FieldName(i).empty());
        valueBytes += record.FieldValue(i).size();
    }
    Require(valueBytes <= lineSize + 1);
    Require(record.FieldValue(record.FieldCount()).empty() && record.FieldKind(record.FieldCount()) == '\0');
}

// One separated line of `mode`: every position up to `valueCount` is filled.
inline void FuzzSeparatedLine(TMode mode, int valueCount, TInput input) {
    TLabelRecord record;
    ParseLabelLine(mode, input.Text, Vocabulary(mode), SeparatorOf(input.Choice), record);
    Require(record.Mode == mode && record.FieldCount() == valueCount);
    CheckRecord(record, Vocabulary(mode), input.Text.size());
}

}  // namespace quill::fuzz
