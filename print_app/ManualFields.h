#pragma once
// The sixteen fields a Manual design can print, in the four languages
// designs are made in, and which of them a design uses: the field pairs of
// the printing windows and the entries of the label records they build.
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/LabelRecord.h"
#include "printing/ManualLanguages.h"

namespace quill {

inline constexpr int FieldPairCount = 12;

char ManualFieldKind(int position);
// The sixteen names of every language with their kinds ("Barcode" or
// "Text"), for the variables of a job: a design in any of the languages opens.
const std::vector<TField>& ManualFieldsAllLanguages();
// The name of an entry that no shown field fills.
const std::string& UnknownFieldName();

struct TFieldPair {
    bool shown = false;
    int language = -1;
    int position = -1;   // vocabulary position of the caption
    const std::string* name = nullptr;
};
using TFieldPairs = std::array<TFieldPair, FieldPairCount>;

struct TDesignFields {
    TFieldPairs pairs;
    bool usesFirstBarcode = false;   // the design uses a name at position 0
    bool tooMany = false;            // a language needed a thirteenth pair
};

// Asks, language by language and position by position, whether the design
// uses the name. Each language fills the pairs from the first one again, so
// a design mixing languages shows the later language's names first.
TDesignFields FindDesignFields(const std::function<bool(const std::string&)>& isUsed);

// One value of a label record: what the window put at a vocabulary position.
struct TEntry {
    const std::string* name;   // null for a nameless entry
    char kind;
    std::string value;         // bytes in the label code page
};

// The sixteen entries for the shown pairs' values: the shown captions' design
// language (ManualDesignLanguage) gives the names; positions no pair fills
// get "???" and an empty value.
std::vector<TEntry> ManualEntries(const TFieldPairs& pairs, const std::array<std::string, FieldPairCount>& values);

// A Manual record: mode, amount, design, design folder and the entries;
// `firstValue`, when given, replaces the value at position 0.
TLabelRecord ManualRecord(int amount, const std::string& design, const std::string& designFolder,
                          const std::vector<TEntry>& entries, const std::string* firstValue = nullptr);

}  // namespace quill
