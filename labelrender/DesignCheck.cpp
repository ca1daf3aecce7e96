#include "labelrender/DesignCheck.h"

#include <QFontMetricsF>
#include <QRectF>

#include "labelrender/LabelPainter.h"

namespace quill::labelrender {

namespace {

double Mm(double micrometres) { return micrometres / 1000.0; }

class Checker {
public:
    Checker(const Design& design, DesignCheck& out) : design_(design), out_(out) {}

    void Problem(const DesignObject& object, std::string text) { out_.problems.push_back({object.name, std::move(text)}); }

    void Symbol(const DesignObject& object, const SymbolRequest& request) {
        std::shared_ptr<const VectorSymbol> symbol;
        if (Status s = EncodeSymbol(request, symbol); !s.ok()) {
            Problem(object, "the value cannot be encoded: " + s.message);
            return;
        }
        const BoxSize box = ContentBox(object);
        SymbolPlacement place;
        if (Status s = PlaceSymbol(*symbol, box.widthUm, box.heightUm, out_.dotsPerInch, place); !s.ok()) {
            Problem(object, s.message);
            return;
        }
        const BoxSize minimum = MinimumBox(*symbol, out_.dotsPerInch);
        out_.symbols.push_back({object.name, symbol->symbologyName, Mm(place.moduleUm), place.moduleDots,
                                Mm(place.quietZoneUm), Mm(minimum.widthUm), Mm(minimum.heightUm)});
        const double least = MinimumModuleUm(*symbol);
        if (place.moduleUm + 0.5 < least)
            Problem(object, "the module of " + MmText(place.moduleUm) + " mm is below the " + MmText(least) +
                                " mm " + symbol->symbologyName + " needs");
        if (place.quietZonesCut)
            Problem(object, "the box cuts the quiet zones: " + MmText(symbol->width * place.unitX) + " mm wide " +
                                "with them");
        else if (CutByLabelEdge(object, *symbol, place, box))
            Problem(object, "the label's edge cuts the symbol or its quiet zones");
        HumanReadable(object, *symbol, place, box);
    }

    void Text(const DesignObject& object, const TextObject& text, const std::string& value) {
        const BoxSize box = ContentBox(object);
        if (!TextFits(text, QString::fromStdString(value), box.widthUm, box.heightUm))
            Problem(object, "the text '" + value + "' does not fit its box");
    }

private:
    bool CutByLabelEdge(const DesignObject& object, const VectorSymbol& symbol, const SymbolPlacement& place,
                        const BoxSize& box) const {
        // linear symbols fill their box's height with bars and text
        const double height = symbol.shape == SymbolShape::Linear ? box.heightUm : symbol.height * place.unitY;
        const QRectF extent(place.x, place.y, symbol.width * place.unitX, height);
        const QRectF onLabel = ObjectTransform(object).mapRect(extent);
        const QRectF label(0, 0, static_cast<double>(design_.geometry.labelWidth.um()),
                           static_cast<double>(design_.geometry.labelHeight.um()));
        return !label.adjusted(-0.5, -0.5, 0.5, 0.5).contains(onLabel);
    }

    void HumanReadable(const DesignObject& object, const VectorSymbol& symbol, const SymbolPlacement& place,
                       const BoxSize& box) {
        if (place.textSizeUm <= 0) return;
        const QString text = QString::fromStdString(symbol.humanReadable);
        const double width = QFontMetricsF(HumanReadableFont(place.textSizeUm)).horizontalAdvance(text);
        if (width > box.widthUm + 0.5)
            Problem(object, "the text under the bars is wider than the box");
        if (place.textSizeUm < kMinHumanReadableUm - 0.5)
            Problem(object, "the box is too low for readable text under the bars");
    }

    const Design& design_;
    DesignCheck& out_;
};

}  // namespace

DesignCheck CheckDesign(const Design& design, const VariableSet& values, const TextConversion& conversion,
                        double dotsPerInch) {
    DesignCheck out;
    out.dotsPerInch = dotsPerInch;
    Checker checker(design, out);
    for (const DesignObject& object : design.objects) {
        const ContentTemplate* contents = object.Contents();
        if (!contents) continue;
        std::string value = ExpandContents(*contents, values, conversion);
        if (const auto* text = std::get_if<TextObject>(&object.kind)) {
            checker.Text(object, *text, value);
            continue;
        }
        if (value.empty()) continue;   // prints nothing
        if (auto request = SymbolRequestFor(object.kind, std::move(value))) checker.Symbol(object, *request);
    }
    return out;
}

}  // namespace quill::labelrender
