#include "labelrender/Symbologies.h"

#include <zint.h>

#include <algorithm>
#include <array>
#include <cctype>

namespace quill::labelrender {

namespace {

constexpr SymbologyInfo kSymbologies[] = {
    {Symbology::Code11, "Code11", BARCODE_CODE11, SymbolShape::Linear, 0, 2, 0},
    {Symbology::Standard2of5, "Standard2of5", BARCODE_C25STANDARD, SymbolShape::Linear, 1, 0, 0},
    {Symbology::Interleaved2of5, "Interleaved2of5", BARCODE_C25INTER, SymbolShape::Linear, 1, 0, 0},
    {Symbology::IATA2of5, "IATA2of5", BARCODE_C25IATA, SymbolShape::Linear, 1, 0, 0},
    {Symbology::DataLogic2of5, "DataLogic2of5", BARCODE_C25LOGIC, SymbolShape::Linear, 1, 0, 0},
    {Symbology::Industrial2of5, "Industrial2of5", BARCODE_C25IND, SymbolShape::Linear, 1, 0, 0},
    {Symbology::Code39, "Code39", BARCODE_CODE39, SymbolShape::Linear, 1, 0, 0},
    {Symbology::Code39Extended, "Code39Extended", BARCODE_EXCODE39, SymbolShape::Linear, 1, 0, 0},
    {Symbology::Ean13, "EAN13", BARCODE_EANX, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Ean8, "EAN8", BARCODE_EANX, SymbolShape::Linear, -1, -1, 0},
    {Symbology::EANWithCheckDigit, "EANWithCheckDigit", BARCODE_EANX_CHK, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Gs1_128, "GS1-128", BARCODE_GS1_128, SymbolShape::Linear, -1, -1, kGs1},
    {Symbology::Codabar, "Codabar", BARCODE_CODABAR, SymbolShape::Linear, 1, 0, 0},
    {Symbology::Code128, "Code128", BARCODE_CODE128, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Code128B, "Code128B", BARCODE_CODE128B, SymbolShape::Linear, -1, -1, 0},
    {Symbology::DeutschePostLeitcode, "DeutschePostLeitcode", BARCODE_DPLEIT, SymbolShape::Linear, -1, -1, 0},
    {Symbology::DeutschePostIdentcode, "DeutschePostIdentcode", BARCODE_DPIDENT, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Code16k, "Code16k", BARCODE_CODE16K, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::Code49, "Code49", BARCODE_CODE49, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::Code93, "Code93", BARCODE_CODE93, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Flattermarken, "Flattermarken", BARCODE_FLAT, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Gs1DataBar, "GS1-DataBar", BARCODE_DBAR_OMN, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Gs1DataBarLimited, "GS1-DataBarLimited", BARCODE_DBAR_LTD, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Gs1DataBarExpanded, "GS1-DataBarExpanded", BARCODE_DBAR_EXP, SymbolShape::Linear, -1, -1, kGs1},
    {Symbology::Telepen, "Telepen", BARCODE_TELEPEN, SymbolShape::Linear, -1, -1, 0},
    {Symbology::TelepenNumeric, "TelepenNumeric", BARCODE_TELEPEN_NUM, SymbolShape::Linear, -1, -1, 0},
    {Symbology::UPCA, "UPCA", BARCODE_UPCA, SymbolShape::Linear, -1, -1, 0},
    {Symbology::UPCAWithCheckDigit, "UPCAWithCheckDigit", BARCODE_UPCA_CHK, SymbolShape::Linear, -1, -1, 0},
    {Symbology::UPCE, "UPCE", BARCODE_UPCE, SymbolShape::Linear, -1, -1, 0},
    {Symbology::UPCEWithCheckDigit, "UPCEWithCheckDigit", BARCODE_UPCE_CHK, SymbolShape::Linear, -1, -1, 0},
    {Symbology::POSTNET, "POSTNET", BARCODE_POSTNET, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::PLANET, "PLANET", BARCODE_PLANET, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::MSIPlessey, "MSIPlessey", BARCODE_MSI_PLESSEY, SymbolShape::Linear, 1, 0, 0},
    {Symbology::UKPlessey, "UKPlessey", BARCODE_PLESSEY, SymbolShape::Linear, -1, -1, 0},
    {Symbology::FIM, "FIM", BARCODE_FIM, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::LOGMARS, "LOGMARS", BARCODE_LOGMARS, SymbolShape::Linear, 1, 0, 0},
    {Symbology::Pharmacode, "Pharmacode", BARCODE_PHARMA, SymbolShape::Linear, -1, -1, 0},
    {Symbology::PharmacodeTwoTrack, "PharmacodeTwoTrack", BARCODE_PHARMA_TWO, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::PZN, "PZN", BARCODE_PZN, SymbolShape::Linear, -1, -1, 0},
    {Symbology::CEPNet, "CEPNet", BARCODE_CEPNET, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::PDF417, "PDF417", BARCODE_PDF417, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::CompactPDF417, "CompactPDF417", BARCODE_PDF417COMP, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::MicroPDF417, "MicroPDF417", BARCODE_MICROPDF417, SymbolShape::TwoDimensional, -1, -1, kSize},
    {Symbology::MaxiCode, "MaxiCode", BARCODE_MAXICODE, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::QRCode, "QRCode", BARCODE_QRCODE, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::Gs1QRCode, "GS1-QRCode", BARCODE_QRCODE, SymbolShape::TwoDimensional, -1, -1, kGs1|kEcc|kSize},
    {Symbology::MicroQRCode, "MicroQRCode", BARCODE_MICROQR, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::RectangularMicroQRCode, "RectangularMicroQRCode", BARCODE_RMQR, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::UPNQR, "UPNQR", BARCODE_UPNQR, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::DataMatrix, "DataMatrix", BARCODE_DATAMATRIX, SymbolShape::TwoDimensional, -1, -1, kSize|kSquare},
    {Symbology::Gs1DataMatrix, "GS1-DataMatrix", BARCODE_DATAMATRIX, SymbolShape::TwoDimensional, -1, -1, kGs1|kSize|kSquare},
    {Symbology::Aztec, "Aztec", BARCODE_AZTEC, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::Gs1Aztec, "GS1-Aztec", BARCODE_AZTEC, SymbolShape::TwoDimensional, -1, -1, kGs1|kEcc|kSize},
    {Symbology::AztecRunes, "AztecRunes", BARCODE_AZRUNE, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::AustraliaPost, "AustraliaPost", BARCODE_AUSPOST, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::AustraliaPostReply, "AustraliaPostReply", BARCODE_AUSREPLY, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::AustraliaPostRouting, "AustraliaPostRouting", BARCODE_AUSROUTE, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::AustraliaPostRedirect, "AustraliaPostRedirect", BARCODE_AUSREDIRECT, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::ISBN, "ISBN", BARCODE_ISBNX, SymbolShape::Linear, -1, -1, 0},
    {Symbology::RoyalMail4State, "RoyalMail4State", BARCODE_RM4SCC, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::RoyalMailMailmark, "RoyalMailMailmark", BARCODE_MAILMARK, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::EAN14, "EAN14", BARCODE_EAN14, SymbolShape::Linear, -1, -1, 0},
    {Symbology::VIN, "VIN", BARCODE_VIN, SymbolShape::Linear, -1, -1, 0},
    {Symbology::CodablockF, "CodablockF", BARCODE_CODABLOCKF, SymbolShape::TwoDimensional, -1, -1, kSize},
    {Symbology::NVE18, "NVE18", BARCODE_NVE18, SymbolShape::Linear, -1, -1, 0},
    {Symbology::JapanPost, "JapanPost", BARCODE_JAPANPOST, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::KoreaPost, "KoreaPost", BARCODE_KOREAPOST, SymbolShape::Linear, -1, -1, 0},
    {Symbology::Gs1DataBarStacked, "GS1-DataBarStacked", BARCODE_DBAR_STK, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::Gs1DataBarStackedOmni, "GS1-DataBarStackedOmni", BARCODE_DBAR_OMNSTK, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::Gs1DataBarExpandedStacked, "GS1-DataBarExpandedStacked", BARCODE_DBAR_EXPSTK, SymbolShape::TwoDimensional, -1, -1, kGs1|kSize},
    {Symbology::USPSIntelligentMail, "USPSIntelligentMail", BARCODE_USPS_IMAIL, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::ITF14, "ITF14", BARCODE_ITF14, SymbolShape::Linear, -1, -1, 0},
    {Symbology::KIX, "KIX", BARCODE_KIX, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::DAFT, "DAFT", BARCODE_DAFT, SymbolShape::TwoDimensional, -1, -1, 0},
    {Symbology::DPD, "DPD", BARCODE_DPD, SymbolShape::Linear, -1, -1, 0},
    {Symbology::HibcCode128, "HIBC-Code128", BARCODE_HIBC_128, SymbolShape::Linear, -1, -1, 0},
    {Symbology::HibcCode39, "HIBC-Code39", BARCODE_HIBC_39, SymbolShape::Linear, -1, -1, 0},
    {Symbology::HibcDataMatrix, "HIBC-DataMatrix", BARCODE_HIBC_DM, SymbolShape::TwoDimensional, -1, -1, kSize|kSquare},
    {Symbology::HibcQRCode, "HIBC-QRCode", BARCODE_HIBC_QR, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::HibcPDF417, "HIBC-PDF417", BARCODE_HIBC_PDF, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::HibcMicroPDF417, "HIBC-MicroPDF417", BARCODE_HIBC_MICPDF, SymbolShape::TwoDimensional, -1, -1, kSize},
    {Symbology::HibcCodablockF, "HIBC-CodablockF", BARCODE_HIBC_BLOCKF, SymbolShape::TwoDimensional, -1, -1, kSize},
    {Symbology::HibcAztec, "HIBC-Aztec", BARCODE_HIBC_AZTEC, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::DotCode, "DotCode", BARCODE_DOTCODE, SymbolShape::TwoDimensional, -1, -1, kSize},
    {Symbology::Gs1DotCode, "GS1-DotCode", BARCODE_DOTCODE, SymbolShape::TwoDimensional, -1, -1, kGs1|kSize},
    {Symbology::HanXin, "HanXin", BARCODE_HANXIN, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::Code32, "Code32", BARCODE_CODE32, SymbolShape::Linear, -1, -1, 0},
    {Symbology::EANComposite, "EAN-Composite", BARCODE_EANX_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::Gs1128Composite, "GS1-128-Composite", BARCODE_GS1_128_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::Gs1DataBarComposite, "GS1-DataBar-Composite", BARCODE_DBAR_OMN_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::Gs1DataBarLimitedComposite, "GS1-DataBarLimited-Composite", BARCODE_DBAR_LTD_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::Gs1DataBarExpandedComposite, "GS1-DataBarExpanded-Composite", BARCODE_DBAR_EXP_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::UPCAComposite, "UPCA-Composite", BARCODE_UPCA_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::UPCEComposite, "UPCE-Composite", BARCODE_UPCE_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::Gs1DataBarStackedComposite, "GS1-DataBarStacked-Composite", BARCODE_DBAR_STK_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::Gs1DataBarStackedOmniComposite, "GS1-DataBarStackedOmni-Composite", BARCODE_DBAR_OMNSTK_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::Gs1DataBarExpandedStackedComposite, "GS1-DataBarExpandedStacked-Composite", BARCODE_DBAR_EXPSTK_CC, SymbolShape::TwoDimensional, -1, -1, kGs1},
    {Symbology::ChannelCode, "ChannelCode", BARCODE_CHANNEL, SymbolShape::Linear, -1, -1, 0},
    {Symbology::CodeOne, "CodeOne", BARCODE_CODEONE, SymbolShape::TwoDimensional, -1, -1, kSize},
    {Symbology::GridMatrix, "GridMatrix", BARCODE_GRIDMATRIX, SymbolShape::TwoDimensional, -1, -1, kEcc|kSize},
    {Symbology::UltraCode, "UltraCode", BARCODE_ULTRA, SymbolShape::TwoDimensional, -1, -1, kEcc},
    {Symbology::BC412, "BC412", BARCODE_BC412, SymbolShape::Linear, -1, -1, 0},
};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < std::size(kSymbologies); ++i)
        if (static_cast<std::size_t>(kSymbologies[i].symbology) != i) return false;
    return true;
}
static_assert(InEnumOrder(), "kSymbologies must list the symbologies in the order of the enum");

struct Alias {
    std::string_view name;
    Symbology symbology;
};
// Names format version 1 also read.
constexpr Alias kAliases[] = {
    {"I2of5", Symbology::Interleaved2of5}, {"ITF", Symbology::Interleaved2of5}, {"EAN-13", Symbology::Ean13},
    {"GS1_128", Symbology::Gs1_128},       {"EAN128", Symbology::Gs1_128},
};

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::span<const SymbologyInfo> AllSymbologies() { return kSymbologies; }

const SymbologyInfo& InfoOf(Symbology symbology) { return kSymbologies[static_cast<std::size_t>(symbology)]; }

std::string_view SymbologyName(Symbology symbology) { return InfoOf(symbology).name; }

std::optional<Symbology> SymbologyFromName(std::string_view name) {
    for (const SymbologyInfo& info : kSymbologies)
        if (EqualsIgnoreCase(info.name, name)) return info.symbology;
    for (const Alias& alias : kAliases)
        if (EqualsIgnoreCase(alias.name, name)) return alias.symbology;
    return std::nullopt;
}

}  // namespace quill::labelrender
