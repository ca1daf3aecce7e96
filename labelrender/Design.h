#pragma once
// The design model: label and page geometry and the objects of one label.
// It only describes; painting is LabelPainter's job, reading and writing
// the .lbl file DesignFile's. The format is described in
// docs/design-format.md.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "labelrender/Contents.h"
#include "labelrender/Length.h"
#include "labelrender/Status.h"
#include "labelrender/Symbologies.h"

namespace quill::labelrender {

// 2: every libzint symbology, with check digit, error-correction and size
// options and GS1 contents; version 1 files read unchanged.
inline constexpr int kDesignFormatVersion = 2;

// 0xRRGGBB
struct Colour {
    std::uint32_t rgb = 0x000000;
    bool operator==(const Colour&) const = default;
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Middle, Bottom };

struct TextObject {
    ContentTemplate contents;
    std::string fontFamily = "DejaVu Sans";
    double fontSizePt = 10.0;
    bool bold = false;
    bool italic = false;
    Colour colour;
    HAlign align = HAlign::Left;
    VAlign valign = VAlign::Top;
    bool wordWrap = false;
    bool shrinkToFit = false;
    // Shrinking stops at this size (points); 0: as small as the text needs.
    double minFontSizePt = 0;
    bool operator==(const TextObject&) const = default;
};

// Any symbology; the options apply where the symbology has them.
struct BarcodeObject {
    ContentTemplate contents;
    Symbology symbology = Symbology::Interleaved2of5;
    bool humanReadable = true;
    Colour colour;
    bool checkDigit = false;   // add the optional check character
    int errorCorrection = 0;   // 0: the encoder's choice
    int size = 0;              // symbol size, version or columns; 0: the smallest that holds the data
    bool operator==(const BarcodeObject&) const = default;
};

// ECC 200, square symbol sizes unless a size is given.
struct DataMatrixObject {
    ContentTemplate contents;
    Colour colour;
    bool gs1 = false;
    int size = 0;
    bool operator==(const DataMatrixObject&) const = default;
};

struct QrCodeObject {
    ContentTemplate contents;
    Colour colour;
    bool gs1 = false;
    int errorCorrection = 0;   // 1 to 4: L, M, Q, H
    int size = 0;              // version 1 to 40
    bool operator==(const QrCodeObject&) const = default;
};

// A picture file relative to the design's folder, drawn in proportion.
struct ImageObject {
    std::string file;
    bool operator==(const ImageObject&) const = default;
};

struct Stroke {
    Length width = Length::mm(0.3);
    Colour colour;
    bool operator==(const Stroke&) const = default;
};

// From the box's top-left corner (x, y) to (x + width, y + height); the
// only object whose width and height may be negative.
struct LineObject {
    Stroke stroke;
    bool operator==(const LineObject&) const = default;
};

struct RectangleObject {
    Stroke stroke;
    std::optional<Colour> fill;
    Length cornerRadius;
    bool operator==(const RectangleObject&) const = default;
};

struct EllipseObject {
    Stroke stroke;
    std::optional<Colour> fill;
    bool operator==(const EllipseObject&) const = default;
};

using ObjectKind = std::variant<TextObject, BarcodeObject, DataMatrixObject, QrCodeObject, ImageObject, LineObject,
                                RectangleObject, EllipseObject>;

// Where an object sits on the label: the box as the reader sees it, in the
// label's coordinates (origin top-left, y down). Rotation turns the object's
// contents clockwise inside the box.
struct DesignObject {
    std::string name;   // the section, "Object3"
    Length x, y, width, height;
    int rotation = 0;   // 0, 90, 180 or 270
    ObjectKind kind;
    // Designer state kept in the file: a locked object is not moved by
    // the mouse; objects of one group (non-zero) are selected together.
    bool locked = false;
    int group = 0;

    bool operator==(const DesignObject&) const = default;

    // The contents' template, or nullptr for objects without contents.
    const ContentTemplate* Contents() const;
};

std::string_view TypeName(const ObjectKind& kind);

struct PageGeometry {
    Length labelWidth = Length::mm(50);
    Length labelHeight = Length::mm(30);
    // Empty: the page is just large enough for the labels, margins and gaps.
    std::optional<Length> pageWidth, pageHeight;
    Length marginLeft, marginTop;
    Length gapX, gapY;   // between neighbouring columns / rows
    int rows = 1;
    int cols = 1;

    bool operator==(const PageGeometry&) const = default;
    int LabelsPerPage() const { return rows * cols; }
    Length PageWidth() const;
    Length PageHeight() const;
    // Top-left corner of label position `index` (row by row, 0-based).
    Length LabelX(int index) const;
    Length LabelY(int index) const;
};

// LL_ERR_BAD_DESIGN, saying why, when the labels do not fit the page or the
// page is too large.
Status CheckPageGeometry(const PageGeometry& g);

// How leniently a design file is read. The designer opens what it can of a
// damaged or newer design so that its problems can be shown and mended.
struct DesignReadOptions {
    // Read a newer format version as far as this program understands it.
    bool acceptNewerVersion = false;
    // When given, every problem is listed here and reading goes on: broken
    // values keep their defaults, objects of unknown type are left out.
    std::vector<std::string>* problems = nullptr;
};

struct Design {
    int formatVersion = kDesignFormatVersion;
    std::string description;
    PageGeometry geometry;
    std::vector<DesignObject> objects;

    // Every variable the objects use, each once, in order of first use.
    std::vector<std::string> VariableNames() const;
    bool UsesVariable(std::string_view name) const;   // ASCII case-insensitive

    // Reads a .lbl file: LL_ERR_CFGNOTFOUND when it cannot be read,
    // LL_ERR_BAD_DESIGN, LL_ERR_BAD_OBJECTTYPE or LL_ERR_EXPRESSION when it
    // is not a valid design.
    static Status Load(const std::string& path, Design& out);
    static Status Parse(std::string_view bytes, Design& out, const DesignReadOptions& options = {});
    // Writes the whole file anew; false when it cannot be written.
    bool Save(const std::string& path) const;
    std::string ToBytes() const;
    // The file `baseBytes` (which was read as `base`) with only what differs
    // between `base` and this design rewritten: comments, the order of keys
    // and keys this program does not know are kept, and an unchanged design
    // gives `baseBytes` back byte for byte.
    std::string UpdatedBytes(const Design& base, std::string_view baseBytes) const;
};

// Limits a design must keep: beyond them it is refused, not painted.
inline constexpr int kMaxRowsOrColumns = 1000;
inline constexpr Length kMinLabelSide = Length::um(1000);
inline constexpr Length kMaxPageSide = Length::um(5'000'000);   // PDF pages end near 5 m

}  // namespace quill::labelrender
