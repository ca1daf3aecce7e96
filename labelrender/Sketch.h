#pragma once
// The sketch of a design: its first label rendered small, saved as JPEG in
// <design>.lbv for the design lists.
#include <string>

#include "labelrender/LabelContent.h"
#include "labelrender/Status.h"
#include "labelrender/Variables.h"

namespace quill::labelrender {

inline constexpr int kSketchMaxWidth = 200;
inline constexpr int kSketchJpegQuality = 75;

// <design path without extension>.lbv
std::string SketchPath(const std::string& designPath);

// Variables the design uses but the job did not define are drawn empty:
// a sketch is a picture of the layout, not a print.
Status CreateSketch(const std::string& designPath, const VariableSet& variables, const TextConversion& conversion);

}  // namespace quill::labelrender
