#include "print_app/ManualFields.h"

#include <cstdio>

#include "core/Utilities.h"

namespace quill {

namespace {

constexpr const char* kLanguageWords[ManualLanguageCount] = {"Field", "Veld", "Feld", "Champ"};

using TNameTable = std::array<std::array<std::string, ManualFieldCount>, ManualLanguageCount>;

const TNameTable& Names() {
    static const TNameTable names = [] {
        TNameTable table;
        for (int language = 0; language < ManualLanguageCount; ++language)
            for (int position = 0; position < ManualFieldCount; ++position) {
                char number[4];
                std::snprintf(number, sizeof number, "%02d", position + 1);
                std::string name = std::string(kLanguageWords[language]) + "_" + number;
                if (position < 2) name += "_Barcode";
                table[static_cast<std::size_t>(language)][static_cast<std::size_t>(position)] = name;
            }
        return table;
    }();
    return names;
}

}  // namespace

const std::string& ManualFieldName(int language, int position) {
    return Names()[static_cast<std::size_t>(language)][static_cast<std::size_t>(position)];
}

const std::vector<TField>& ManualFieldsAllLanguages() {
    static const std::vector<TField> fields = [] {
        std::vector<TField> all;
        for (int language = 0; language < ManualLanguageCount; ++language)
            for (int position = 0; position < ManualFieldCount; ++position)
                all.push_back({ManualFieldName(language, position), position < 2 ? "Barcode" : "Text"});
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
    std::vector<TEntry> entries;
    for (int language = 0; language < ManualLanguageCount; ++language) {
        entries.clear();
        bool matched = false;
        for (int position = 0; position < ManualFieldCount; ++position) {
            const std::string& name = ManualFieldName(language, position);
            TEntry entry{&UnknownFieldName(), KindText, {}};
            for (std::size_t pair = 0; pair < pairs.size(); ++pair)
                if (pairs[pair].shown && *pairs[pair].name == name) {
                    entry = {&name, ManualFieldKind(position), values[pair]};
                    matched = true;
                    break;
                }
            entries.push_back(std::move(entry));
        }
        if (matched) break;
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
