#include "labelrender/PrinterSettings.h"

#include <algorithm>
#include <filesystem>

#include "platform/FileOps.h"
#include "platform/IniDocument.h"

namespace quill::labelrender {

std::optional<PrinterSettings> PrinterSettings::Load(const std::string& path) {
    const auto bytes = platform::FileExists(path) ? platform::ReadWholeFile(path) : std::nullopt;
    if (!bytes) return std::nullopt;
    const platform::IniDocument doc(*bytes);
    PrinterSettings settings;
    if (const auto name = doc.Value("Printer", "Name")) {
        std::string_view value = *name;
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        settings.name = std::string(value);
    }
    if (const auto copies = doc.Value("Printer", "Copies")) {
        try {
            settings.copies = std::clamp(std::stoi(std::string(*copies)), 1, 999);
        } catch (const std::exception&) {
            settings.copies = 1;
        }
    }
    if (const auto resolution = doc.Value("Printer", "Resolution")) {
        try {
            const int dpi = std::stoi(std::string(*resolution));
            if (dpi >= kMinPrinterDpi && dpi <= kMaxPrinterDpi) settings.resolution = dpi;
        } catch (const std::exception&) {
            // not a number: the printer's own resolution holds
        }
    }
    return settings;
}

bool PrinterSettings::Save(const std::string& path) const {
    platform::IniDocument doc("");
    doc.Set("Printer", "FormatVersion", "1");
    doc.Set("Printer", "Name", name);
    doc.Set("Printer", "Copies", std::to_string(copies));
    if (resolution > 0) doc.Set("Printer", "Resolution", std::to_string(resolution));
    return platform::WriteWholeFile(path, doc.Bytes());
}

std::string PrinterSettingsPath(const std::string& folder, const std::string& designPath) {
    std::string dir = folder.empty() ? std::filesystem::path(designPath).parent_path().string() : folder;
    if (!dir.empty() && dir.back() != '/') dir += '/';
    const std::string name = std::filesystem::path(designPath).stem().string() + ".lbp";
    return platform::FindCaseInsensitive(dir, name);
}

}  // namespace quill::labelrender
