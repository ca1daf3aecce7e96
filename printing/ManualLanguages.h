#pragma once
// The sixteen fields of a Manual design in the four languages designs are
// made in, and which language a design speaks. The print window, its
// preview and the engine all pick the language the same way, so a label the
// window accepts is the label the engine prints.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/UGlobals.h"

namespace quill {

inline constexpr int ManualLanguageCount = 4;   // English, Dutch, German, French
inline constexpr int ManualFieldCount = 16;
inline constexpr int ManualEnglish = 0;

// "Field_01_Barcode", "Veld_03", ...: word, position + 1 as two digits, and
// "_Barcode" for the two barcode positions. Lives for the whole run.
const std::string& ManualFieldName(int language, int position);
// Whether `name` is the name of `position` in one of the languages.
bool IsManualFieldName(std::string_view name, int position);
// The sixteen names of one language with their kinds ("Barcode" or "Text").
const std::vector<TField>& ManualLanguageFields(int language);

// The first of English, Dutch, German and French with a name the design
// uses; -1 when it uses none.
int ManualDesignLanguage(const std::function<bool(const std::string&)>& isUsed);
// The language of the design file; English when it uses no field name or
// cannot be read (printing it then reports why).
int ManualLanguageOfDesign(const std::string& designPath);

}  // namespace quill
