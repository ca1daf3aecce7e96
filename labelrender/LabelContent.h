#pragma once
// What one label shows: per design object its text, its encoded symbol or
// its picture, made from the current variables. LabelFiller keeps it up to
// date label after label and re-encodes a symbol only when its data changed.
#include <QImage>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "labelrender/Design.h"
#include "labelrender/Status.h"
#include "labelrender/Symbol.h"
#include "labelrender/Variables.h"

namespace quill::labelrender {

struct ObjectContent {
    QString text;                                  // Text objects
    std::shared_ptr<const VectorSymbol> symbol;    // Barcode, DataMatrix, QRCode; null draws nothing
    QImage image;                                  // Image objects
};

// Index-aligned with Design::objects.
struct LabelContent {
    std::vector<ObjectContent> objects;
};

// How variable bytes become text: their code page, and the bytes that stand
// for a tab and a line break (0 for none).
struct TextConversion {
    int codePage = 0;
    int tabCode = 0;
    int returnCode = 0;
};

class LabelFiller {
public:
    explicit LabelFiller(const Design& design);

    // Loads the design's pictures (names relative to `designFolder`);
    // LL_ERR_IMAGE when one is missing or unreadable.
    Status LoadImages(const std::string& designFolder);
    // LL_ERR_BARCODE (and the object's name) when a symbol cannot be encoded;
    // the content is then incomplete and must not be painted.
    Status Fill(const VariableSet& variables, const TextConversion& conversion);

    const LabelContent& content() const { return content_; }

private:
    const Design& design_;
    LabelContent content_;
    std::vector<std::optional<std::string>> encodedData_;   // data behind each symbol
};

}  // namespace quill::labelrender
