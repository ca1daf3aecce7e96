#include "labelrender/SymbolLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "labelrender/LabelJob.h"

namespace quill::labelrender {

namespace {

constexpr double kMicrometresPerInch = 25400.0;
// Room for a box that is exactly as large as it must be, after rounding.
constexpr double kSlack = 1e-6;

// The human-readable line: symbologies set their digits at a height tied to
// the module; on a 203 dpi printer a module of one dot would make that
// unreadable, hence a floor. A quarter of the box at most, so the bars keep
// most of the height.
constexpr double kTextModules = 8.0;
constexpr double kTextModulesEanUpc = 11.0;   // EAN/UPC digits are larger by their rules
constexpr double kMaxTextShareOfBox = 0.25;
constexpr double kTextLineFactor = 1.25;      // the line with its gap above the text
constexpr double kTextDescentFactor = 0.25;

bool IsEanUpc(const VectorSymbol& symbol) {
    return symbol.symbologyName.starts_with("EAN") || symbol.symbologyName.starts_with("UPC");
}

bool IsLinear(const VectorSymbol& symbol) { return symbol.shape == SymbolShape::Linear; }

struct Modules {
    double fullWidth, fullHeight, inkWidth, inkHeight;
};

Modules ModulesOf(const VectorSymbol& s) {
    return {s.Modules(s.width), s.Modules(s.height), s.Modules(s.inkRight - s.inkLeft),
            s.Modules(s.inkBottom - s.inkTop)};
}

// Whole dots per module that fit `space` for a symbol `modules` wide.
int DotsThatFit(double spaceUm, double modules, double dotUm) {
    if (modules <= 0) return 0;
    return static_cast<int>(std::floor(spaceUm / (modules * dotUm) + kSlack));
}

std::string DpiText(double dpi) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", dpi);
    return buffer;
}

}  // namespace

std::string MmText(double micrometres) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.3f", micrometres / 1000.0);
    std::string text = buffer;
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

BoxSize MinimumBox(const VectorSymbol& symbol, double dotsPerInch) {
    if (dotsPerInch <= 0) return {};
    const double dot = kMicrometresPerInch / dotsPerInch;
    const Modules m = ModulesOf(symbol);
    if (IsLinear(symbol)) return {std::ceil(m.inkWidth * dot), 0};
    return {std::ceil(m.inkWidth * dot), std::ceil(m.inkHeight * dot)};
}

double MinimumModuleUm(const VectorSymbol& symbol) {
    // GS1's published minimums for retail and GS1 symbols; 0.19 mm is where
    // ordinary scanners stop for everything else.
    if (IsEanUpc(symbol)) return 264;
    if (symbol.symbologyName.starts_with("GS1")) return 250;
    return 190;
}

Status PlaceSymbol(const VectorSymbol& symbol, double boxWidthUm, double boxHeightUm, double dotsPerInch,
                   SymbolPlacement& out) {
    out = {};
    if (symbol.width <= 0 || symbol.height <= 0) return Status::Ok();
    const bool linear = IsLinear(symbol);
    const Modules m = ModulesOf(symbol);

    if (dotsPerInch > 0) {
        const double dot = kMicrometresPerInch / dotsPerInch;
        int dots = DotsThatFit(boxWidthUm, m.fullWidth, dot);
        if (!linear) dots = std::min(dots, DotsThatFit(boxHeightUm, m.fullHeight, dot));
        if (dots < 1) {
            const bool inkFits = DotsThatFit(boxWidthUm, m.inkWidth, dot) >= 1 &&
                                 (linear || DotsThatFit(boxHeightUm, m.inkHeight, dot) >= 1);
            if (!inkFits) {
                const BoxSize need = MinimumBox(symbol, dotsPerInch);
                const std::string size = linear ? MmText(need.widthUm) + " mm wide"
                                                : MmText(need.widthUm) + " x " + MmText(need.heightUm) + " mm";
                const std::string has = linear ? MmText(boxWidthUm) + " mm wide"
                                               : MmText(boxWidthUm) + " x " + MmText(boxHeightUm) + " mm";
                return Status::Error(LL_ERR_BARCODE, symbol.symbologyName + " needs a box at least " + size + " at " +
                                                         DpiText(dotsPerInch) +
                                                         " dpi (one printer dot per module); the box is " + has);
            }
            dots = 1;
        }
        out.moduleDots = dots;
        out.moduleUm = dots * dot;
    } else {
        out.moduleUm = boxWidthUm / m.fullWidth;
        if (!linear) out.moduleUm = std::min(out.moduleUm, boxHeightUm / m.fullHeight);
    }
    out.unitX = out.moduleUm / kUnitsPerModule;
    out.x = (boxWidthUm - symbol.width * out.unitX) / 2;

    double barsHeight = boxHeightUm;
    if (linear && !symbol.humanReadable.empty()) {
        const double modules = IsEanUpc(symbol) ? kTextModulesEanUpc : kTextModules;
        out.textSizeUm = std::min(std::max(modules * out.moduleUm, kMinHumanReadableUm), kMaxTextShareOfBox * boxHeightUm);
        barsHeight = boxHeightUm - kTextLineFactor * out.textSizeUm;
        out.textBaselineUm = boxHeightUm - kTextDescentFactor * out.textSizeUm;
        out.textCentreUm = out.x + (symbol.inkLeft + symbol.inkRight) / 2 * out.unitX;
    }
    if (linear) {
        out.unitY = symbol.inkBottom > 0 ? barsHeight / symbol.inkBottom : 0;
        out.y = 0;
    } else {
        out.unitY = out.unitX;
        out.y = (boxHeightUm - symbol.height * out.unitY) / 2;
    }
    // what is left of the quiet zones on the narrowest side
    const double left = out.x + symbol.inkLeft * out.unitX;
    const double right = boxWidthUm - (out.x + symbol.inkRight * out.unitX);
    out.quietZoneUm = std::max(0.0, std::min(left, right));
    if (!linear) {
        const double top = out.y + symbol.inkTop * out.unitY;
        const double bottom = boxHeightUm - (out.y + symbol.inkBottom * out.unitY);
        out.quietZoneUm = std::max(0.0, std::min({out.quietZoneUm, top, bottom}));
    }
    out.quietZonesCut = out.x < -kSlack || (!linear && out.y < -kSlack);
    return Status::Ok();
}

}  // namespace quill::labelrender
