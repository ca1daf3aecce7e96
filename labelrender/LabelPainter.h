#pragma once
// The one paint path. PDF pages, previews, sketches and the designer all
// paint a label through PaintLabel; nothing else draws design objects.
#include <QImage>

#include "labelrender/Design.h"
#include "labelrender/LabelContent.h"

class QPainter;

namespace quill::labelrender {

// Paints one label. The painter's units must be micrometres with the origin
// at the label's top-left corner (see UseMicrometres); its state is left
// as it was found.
void PaintLabel(QPainter& painter, const Design& design, const LabelContent& content);

// Scales a painter whose device has `dotsPerInch` so that one unit is one
// micrometre.
void UseMicrometres(QPainter& painter, double dotsPerInch);

// One label on white, `dotsPerInch` dots per inch.
QImage RenderLabelImage(const Design& design, const LabelContent& content, double dotsPerInch);

}  // namespace quill::labelrender
