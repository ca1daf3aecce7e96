#include "labelrender/Symbol.h"

#include <zint.h>

#include <algorithm>

#include "labelrender/LabelJob.h"

namespace quill::labelrender {

namespace {

struct ZintDeleter {
    void operator()(zint_symbol* symbol) const { ZBarcode_Delete(symbol); }
};
using ZintPtr = std::unique_ptr<zint_symbol, ZintDeleter>;

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Checks the encoder would not make: it pads an odd Interleaved 2 of 5 with
// a zero and turns short EAN input into an add-on symbol, which would print
// a different number than the label asks for.
Status PreCheck(const SymbolRequest& request) {
    const std::string& data = request.data;
    if (request.symbology == Symbology::Interleaved2of5) {
        if (!AllDigits(data))
            return Status::Error(LL_ERR_BARCODE, "Interleaved 2 of 5 takes digits only: '" + data + "'");
        if (data.size() % 2 != 0)
            return Status::Error(LL_ERR_BARCODE,
                                 "Interleaved 2 of 5 needs an even number of digits: '" + data + "' has " +
                                     std::to_string(data.size()));
    }
    if (request.symbology == Symbology::Ean13 && (!AllDigits(data) || (data.size() != 12 && data.size() != 13)))
        return Status::Error(LL_ERR_BARCODE, "EAN-13 takes 12 digits (or 13 with the check digit): '" + data + "'");
    if (request.symbology == Symbology::Ean8 && (!AllDigits(data) || (data.size() != 7 && data.size() != 8)))
        return Status::Error(LL_ERR_BARCODE, "EAN-8 takes 7 digits (or 8 with the check digit): '" + data + "'");
    return Status::Ok();
}

// Whether UTF-8 text holds a character beyond Latin-1, which the symbols'
// default character set lacks.
bool BeyondLatin1(const std::string& utf8) {
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead >= 0xC4) return true;   // U+0100 and up
    }
    return false;
}

void SetInkExtent(VectorSymbol& v) {
    float left = v.width, top = v.height, right = 0, bottom = 0;
    const auto take = [&](float x0, float y0, float x1, float y1) {
        left = std::min(left, x0);
        top = std::min(top, y0);
        right = std::max(right, x1);
        bottom = std::max(bottom, y1);
    };
    for (const auto& r : v.rects) take(r.x, r.y, r.x + r.width, r.y + r.height);
    for (const auto& h : v.hexagons) take(h.x - h.diameter / 2, h.y - h.diameter / 2, h.x + h.diameter / 2, h.y + h.diameter / 2);
    for (const auto& c : v.circles) take(c.x - c.diameter / 2, c.y - c.diameter / 2, c.x + c.diameter / 2, c.y + c.diameter / 2);
    if (right <= left || bottom <= top) left = top = 0, right = v.width, bottom = v.height;
    v.inkLeft = left;
    v.inkTop = top;
    v.inkRight = right;
    v.inkBottom = bottom;
}

}  // namespace

Status EncodeSymbol(const SymbolRequest& request, std::shared_ptr<const VectorSymbol>& out) {
    out.reset();
    if (Status s = PreCheck(request); !s.ok()) return s;

    ZintPtr symbol(ZBarcode_Create());
    if (!symbol) return Status::Error(LL_ERR_NO_MEMORY, "no memory for a barcode");
    const SymbologyInfo& info = InfoOf(request.symbology);
    const bool gs1 = (info.flags & kGs1) != 0;
    symbol->symbology = info.zint;
    // GS1 mode makes the encoder check the data against the GS1 rules; it
    // only warns about a wrong check digit or date, which must not print
    symbol->input_mode = gs1 ? GS1_MODE : UNICODE_MODE;
    if (gs1) symbol->warn_level = WARN_FAIL_ALL;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    symbol->show_hrt = 0;   // the painter sets the text, sized for the printer
    if (info.checkOn >= 0) symbol->option_2 = request.checkDigit ? info.checkOn : info.checkOff;
    if ((info.flags & kEcc) && request.errorCorrection > 0) symbol->option_1 = request.errorCorrection;
    if ((info.flags & kSize) && request.size > 0) symbol->option_2 = request.size;
    if ((info.flags & kSquare) && request.size == 0) symbol->option_3 = DM_SQUARE;
    // Left to itself the encoder picks the first character set that fits
    // (Greek for a euro sign), which few readers know; UTF-8 is widely read.
    if (info.shape != SymbolShape::Linear && !gs1 && BeyondLatin1(request.data)) symbol->eci = 26;

    std::string data = request.data;
    if (ZBarcode_Cap(info.zint, ZINT_CAP_COMPOSITE) & ZINT_CAP_COMPOSITE) {
        // the linear part goes apart, before the bar
        const std::size_t bar = data.find('|');
        if (bar == std::string::npos || bar >= sizeof symbol->primary)
            return Status::Error(LL_ERR_BARCODE, std::string(info.name) +
                                                     " takes its linear part, '|' and its two-dimensional part: '" +
                                                     data + "'");
        data.copy(symbol->primary, bar);
        symbol->primary[bar] = '\0';
        data.erase(0, bar + 1);
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.data());
    int result = ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(data.size()));
    if (result < ZINT_ERROR) result = ZBarcode_Buffer_Vector(symbol.get(), 0);
    if (result >= ZINT_ERROR) {
        const int code = result == ZINT_ERROR_MEMORY ? LL_ERR_NO_MEMORY : LL_ERR_BARCODE;
        return Status::Error(code, "cannot encode '" + request.data + "': " + symbol->errtxt);
    }

    auto vector = std::make_shared<VectorSymbol>();
    vector->shape = info.shape;
    vector->width = symbol->vector->width;
    vector->height = symbol->vector->height;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        vector->rects.push_back({r->x, r->y, r->width, r->height});
    for (const zint_vector_hexagon* h = symbol->vector->hexagons; h; h = h->next)
        vector->hexagons.push_back({h->x, h->y, h->diameter, h->rotation});
    for (const zint_vector_circle* c = symbol->vector->circles; c; c = c->next)
        vector->circles.push_back({c->x, c->y, c->diameter, c->width});
    SetInkExtent(*vector);
    if (info.shape == SymbolShape::Linear && request.humanReadable)
        vector->humanReadable = reinterpret_cast<const char*>(symbol->text);
    vector->symbologyName = info.name;
    out = std::move(vector);
    return Status::Ok();
}

}  // namespace quill::labelrender
