#pragma once
// Running barcode numbers and barcode values brought to a fixed length.
// A barcode number is a string of decimal digits; under any scheme but
// "NONE" its last character is the check digit and the rest its payload.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quill {

inline constexpr std::string_view BarcodeTooLongMessage = "Barcodenumber is too long!";

// The number `step` places after `current`, with the same number of
// characters and a fresh check digit; step 0 only recomputes the check
// digit. A number that outgrows its length gets one more character, with or
// without a check digit. Empty when the payload (the whole number under
// "NONE") is empty or not made of digits.
std::optional<std::string> NextBarcode(std::string_view current, std::string_view scheme, std::uint64_t step);

// Drops leading zeros while the value is longer than `length`, then pads
// with zeros to `length`. A value with more significant digits stays longer.
std::string BarcodeToLength(std::string_view value, int length);

// The last `count` characters; a shorter value whole.
std::string BarcodeTail(std::string_view value, int count);

struct TBarcodeAcceptance {
    bool Accepted = false;
    std::string Number;   // the text the field shows; the new LastBarcode when accepted
    std::string Message;  // information for the user when not accepted
};

// Checks a typed next barcode number against the length and scheme and
// corrects its check digit; an all-zero number becomes the first one after
// zero. Does not store anything: the caller saves Number when Accepted.
TBarcodeAcceptance AcceptLastBarcode(std::string_view typed, int length, std::string_view scheme);

}  // namespace quill
