#pragma once
// A design's sketch picture (N.bmp), read from the disk the first time it is
// wanted: a list holds hundreds of designs and shows one picture at a time.
#include <QImage>
#include <optional>
#include <string>

namespace quill {

class TSketchPicture {
public:
    TSketchPicture() = default;   // no picture
    explicit TSketchPicture(std::string bitmapPath) : path_(std::move(bitmapPath)) {}

    // The picture; null when there is none or the file cannot be read.
    const QImage& Image() const;
    bool IsNull() const { return Image().isNull(); }

private:
    std::string path_;
    mutable std::optional<QImage> image_;
};

}  // namespace quill
