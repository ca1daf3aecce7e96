#include "print_app/ManualFields.h"

#include "core/Utilities.h"

namespace quill {

namespace {

// The pair showing `name`, or -1.
int PairShowing(const TFieldPairs& pairs, const std::string& name) {
    for (std::size_t pair = 0; pair < pairs.size(); ++pair)
        if (pairs[pair].shown && *pairs[pair].name == name) return static_cast<int>(pair);
    return -1;
}

}  // namespace

const std::vector<TField>& ManualFieldsAllLanguages() {
    static const std::vector<TField> fields = [] {
        std::vector<TField> all;
        for (int language = 0; language < ManualLanguageCount; ++language) {
            const std::vector<TField>& names = ManualLanguageFields(language);
            all.insert(all.end(), names.begin(), names.end());
        }
        return all;
    }();
    return fields;
}

char ManualFieldKind(int position) { return position < 2 ? KindBarcode : KindText; }

const std::string& UnknownFieldName() {
    static const std::string name = "???";
    return name;
}

TDesignFields FindDesignFields(const std::function<bool(const std::string&)>& isUsed) {
    TDesignFields found;
    for (int language = 0; language < ManualLanguageCount; ++language) {
        std::size_t next = 0;
        for (int position = 0; position < ManualFieldCount; ++position) {
            const std::string& name = ManualFieldName(language, position);
            if (!isUsed(name)) continue;
            if (next == found.pairs.size()) {
                found.tooMany = true;
                break;
            }
            found.pairs[next++] = {true, language, position, &name};
            if (position == 0) found.usesFirstBarcode = true;
        }
    }
    return found;
}

std::vector<TEntry> ManualEntries(const TFieldPairs& pairs, const std::array<std::string, FieldPairCount>& values) {
    const int language =
        ManualDesignLanguage([&](const std::string& name) { return PairShowing(pairs, name) >= 0; });
    std::vector<TEntry> entries;
    for (int position = 0; position < ManualFieldCount; ++position) {
        const int pair = language < 0 ? -1 : PairShowing(pairs, ManualFieldName(language, position));
        if (pair < 0)
            entries.push_back({&UnknownFieldName(), KindText, {}});
        else
            entries.push_back({&ManualFieldName(language, position), ManualFieldKind(position),
                               values[static_cast<std::size_t>(pair)]});
    }
    return entries;
}

TLabelRecord ManualRecord(int amount, const std::string& design, const std::string& designFolder,
                          const std::vector<TEntry>& entries, const std::string* firstValue) {
    TLabelRecord record;
    record.Mode = TMode::Manual;
    record.Amount = amount;
    record.Design = design;
    record.DesignFolder = AddBackslash(designFolder);
    for (std::size_t position = 0; position < entries.size(); ++position) {
        const TEntry& entry = entries[position];
        record.AppendField(entry.name, entry.kind, position == 0 && firstValue ? *firstValue : entry.value);
    }
    return record;
}

}  // namespace quill
