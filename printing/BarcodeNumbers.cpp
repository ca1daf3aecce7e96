#include "printing/BarcodeNumbers.h"

#include "core/Utilities.h"
#include "printing/CheckDigits.h"
#include "printing/DecimalDigits.h"

namespace quill {

std::optional<std::string> NextBarcode(std::string_view current, std::string_view scheme, std::uint64_t step) {
    if (scheme == NoCheckDigit) {
        if (!IsDecimalNumber(current)) return std::nullopt;
        return AddToDecimal(current, step);
    }
    const std::string_view payload = current.substr(0, current.empty() ? 0 : current.size() - 1);
    if (!IsDecimalNumber(payload)) return std::nullopt;
    std::string next = AddToDecimal(payload, step);
    next += *CheckDigitOf(next, scheme);
    return next;
}

std::string BarcodeToLength(std::string_view value, int length) {
    const std::size_t target = length > 0 ? static_cast<std::size_t>(length) : 0;
    std::size_t skip = 0;
    while (value.size() - skip > target && value[skip] == '0') ++skip;
    return PadLeftZeros(std::string(value.substr(skip)), length);
}

std::string BarcodeTail(std::string_view value, int count) {
    return RightChars(std::string(value), count);
}

TBarcodeAcceptance AcceptLastBarcode(std::string_view typed, int length, std::string_view scheme) {
    TBarcodeAcceptance result;
    result.Number = BarcodeToLength(typed, length);
    if (result.Number.size() != static_cast<std::size_t>(length)) {
        result.Message = BarcodeTooLongMessage;
        return result;
    }
    std::optional<std::string> number = NextBarcode(result.Number, scheme, 0);
    // Zero is no barcode number: start at the first one.
    if (number && IsAllZeros(*number)) number = NextBarcode(*number, scheme, 1);
    if (!number) {
        result.Message = "'" + std::string(typed) + "' is not a valid barcode number";
        return result;
    }
    result.Accepted = true;
    result.Number = std::move(*number);
    return result;
}

}  // namespace quill
