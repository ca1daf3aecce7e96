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

int ZintSymbology(const SymbolRequest& request) {
    switch (request.kind) {
    case SymbolKind::DataMatrix: return BARCODE_DATAMATRIX;
    case SymbolKind::QrCode: return BARCODE_QRCODE;
    case SymbolKind::Linear: break;
    }
    switch (request.symbology) {
    case Symbology::Interleaved2of5: return BARCODE_C25INTER;
    case Symbology::Code128: return BARCODE_CODE128;
    case Symbology::Code39: return BARCODE_CODE39;
    case Symbology::Ean13: return BARCODE_EANX;
    case Symbology::Gs1_128: return BARCODE_GS1_128;
    }
    return BARCODE_C25INTER;
}

bool AllDigits(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Checks the encoder would not make: it pads an odd Interleaved 2 of 5 with
// a zero and turns short EAN input into an add-on symbol, which would print
// a different number than the label asks for.
Status PreCheck(const SymbolRequest& request) {
    if (request.kind != SymbolKind::Linear) return Status::Ok();
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
    symbol->symbology = ZintSymbology(request);
    symbol->input_mode = request.kind == SymbolKind::Linear && request.symbology == Symbology::Gs1_128
                             ? GS1_MODE
                             : UNICODE_MODE;
    symbol->output_options |= BARCODE_QUIET_ZONES;
    symbol->show_hrt = 0;   // the painter sets the text, sized for the printer
    if (request.kind == SymbolKind::DataMatrix) symbol->option_3 = DM_SQUARE;
    // Left to itself the encoder picks the first character set that fits
    // (Greek for a euro sign), which few readers know; UTF-8 is widely read.
    if (request.kind != SymbolKind::Linear && BeyondLatin1(request.data)) symbol->eci = 26;

    const auto* bytes = reinterpret_cast<const unsigned char*>(request.data.data());
    int result = ZBarcode_Encode(symbol.get(), bytes, static_cast<int>(request.data.size()));
    if (result < ZINT_ERROR) result = ZBarcode_Buffer_Vector(symbol.get(), 0);
    if (result >= ZINT_ERROR) {
        const int code = result == ZINT_ERROR_MEMORY ? LL_ERR_NO_MEMORY : LL_ERR_BARCODE;
        return Status::Error(code, "cannot encode '" + request.data + "': " + symbol->errtxt);
    }

    auto vector = std::make_shared<VectorSymbol>();
    vector->kind = request.kind;
    vector->width = symbol->vector->width;
    vector->height = symbol->vector->height;
    for (const zint_vector_rect* r = symbol->vector->rectangles; r; r = r->next)
        vector->rects.push_back({r->x, r->y, r->width, r->height});
    for (const zint_vector_hexagon* h = symbol->vector->hexagons; h; h = h->next)
        vector->hexagons.push_back({h->x, h->y, h->diameter, h->rotation});
    for (const zint_vector_circle* c = symbol->vector->circles; c; c = c->next)
        vector->circles.push_back({c->x, c->y, c->diameter, c->width});
    SetInkExtent(*vector);
    if (request.kind == SymbolKind::Linear && request.humanReadable)
        vector->humanReadable = reinterpret_cast<const char*>(symbol->text);
    vector->symbologyName = request.kind == SymbolKind::DataMatrix ? "DataMatrix"
                            : request.kind == SymbolKind::QrCode   ? "QRCode"
                                                                   : std::string(SymbologyName(request.symbology));
    out = std::move(vector);
    return Status::Ok();
}

}  // namespace quill::labelrender
