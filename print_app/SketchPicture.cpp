#include "print_app/SketchPicture.h"

#include "platform/FileOps.h"

namespace quill {

const QImage& TSketchPicture::Image() const {
    if (!image_) {
        image_.emplace();
        // Pictures are read only as plain files: no links, no FIFOs.
        if (!path_.empty() && platform::KindOf(path_) == platform::FileKind::Regular)
            image_->load(QString::fromStdString(path_), "BMP");
    }
    return *image_;
}

}  // namespace quill
