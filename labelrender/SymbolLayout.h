#pragma once
// Where and how large a symbol is drawn in its box. On a printer of known
// resolution every module is a whole number of printer dots: bars that fall
// between dots are rounded unevenly by the printer's raster filter and may
// not scan. Without a resolution the symbol fills its box, as on screen.
#include "labelrender/Status.h"
#include "labelrender/Symbol.h"

namespace quill::labelrender {

// The smallest text under linear symbols that stays readable on a 203 dpi printer.
inline constexpr double kMinHumanReadableUm = 2200.0;

struct SymbolPlacement {
    double moduleUm = 0;          // width (two-dimensional symbols: also height) of one module
    int moduleDots = 0;           // printer dots per module; 0 when the resolution is unknown
    double x = 0, y = 0;          // top-left of the symbol with its quiet zones, from the box's corner
    double unitX = 0, unitY = 0;  // micrometres per encoder unit across and down
    double quietZoneUm = 0;       // the narrowest quiet zone left inside the box
    bool quietZonesCut = false;   // the box is too small for the symbol's quiet zones
    // The human-readable line under linear symbols: pixel size 0 for none.
    double textSizeUm = 0;
    double textBaselineUm = 0;    // from the box's top
    double textCentreUm = 0;      // from the box's left
};

struct BoxSize {
    double widthUm = 0;
    double heightUm = 0;   // 0: any height will do
};

// The smallest box, in the contents' orientation, that holds the symbol's
// modules (not its quiet zones) at one printer dot each.
BoxSize MinimumBox(const VectorSymbol& symbol, double dotsPerInch);

// Lays the symbol out in a box of the contents' orientation. With a
// resolution (dotsPerInch > 0) modules are whole dots, as many as fit,
// quiet zones kept when they fit; LL_ERR_BARCODE, with the size the box
// needs, when not even one dot per module fits.
Status PlaceSymbol(const VectorSymbol& symbol, double boxWidthUm, double boxHeightUm, double dotsPerInch,
                   SymbolPlacement& out);

// The narrowest module the symbology's rules allow, in micrometres.
double MinimumModuleUm(const VectorSymbol& symbol);

// "12.345" without trailing zeros.
std::string MmText(double micrometres);

}  // namespace quill::labelrender
