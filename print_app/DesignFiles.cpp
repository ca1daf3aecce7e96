#include "print_app/DesignFiles.h"

#include <filesystem>

#include "core/Utilities.h"
#include "platform/FileOps.h"

namespace quill {

namespace fs = std::filesystem;

namespace {

// The companion as it lies in the folder, found without regard to case.
std::string ExistingCompanion(const std::string& folder, const std::string& fileName, const char* extension) {
    return platform::FindCaseInsensitive(AddBackslash(folder), DesignBaseName(fileName) + extension);
}

// Only plain files are copied: a link planted in a shared folder must not
// copy someone's file into it, nor a copy write through one.
bool CopyOver(const std::string& from, const std::string& to) {
    if (platform::KindOf(from) != platform::FileKind::Regular) return false;
    const platform::FileKind target = platform::KindOf(to);
    if (target != platform::FileKind::Missing && target != platform::FileKind::Regular) return false;
    std::error_code ec;
    if (fs::equivalent(from, to, ec)) return true;   // copying onto itself would empty it
    return fs::copy_file(from, to, fs::copy_options::overwrite_existing, ec);
}

}  // namespace

std::string DesignBaseName(const std::string& fileName) {
    return fileName.size() > 4 ? fileName.substr(0, fileName.size() - 4) : std::string();
}

std::string CompanionPath(const std::string& folder, const std::string& fileName, const char* extension) {
    return AddBackslash(folder) + DesignBaseName(fileName) + extension;
}

bool DeleteDesignFiles(const std::string& folder, const std::string& fileName) {
    const std::string design = platform::FindCaseInsensitive(AddBackslash(folder), fileName);
    platform::DeleteFile(design);
    if (platform::FileExists(design)) return false;
    for (const char* extension : {".lbv", ".bmp", ".lbp"})
        platform::DeleteFile(ExistingCompanion(folder, fileName, extension));
    return true;
}

bool DeletePrinterSettingsFile(const std::string& folder, const std::string& fileName) {
    const std::string settings = ExistingCompanion(folder, fileName, ".lbp");
    return platform::DeleteFile(settings) && !platform::FileExists(settings);
}

bool RenameDesignFiles(const std::string& folder, const std::string& oldName, const std::string& newName) {
    const std::string from = platform::FindCaseInsensitive(AddBackslash(folder), oldName);
    if (!platform::RenameNoReplace(from, AddBackslash(folder) + newName)) return false;
    for (const char* extension : {".lbv", ".lbp"}) {
        const std::string companion = ExistingCompanion(folder, oldName, extension);
        if (platform::FileExists(companion))
            platform::RenameNoReplace(companion, CompanionPath(folder, newName, extension));
    }
    return true;
}

bool CopyDesignFiles(const std::string& sourceFolder, const std::string& sourceName, const std::string& targetFolder,
                     const std::string& newName, bool overwritePrinterSettings) {
    const std::string source = platform::FindCaseInsensitive(AddBackslash(sourceFolder), sourceName);
    if (!CopyOver(source, platform::FindCaseInsensitive(AddBackslash(targetFolder), newName))) return false;
    const std::string sketch = ExistingCompanion(sourceFolder, sourceName, ".lbv");
    if (platform::FileExists(sketch)) CopyOver(sketch, ExistingCompanion(targetFolder, newName, ".lbv"));
    const std::string settings = ExistingCompanion(sourceFolder, sourceName, ".lbp");
    const std::string targetSettings = ExistingCompanion(targetFolder, newName, ".lbp");
    if (platform::FileExists(settings) && (overwritePrinterSettings || !platform::FileExists(targetSettings)))
        CopyOver(settings, targetSettings);
    return true;
}

}  // namespace quill
