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
#include "labelrender/SymbolLayout.h"
#include "labelrender/Variables.h"

namespace quill::labelrender {

struct ObjectContent {
    QString text;                                  // Text objects
    std::shared_ptr<const VectorSymbol> symbol;    // Barcode, DataMatrix, QRCode; null draws nothing
    SymbolPlacement placement;                     // of the symbol in its box
    QImage image;                                  // Image objects
};

// Index-aligned with Design::objects.
struct LabelContent {
    std::vector<ObjectContent> objects;
    // The printer's resolution, whose dot grid symbols are placed on; 0 when unknown.
    double dotsPerInch = 0;
    // The printer's calibration scale: the page is painted that much larger,
    // symbols keep their whole dots.
    double calibrationFactor = 1;
};

// How variable bytes become text: their code page, and the bytes that stand
// for a tab and a line break (0 for none).
struct TextConversion {
    int codePage = 0;
    int tabCode = 0;
    int returnCode = 0;
};

// An object's contents with the variables' values, as UTF-8.
std::string ExpandContents(const ContentTemplate& contents, const VariableSet& variables,
                           const TextConversion& conversion);
// What to encode for a symbol object; nullopt for objects that are not symbols.
std::optional<SymbolRequest> SymbolRequestFor(const ObjectKind& kind, std::string data);

// The object's box as its contents see it: width and height swapped when turned by 90 or 270 degrees.
BoxSize ContentBox(const DesignObject& object);

class LabelFiller {
public:
    // Symbols are laid out for a printer of `dotsPerInch` (0: unknown, symbols fill their boxes).
    explicit LabelFiller(const Design& design, double dotsPerInch = 0, double calibrationFactor = 1);

    // Loads the design's pictures (names relative to `designFolder`);
    // LL_ERR_IMAGE when one is missing or unreadable; with `failures`,
    // every one is listed there and the others are loaded.
    Status LoadImages(const std::string& designFolder, std::vector<Status>* failures = nullptr);
    // LL_ERR_BARCODE (and the object's name) when a symbol cannot be encoded
    // or its box cannot hold it at one printer dot per module; the content
    // is then incomplete and must not be painted. With `failures` every
    // symbol that fails is listed there and left empty, and the others are
    // filled: what a designer shows.
    Status Fill(const VariableSet& variables, const TextConversion& conversion,
                std::vector<Status>* failures = nullptr);

    const LabelContent& content() const { return content_; }

private:
    const Design& design_;
    LabelContent content_;
    std::vector<std::optional<std::string>> encodedData_;   // data behind each symbol
};

}  // namespace quill::labelrender
