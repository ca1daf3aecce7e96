#pragma once
// Barcodes and two-dimensional symbols, encoded by libzint into vector
// shapes of our own. libzint stays inside Symbol.cpp: its symbol is owned by
// a unique_ptr, its errors become our codes there, and a symbol is encoded
// once per contents and then painted as often as needed.
#include <memory>
#include <string>
#include <vector>

#include "labelrender/Design.h"
#include "labelrender/Symbologies.h"
#include "labelrender/Status.h"

namespace quill::labelrender {

// Shapes in the encoder's own units (kUnitsPerModule per module), origin
// top-left, quiet zones included in width and height. The human-readable
// line is not among the shapes: the painter sets it at a size of its own.
inline constexpr float kUnitsPerModule = 2.0f;

struct VectorSymbol {
    struct Rect {
        float x, y, width, height;
    };
    struct Hexagon {
        float x, y, diameter;
        int rotation;
    };
    struct Circle {
        float x, y, diameter, width;
    };
    SymbolShape shape = SymbolShape::Linear;
    float width = 0;
    float height = 0;
    std::vector<Rect> rects;
    std::vector<Hexagon> hexagons;
    std::vector<Circle> circles;
    // the extent of the shapes alone, without quiet zones
    float inkLeft = 0, inkTop = 0, inkRight = 0, inkBottom = 0;
    std::string humanReadable;   // UTF-8; empty when the symbol shows none
    std::string symbologyName;   // for messages

    float Modules(float units) const { return units / kUnitsPerModule; }
};

struct SymbolRequest {
    Symbology symbology = Symbology::Interleaved2of5;
    bool humanReadable = true;   // linear symbologies
    bool checkDigit = false;     // where the check character is optional
    int errorCorrection = 0;     // 0: the encoder's choice
    int size = 0;                // 0: the smallest that holds the data
    std::string data;            // UTF-8; composite symbols: linear part "|" two-dimensional part
};

// LL_ERR_BARCODE with the encoder's reason when the data does not fit the
// symbology (letters in Interleaved 2 of 5, a wrong EAN-13 length or check
// digit, GS1 data that breaks the GS1 rules, ...); LL_ERR_NO_MEMORY when
// the encoder runs out of memory.
Status EncodeSymbol(const SymbolRequest& request, std::shared_ptr<const VectorSymbol>& out);

}  // namespace quill::labelrender
