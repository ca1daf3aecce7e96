#include "printing/ManualLanguages.h"

#include <array>
#include <cstdio>

#include "labelrender/Design.h"

namespace quill {

namespace {

constexpr const char* kLanguageWords[ManualLanguageCount] = {"Field", "Veld", "Feld", "Champ"};

using TLanguageFields = std::array<std::vector<TField>, ManualLanguageCount>;

const TLanguageFields& Languages() {
    static const TLanguageFields languages = [] {
        TLanguageFields all;
        for (int language = 0; language < ManualLanguageCount; ++language)
            for (int position = 0; position < ManualFieldCount; ++position) {
                char number[4];
                std::snprintf(number, sizeof number, "%02d", position + 1);
                const bool barcode = position < 2;
                all[static_cast<std::size_t>(language)].push_back(
                    {std::string(kLanguageWords[language]) + "_" + number + (barcode ? "_Barcode" : ""),
                     barcode ? "Barcode" : "Text"});
            }
        return all;
    }();
    return languages;
}

}  // namespace

const std::vector<TField>& ManualLanguageFields(int language) {
    return Languages()[static_cast<std::size_t>(language)];
}

const std::string& ManualFieldName(int language, int position) {
    return ManualLanguageFields(language)[static_cast<std::size_t>(position)].Name;
}

bool IsManualFieldName(std::string_view name, int position) {
    if (position < 0 || position >= ManualFieldCount) return false;
    for (int language = 0; language < ManualLanguageCount; ++language)
        if (ManualFieldName(language, position) == name) return true;
    return false;
}

int ManualDesignLanguage(const std::function<bool(const std::string&)>& isUsed) {
    for (int language = 0; language < ManualLanguageCount; ++language)
        for (int position = 0; position < ManualFieldCount; ++position)
            if (isUsed(ManualFieldName(language, position))) return language;
    return -1;
}

int ManualLanguageOfDesign(const std::string& designPath) {
    labelrender::Design design;
    if (!labelrender::Design::Load(designPath, design).ok()) return ManualEnglish;
    const int language = ManualDesignLanguage([&](const std::string& name) { return design.UsesVariable(name); });
    return language < 0 ? ManualEnglish : language;
}

}  // namespace quill
