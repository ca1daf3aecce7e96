#pragma once
// The one paint path. PDF pages, previews, sketches and the designer all
// paint a label through PaintLabel; nothing else draws design objects.
#include <QFont>
#include <QImage>
#include <QTransform>

#include "labelrender/Design.h"
#include "labelrender/LabelContent.h"

class QPainter;

namespace quill::labelrender {

// Paints one label. The painter's units must be micrometres with the origin
// at the label's top-left corner (see UseMicrometres); its state is left
// as it was found.
void PaintLabel(QPainter& painter, const Design& design, const LabelContent& content);

// From the object's contents, laid out unrotated from (0, 0), to the label.
QTransform ObjectTransform(const DesignObject& object);

// Whether a text object shows all of `value` in a box of that size (one
// that shrinks to fit always does).
bool TextFits(const TextObject& text, const QString& value, double boxWidthUm, double boxHeightUm);

// The font of the text under linear barcodes, `pixelSizeUm` high.
QFont HumanReadableFont(double pixelSizeUm);

// Scales a painter whose device has `dotsPerInch` so that one unit is one
// micrometre.
void UseMicrometres(QPainter& painter, double dotsPerInch);

// One label on white, `dotsPerInch` dots per inch.
QImage RenderLabelImage(const Design& design, const LabelContent& content, double dotsPerInch);

}  // namespace quill::labelrender
