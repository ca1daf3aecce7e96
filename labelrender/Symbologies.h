#pragma once
// Every symbology of libzint, under names of our own that design files
// keep for good, with what each one needs from the encoder. libzint's
// numbers stay inside Symbologies.cpp and Symbol.cpp.
#include <optional>
#include <span>
#include <string_view>

namespace quill::labelrender {

enum class Symbology {
    Code11,
    Standard2of5,
    Interleaved2of5,
    IATA2of5,
    DataLogic2of5,
    Industrial2of5,
    Code39,
    Code39Extended,
    Ean13,
    Ean8,
    EANWithCheckDigit,
    Gs1_128,
    Codabar,
    Code128,
    Code128B,
    DeutschePostLeitcode,
    DeutschePostIdentcode,
    Code16k,
    Code49,
    Code93,
    Flattermarken,
    Gs1DataBar,
    Gs1DataBarLimited,
    Gs1DataBarExpanded,
    Telepen,
    TelepenNumeric,
    UPCA,
    UPCAWithCheckDigit,
    UPCE,
    UPCEWithCheckDigit,
    POSTNET,
    PLANET,
    MSIPlessey,
    UKPlessey,
    FIM,
    LOGMARS,
    Pharmacode,
    PharmacodeTwoTrack,
    PZN,
    CEPNet,
    PDF417,
    CompactPDF417,
    MicroPDF417,
    MaxiCode,
    QRCode,
    Gs1QRCode,
    MicroQRCode,
    RectangularMicroQRCode,
    UPNQR,
    DataMatrix,
    Gs1DataMatrix,
    Aztec,
    Gs1Aztec,
    AztecRunes,
    AustraliaPost,
    AustraliaPostReply,
    AustraliaPostRouting,
    AustraliaPostRedirect,
    ISBN,
    RoyalMail4State,
    RoyalMailMailmark,
    EAN14,
    VIN,
    CodablockF,
    NVE18,
    JapanPost,
    KoreaPost,
    Gs1DataBarStacked,
    Gs1DataBarStackedOmni,
    Gs1DataBarExpandedStacked,
    USPSIntelligentMail,
    ITF14,
    KIX,
    DAFT,
    DPD,
    HibcCode128,
    HibcCode39,
    HibcDataMatrix,
    HibcQRCode,
    HibcPDF417,
    HibcMicroPDF417,
    HibcCodablockF,
    HibcAztec,
    DotCode,
    Gs1DotCode,
    HanXin,
    Code32,
    EANComposite,
    Gs1128Composite,
    Gs1DataBarComposite,
    Gs1DataBarLimitedComposite,
    Gs1DataBarExpandedComposite,
    UPCAComposite,
    UPCEComposite,
    Gs1DataBarStackedComposite,
    Gs1DataBarStackedOmniComposite,
    Gs1DataBarExpandedStackedComposite,
    ChannelCode,
    CodeOne,
    GridMatrix,
    UltraCode,
    BC412,
};

// Linear symbols fill their box's height with bars; all others keep the
// proportions the symbology gives them and are scaled by the module.
enum class SymbolShape { Linear, TwoDimensional };

struct SymbologyInfo {
    Symbology symbology;
    std::string_view name;   // written to design files; never changes
    int zint;                // libzint's symbology number
    SymbolShape shape;
    // The encoder's option_2 value that adds the optional check character
    // and the one that leaves it out; -1 when there is no such choice.
    int checkOn, checkOff;
    unsigned flags;
};

inline constexpr unsigned kGs1 = 1;      // contents are GS1 data: application identifiers in brackets
inline constexpr unsigned kEcc = 2;      // takes an error-correction level (option_1)
inline constexpr unsigned kSize = 4;     // takes a symbol size, version or column count (option_2)
inline constexpr unsigned kSquare = 8;   // DataMatrix: square sizes only, which every reader reads

std::span<const SymbologyInfo> AllSymbologies();
const SymbologyInfo& InfoOf(Symbology symbology);
std::string_view SymbologyName(Symbology symbology);
// The symbology a design file names (ignoring case), also by the names
// earlier versions of the format wrote.
std::optional<Symbology> SymbologyFromName(std::string_view name);

}  // namespace quill::labelrender
