#include "labelrender/Sketch.h"

#include <QImage>
#include <algorithm>
#include <filesystem>

#include "labelrender/Design.h"
#include "labelrender/LabelJob.h"
#include "labelrender/LabelPainter.h"

namespace quill::labelrender {

std::string SketchPath(const std::string& designPath) {
    return std::filesystem::path(designPath).replace_extension(".lbv").string();
}

Status CreateSketch(const std::string& designPath, const VariableSet& variables, const TextConversion& conversion) {
    Design design;
    if (Status s = Design::Load(designPath, design); !s.ok()) return s;
    LabelFiller filler(design);
    if (Status s = filler.LoadImages(std::filesystem::path(designPath).parent_path().string()); !s.ok()) return s;
    if (Status s = filler.Fill(variables, conversion); !s.ok()) return s;

    // small enough for the lists, and never a giant picture for a long, narrow label
    const double widthInches = design.geometry.labelWidth.mm() / 25.4;
    const double heightInches = design.geometry.labelHeight.mm() / 25.4;
    const double dpi = std::min({300.0, kSketchMaxWidth / widthInches, 10.0 * kSketchMaxWidth / heightInches});
    const QImage image = RenderLabelImage(design, filler.content(), dpi);
    const std::string path = SketchPath(designPath);
    if (!image.save(QString::fromStdString(path), "JPG", kSketchJpegQuality))
        return Status::Error(LL_ERR_CANNOT_CREATE_TEMPFILE, "cannot write the sketch " + path);
    return Status::Ok();
}

}  // namespace quill::labelrender
