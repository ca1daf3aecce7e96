#include "printing/DesignLayout.h"

#include <algorithm>
#include <exception>
#include <filesystem>

#include "core/Logging.h"
#include "platform/FileOps.h"
#include "platform/IniFile.h"

namespace quill {

namespace {

std::string FindDesign(const std::string& designPath) {
    const std::filesystem::path path(designPath);
    const std::string folder = path.has_parent_path() ? path.parent_path().string() + "/" : std::string();
    return platform::FindCaseInsensitive(folder, path.filename().string());
}

// A page holds at least one label, whatever a damaged file says: the print
// queue divides by it and waits for it to fill.
int Count(const platform::IniFile& design, const char* section, const char* key, int fallback) {
    return std::max(1, design.ReadInteger(section, key, fallback));
}

}  // namespace

std::optional<TLabelDefinition> ReadLabelDefinition(const std::string& designPath) {
    const std::string path = FindDesign(designPath);
    if (!platform::FileExists(path)) return std::nullopt;
    TLabelDefinition definition;
    try {
        const platform::IniFile design(path);
        const int rows = Count(design, "Layout", "nRows", 1);
        const int columns = Count(design, "Layout", "nCols", 1);
        definition.Rows = Count(design, "PageLayout", "Layout.Count.y", rows);
        definition.Columns = Count(design, "PageLayout", "Layout.Count.x", columns);
    } catch (const std::exception& e) {
        LogException("UProcs", "ReadLabelDefinition", "Exception", e.what());
        return TLabelDefinition{};
    }
    return definition;
}

}  // namespace quill
