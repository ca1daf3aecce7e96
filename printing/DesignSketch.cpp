#include "printing/DesignSketch.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "labelrender/LabelJob.h"
#include "platform/FileOps.h"
#include "printing/PrintJob.h"
#include "printing/UImageTools.h"

namespace quill {

namespace fs = std::filesystem;

namespace {

constexpr int SketchMaxWidth = 200;

enum class SketchFormat { None, Jpeg, Bitmap };

// The library writes JPEG or BMP data whatever the extension says.
SketchFormat DetectSketchFormat(const std::string& path) {
    std::string head(18, '\0');
    std::ifstream file(path, std::ios::binary);
    file.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(file.gcount()));
    if (head.size() >= 2 && static_cast<unsigned char>(head[0]) == 0xFF && static_cast<unsigned char>(head[1]) == 0xD8)
        return SketchFormat::Jpeg;
    if (head.size() == 18 && head.starts_with("BM")) {
        std::uint32_t headerSize = 0;
        for (int i = 3; i >= 0; --i) headerSize = (headerSize << 8) | static_cast<unsigned char>(head[14 + i]);
        if (headerSize == 40 || headerSize == 12) return SketchFormat::Bitmap;
    }
    return SketchFormat::None;
}

// Copying a file onto itself would truncate it.
bool CopyDesign(const std::string& source, const std::string& target) {
    std::error_code ec;
    if (fs::equivalent(source, target, ec)) return true;
    return fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
}

}  // namespace

bool CopyWhenNewer(const std::string& source, const std::string& target) {
    const std::optional<std::int64_t> sourceTime = platform::LastWriteTimeNs(source);
    if (!sourceTime) return false;
    const std::optional<std::int64_t> targetTime = platform::LastWriteTimeNs(target);
    if (targetTime && *targetTime >= *sourceTime) return true;
    std::error_code ec;
    return fs::copy_file(source, target, fs::copy_options::overwrite_existing, ec);
}

bool CreateSketch(TMode mode, const std::string& sourceFolder, const std::string& targetFolder,
                  const TLabelRecord& record, const std::string& designFileName) {
    try {
        const std::string source = platform::FindCaseInsensitive(AddBackslash(sourceFolder), designFileName);
        const std::string target = AddBackslash(targetFolder) + fs::path(source).filename().string();
        if (!CopyDesign(source, target)) return false;
        labelrender::LabelJob job;
        const bool manual = mode == TMode::Manual;
        const int manualLanguage = manual ? ManualLanguageOfDesign(target) : ManualEnglish;
        DefineDesignVariables(job, mode, manual ? ManualLanguageFields(manualLanguage) : quill::Mode(mode).Fields);
        if (record.FieldCount() > 0) DefineLabelVariables(job, record, manualLanguage);
        return job.LlCreateSketch(labelrender::LL_PROJECT_LABEL, target) == 0;
    } catch (const std::exception& e) {
        LogException("UProcs", "CreateSketch", "Exception", e.what());
        return false;
    }
}

void ConvertSketch(const std::string& folder, const std::string& designFileName) {
    const std::string stem = fs::path(designFileName).stem().string();
    const std::string base = AddBackslash(folder) + stem;
    const std::string bitmap = base + ".bmp";
    platform::DeleteFile(bitmap);
    const std::string sketch = platform::FindCaseInsensitive(AddBackslash(folder), stem + ".lbv");
    switch (DetectSketchFormat(sketch)) {
    case SketchFormat::Jpeg: {
        const std::string jpeg = base + ".jpg";
        ResizeImage(sketch, SketchMaxWidth);
        CopyWhenNewer(sketch, jpeg);
        if (platform::FileExists(jpeg)) Jpeg2Bmp(bitmap, jpeg);
        break;
    }
    case SketchFormat::Bitmap:
        CopyWhenNewer(sketch, bitmap);
        break;
    case SketchFormat::None:
        break;
    }
}

}  // namespace quill
