#include "printing/DesignSketch.h"

#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>

#include "core/Logging.h"
#include "core/Utilities.h"
#include "labelrender/LabelJob.h"
#include "platform/FileOps.h"
#include "printing/JpegFile.h"
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

struct TSketchFiles {
    std::string sketch;   // B.lbv as it is spelt in the folder
    std::string jpeg;
    std::string bitmap;
};

TSketchFiles SketchFilesOf(const std::string& folder, const std::string& designFileName) {
    const std::string stem = fs::path(designFileName).stem().string();
    const std::string base = AddBackslash(folder) + stem;
    return {platform::FindCaseInsensitive(AddBackslash(folder), stem + ".lbv"), base + ".jpg", base + ".bmp"};
}

// Whether converting again would write the B.bmp that is there: it is
// strictly newer than what it is made from (a write within the same clock
// tick must not hide a change), and a JPEG sketch needs no shrinking and no
// new copy in B.jpg.
bool SketchPictureIsCurrent(const TSketchFiles& files) {
    const std::optional<std::int64_t> bitmapTime = platform::LastWriteTimeNs(files.bitmap);
    const std::optional<std::int64_t> sketchTime = platform::LastWriteTimeNs(files.sketch);
    if (!bitmapTime || !sketchTime || *bitmapTime <= *sketchTime) return false;
    switch (DetectSketchFormat(files.sketch)) {
    case SketchFormat::Jpeg: {
        const std::optional<std::int64_t> jpegTime = platform::LastWriteTimeNs(files.jpeg);
        const std::optional<int> width = JpegWidth(files.sketch);
        return jpegTime && *jpegTime >= *sketchTime && *bitmapTime > *jpegTime && width && *width <= SketchMaxWidth;
    }
    case SketchFormat::Bitmap: return true;
    case SketchFormat::None: return false;
    }
    return false;
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
    const TSketchFiles files = SketchFilesOf(folder, designFileName);
    platform::DeleteFile(files.bitmap);
    switch (DetectSketchFormat(files.sketch)) {
    case SketchFormat::Jpeg:
        ResizeImage(files.sketch, SketchMaxWidth);
        CopyWhenNewer(files.sketch, files.jpeg);
        if (platform::FileExists(files.jpeg)) Jpeg2Bmp(files.bitmap, files.jpeg);
        break;
    case SketchFormat::Bitmap:
        CopyWhenNewer(files.sketch, files.bitmap);
        break;
    case SketchFormat::None:
        break;
    }
}

void ConvertSketchWhenChanged(const std::string& folder, const std::string& designFileName) {
    if (!SketchPictureIsCurrent(SketchFilesOf(folder, designFileName))) ConvertSketch(folder, designFileName);
}

}  // namespace quill
