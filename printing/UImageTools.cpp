#include "printing/UImageTools.h"

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <filesystem>

#include "core/Logging.h"
#include "platform/FileOps.h"

namespace quill {

namespace {

constexpr int SketchQuality = 75;

// Source position of `index` in 16.16 fixed point, mapping 0..to-1 onto
// 0..from-1; computed per pixel, so the far corner lands exactly.
std::int64_t SourcePosition(int index, int from, int to) {
    return to > 1 ? (std::int64_t{index} * (from - 1) << 16) / (to - 1) : 0;
}

std::uint8_t Blend(std::uint8_t a, std::uint8_t b, std::int64_t weight) {
    return static_cast<std::uint8_t>((a * (0x10000 - weight) + b * weight) >> 16);
}

// The file with its extension replaced, as the sketch's safety copy.
std::string BackupName(const std::string& file) {
    return std::filesystem::path(file).replace_extension(".$$$").string();
}

// Writes the scaled picture over `file`, keeping the old one until the new
// one is safely written.
bool ReplaceJpeg(const std::string& file, const TRgbImage& scaled, std::string& error) {
    const std::string backup = BackupName(file);
    platform::DeleteFile(backup);
    if (!platform::RenameNoReplace(file, backup)) {
        error = "cannot rename " + file;
        return false;
    }
    if (!SaveJpeg(scaled, file, SketchQuality, error)) {
        platform::DeleteFile(file);
        platform::RenameNoReplace(backup, file);
        return false;
    }
    platform::DeleteFile(backup);
    return true;
}

}  // namespace

TRgbImage ScaleBilinear(const TRgbImage& source, int width, int height) {
    TRgbImage result;
    result.Width = width;
    result.Height = height;
    result.Pixels.resize(static_cast<std::size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const std::int64_t fy = SourcePosition(y, source.Height, height);
        const int y0 = static_cast<int>(fy >> 16);
        const int y1 = std::min(y0 + 1, source.Height - 1);
        const std::int64_t wy = fy & 0xFFFF;
        const std::uint8_t* top = source.Row(y0);
        const std::uint8_t* bottom = source.Row(y1);
        std::uint8_t* out = result.Row(y);
        for (int x = 0; x < width; ++x) {
            const std::int64_t fx = SourcePosition(x, source.Width, width);
            const int x0 = static_cast<int>(fx >> 16);
            const int x1 = std::min(x0 + 1, source.Width - 1);
            const std::int64_t wx = fx & 0xFFFF;
            for (int c = 0; c < 3; ++c) {
                const std::uint8_t upper = Blend(top[x0 * 3 + c], top[x1 * 3 + c], wx);
                const std::uint8_t lower = Blend(bottom[x0 * 3 + c], bottom[x1 * 3 + c], wx);
                out[x * 3 + c] = Blend(upper, lower, wy);
            }
        }
    }
    return result;
}

bool ResizeImage(const std::string& file, int maxWidth) {
    std::string error;
    const std::optional<TRgbImage> image = LoadJpeg(file, error);
    if (!image) {
        LogException("UImageTools", "ResizeImage", "EJPEG", error);
        return false;
    }
    if (image->Width <= maxWidth) return true;
    // Integer multiply-then-divide; a very wide strip keeps one row.
    const int height = std::max(1, static_cast<int>(std::int64_t{image->Height} * maxWidth / image->Width));
    if (!ReplaceJpeg(file, ScaleBilinear(*image, maxWidth, height), error)) {
        LogException("UImageTools", "ResizeImage", "EJPEG", error);
        return false;
    }
    return true;
}

bool Jpeg2Bmp(const std::string& bmpFile, const std::string& jpegFile) {
    std::string error;
    const std::optional<TRgbImage> image = LoadJpeg(jpegFile, error);
    if (!image) {
        LogException("UProcs", "Jpeg2Bmp", "EJPEG", error);
        return false;
    }
    const QImage picture(image->Pixels.data(), image->Width, image->Height, image->Width * 3,
                         QImage::Format_RGB888);
    if (!picture.save(QString::fromStdString(bmpFile), "BMP")) {
        LogException("UProcs", "Jpeg2Bmp", "EWriteError", "cannot write " + bmpFile);
        return false;
    }
    return true;
}

}  // namespace quill
