#pragma once
// A small picture of what a variable becomes on the label: a letter for a
// text, bars for a barcode, a square of modules for a DataMatrix symbol.
// Drawn in the given colour, so it follows light and dark palettes.
#include <QColor>
#include <QIcon>

#include "labelrender/LabelJob.h"

namespace quill::designer {

QIcon VariableTypeIcon(labelrender::VariableType type, const QColor& colour);

}  // namespace quill::designer
