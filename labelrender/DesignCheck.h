#pragma once
// The print-quality check the designer and the engine share: for every
// symbol of a design on a given printer its module size and quiet zones,
// and everything that would make a label scan badly or show less than it
// should, found with the values the caller gives (sample values when
// designing, the first label's when printing).
#include <string>
#include <vector>

#include "labelrender/Design.h"
#include "labelrender/LabelContent.h"
#include "labelrender/Variables.h"

namespace quill::labelrender {

struct SymbolReport {
    std::string object;            // the section, "Object3"
    std::string symbology;
    double moduleMm = 0;
    int moduleDots = 0;            // 0 when the printer's resolution is unknown
    double quietZoneMm = 0;        // the narrowest quiet zone the box leaves the symbol
    // The smallest box (as the contents see it) at one printer dot per
    // module; 0 when the resolution is unknown or the side has no limit.
    double minimumWidthMm = 0;
    double minimumHeightMm = 0;
};

struct DesignProblem {
    std::string object;   // the section, "Object3"
    std::string text;
    std::string ToString() const { return "[" + object + "] " + text; }
};

struct DesignCheck {
    double dotsPerInch = 0;
    std::vector<SymbolReport> symbols;
    std::vector<DesignProblem> problems;
};

// `dotsPerInch` 0 checks for a printer of unknown resolution.
DesignCheck CheckDesign(const Design& design, const VariableSet& values, const TextConversion& conversion,
                        double dotsPerInch);

}  // namespace quill::labelrender
