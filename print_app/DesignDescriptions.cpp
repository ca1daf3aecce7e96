#include "print_app/DesignDescriptions.h"

#include <exception>
#include <filesystem>

#include "core/Logging.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"

namespace quill {

namespace {
constexpr const char* Section = "Description";
constexpr const char* Key = "Text";
}  // namespace

bool IsReadableDesignSize(const std::string& designPath) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(designPath, ec);
    return !ec && size <= static_cast<std::uintmax_t>(MaxDesignFileBytes);
}

std::string ReadLabelDescription(const std::string& designPath) {
    try {
        if (!platform::FileExists(designPath)) return {};
        if (!IsReadableDesignSize(designPath)) {
            AddLog("Error during ReadLabelDescription");
            return {};
        }
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
        if (IsReadableDesignSize(designPath) && platform::IniFile(designPath).WriteString(Section, Key, text)) return true;
    } catch (const std::exception&) {
    }
    AddLog("Error during WriteLabelDescription");
    return false;
}

}  // namespace quill
