#include "print_app/DesignDescriptions.h"

#include <exception>

#include "core/Logging.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"

namespace quill {

namespace {
constexpr const char* Section = "Description";
constexpr const char* Key = "Text";
}  // namespace

std::string ReadLabelDescription(const std::string& designPath) {
    try {
        if (!platform::FileExists(designPath)) return {};
        std::string text = platform::IniFile(designPath).ReadString(Section, Key, "");
        return text.starts_with('?') ? std::string() : text;
    } catch (const std::exception&) {
        AddLog("Error during ReadLabelDescription");
        return {};
    }
}

bool WriteLabelDescription(const std::string& designPath, const std::string& text) {
    try {
        if (!platform::FileExists(designPath)) return false;
        if (platform::IniFile(designPath).WriteString(Section, Key, text)) return true;
    } catch (const std::exception&) {
    }
    AddLog("Error during WriteLabelDescription");
    return false;
}

}  // namespace quill
